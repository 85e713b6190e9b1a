#include "engine/model/pile_store.h"

#include <algorithm>
#include <bit>

#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/model/pile_text.h"

namespace engine {

namespace {

constexpr std::string_view kBlankSlot = "000";

constexpr std::size_t CharPos(int cardIndex) {
    return static_cast<std::size_t>(cardIndex) * kCardCodeWidth;
}

// How many lines of a list a search covers.
enum class Span { kOneLine, kGameCount, kWholeList };

struct SearchStep {
    PileListId list;
    int line;  // the first line
    Span span;
    int kind;
};

constexpr SearchStep kTakeOrder[] = {
    {PileListId::kMazzo, kWasteLine, Span::kOneLine, pile_kind::kWaste},
    {PileListId::kFila, 0, Span::kGameCount, pile_kind::kTableau},
    {PileListId::kDest, 0, Span::kWholeList, pile_kind::kFoundation},
    {PileListId::kMazzo, kStockLine, Span::kOneLine, pile_kind::kStock},
    {PileListId::kMazzo, kThirdStockLine, Span::kOneLine, pile_kind::kThirdStock},
    {PileListId::kAppogg, 0, Span::kWholeList, pile_kind::kReserve},
};

int StepEnd(const SearchStep& step, int gameCount) {
    switch (step.span) {
        case Span::kOneLine: return step.line + 1;
        case Span::kGameCount: return std::clamp(gameCount, 0, PileLineCount(step.list));
        case Span::kWholeList: return PileLineCount(step.list);
    }
    return step.line;
}

constexpr std::uint64_t Bits(int first, int count) {
    return count <= 0 ? 0 : ((std::uint64_t{1} << count) - 1) << first;
}

}  // namespace

PileStore::PileStore(CardTable& cards) : m_cards(cards) {
    for (const PileListId list : {PileListId::kMazzo, PileListId::kDest, PileListId::kFila, PileListId::kAppogg}) {
        const auto lines = static_cast<std::size_t>(PileLineCount(list));
        m_lists[Index(list)].assign(lines, std::string());
        m_backups[Index(list)].assign(lines, std::string());
    }
}

const std::string& PileStore::NoPile() {
    static const std::string none;
    return none;
}

void PileStore::IndexLine(PileListId list, int line, bool holds) {
    const std::string& pile = Pile(list, line);
    const LineSet bit = LineBit(list, line);
    for (int i = 0; i < PileCardCount(pile); ++i) {
        const int card = ReadCardGroup(pile.data() + CharPos(i));
        if (!IsIndexed(card)) continue;
        LineSet& lines = m_cardLines[static_cast<std::size_t>(card)];
        lines = holds ? lines | bit : lines & ~bit;
    }
}

void PileStore::RecheckCard(PileListId list, int line, int card) {
    if (IsIndexed(card)) SetHolds(list, line, card, HoldsCard(list, line, card));
}

void PileStore::SetHolds(PileListId list, int line, int card, bool holds) {
    LineSet& lines = m_cardLines[static_cast<std::size_t>(card)];
    const LineSet bit = LineBit(list, line);
    lines = holds ? lines | bit : lines & ~bit;
}

void PileStore::SetPile(PileListId list, int line, std::string pile) {
    std::string* target = MutablePile(list, line);
    if (target == nullptr) return;
    IndexLine(list, line, false);
    *target = std::move(pile);
    IndexLine(list, line, true);
}

void PileStore::ClearPiles() {
    for (PileList& lines : m_lists) {
        for (std::string& pile : lines) pile.clear();
    }
    m_cardLines.fill(0);
}

const PileList& PileStore::Backup(PileListId list) const {
    return m_backups[Index(list)];
}

void PileStore::BackupPileLists() {
    m_backups = m_lists;
    m_backupCardLines = m_cardLines;
}

void PileStore::RestorePileLists() {
    m_lists = m_backups;
    m_cardLines = m_backupCardLines;
}

void PileStore::AppendCard(PileListId list, int line, int card) {
    std::string& pile = *MutablePile(list, line);
    if (pile.size() % kCardCodeWidth == 0) {
        AppendCardCode(pile, card);
        m_cardLines[static_cast<std::size_t>(card)] |= LineBit(list, line);
        return;
    }
    // A damaged line ending in a fragment: the code lands across the groups.
    IndexLine(list, line, false);
    AppendCardCode(pile, card);
    IndexLine(list, line, true);
}

void PileStore::AddCardToPile(PileListId list, int line, int card, std::string_view flagText) {
    if (MutablePile(list, line) == nullptr || !IsIndexed(card)) return;
    AppendCard(list, line, card);
    if (card != kNoCard && !flagText.empty()) m_cards.SetCardFaceFlag(card, flagText.front());
}

void PileStore::AddCardsToPile(PileListId list, int line, std::span<const int> cards, std::string_view flagText) {
    std::string* pile = MutablePile(list, line);
    if (pile == nullptr) return;
    if (pile->size() % kCardCodeWidth != 0) {
        for (const int card : cards) AddCardToPile(list, line, card, flagText);
        return;
    }
    const LineSet bit = LineBit(list, line);
    // Room for every card at once, given back for the codes skipped.
    const std::size_t start = pile->size();
    pile->resize(start + cards.size() * kCardCodeWidth);
    char* out = pile->data() + start;
    for (const int card : cards) {
        if (!IsIndexed(card)) continue;
        out = WriteCardCode(out, card);
        m_cardLines[static_cast<std::size_t>(card)] |= bit;
    }
    pile->resize(static_cast<std::size_t>(out - pile->data()));
    // Codes without a record (the blank slot, codes that are no card) get no flag.
    if (!flagText.empty()) m_cards.SetCardFaceFlags(cards, flagText.front());
}

void PileStore::AddCardToNamedPile(std::string_view name, int card, std::string_view flagText) {
    const auto pile = ParsePileName(name);
    const bool takesCards = pile.has_value() && (pile->list != PileListId::kMazzo || pile->line == kWasteLine);
    if (takesCards && IsIndexed(card)) AppendCard(pile->list, pile->line, card);
    if (!flagText.empty()) m_cards.SetCardFaceFlag(card, flagText.front());
}

bool PileStore::FindCardInPile(PileListId list, int line, int card, FindMode mode) {
    std::string* pile = MutablePile(list, line);
    if (pile == nullptr) return false;
    const int index = FindPileCard(*pile, card);
    if (index < 0) return false;
    const std::size_t at = CharPos(index);
    switch (mode) {
        case FindMode::kTest:
            return true;
        case FindMode::kDelete:
            pile->erase(at, kCardCodeWidth);
            break;
        case FindMode::kBlank:
            pile->replace(at, kCardCodeWidth, kBlankSlot);
            break;
        case FindMode::kDeleteWithBlankBelow:
            pile->erase(at, kCardCodeWidth);
            // Only a group that lay below the card; the bottom card has none.
            if (index > 0 && std::string_view(*pile).substr(CharPos(index - 1), kCardCodeWidth) == kBlankSlot) {
                pile->erase(CharPos(index - 1), kCardCodeWidth);
            }
            break;
    }
    // The line may hold the card twice, but not before the first hit: only the groups from
    // there on are read again. A blank slot may have come or gone.
    if (IsIndexed(card)) {
        const std::string_view rest = std::string_view(*pile).substr(CharPos(std::max(index - 1, 0)));
        SetHolds(list, line, card, FindPileCard(rest, card) >= 0);
    }
    if (mode != FindMode::kDelete) RecheckCard(list, line, kNoCard);
    return true;
}

int PileStore::TakeCardFromBoard(int card, FindMode mode, int tableauCount) {
    const LineSet holding = IsIndexed(card) ? m_cardLines[static_cast<std::size_t>(card)] : ~LineSet{0};
    for (const SearchStep& step : kTakeOrder) {
        // A step's lines have consecutive bits, in line order, from its first line's.
        const LineSet first = LineBit(step.list, step.line);
        const int lineCount = StepEnd(step, tableauCount) - step.line;
        for (LineSet lines = holding & first * Bits(0, lineCount); lines != 0; lines &= lines - 1) {
            const int line = step.line + std::countr_zero(lines) - std::countr_zero(first);
            if (FindCardInPile(step.list, line, card, mode)) return step.kind;
        }
    }
    return pile_kind::kNone;
}

int PileStore::RemoveCardFromBoard(int card, int tableauCount) {
    return TakeCardFromBoard(card, FindMode::kDelete, tableauCount);
}

int PileStore::BlankCardOnBoard(int card, int tableauCount) {
    return TakeCardFromBoard(card, FindMode::kBlank, tableauCount);
}

bool PileStore::HoldsCard(PileListId list, int line, int card) const {
    return FindPileCard(Pile(list, line), card) >= 0;
}

int PileStore::LocateCard(int card, int tableauCount, int reserveCount) const {
    if (!IsIndexed(card)) return LocateByText(card, tableauCount, reserveCount);
    const int tableaus = std::clamp(tableauCount, 0, kFilaLineCount);
    const int reserves = std::clamp(reserveCount, 0, kAppoggLineCount);
    const LineSet searched = Bits(kStockBit, 1) | Bits(kWasteBit, 1) | Bits(kFirstDestBit, kDestLineCount) |
                             Bits(kFirstFilaBit, tableaus) | Bits(kFirstAppoggBit, reserves);
    const LineSet found = m_cardLines[static_cast<std::size_t>(card)] & searched;
    if (found == 0) return kLocatedNowhere;
    // The lowest bit is the first line of the search that holds the card.
    const int bit = std::countr_zero(found);
    if (bit == kStockBit) return kLocatedInStock;
    if (bit == kWasteBit) return kLocatedInWaste;
    if (bit < kFirstFilaBit) return -(bit - kFirstDestBit + 1);
    if (bit < kFirstAppoggBit) return bit - kFirstFilaBit + 1;
    return -(bit - kFirstAppoggBit + kLocatedReserveBase);
}

// Codes that are no card nor blank (a damaged group may read 999) are searched in the text.
int PileStore::LocateByText(int card, int tableauCount, int reserveCount) const {
    if (HoldsCard(PileListId::kMazzo, kStockLine, card)) return kLocatedInStock;
    if (HoldsCard(PileListId::kMazzo, kWasteLine, card)) return kLocatedInWaste;
    for (int line = 0; line < kDestLineCount; ++line) {
        if (HoldsCard(PileListId::kDest, line, card)) return -(line + 1);
    }
    const int tableaus = std::clamp(tableauCount, 0, kFilaLineCount);
    for (int line = 0; line < tableaus; ++line) {
        if (HoldsCard(PileListId::kFila, line, card)) return line + 1;
    }
    const int reserves = std::clamp(reserveCount, 0, kAppoggLineCount);
    for (int line = 0; line < reserves; ++line) {
        if (HoldsCard(PileListId::kAppogg, line, card)) return -(line + kLocatedReserveBase);
    }
    return kLocatedNowhere;
}

void PileStore::RemoveCardsFromCard(int card) {
    const LineSet holding = IsIndexed(card) ? m_cardLines[static_cast<std::size_t>(card)] : ~LineSet{0};
    for (const PileListId list : {PileListId::kFila, PileListId::kAppogg}) {
        for (int line = 0; line < PileLineCount(list); ++line) {
            if ((holding & LineBit(list, line)) == 0) continue;
            std::string& pile = *MutablePile(list, line);
            const int index = FindPileCard(pile, card);
            if (index < 0) continue;
            IndexLine(list, line, false);
            pile.erase(CharPos(index));
            IndexLine(list, line, true);
            return;
        }
    }
}

}  // namespace engine
