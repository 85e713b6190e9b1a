#include "engine/play/stock_press.h"

#include <string>

#include "engine/model/game_kinds.h"
#include "engine/base/system_utils.h"
#include "engine/base/text_utils.h"
#include "engine/model/card_codes.h"
#include "engine/model/pile_text.h"
#include "engine/play/action_executor.h"
#include "engine/play/end_game.h"
#include "engine/play/pairing.h"
#include "engine/play/stock_highlight.h"
#include "engine/state/game.h"
#include "engine/undo/undo_move_group.h"
#include "engine/model/board_measures.h"

namespace engine {

namespace {

// The card argument of the deals to several piles.
constexpr int kDealCard = 7;

// Redeals: 6 redeals at every stock press, whatever the stock holds.
constexpr int kRedealAlways = 6;
// StockClickVariant with StockToWaste: every press deals, or only onto an empty waste.
constexpr int kEveryPressDeals = 0;
constexpr int kOnlyOntoEmptyWaste = 1;

// StockToTableauMode of the first (or the last) tableau pile.
constexpr int kTableauDealsEach = 1;
constexpr int kTableauDealsWhenFull = 2;
constexpr int kTableauDealsFourEach = 8;
// StockToReserveMode of the first (or the last) reserve.
constexpr int kReserveDealsEach = 1;
constexpr int kReserveDealsTwiceOrLast = 3;
constexpr int kReserveDealsInTurn = 4;
constexpr int kReserveDealsWithTableau = 5;

// Mode 3 deals the last eight cards to the tableau instead.
constexpr int kLastDealCards = 8;
// Mode 4 deals up to three cards to reserve 1 and 2 in turn, mode 8 four to each pile.
constexpr int kCardsPerReserveTurn = 3;
constexpr int kCardsPerPileTurn = 4;
constexpr int kPileNumberDigits = 2;
// The undo-log entry a mode-4 deal leaves.
constexpr int kReserveTurnLogEntry = 2;

const std::string& Line(const Game& game, PileListId list, int line) { return game.board.piles.Pile(list, line); }

bool StockEmpty(const Game& game) { return Line(game, PileListId::kMazzo, kStockLine).empty(); }

int StockTop(const Game& game) { return PileTopCard(Line(game, PileListId::kMazzo, kStockLine)); }

// The mode word of the first pile, and of the last pile of the game's count.
bool FirstOrLastIs(const GameDefRecord& def, GameWordRun run, int count, int mode) {
    if (def.At(run, 0) == mode) return true;
    return count >= 1 && def.At(run, count - 1) == mode;
}

bool EveryTableauHoldsACard(const Game& game) {
    for (int i = 0; i < TableauCountOf(game.gameDef); ++i) {
        if (PileCardCount(Line(game, PileListId::kFila, i)) == 0) return false;
    }
    return true;
}

// Deals up to `turn` cards with the action while the stock holds cards; the deals made.
int DealWhileStockLasts(Game& game, const std::string& action, int turn) {
    int deals = 0;
    for (int i = 0; i < turn && !StockEmpty(game); ++i) {
        ExecuteAction(game, kDealCard, action);
        ++deals;
    }
    return deals;
}

// The stock's deal of the chosen kind. The caller's undo group folds whatever it pushes
// into one step.
void Deal(Game& game, StockDeal deal, UndoMoveGroup& group) {
    const int top = StockTop(game);
    switch (deal) {
    case StockDeal::kToWaste: {
        const int variant = game.gameDef[words::kStockClickVariant];
        const bool wasteEmpty = Line(game, PileListId::kMazzo, kWasteLine).empty();
        if (variant == kEveryPressDeals || (variant == kOnlyOntoEmptyWaste && wasteEmpty))
            ExecuteAction(game, top, kWasteName);
        return;
    }
    case StockDeal::kRedeal:
        ExecuteAction(game, top, "Mazzo_Redeal");
        return;
    case StockDeal::kToTableaus:
        ExecuteAction(game, kDealCard, "Add_Tableaus");
        if (game.gameDef.At(words::kStockToReserveMode, 0) == kReserveDealsWithTableau)
            ExecuteAction(game, kDealCard, "Add_Reserves");
        return;
    case StockDeal::kToFullTableaus:
        if (EveryTableauHoldsACard(game))
            ExecuteAction(game, kDealCard, "Add_Tableaus");
        else if (game.services.messages != nullptr)
            ShowInfo(*game.services.messages, std::string(kFillGapsFirst));
        return;
    case StockDeal::kToReserves:
        ExecuteAction(game, kDealCard, "Add_Reserves");
        return;
    case StockDeal::kToReservesTwiceOrLast:
        if (PileCardCount(Line(game, PileListId::kMazzo, kStockLine)) == kLastDealCards) {
            ExecuteAction(game, kDealCard, "Add_Tableaus_Last");
        } else {
            ExecuteAction(game, kDealCard, "Add_Reserves");
            ExecuteAction(game, kDealCard, "Add_Reserves");
        }
        return;
    case StockDeal::kToReservesInTurn: {
        const int presses = game.registers.GetIntReg(kStockDealCountReg) + 1;
        game.registers.SetIntReg(kStockDealCountReg, presses);
        const int reserve = presses % 2 == 1 ? 1 : 2;
        const int deals = DealWhileStockLasts(game, "Add_Reserve_" + std::to_string(reserve), kCardsPerReserveTurn);
        // The turn's deals become one step first, so the entry replaced is the one it keeps.
        group.Close();
        if (deals >= 1) game.registers.ReplaceLastLogEntry(kReserveTurnLogEntry);
        return;
    }
    case StockDeal::kFourToEachTableau:
        for (int n = 1; n <= TableauCountOf(game.gameDef); ++n)
            DealWhileStockLasts(game, "Add_Tableau_" + IntToZeroPad(n, kPileNumberDigits), kCardsPerPileTurn);
        return;
    case StockDeal::kToThirdPile:
        ExecuteAction(game, top, "Mazzo_Waste");
        return;
    case StockDeal::kNone:
        return;
    }
}

}  // namespace

StockDeal ChosenStockDeal(const Game& game) {
    const GameDefRecord& def = game.gameDef;
    const int tableaus = TableauCountOf(def);
    const int reserves = ReserveCountOf(def);
    if (def[words::kStockToWaste] == 1) return StockDeal::kToWaste;
    const int redeals = def[words::kRedeals];
    if ((redeals > 0 && StockEmpty(game)) || redeals == kRedealAlways) return StockDeal::kRedeal;
    if (FirstOrLastIs(def, words::kStockToTableauMode, tableaus, kTableauDealsEach)) return StockDeal::kToTableaus;
    if (FirstOrLastIs(def, words::kStockToTableauMode, tableaus, kTableauDealsWhenFull))
        return StockDeal::kToFullTableaus;
    if (FirstOrLastIs(def, words::kStockToReserveMode, reserves, kReserveDealsEach)) return StockDeal::kToReserves;
    const int reserveMode = def.At(words::kStockToReserveMode, 0);
    if (reserveMode == kReserveDealsTwiceOrLast) return StockDeal::kToReservesTwiceOrLast;
    if (reserveMode == kReserveDealsInTurn && !StockEmpty(game)) return StockDeal::kToReservesInTurn;
    if (def.At(words::kStockToTableauMode, 0) == kTableauDealsFourEach) return StockDeal::kFourToEachTableau;
    if (def[words::kThirdPileStyle] != 0) return StockDeal::kToThirdPile;
    return StockDeal::kNone;
}

bool StockPressSelectsCard(const Game& game) {
    return game.gameDef[words::kGameKind] == game_kind::kPairsOf13 && StockTop(game) != 0 &&
           !Line(game, PileListId::kDest, kSelectionLine).empty();
}

void DealFromStock(Game& game) {
    {
        UndoMoveGroup group(game.undo);
        Deal(game, ChosenStockDeal(game), group);
    }
    const int kind = game.gameDef[words::kGameKind];
    if ((kind == game_kind::kPlayUpDown || kind == game_kind::kPlayUpDownWrap) && game.registers.GetFlag(flag::kGameWon) != 0)
        EndGame(game);
}

bool PassesLeft(const Game& game) {
    return game.gameDef.IsNoLimit(words::kPassLimit) || game.mainGame.RedealCount < game.gameDef[words::kPassLimit];
}

void ReleaseStockMark(Game& game) {
    if (game.mainGame.StockHighlightShown != 1) return;
    StatusContext status = game.Status();
    HideStockHighlight(status);
    ExecuteAction(game, kNoCard, kWasteName);
    game.mainGame.StockHighlightShown = 0;
    // A release that could not turn the waste over (one card on it, or no pass left) lit the
    // mark again: with the note cleared, the mark shows unlit.
    DrawStockMark(status, false);
}

}  // namespace engine
