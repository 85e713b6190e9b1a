// "Circles": rings of cards, each ring one card, at random places on the client area.

#include <cstddef>
#include <vector>

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "table/animate/win_animation_run.h"
#include "table/animate/win_effects.h"

namespace table {

namespace {

constexpr int kRadius = 150;
constexpr int kLastPoint = 2 * kRadius - 1;
// Of the outline's points, the first and every fourth after it are kept.
constexpr int kPointSpacing = 4;
constexpr int kEventGroup = 4;
constexpr platform::Colour kOutline = platform::Rgb(0, 0, 0);

// Pulls a random centre back when the ring would reach past the far edge.
int Centre(WinAnimationRun& run, int extent) {
    const int c = run.Random(extent);
    return c > extent - kRadius ? extent - kRadius - c : c;
}

bool OutsideClientArea(const WinArea& area, int x, int y, int cw, int ch) {
    return x + cw <= 0 || x >= area.clientWidth || y + ch <= 0 || y >= area.clientHeight;
}

}  // namespace

void TraceCirclePoints(int radius, int last, std::vector<int>& xs, std::vector<int>& ys) {
    const int size = 2 * radius;
    if (size <= 0) return;
    platform::Bitmap image(size, size);
    platform::Canvas canvas(image);
    canvas.Ellipse({0, 0, size - 1, size - 1});
    int found = 0;
    auto keep = [&](int x, int y) {
        if (found % kPointSpacing == 0) {
            const int index = found / kPointSpacing;
            if (index <= last && index < static_cast<int>(xs.size()) && index < static_cast<int>(ys.size())) {
                xs[static_cast<std::size_t>(index)] = x;
                ys[static_cast<std::size_t>(index)] = y;
            }
        }
        ++found;
    };
    for (int y = 0; y < size; ++y) {
        for (int x = radius; x < size; ++x) {
            if (canvas.Pixel(x, y) == kOutline) {
                keep(x, y);
                break;
            }
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = radius - 1; x >= 0; --x) {
            if (canvas.Pixel(x, y) == kOutline) {
                keep(x, y);
                break;
            }
        }
    }
}

void AnimateCircles(WinAnimationRun& run) {
    const WinArea& area = run.Area();
    const int cw = run.CardWidth();
    const int ch = run.CardHeight();
    std::vector<int> xs(static_cast<std::size_t>(kLastPoint + 1), kNoCirclePoint);
    std::vector<int> ys(xs.size(), kNoCirclePoint);
    TraceCirclePoints(kRadius, kLastPoint, xs, ys);
    do {
        const int cy = Centre(run, area.clientHeight);
        const int cx = Centre(run, area.clientWidth);
        const int card = run.RandomCard();
        for (std::size_t k = 0; k < xs.size(); ++k) {
            if (xs[k] == kNoCirclePoint || ys[k] == kNoCirclePoint) continue;
            const int x = cx + xs[k];
            const int y = cy + ys[k];
            bool drawn = false;
            if (!OutsideClientArea(area, x, y, cw, ch)) {
                if (!run.Draw(card, x, y)) return;
                drawn = true;
            }
            if ((k + 1) % kEventGroup == 0) {
                if (drawn) run.Pause();
                run.Messages();
            }
        }
    } while (run.Running() && !run.TimeUp());
    run.Stop();
}

}  // namespace table
