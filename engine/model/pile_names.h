#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// The four pile lists, one line per pile.
enum class PileListId { kMazzo, kDest, kFila, kAppogg };

inline constexpr int kMazzoLineCount = 3;
inline constexpr int kDestLineCount = 16;
inline constexpr int kFilaLineCount = 28;
inline constexpr int kAppoggLineCount = 10;
inline constexpr int kBoardLineCount = kMazzoLineCount + kDestLineCount + kFilaLineCount + kAppoggLineCount;

// The lines of the stock row.
inline constexpr int kStockLine = 0;
inline constexpr int kWasteLine = 1;
inline constexpr int kThirdStockLine = 2;

// Pile-kind codes, also the kinds of move targets.
namespace pile_kind {
inline constexpr int kNone = -1;
inline constexpr int kStock = 1;
inline constexpr int kWaste = 2;
inline constexpr int kThirdStock = 3;
inline constexpr int kTableau = 4;
inline constexpr int kFoundation = 5;
inline constexpr int kReserve = 6;
// As a target kind: no target given.
inline constexpr int kNoTarget = 65535;
}  // namespace pile_kind

inline constexpr std::string_view kFilaPrefix = "Fila";
inline constexpr std::string_view kDestPrefix = "Dest";
inline constexpr std::string_view kAppoggPrefix = "Appogg";
inline constexpr std::string_view kStockName = "Mazzo";
inline constexpr std::string_view kWasteName = "Mazzo_Vis";
inline constexpr std::string_view kThirdStockName = "Mazzo_Waste";

// One pile: its list and its line (0-based).
struct PileRef {
    PileListId list;
    int line;
    friend bool operator==(const PileRef&, const PileRef&) = default;
};

int PileLineCount(PileListId list);
// The pile-kind code of a pile (the stock row by its line).
int PileKindOf(const PileRef& pile);
// The pile of a kind and line (the line is ignored for the three stock-row kinds);
// nothing for a code that names no kind or a line the list does not have.
std::optional<PileRef> PileOfKind(int kind, int line);

// "Fila01".."Fila28", "Dest01".."Dest16", "Appogg01".."Appogg10" (the number is the line
// + 1), or "Mazzo", "Mazzo_Vis", "Mazzo_Waste". The move and drawing code names piles
// without the leading zero ("Dest1"); both forms name the same pile.
enum class PileNumberForm { kTwoDigits, kNoLeadingZero };
std::string PileName(const PileRef& pile, PileNumberForm form = PileNumberForm::kTwoDigits);

// "Fila" or "Dest" with the number in characters 5-6, "Appogg" with it in characters
// 7-8, one or two digits; or one of the three stock-row names. Nothing for any other
// name, a number that is not decimal, or a line the list does not have.
std::optional<PileRef> ParsePileName(std::string_view name);

}  // namespace engine
