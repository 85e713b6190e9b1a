#pragma once

#include <string_view>

namespace engine {

class GameDefRecord;
class PileStore;

// A pile's cards as the score counts them: its line's length divided by 3, to the
// nearest integer (a half to the even one).
int CardsOnLine(std::string_view line);

// The cards of the longest of the game's tableau piles; 0 when it has none.
int LongestTableauLength(const PileStore& piles, const GameDefRecord& game);

// Exactly nine cards ranked 9, 8, ..., 2, Ace from bottom to top.
bool IsNineToAceRun(std::string_view pile);

// The game's pile counts from the record, within the lines of their pile lists; a
// negative count reads as 0. Whatever indexes a pile list by a count reads it here.
int TableauCountOf(const GameDefRecord& game);
int FoundationCountOf(const GameDefRecord& game);
int ReserveCountOf(const GameDefRecord& game);

}  // namespace engine
