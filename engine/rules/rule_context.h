#pragma once

#include <string>

#include "engine/model/game_record.h"
#include "engine/model/pile_store.h"
#include "engine/model/registers.h"

namespace platform {
class IMessages;
}

namespace engine {

// The lifted stack as the card table measures it: one card when CardHeight equals
// DragHeight. Only the table knows the heights, so it hands over the answer.
struct LiftState {
    bool singleCard = true;
};

// Everything the rule checker reads. It never writes any of it, so a check can be asked
// at any time, in any order, without disturbing the game.
struct RuleContext {
    const PileStore& piles;
    const GameDefRecord& game;
    const Registers& registers;
    LiftState lift{};
    // Shows "Error suit - 1" when a suit count meets a joker; none in silent callers.
    platform::IMessages* messages = nullptr;
};

// The arguments of one placement question, in the order the callers give them. Every
// number is a signed 16-bit word of the game record or a card code.
struct PlaceQuery {
    int top = -1;           // the target's top card; -1 (or 0) when the pile is empty
    int card = 0;           // the card to place
    int base = -1;          // what an empty pile accepts: a rank, -1 any, or a base code
    int start = -1;         // the game's start rank; -1 lets any card onto an empty pile
    int direction = 0;      // 0 down, 1 up, 2 either way; others allow nothing on a card
    int rule = 0;           // the rule code
    bool foundation = false;  // the target is a foundation
    bool pastStart = false;   // a tableau pile may build past the start rank
    int pileIndex = 0;        // the target's index within its kind, from 0
    bool stockTest = false;   // enables the stock condition of rule 7
};

// Where a card lies, decoded from LocateCard's signed answer.
enum class CardSource { kNowhere, kStock, kWaste, kFoundation, kTableau, kReserve };

struct CardPlace {
    CardSource source = CardSource::kNowhere;
    int index = -1;  // the pile's index within its kind; -1 for the stock row and nowhere
};

CardPlace DecodePlace(int located);

// Small readers of the board for the rules. A pile index the lists do not have reads as
// an empty pile, never as an access out of range.
namespace board {

int TableauCount(const RuleContext& ctx);
int ReserveCount(const RuleContext& ctx);
int FoundationCount(const RuleContext& ctx);

// LocateCard's answer for the game's piles.
int Locate(const RuleContext& ctx, int card);
CardPlace PlaceOf(const RuleContext& ctx, int card);

const std::string& Foundation(const RuleContext& ctx, int i);
const std::string& Tableau(const RuleContext& ctx, int i);
const std::string& Reserve(const RuleContext& ctx, int i);
const std::string& Stock(const RuleContext& ctx);
const std::string& Waste(const RuleContext& ctx);

// Word i of a run of per-pile words; nothing for an index outside the run.
bool HasWord(GameWordRun run, int i);

}  // namespace board

}  // namespace engine
