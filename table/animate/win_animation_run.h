#pragma once

#include <cstdint>

namespace engine {
class Registers;
}

namespace platform {
class RandomGenerator;
}

namespace table {

struct DrawContext;

// Where the winning animations draw: the main window's outer size (W, H), its client
// area (CWd, CHt) and the first row below the toolbars.
struct WinArea {
    int width = 0;
    int height = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    int top = 0;
};

// One run of a winning animation: its time limit from the moment it starts, the pause
// between groups of cards, and the drawing of random cards that stops as soon as the
// player's click or key has cleared the animation flag (flag 6).
class WinAnimationRun {
public:
    // pause starts as Speed_Move_Card / 2.
    WinAnimationRun(DrawContext& context, engine::Registers& registers, platform::RandomGenerator& random,
                    const WinArea& area, std::uint32_t duration);

    const WinArea& Area() const { return m_area; }
    int CardWidth() const;
    int CardHeight() const;

    int Random(int n);
    // A card code from 1 to 51: the King of spades (52) never shows.
    int RandomCard();

    // Flag 6 is still set.
    bool Running() const;
    // Clears flag 6.
    void Stop();
    bool TimeUp() const;

    // The card's face at (x, y) on the window and then in the off-screen table, the flag
    // tested before each. False, with nothing more drawn, once the flag is clear.
    bool Draw(int card, int x, int y);
    int CardsDrawn() const { return m_cardsDrawn; }

    // Speed_Move_Card, milliseconds.
    int Speed() const { return m_speed; }
    // A wait that handles no events: the pause, or the milliseconds.
    void Pause();
    void Wait(int milliseconds);
    int PauseTime() const { return m_pause; }
    void SetPauseTime(int milliseconds) { m_pause = milliseconds; }
    // The application handles its pending events once (a click reaches the input filter).
    void Messages();
    // Waits while handling events; ends early once the flag is clear.
    void WaitProcessing(int milliseconds);

private:
    DrawContext& m_context;
    engine::Registers& m_registers;
    platform::RandomGenerator& m_random;
    WinArea m_area;
    std::uint32_t m_start;
    std::uint32_t m_duration;
    int m_speed;
    int m_pause;
    int m_cardsDrawn = 0;
};

}  // namespace table
