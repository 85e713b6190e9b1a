#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>

namespace engine {
class Game;
}

namespace tools {

// A long random game with the table's actions: for one game definition, deal after deal
// (each from a new game number of the game's generator), random legal actions (LegalActions,
// PerformAction) with Undo and Redo mixed in, AutoPlay switched on for every other deal.
// A move that wins ends the game as the table would (EndGame) and the next deal follows.
struct RandomPlayPlan {
    int deals = 0;
    int actionsPerDeal = 0;
    // Of every kRollSides rolls, this many undo and this many redo; the rest are actions.
    int undoRolls = 1;
    int redoRolls = 1;
};

struct RandomPlayCount {
    std::int64_t actions = 0;  // every action, undo and redo tried, including those that changed nothing
    std::int64_t moves = 0;    // actions that changed the board
    std::int64_t undos = 0;    // undo and redo steps taken
    std::int64_t redos = 0;
    int wins = 0;
};

inline constexpr int kRollSides = 10;

// After the deal and after every action: the action's text ("deal NUMBER", "undo", "redo"
// or ActionText) and the game; false stops the play.
using RandomPlayCheck = std::function<bool(const std::string& what, engine::Game& game)>;

// Plays the current game definition; false when a check stopped it.
bool RandomPlay(engine::Game& game, const RandomPlayPlan& plan, std::mt19937& random, const RandomPlayCheck& check,
                RandomPlayCount& count);

}  // namespace tools
