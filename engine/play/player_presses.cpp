#include "engine/play/player_presses.h"

#include <string>
#include <string_view>

#include "engine/model/board_measures.h"
#include "engine/model/game_kinds.h"
#include "engine/model/card_codes.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_text.h"
#include "engine/play/action_executor.h"
#include "engine/play/pairing.h"
#include "engine/play/press_rules.h"
#include "engine/play/stock_press.h"
#include "engine/ports/geometry_port.h"
#include "engine/ports/table_port.h"
#include "engine/state/game.h"

namespace engine {

namespace {

constexpr int kPairsOf14Total = 14;
constexpr int kPairsOf13Total = 13;
constexpr std::string_view kToDiscardAction = "Waste";

const std::string& Line(const Game& game, PileListId list, int line) { return game.board.piles.Pile(list, line); }

int Word(const Game& game, int number) { return game.gameDef[number]; }
int TableauCount(const Game& game) { return TableauCountOf(game.gameDef); }
int Kind(const Game& game) { return Word(game, words::kGameKind); }

bool FaceUp(const Game& game, int card) { return card > 0 && !game.board.cards.IsFaceDown(card); }

int StockTop(const Game& game) { return PileTopCard(Line(game, PileListId::kMazzo, kStockLine)); }
int WasteTop(const Game& game) { return PileTopCard(Line(game, PileListId::kMazzo, kWasteLine)); }

int PairTotal(const Game& game) { return Kind(game) == game_kind::kPairsOf14 ? kPairsOf14Total : kPairsOf13Total; }

// The waste's top is pressed like a row card in kind 4 (a face-up waste only).
bool WasteSelectable(const Game& game) {
    return Kind(game) == game_kind::kPairsOf13 && MayLiftFromWaste(game, WasteTop(game));
}

}  // namespace

bool IsPairingGame(const Game& game) {
    const int kind = Kind(game);
    return kind == game_kind::kPairsOf14 || kind == game_kind::kPairsOf13;
}

std::vector<int> PairingCandidates(Game& game) {
    std::vector<int> cards;
    if (!IsPairingGame(game)) return cards;
    for (int t = 0; t < TableauCount(game); ++t) {
        const std::string& row = Line(game, PileListId::kFila, t);
        for (int i = 0; i < PileCardCount(row); ++i) {
            const int card = PileCardAt(row, i);
            if (FaceUp(game, card) && IsPairingSelectable(game, card)) cards.push_back(card);
        }
    }
    if (WasteSelectable(game)) cards.push_back(WasteTop(game));
    return cards;
}

void AddPairSelections(Game& game, bool alonesOnly, std::vector<PlayerAction>& actions) {
    const std::vector<int> cards = PairingCandidates(game);
    const int total = PairTotal(game);
    // With a card selected, a press on the stock selects the stock's top card (kind 4).
    const int stockTop = Kind(game) == game_kind::kPairsOf13 ? StockTop(game) : kNoCard;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const int rank = CardRank(cards[i]);
        if (rank == total) {
            actions.push_back({ActionKind::kSelect, cards[i], 0, {}, false});
            continue;
        }
        if (alonesOnly) continue;
        for (std::size_t j = i + 1; j < cards.size(); ++j) {
            if (rank + CardRank(cards[j]) == total) actions.push_back({ActionKind::kSelect, cards[i], cards[j], {}, false});
        }
        if (stockTop > 0 && rank + CardRank(stockTop) == total)
            actions.push_back({ActionKind::kSelect, cards[i], stockTop, {}, false});
    }
}

void AddDiscardPlays(const Game& game, std::vector<PlayerAction>& actions) {
    for (int t = 0; t < TableauCount(game); ++t) {
        if (!IsTableauPileOpen(game.gameDef, t)) continue;
        const int top = PileTopCard(Line(game, PileListId::kFila, t));
        if (FaceUp(game, top) && PressOntoDiscard(game, top, t) == DiscardPress::kPlays)
            actions.push_back({ActionKind::kDiscard, top, 0, {}, false});
    }
}

namespace {

bool AnyTableauGap(const Game& game) {
    for (int t = 0; t < TableauCount(game); ++t) {
        if (Line(game, PileListId::kFila, t).empty()) return true;
    }
    return false;
}

}  // namespace

bool StockPressMoves(const Game& game) {
    const bool stockEmpty = Line(game, PileListId::kMazzo, kStockLine).empty();
    const int wasteCards = PileCardCount(Line(game, PileListId::kMazzo, kWasteLine));
    switch (ChosenStockDeal(game)) {
    case StockDeal::kToWaste:
        if (Word(game, words::kStockClickVariant) == 1 && wasteCards > 0) return false;
        if (!stockEmpty) return Word(game, words::kCardsPerStockPress) > 0;
        return wasteCards >= 2 && PassesLeft(game);
    case StockDeal::kRedeal:
        return wasteCards > 0 && PassesLeft(game);
    case StockDeal::kToFullTableaus:
        return !stockEmpty && !AnyTableauGap(game);
    case StockDeal::kToTableaus:
    case StockDeal::kToReserves:
    case StockDeal::kToReservesTwiceOrLast:
    case StockDeal::kToReservesInTurn:
    case StockDeal::kFourToEachTableau:
        return !stockEmpty;
    case StockDeal::kToThirdPile:
        return !stockEmpty && Word(game, words::kCardsPerStockPress) > 0;
    case StockDeal::kNone:
        return false;
    }
    return false;
}

void PressStock(Game& game) {
    if (StockPressSelectsCard(game))
        ClickPairingCard(game, StockTop(game));
    else
        DealFromStock(game);
    ReleaseStockMark(game);
}

void ClickPairingCard(Game& game, int card) {
    TableRect place{};
    if (const ITableView* view = game.services.tableView; view != nullptr && view->Geometry() != nullptr)
        view->Geometry()->FindCardPosition(card, place);
    SelectPairingCard(game, card, place);
}

namespace {

// The selection given back card by card, each pressed again; a selection that does not
// shrink is left as it is.
void ClearSelection(Game& game) {
    for (int count = PileCardCount(Line(game, PileListId::kDest, kSelectionLine)); count > 0;) {
        ClickPairingCard(game, PileTopCard(Line(game, PileListId::kDest, kSelectionLine)));
        const int left = PileCardCount(Line(game, PileListId::kDest, kSelectionLine));
        if (left >= count) return;
        count = left;
    }
}

}  // namespace

void PressToSelect(Game& game, const PlayerAction& action) {
    ClearSelection(game);
    ClickPairingCard(game, action.card);
    if (action.second != 0) ClickPairingCard(game, action.second);
    ClearSelection(game);
}

void PressToDiscard(Game& game, int card) { ExecuteAction(game, card, kToDiscardAction); }

}  // namespace engine
