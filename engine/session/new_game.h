#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/base/text_utils.h"
#include "engine/play/end_game.h"

namespace engine {

class Game;

// StartNewGame's mode that draws a new game number before the deal; any other mode deals
// the number already in the settings.
inline constexpr int kNewNumberMode = 2;

// Deals and starts a game of the current definition (mode kNewNumberMode draws a new game
// number first). Always true.
bool StartNewGame(Game& game, int mode);

// Draws a 13-digit game number into the settings and updates the caption.
void NewGameNumber(Game& game);

// The main window's caption: the product name, the game name and the game number.
void UpdateMainTitle(Game& game);

// The game number of the two draws: their product as 13 digits, zero-padded in front.
inline constexpr std::size_t kGameNumberDigits = 13;
std::string GameNumberText(std::int64_t a, std::int64_t b);

// The caption: the product name (kProductName), " [" game name "]", then "  [" game number
// "]" when there is a number.
std::string MainTitle(std::string_view gameName, std::string_view gameNumber);

}  // namespace engine
