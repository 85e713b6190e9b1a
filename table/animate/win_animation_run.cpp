#include "table/animate/win_animation_run.h"

#include <algorithm>

#include "engine/model/registers.h"
#include "platform/core/clock.h"
#include "platform/core/random.h"
#include "platform/qt/canvas.h"
#include "table/animate/animation_settings.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/draw/pile_marks.h"

namespace table {

namespace {

// Every card of a deck but the last: Random(51) + 1.
constexpr int kDrawnCardCodes = 51;
// A wait that handles events looks at the flag this often.
constexpr std::uint32_t kWaitSlice = 10;

}  // namespace

WinAnimationRun::WinAnimationRun(DrawContext& context, engine::Registers& registers,
                                 platform::RandomGenerator& random, const WinArea& area, std::uint32_t duration)
    : m_context(context),
      m_registers(registers),
      m_random(random),
      m_area(area),
      m_start(context.clock.TickCount()),
      m_duration(duration),
      m_speed(SpeedMoveCard(context.settings)),
      m_pause(m_speed / 2) {}

int WinAnimationRun::CardWidth() const { return m_context.CardWidth(); }
int WinAnimationRun::CardHeight() const { return m_context.CardHeight(); }

int WinAnimationRun::Random(int n) { return m_random.Random(n); }

int WinAnimationRun::RandomCard() { return m_random.Random(kDrawnCardCodes) + 1; }

bool WinAnimationRun::Running() const { return m_registers.GetFlag(engine::flag::kWinAnimationRunning) != 0; }

void WinAnimationRun::Stop() { m_registers.SetFlag(engine::flag::kWinAnimationRunning, 0); }

bool WinAnimationRun::TimeUp() const { return m_context.clock.TickCount() - m_start >= m_duration; }

bool WinAnimationRun::Draw(int card, int x, int y) {
    if (!Running()) return false;
    DrawCardFace(m_context, card, x, y, false, m_context.Window(), kNoPileIndex);
    if (!Running()) return false;
    DrawCardFace(m_context, card, x, y, false, m_context.Buffer(), kNoPileIndex);
    ++m_cardsDrawn;
    return true;
}

void WinAnimationRun::Pause() { Wait(m_pause); }

void WinAnimationRun::Wait(int milliseconds) {
    if (milliseconds > 0) m_context.clock.Delay(static_cast<std::uint32_t>(milliseconds));
}

void WinAnimationRun::Messages() { m_context.clock.DelayProcessing(0); }

void WinAnimationRun::WaitProcessing(int milliseconds) {
    platform::IClock& clock = m_context.clock;
    const std::uint32_t begin = clock.TickCount();
    const auto total = static_cast<std::uint32_t>(std::max(milliseconds, 0));
    while (Running() && clock.TickCount() - begin < total)
        clock.DelayProcessing(std::min(kWaitSlice, total - (clock.TickCount() - begin)));
}

}  // namespace table
