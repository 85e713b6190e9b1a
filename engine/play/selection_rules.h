#pragma once

#include <string_view>

// The selection games (SelectionSum not 0): which presses of a game kind select cards, what
// its stock press does, and when a selection is refused or complete.
namespace engine {

// The piles whose cards a kind's presses select.
enum class SelectablePlaces {
    kNone,
    kTableau,
    kTableauOrFoundation,
    kTableauOrWaste,
    kAny,
};

// What a press on the stock does in a selection game.
enum class SelectionStockPress {
    kNone,
    kMonteCarlo,            // "Stock_To_Pile_Monte_Carlo" (card 0)
    kAddTableaus,           // "Add_Tableaus" (card 7)
    kClearThenAddTableaus,  // the selection line emptied, then "Add_Tableaus" (card 0)
};

// The selection line counted the way the kinds' rules count it. A number card is one of
// rank 1 to 10; jokers and blanks count as cards but have no rank here.
struct SelectionTally {
    int count = 0;
    int aces = 0;
    int tens = 0;
    int jacks = 0;
    int queens = 0;
    int kings = 0;
    int numberCards = 0;
    int sumTo9 = 0;    // ranks 1-9
    int sumTo10 = 0;   // ranks 1-10
    int sum2To10 = 0;  // ranks 2-10
    int sumAll = 0;    // ranks 1-13
    int sumFaces = 0;  // ranks 11-13
    int sumFacesAsTen = 0;  // ranks 1-13, J, Q and K counting 10
    bool oneRank = true;    // no two cards of different ranks
    bool oneSuit = true;    // no two cards of different suits
    bool distinctRanks = true;

    int FaceCards() const { return jacks + queens + kings; }
};

SelectionTally TallySelection(std::string_view selection);

// One card just added to the selection, with the selection that now holds it.
struct SelectionCheck {
    int card = 0;
    SelectionTally tally;
    int selectionSum = 0;        // GameDef.SelectionSum (word 38)
    bool coveredTableauCard = false;  // the card lies on a tableau pile and is no top card
    bool faceDown = false;
    int firstCardPile = 0;  // LocateCard numbers of the selection's first card and of this one
    int cardPile = 0;
};

using SelectionTest = bool (*)(const SelectionCheck&);

// One row of the kinds' table.
struct SelectionKindRule {
    int kind;
    SelectablePlaces places;
    SelectionStockPress stock;
    bool turnsFaceDownTop;        // a left press on a face-down top card turns it up
    bool otherPilesDealToWaste;   // a card on another pile goes to an empty waste ("Mazzo_Vis")
    bool highlightsFirstCard;
    SelectionTest refuses;
    SelectionTest completes;
};

// The kind's row; kinds the table does not list share the last row (the rank total).
const SelectionKindRule& SelectionRuleOf(int kind);

// Does a left press on this pile pass the selection gate in the kind? Other presses pass
// only on a foundation, or in kind 41.
bool PassesSelectionGate(int kind, bool leftButton, std::string_view pileName);

// Does the kind select cards of this pile ("Fila"NN, "Dest"NN, "Mazzo_Vis" ...)?
bool IsSelectablePlace(SelectablePlaces places, std::string_view pileName);

}  // namespace engine
