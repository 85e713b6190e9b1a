#pragma once

#include <string_view>

#include "engine/model/pile_store.h"
#include "engine/rules/rule_context.h"

namespace engine {

class TMainGame;

// What a drop test reads, and the one word it writes: CanMoveSequence records the top
// card of the stack being moved in mainGame.LiftedTopCard, which later drops compare.
struct DropContext {
    RuleContext rules;
    TMainGame& mainGame;
};

// Reserve rule codes (GameDef.ReserveRule).
namespace reserve_rule {
inline constexpr int kNothing = 4;
inline constexpr int kKingsWhileShort = 8;
inline constexpr int kFaceCardOnEmpty = 9;
inline constexpr int kAnything = 12;
inline constexpr int kAnyWhileShort = 13;
inline constexpr int kByRuleChecker = 81;
inline constexpr int kFromWaste = 85;
inline constexpr int kJackOnEmpty = 88;
inline constexpr int kQueenOnEmpty = 89;
inline constexpr int kKingOnEmpty = 90;
}  // namespace reserve_rule

// May the card (with whatever is lifted with it) go onto the named pile: "Dest", "Fila"
// or "Appogg" with the pile's number; a reserve decides by its ReserveRule code. Any
// other name, or a number the lists do not have, gives false.
bool CanDropOnPile(DropContext& ctx, int card, std::string_view name);

// Foundation i of the list (the live foundations, or a copy of them). A foundation takes
// one card at a time; MaxFoundationCards of 65535 sets no limit.
bool CanDropOnFoundation(DropContext& ctx, const PileList& list, int index, int card);

// Tableau pile i of the list. Checks the face-down top, MaxTableauCards (65535 no
// limit), stacks under rule 34, TableauMoveVariant and SequenceLimit, and never drops a
// stack back onto its own top card.
bool CanDropOnTableau(DropContext& ctx, const PileList& list, int index, int card);

}  // namespace engine
