#pragma once

#include "engine/model/card_table.h"
#include "engine/model/pile_store.h"

namespace engine {

// The cards and piles of one game state: the card table filled, every pile empty.
struct CardBoard {
    CardBoard() { cards.FillCardTable(); }
    CardBoard(const CardBoard&) = delete;
    CardBoard& operator=(const CardBoard&) = delete;

    CardTable cards;
    PileStore piles{cards};
};

}  // namespace engine
