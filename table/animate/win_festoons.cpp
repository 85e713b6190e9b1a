// "Festoons": a card falls from above the window, then bounces across it in shrinking
// arcs, every step leaving a copy behind.

#include <array>
#include <cstddef>

#include "table/animate/win_animation_run.h"
#include "table/animate/win_effects.h"

namespace table {

namespace {

constexpr int kSwingChoices = 10;  // r := Random(10) + 1; its parity picks the bounce
constexpr int kDriftChoices = 5;   // dx := Random(5) + 2
constexpr int kMinDrift = 2;
constexpr int kStartSpread = 40;   // the card starts up to 50 pixels above the top
constexpr int kStartRise = 50;
// Within a segment, the first card and every fourth after it pause and let events through.
constexpr int kEventGroup = 4;

// The fall: segment k moves down kFallSteps[k] per card, kFallRepeats[k] + 1 cards.
constexpr std::array<int, 10> kFallSteps{0, 3, 5, 7, 9, 11, 13, 15, 17, 19};
constexpr std::array<int, 10> kFallRepeats{0, 3, 5, 7, 9, 11, 13, 15, 17, 100};

// The bounce: the vertical step of each of its 65 segments, four arcs ever lower.
constexpr std::array<int, 65> kBounceSteps{
    -19, -17, -15, -13, -11, -9, -7, -5, -3, -1, 0, 0, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19,  //
    -15, -13, -11, -9, -7, -5, -3, -1, 0, 0, 1, 3, 5, 7, 9, 11, 13, 15,                   //
    -11, -9, -7, -5, -3, -1, 0, 0, 1, 3, 5, 7, 9, 11,                                     //
    -7, -5, -3, -1, 0, 0, 1, 3, 5, 7, 0};
// Repeats of the bounce's segments: two, then the first arc's by the swing's parity,
// then the rest, the last long enough to roll the card off the window.
constexpr std::size_t kBounceLead = 2;
constexpr std::array<int, 18> kFirstArcRepeatsEven{3, 4, 5, 6, 5, 4, 3, 2, 1, 1, 2, 3, 4, 5, 6, 5, 4, 3};
constexpr std::array<int, 18> kFirstArcRepeatsOdd{2, 3, 4, 5, 4, 3, 2, 1, 0, 0, 1, 2, 3, 4, 5, 4, 3, 2};
constexpr std::array<int, 45> kLaterRepeats{0, 0, 1, 3, 4, 5, 5, 4, 3, 1, 0, 0, 1, 3, 4, 5, 4, 4, 3, 1, 0, 1, 3,
                                            4, 3, 1, 0, 0, 1, 3, 4, 3, 1, 0, 0, 1, 3, 4, 3, 0, 1, 3, 4, 3, 1000};
static_assert(kBounceLead + kFirstArcRepeatsEven.size() + kLaterRepeats.size() == kBounceSteps.size());

int BounceRepeats(std::size_t k, int swing) {
    if (k < kBounceLead) return 0;
    const std::size_t arc = k - kBounceLead;
    if (arc < kFirstArcRepeatsEven.size())
        return swing % 2 == 0 ? kFirstArcRepeatsEven[arc] : kFirstArcRepeatsOdd[arc];
    return kLaterRepeats[arc - kFirstArcRepeatsEven.size()];
}

struct Flight {
    int card = 0;
    int x = 0;
    int y = 0;
    int dx = 0;
};

// One card of a segment, then its step; false once the flag is clear.
bool Step(WinAnimationRun& run, Flight& flight, int dy, int indexInSegment) {
    if (!run.Draw(flight.card, flight.x, flight.y)) return false;
    flight.y += dy;
    flight.x += flight.dx;
    if (indexInSegment % kEventGroup == 0) {
        run.Pause();
        run.Messages();
    }
    return true;
}

// False once the flag is clear.
bool Fall(WinAnimationRun& run, Flight& flight) {
    const int bottom = run.Area().clientHeight;
    for (std::size_t k = 0; k < kFallSteps.size(); ++k) {
        for (int i = 0; i <= kFallRepeats[k]; ++i) {
            if (!Step(run, flight, kFallSteps[k], i)) return false;
            if (flight.y + run.CardHeight() >= bottom) return true;
        }
    }
    return true;
}

bool Bounce(WinAnimationRun& run, Flight& flight, int swing) {
    for (std::size_t k = 0; k < kBounceSteps.size(); ++k) {
        for (int i = 0; i <= BounceRepeats(k, swing); ++i) {
            if (!Step(run, flight, kBounceSteps[k], i)) return false;
            if (flight.x > run.Area().width || flight.x < -run.CardWidth()) return true;
        }
        run.Messages();
    }
    return true;
}

}  // namespace

void AnimateFestoons(WinAnimationRun& run) {
    const WinArea& area = run.Area();
    const int cw = run.CardWidth();
    while (true) {
        const int swing = run.Random(kSwingChoices) + 1;
        Flight flight;
        flight.card = run.RandomCard();
        flight.y = area.top + run.Random(kStartSpread) - kStartRise;
        flight.x = run.Random(area.width);
        if (flight.x + cw > area.clientWidth) flight.x = area.clientWidth - cw;
        flight.dx = run.Random(kDriftChoices) + kMinDrift;
        if (swing % 2 != 0) flight.dx = -flight.dx;

        if (!Fall(run, flight)) return;
        run.Messages();
        if (run.TimeUp() || !run.Running()) break;
        if (!Bounce(run, flight, run.Random(kSwingChoices) + 1)) return;
    }
    run.Stop();
}

}  // namespace table
