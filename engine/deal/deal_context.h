#pragma once

#include <functional>

#include "engine/model/game_record.h"
#include "engine/model/pile_store.h"

namespace platform {
class IMessages;
class RandomGenerator;
}  // namespace platform

namespace engine {

class Registers;
class SettingsBlock;

// What a deal reads and changes: the board, the game record (the deal writes foundation
// bases and tableau rule words), the game number in the settings, and the services it
// calls. The score belongs to the main window's labels, so the caller hands in how to
// add to it and how to recompute it; either may be left empty.
struct DealContext {
    PileStore& piles;
    GameDefRecord& game;
    const SettingsBlock& settings;
    const Registers& registers;
    platform::IMessages* messages = nullptr;
    platform::RandomGenerator* random = nullptr;  // only deal kind 10 draws from it
    std::function<void(int cards)> updateScore;   // a card went to a foundation
    std::function<void()> computeScore;           // the dealt table is complete

    // The game's pile counts, clipped to the lines the lists have.
    int FoundationCount() const;
    int TableauCount() const;
    int ReserveCount() const;
};

}  // namespace engine
