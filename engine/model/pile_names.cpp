#include "engine/model/pile_names.h"

#include <array>

#include "engine/base/text_utils.h"

namespace engine {

namespace {

struct NumberedList {
    PileListId list;
    std::string_view prefix;
    int lineCount;
    int kind;
};

// The lists whose piles are named by a prefix and a number.
constexpr std::array<NumberedList, 3> kNumberedLists = {{
    {PileListId::kFila, kFilaPrefix, kFilaLineCount, pile_kind::kTableau},
    {PileListId::kDest, kDestPrefix, kDestLineCount, pile_kind::kFoundation},
    {PileListId::kAppogg, kAppoggPrefix, kAppoggLineCount, pile_kind::kReserve},
}};

struct StockRowPile {
    std::string_view name;
    int kind;
};

// By line.
constexpr std::array<StockRowPile, kMazzoLineCount> kStockRow = {{
    {kStockName, pile_kind::kStock},
    {kWasteName, pile_kind::kWaste},
    {kThirdStockName, pile_kind::kThirdStock},
}};

constexpr std::size_t kPileNumberDigits = 2;

const NumberedList* FindNumberedList(PileListId list) {
    for (const NumberedList& entry : kNumberedLists) {
        if (entry.list == list) return &entry;
    }
    return nullptr;
}

bool IsValidLine(PileListId list, int line) {
    return line >= 0 && line < PileLineCount(list);
}

// One or two decimal digits; -1 otherwise.
int ReadPileNumber(std::string_view digits) {
    if (digits.empty()) return -1;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

int PileLineCount(PileListId list) {
    if (list == PileListId::kMazzo) return kMazzoLineCount;
    const NumberedList* entry = FindNumberedList(list);
    return entry != nullptr ? entry->lineCount : 0;
}

int PileKindOf(const PileRef& pile) {
    if (!IsValidLine(pile.list, pile.line)) return pile_kind::kNone;
    if (pile.list == PileListId::kMazzo) return kStockRow[static_cast<std::size_t>(pile.line)].kind;
    return FindNumberedList(pile.list)->kind;
}

std::optional<PileRef> PileOfKind(int kind, int line) {
    for (std::size_t i = 0; i < kStockRow.size(); ++i) {
        if (kStockRow[i].kind == kind) return PileRef{PileListId::kMazzo, static_cast<int>(i)};
    }
    for (const NumberedList& entry : kNumberedLists) {
        if (entry.kind == kind && line >= 0 && line < entry.lineCount) return PileRef{entry.list, line};
    }
    return std::nullopt;
}

std::string PileName(const PileRef& pile, PileNumberForm form) {
    if (!IsValidLine(pile.list, pile.line)) return {};
    if (pile.list == PileListId::kMazzo) return std::string(kStockRow[static_cast<std::size_t>(pile.line)].name);
    std::string name(FindNumberedList(pile.list)->prefix);
    const int number = pile.line + 1;
    name += form == PileNumberForm::kTwoDigits ? IntToZeroPad(number, kPileNumberDigits) : std::to_string(number);
    return name;
}

std::optional<PileRef> ParsePileName(std::string_view name) {
    for (std::size_t i = 0; i < kStockRow.size(); ++i) {
        if (name == kStockRow[i].name) return PileRef{PileListId::kMazzo, static_cast<int>(i)};
    }
    for (const NumberedList& entry : kNumberedLists) {
        if (!name.starts_with(entry.prefix)) continue;
        const int number = ReadPileNumber(name.substr(entry.prefix.size(), kPileNumberDigits));
        const PileRef pile{entry.list, number - 1};
        if (number < 1 || !IsValidLine(pile.list, pile.line)) return std::nullopt;
        return pile;
    }
    return std::nullopt;
}

}  // namespace engine
