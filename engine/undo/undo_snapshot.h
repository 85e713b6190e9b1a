#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/pile_names.h"

namespace engine {

class CardTable;
class GameDefRecord;
class PileStore;

// A board snapshot is the board as kBoardLineCount (57) text lines: the stock row, the
// foundations, the tableau piles and the reserves, every slot whether the game uses it or
// not. A line holds its pile's cards bottom first, each as its three-digit code and its
// face flag ("0121 0450" without the blanks), a blanked slot as "0000".
using SnapshotLines = std::vector<std::string>;

inline constexpr int kSnapshotCardWidth = 4;
inline constexpr std::string_view kSnapshotBlank = "0000";

// The lists in snapshot order.
inline constexpr std::array<PileListId, 4> kSnapshotListOrder = {
    PileListId::kMazzo, PileListId::kDest, PileListId::kFila, PileListId::kAppogg};

// Where a list's first line lies in a snapshot: 0, 3, 19, 47.
int SnapshotListOffset(PileListId list);

// One pile line in snapshot form. A group that is no number counts as a blank; a number
// without a card record keeps its code and reads face up.
std::string PileToSnapshotLine(std::string_view pile, const CardTable& cards);

// Back from snapshot form: the pile line ("0000" becomes "000"), and each card's face flag
// written to the card table. A trailing fragment shorter than a card is ignored.
std::string SnapshotLineToPile(std::string_view line, CardTable& cards);

// Clears the list and fills it with the current board in snapshot form.
void BoardToLines(const PileStore& piles, std::vector<std::string>& list);

}  // namespace engine
