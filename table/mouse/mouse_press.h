#pragma once

#include "engine/ports/geometry_port.h"

namespace engine {
class Game;
}

namespace table {

struct DrawContext;

// The buttons as the press handler numbers them.
enum class MouseButton { kLeft = 0, kRight = 1, kMiddle = 2 };

// The keys held during a press; of them the press tests only Ctrl.
struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// A press that got past the gate: the button, Ctrl, the point in client coordinates and
// what lies under it.
struct TablePress {
    MouseButton button = MouseButton::kLeft;
    bool ctrl = false;
    int x = 0;
    int y = 0;
    engine::PileHit hit;

    bool Left() const { return button == MouseButton::kLeft; }
    bool Right() const { return button == MouseButton::kRight; }
};

// RevealedCardX, RevealedCardY: the top-left of a card drawn in full on the window while
// the button is held; (0, 0) for none.
struct RevealedCard {
    int x = 0;
    int y = 0;
    bool IsShown() const { return x != 0 || y != 0; }
};

// What the press handlers work on: the game, the drawn table and the revealed card.
struct MouseParts {
    engine::Game& game;
    DrawContext& context;
    RevealedCard& revealed;
};

}  // namespace table
