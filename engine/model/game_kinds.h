#pragma once

#include <array>

namespace engine {

// The game kinds (GameDef.GameKind, word 47) whose games the program treats apart, one name
// per code. Kinds not named here play by the common rules; the tables keyed by kind (the
// score formulas, the win rules, the selection rules) list their codes as data.
namespace game_kind {
inline constexpr int kPlayUpDown = 2;        // a tableau top goes onto the discard pile one rank up or down; no King-Ace wrap
inline constexpr int kPairsOf14 = 3;         // top cards adding up to 14 are selected and removed
inline constexpr int kPairsOf13 = 4;         // uncovered cards adding up to 13, or a King alone; blanked slots count as empty
inline constexpr int kNoScore = 9;           // no score is kept
inline constexpr int kReserveAces = 11;      // the Aces are set out on the reserves before play
inline constexpr int kPlayNeighbour = 12;    // as kPlayUpDown by the next or previous rank, King and Ace meeting
inline constexpr int kPlayUpDownWrap = 15;   // as kPlayUpDown, King and Ace meeting
inline constexpr int kRowMatch = 19;         // one row of cards matched against its neighbours
inline constexpr int kHeartsCourt = 22;      // the Queen and King of hearts are set out before play
inline constexpr int kLoggedTableau = 23;    // a tableau move rewrites its undo-log entry
inline constexpr int kFaceUpAfterSelection25 = 25;  // the cards are turned up after every removed selection
inline constexpr int kFaceUpAfterSelection26 = 26;
inline constexpr int kCountsStockDeals = 28;        // the stock's deals are counted in the undo log
inline constexpr int kWonAfterEveryAction31 = 31;   // the win rule is asked after every action
inline constexpr int kNoTableauMoves = 32;          // tableau cards move through other actions only
inline constexpr int kHighlightAndFill = 33;        // a press only highlights; the tableau fills after a selection
inline constexpr int kWonAfterEveryAction34 = 34;
inline constexpr int kWonAfterEveryAction35 = 35;
inline constexpr int kFaceDownBuild = 40;           // cards build on face-down cards
inline constexpr int kSelectionEveryPress = 41;     // every press reaches the selection; an empty foundation refuses it
inline constexpr int kWonAfterDeal = 44;            // the win rule is asked right after the deal
inline constexpr int kOffTableSource = 46;          // as kNoTableauMoves; the deal's source lies off the table
inline constexpr int kGroupsOfSeven = 47;           // the tableau closes up in groups of seven; a pair keeps its order
inline constexpr int kFillsTableau = 48;            // a complete selection fills the tableau instead of going
inline constexpr int kSwapsPairs = 49;              // a card off its rank swaps with the one it lands on

// The kinds whose tableau presses lift nothing.
inline constexpr std::array<int, 4> kUntouchedTableau{36, 37, 39, kFaceDownBuild};
}  // namespace game_kind

}  // namespace engine
