#pragma once

#include <vector>

#include "engine/rules/rule_context.h"

namespace engine {

class TMainGame;

// Card codes, bottom card first.
using CardList = std::vector<int>;

// SequenceLimit values besides a plain count (0 or more) of cards.
namespace sequence_limit {
inline constexpr int kAny = -1;
inline constexpr int kFromKing = -12;       // a stack must start with a King
inline constexpr int kWholePile = -13;      // a single card or a whole tableau pile
inline constexpr int kByFreeCells = -5;     // empty reserves and piles, less onto an empty pile
inline constexpr int kByFreeCellsFlat = -6;
}  // namespace sequence_limit

// When the tableau pile (of the game's tableau piles, searched first) or reserve (of
// the game's reserves) holds the card: the card and every card above it go into the
// list, bottom first. The list is cleared first; it stays empty when no such pile holds
// the card.
void GetCardsAbove(const PileStore& piles, const GameDefRecord& game, CardList& list, int card);

// Searches the game's tableau piles, then its reserves, and stops at the first pile that
// holds the card: with remove false the card and the cards above it are added to the
// list; with remove true they are cut from the pile and the list is not written. True
// when a pile held the card.
bool CardsFromCard(PileStore& piles, const GameDefRecord& game, CardList& list, int card, bool remove);

// The same for one pile. A line the list does not have holds no card.
bool CardsFromCardInPile(const PileStore& piles, PileListId list, int line, int card, CardList& out);
bool CardsFromCardInPile(PileStore& piles, PileListId list, int line, int card, bool remove, CardList& out);

// True when the card tops one of the game's tableau piles or reserves.
bool IsTopCard(const RuleContext& ctx, int card);

// True when the card and the cards above it, where the card lies now, follow each other
// under the build rule of tableau pile i (TableauMoveVariant 1), or in suit by its
// direction (variant 10); other variants test no pair. A single card is always in
// sequence; a pile index the game record has no words for never is.
bool IsValidSequence(const RuleContext& ctx, int card, int tableauIndex);

// True when the card and the cards above it may move together under SequenceLimit. The
// stack's top card goes to mainGame.LiftedTopCard (0 when no pile holds the card).
bool CanMoveSequence(const RuleContext& ctx, TMainGame& mainGame, int card, bool toEmptyPile);

}  // namespace engine
