#include "engine/model/pile_store.h"

#include <algorithm>

#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/model/pile_text.h"

namespace engine {

namespace {

constexpr std::string_view kBlankSlot = "000";

constexpr std::size_t Index(PileListId list) {
    return static_cast<std::size_t>(list);
}

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

const std::string kNoPile;

}  // namespace

PileStore::PileStore(CardTable& cards) : m_cards(cards) {
    for (const PileListId list : {PileListId::kMazzo, PileListId::kDest, PileListId::kFila, PileListId::kAppogg}) {
        const auto lines = static_cast<std::size_t>(PileLineCount(list));
        m_lists[Index(list)].assign(lines, std::string());
        m_backups[Index(list)].assign(lines, std::string());
    }
}

const PileList& PileStore::List(PileListId list) const {
    return m_lists[Index(list)];
}

PileList& PileStore::MutableList(PileListId list) {
    return m_lists[Index(list)];
}

const std::string& PileStore::Pile(PileListId list, int line) const {
    const PileList& lines = List(list);
    if (line < 0 || line >= static_cast<int>(lines.size())) return kNoPile;
    return lines[static_cast<std::size_t>(line)];
}

std::string* PileStore::MutablePile(PileListId list, int line) {
    PileList& lines = MutableList(list);
    if (line < 0 || line >= static_cast<int>(lines.size())) return nullptr;
    return &lines[static_cast<std::size_t>(line)];
}

void PileStore::SetPile(PileListId list, int line, std::string pile) {
    if (std::string* target = MutablePile(list, line)) *target = std::move(pile);
}

void PileStore::ClearPiles() {
    for (PileList& lines : m_lists) {
        for (std::string& pile : lines) pile.clear();
    }
}

const PileList& PileStore::Backup(PileListId list) const {
    return m_backups[Index(list)];
}

void PileStore::BackupPileLists() {
    m_backups = m_lists;
}

void PileStore::RestorePileLists() {
    m_lists = m_backups;
}

void PileStore::AddCardToPile(PileListId list, int line, int card, std::string_view flagText) {
    std::string* pile = MutablePile(list, line);
    if (pile == nullptr || card < kNoCard || card > kCardCount) return;
    *pile += CardCodeText(card);
    if (card != kNoCard && !flagText.empty()) m_cards.SetCardFaceFlag(card, flagText.front());
}

void PileStore::AddCardToNamedPile(std::string_view name, int card, std::string_view flagText) {
    const auto pile = ParsePileName(name);
    const bool takesCards = pile.has_value() && (pile->list != PileListId::kMazzo || pile->line == kWasteLine);
    if (takesCards && card >= kNoCard && card <= kCardCount) {
        *MutablePile(pile->list, pile->line) += CardCodeText(card);
    }
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
            break;
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
    return true;
}

int PileStore::TakeCardFromBoard(int card, FindMode mode, int tableauCount) {
    for (const SearchStep& step : kTakeOrder) {
        const int end = StepEnd(step, tableauCount);
        for (int line = step.line; line < end; ++line) {
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
    for (const PileListId list : {PileListId::kFila, PileListId::kAppogg}) {
        for (std::string& pile : MutableList(list)) {
            const int index = FindPileCard(pile, card);
            if (index >= 0) {
                pile.erase(CharPos(index));
                return;
            }
        }
    }
}

}  // namespace engine
