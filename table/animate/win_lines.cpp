// "Lines": a card runs at 45 degrees and bounces off the edges of the client area,
// leaving a trail; each run between two edges is a segment with a card of its own.

#include "table/animate/win_animation_run.h"
#include "table/animate/win_effects.h"

namespace table {

namespace {

constexpr int kSpeedChoices = 8;  // |dx| := Random(8) + 4
constexpr int kMinSpeed = 4;
constexpr int kPauseGroup = 2;
constexpr int kEventGroup = 4;
constexpr int kCardWait = 5;

int WithSign(int magnitude, int signOf) { return signOf < 0 ? -magnitude : magnitude; }

}  // namespace

void AnimateLines(WinAnimationRun& run) {
    const WinArea& area = run.Area();
    const int cw = run.CardWidth();
    const int ch = run.CardHeight();
    // This effect pauses the whole frame time, not half of it.
    run.SetPauseTime(run.Speed());
    int x = run.Random(area.width);
    if (x + cw > area.clientWidth) x = area.clientWidth - cw;
    int y = area.top;
    // The first segment heads right and down.
    int dx = 1;
    int dy = 1;
    do {
        const int magnitude = run.Random(kSpeedChoices) + kMinSpeed;
        dx = WithSign(magnitude, dx);
        dy = WithSign(magnitude, dy);
        const int card = run.RandomCard();
        if (!(x + dx > 0 && x + dx < area.clientWidth - cw)) dx = -dx;
        if (!(y + dy > area.top && y + dy < area.clientHeight - ch)) dy = -dy;
        int drawn = 0;
        bool segmentEnds = false;
        while (!segmentEnds) {
            if (!run.Draw(card, x, y)) return;
            x += dx;
            y += dy;
            ++drawn;
            if (drawn % kPauseGroup == 0) run.Pause();
            run.Wait(kCardWait);
            if (drawn % kEventGroup == 0) run.Messages();
            segmentEnds = x < 1 || x + cw >= area.clientWidth || y <= area.top || y + ch >= area.clientHeight;
        }
        run.Messages();
        if (!run.Running()) return;
    } while (!run.TimeUp());
    run.Stop();
}

}  // namespace table
