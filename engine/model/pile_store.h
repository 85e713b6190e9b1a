#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/model/card_codes.h"
#include "engine/model/pile_names.h"

namespace engine {

class CardTable;

// One pile list: a line per pile, each the pile's card codes bottom first.
using PileList = std::vector<std::string>;

// What FindCardInPile does with the card it finds.
enum class FindMode {
    kTest = 0,
    kDelete = 1,
    kBlank = 2,                   // the slot stays as "000"
    kDeleteWithBlankBelow = 3,    // and a "000" lying just below the card goes too
};

// LocateCard's answers besides a tableau pile's number (line + 1).
inline constexpr int kLocatedNowhere = 0;
inline constexpr int kLocatedInStock = -99;
inline constexpr int kLocatedInWaste = -98;
// Foundation line i answers -(i + 1), reserve line i -(i + 21).
inline constexpr int kLocatedReserveBase = 21;

// The whole board as text: the stock row (3 lines), the foundations (16), the tableau
// piles (28) and the reserves (10), with their backups of the same shape. The face
// flags live in the card table, which the store sets as cards are added.
//
// Beside the text the store keeps, for every code 0 .. 108, the set of lines whose text
// holds it (as a number), so the board's searches look at the lines that hold the card
// instead of reading every line. Only the store's own writes change the text, and each
// of them keeps that set right; the text stays what every reader sees.
class PileStore {
public:
    // Every line present and empty.
    explicit PileStore(CardTable& cards);
    PileStore(const PileStore&) = delete;
    PileStore& operator=(const PileStore&) = delete;

    CardTable& Cards() { return m_cards; }
    const CardTable& Cards() const { return m_cards; }

    const PileList& List(PileListId list) const { return m_lists[Index(list)]; }
    // The pile's text; empty for a line the list does not have.
    const std::string& Pile(PileListId list, int line) const {
        const PileList& lines = List(list);
        if (line < 0 || line >= static_cast<int>(lines.size())) return NoPile();
        return lines[static_cast<std::size_t>(line)];
    }
    const std::string& Pile(const PileRef& pile) const { return Pile(pile.list, pile.line); }
    // A line the list does not have is ignored.
    void SetPile(PileListId list, int line, std::string pile);
    void SetPile(const PileRef& pile, std::string text) { SetPile(pile.list, pile.line, std::move(text)); }
    // Every line empty; the lists keep their line counts.
    void ClearPiles();

    // The backups, written and read by the redraw code around a lifted card.
    const PileList& Backup(PileListId list) const;
    void BackupPileLists();
    void RestorePileLists();

    // Appends the card (0 for a blank slot) to the line; a card 1 or more gets the face
    // flag, the first character of flagText, unless flagText is empty. Codes that are no
    // card and lines the list does not have are ignored.
    void AddCardToPile(PileListId list, int line, int card, std::string_view flagText);
    // AddCardToPile for each card in turn, as a deal lays a run of them.
    void AddCardsToPile(PileListId list, int line, std::span<const int> cards, std::string_view flagText);
    // The same by pile name; only tableau piles, foundations, reserves and the waste take
    // cards by name. The face flag is set whatever the name.
    void AddCardToNamedPile(std::string_view name, int card, std::string_view flagText);

    // Searches the line for the card and applies the mode to the first hit; true when found.
    // Only kTest leaves the line as it is; the other modes take the card out or blank it.
    bool FindCardInPile(PileListId list, int line, int card, FindMode mode);

    // Takes the card (mode kDelete or kBlank) from the first pile that holds it: the waste,
    // the game's tableau piles, all foundations, the stock, the third stock-row pile, all
    // reserves. The pile-kind code where it lay, pile_kind::kNone when nowhere.
    int TakeCardFromBoard(int card, FindMode mode, int tableauCount);
    int RemoveCardFromBoard(int card, int tableauCount);
    int BlankCardOnBoard(int card, int tableauCount);

    // Where the card lies: kLocatedInStock, kLocatedInWaste, -(foundation line + 1),
    // tableau line + 1, -(reserve line + 21), or kLocatedNowhere. Only the game's tableau
    // piles and reserves are searched; the third stock-row pile never is.
    int LocateCard(int card, int tableauCount, int reserveCount) const;

    // Cuts the card and every card above it off the tableau pile or reserve holding it
    // (tableau piles searched first); the cut cards are discarded.
    void RemoveCardsFromCard(int card);

private:
    // One bit a line, in LocateCard's order: stock, waste, foundations, tableau piles,
    // reserves, and last the third stock-row pile, which LocateCard never searches.
    using LineSet = std::uint64_t;
    using CardLines = std::array<LineSet, kCardCount + 1>;

    static constexpr std::size_t kListCount = 4;

    static constexpr std::size_t Index(PileListId list) { return static_cast<std::size_t>(list); }
    static const std::string& NoPile();

    static constexpr int kStockBit = 0;
    static constexpr int kWasteBit = 1;
    static constexpr int kFirstDestBit = 2;
    static constexpr int kFirstFilaBit = kFirstDestBit + kDestLineCount;
    static constexpr int kFirstAppoggBit = kFirstFilaBit + kFilaLineCount;
    static constexpr int kThirdStockBit = kFirstAppoggBit + kAppoggLineCount;
    static_assert(kThirdStockBit < 64, "every line has a bit");

    // The bit of a line the list has.
    static constexpr LineSet LineBit(PileListId list, int line) {
        constexpr int kFirstBit[kListCount] = {kStockBit, kFirstDestBit, kFirstFilaBit, kFirstAppoggBit};
        if (list == PileListId::kMazzo && line == kThirdStockLine) return LineSet{1} << kThirdStockBit;
        return LineSet{1} << (kFirstBit[Index(list)] + line);
    }
    static bool IsIndexed(int card) { return card >= kNoCard && card <= kCardCount; }

    PileList& MutableList(PileListId list) { return m_lists[Index(list)]; }
    std::string* MutablePile(PileListId list, int line) {
        PileList& lines = MutableList(list);
        if (line < 0 || line >= static_cast<int>(lines.size())) return nullptr;
        return &lines[static_cast<std::size_t>(line)];
    }
    // Appends a code of 0 .. 108 to an existing line.
    void AppendCard(PileListId list, int line, int card);
    // The line's bit for each card its text holds, or for none of them.
    void IndexLine(PileListId list, int line, bool holds);
    // The card's bit for the line, as the line's text now reads.
    void RecheckCard(PileListId list, int line, int card);
    void SetHolds(PileListId list, int line, int card, bool holds);
    bool HoldsCard(PileListId list, int line, int card) const;
    int LocateByText(int card, int tableauCount, int reserveCount) const;

    CardTable& m_cards;
    std::array<PileList, kListCount> m_lists;
    std::array<PileList, kListCount> m_backups;
    CardLines m_cardLines{};
    CardLines m_backupCardLines{};
};

}  // namespace engine
