#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
class PileStore {
public:
    // Every line present and empty.
    explicit PileStore(CardTable& cards);
    PileStore(const PileStore&) = delete;
    PileStore& operator=(const PileStore&) = delete;

    CardTable& Cards() { return m_cards; }
    const CardTable& Cards() const { return m_cards; }

    const PileList& List(PileListId list) const;
    // The pile's text; empty for a line the list does not have.
    const std::string& Pile(PileListId list, int line) const;
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
    // The same by pile name; only tableau piles, foundations, reserves and the waste take
    // cards by name. The face flag is set whatever the name.
    void AddCardToNamedPile(std::string_view name, int card, std::string_view flagText);

    // Searches the line for the card and applies the mode to the first hit; true when found.
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
    PileList& MutableList(PileListId list);
    std::string* MutablePile(PileListId list, int line);
    bool HoldsCard(PileListId list, int line, int card) const;

    static constexpr std::size_t kListCount = 4;

    CardTable& m_cards;
    std::array<PileList, kListCount> m_lists;
    std::array<PileList, kListCount> m_backups;
};

}  // namespace engine
