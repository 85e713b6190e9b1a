#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace engine {

class Game;

// The target kinds of up to four move candidates (pile_kind codes; kNoTarget for none).
using MoveKinds = std::array<int, 4>;

// Games whose first action must move a tableau card to a foundation (FoundationsOnlyMoves):
// before the game's first action, false for a card that lies on no tableau pile or a
// target pile whose name does not begin with "Dest" (pile absent: any candidate), and
// every candidate kind that is not a foundation becomes kNoTarget. In every other case
// true, and nothing changes.
bool RestrictToFoundations(Game& game, int card, std::optional<std::string_view> pile, MoveKinds& kinds);

// Games that fill the tableau from the stock once, after the first action (OneTimeFill):
// right after that action, every empty tableau pile takes the stock's top card face up.
void RunFillTableaus(Game& game);

}  // namespace engine
