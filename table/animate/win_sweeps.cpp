// The three winning animations that lay cards in order or at random: "Open order",
// "Left to right" and "Up to down".

#include "table/animate/win_animation_run.h"
#include "table/animate/win_effects.h"

namespace table {

namespace {

// The pause comes after every this many cards, and so do the pending events.
constexpr int kOpenOrderGroup = 5;
constexpr int kRowGroup = 5;
constexpr int kColumnPauseGroup = 2;
constexpr int kColumnEventGroup = 5;

// Rows start just left of the window, alternately a quarter and a third of a card out.
constexpr int kFirstRowX = -20;
constexpr double kRowStep = 5.8;  // cards per card width along a row
constexpr int kFirstColumnX = -10;
constexpr double kColumnStep = 5.3;  // cards per card height down a column
constexpr double kColumnShift = 1.5;
constexpr int kEvenOffsetDivisor = 4;
constexpr int kOddOffsetDivisor = 3;
constexpr int kLineShift = 35;
constexpr int kLineWait = 700;

int StartOffset(int count, int cardSize) {
    return -(cardSize / (count % 2 == 0 ? kEvenOffsetDivisor : kOddOffsetDivisor));
}

bool KeepsGoing(const WinAnimationRun& run) { return run.Running() && !run.TimeUp(); }

}  // namespace

void AnimateOpenOrder(WinAnimationRun& run) {
    const WinArea& area = run.Area();
    const int halfWidth = run.CardWidth() / 2;
    const int halfHeight = run.CardHeight() / 2;
    int drawn = 0;
    do {
        const int x = run.Random(area.width + halfWidth) - halfWidth;
        const int y = run.Random(area.height + halfHeight) - halfHeight;
        if (!run.Draw(run.RandomCard(), x, y)) return;
        if (++drawn % kOpenOrderGroup == 0) {
            run.Pause();
            run.Messages();
        }
    } while (KeepsGoing(run));
}

void AnimateLeftToRight(WinAnimationRun& run) {
    const WinArea& area = run.Area();
    const int cw = run.CardWidth();
    const int ch = run.CardHeight();
    const int step = static_cast<int>(cw / kRowStep);
    int x = kFirstRowX;
    int y = area.top;
    int rows = 0;
    int base = 0;
    int drawn = 0;
    do {
        if (!run.Draw(run.RandomCard(), x, y)) return;
        if (++drawn % kRowGroup == 0) {
            run.Pause();
            run.Messages();
        }
        x += step;
        if (x >= area.width) {
            ++rows;
            x = StartOffset(rows, cw);
            run.WaitProcessing(kLineWait);
            y += kLineShift;
        }
        if (area.height <= y + ch) {
            x = StartOffset(rows, cw);
            base += kLineShift;
            y = base;
            if (area.height <= base) base = area.top + kLineShift;
        }
    } while (KeepsGoing(run));
}

void AnimateUpToDown(WinAnimationRun& run) {
    const WinArea& area = run.Area();
    const int cw = run.CardWidth();
    const int ch = run.CardHeight();
    const int step = static_cast<int>(ch / kColumnStep);
    const int shift = static_cast<int>(cw / kColumnShift);
    int x = kFirstColumnX;
    int y = area.top;
    int columns = 0;
    int base = 0;
    int drawn = 0;
    do {
        if (!run.Draw(run.RandomCard(), x, y)) return;
        ++drawn;
        if (drawn % kColumnPauseGroup == 0) run.Pause();
        if (drawn % kColumnEventGroup == 0) run.Messages();
        y += step;
        if (y >= area.height) {
            ++columns;
            y = StartOffset(columns, ch);
            run.WaitProcessing(kLineWait);
            x += shift;
        }
        if (area.width <= x) {
            y = StartOffset(columns, ch);
            base += kLineShift;
            x = base;
            if (area.width <= base) base = kLineShift;
        }
    } while (KeepsGoing(run));
}

}  // namespace table
