#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/ports/geometry_port.h"
#include "engine/model/pile_names.h"

// Moving a card (or the stack above it) to another pile: a drop, a click, or the
// automatic play. Every move ends in MoveCardToPile, which asks the action executor.
namespace engine {

class Game;

// One candidate pile for a drop: a pile_kind code (waste, tableau, foundation, reserve)
// and the pile's index within its kind; pile_kind::kNoTarget for none.
struct MoveTarget {
    int kind = pile_kind::kNoTarget;
    int index = pile_kind::kNoTarget;
    friend constexpr bool operator==(const MoveTarget&, const MoveTarget&) = default;
};

inline constexpr int kMaxMoveTargets = 4;
using MoveTargets = std::array<MoveTarget, kMaxMoveTargets>;

// The action that carries a move out: "Dest" (or "Dest_Autoplay" for the automatic play),
// "Fila" or "Appogg" with the pile's number (index + 1, no leading zero), "Stock02" for
// the waste; empty for any other kind.
std::string MoveActionName(int targetKind, int targetIndex, bool autoplay);

// Moves the card to one pile: the dropped rectangle must overlap the pile, the pile must
// accept the card, then the card is lifted (liftFirst), slid there (animate) and the move
// carried out by ExecuteAction, as one undo step with whatever it turns up. True when the
// move was carried out.
bool MoveCardToPile(Game& game, int card, int left, int top, int right, int bottom, bool liftFirst,
                    bool animate, bool autoplay, int targetKind, int targetIndex);

// Tries up to four candidates in order, the first taking the card ending the search. With
// targetKind pile_kind::kNoTarget the candidates are the piles under the dropped rectangle.
bool TryMoveToTargets(Game& game, int card, int left, int top, int right, int bottom, bool liftFirst,
                      bool animate, bool autoplay, int targetKind, int targetIndex);

// The piles under a dropped image, the one covered most first (ties: higher kind, then
// higher index). False when no pile lies under it; entries not filled keep their values.
bool FindDestinations(Game& game, int left, int top, int right, int bottom, MoveTargets& targets);

// Searches the whole table for the card's first legal target: foundations, then tableau
// piles holding cards, then empty ones, then reserves, then the waste. Not single: the
// card and every card above it on its tableau pile move together. True when it moved.
bool AutoMoveCard(Game& game, int card, int x, int y, bool single, bool autoplay, bool tryTableau,
                  bool tryReserves, bool tryFoundations, int bottom, int right);

// A click that sends a card somewhere by itself, as the options allow. The move and the
// automatic moves it sets off (FollowUpMoves) are one undo step; a won game then ends.
void ClickMove(Game& game, bool doubleClick, bool rightClick, bool allowStacks, std::string_view pileName,
               int card, const TableRect& rect);
void RightClickMove(Game& game, std::string_view pileName, int card, const TableRect& rect);
// The pile under the last press decides the card.
void DoubleClickMove(Game& game, bool doubleClick, bool allowStacks);

}  // namespace engine
