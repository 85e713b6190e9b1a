#include "engine/play/stock_press.h"

#include <string>

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

// Kinds whose stock press may end the game.
constexpr int kKindPlayUpDown = 2;
constexpr int kKindPlayUpDownWrap = 15;

const std::string& Line(const Game& game, PileListId list, int line) { return game.board.piles.Pile(list, line); }

bool StockEmpty(const Game& game) { return Line(game, PileListId::kMazzo, kStockLine).empty(); }

int StockTop(const Game& game) { return PileTopCard(Line(game, PileListId::kMazzo, kStockLine)); }

// The mode word of the first pile, and of the last pile of the game's count.
bool FirstOrLastIs(const GameDefRecord& def, GameWordRun run, int count, int mode) {
    if (def.At(run, 0) == mode) return true;
    return count >= 1 && def.At(run, count - 1) == mode;
}

bool EveryTableauHoldsACard(const Game& game) {
    for (int i = 0; i < game.gameDef[words::kTableauCount]; ++i) {
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

// The stock's deals, the first that applies. The caller's undo group folds whatever they
// push into one step.
void Deal(Game& game, UndoMoveGroup& group) {
    const GameDefRecord& def = game.gameDef;
    const int tableaus = def[words::kTableauCount];
    const int reserves = def[words::kReserveCount];
    const int top = StockTop(game);

    if (def[words::kStockToWaste] == 1) {
        const int variant = def[words::kStockClickVariant];
        const bool wasteEmpty = Line(game, PileListId::kMazzo, kWasteLine).empty();
        if (variant == kEveryPressDeals || (variant == kOnlyOntoEmptyWaste && wasteEmpty))
            ExecuteAction(game, top, kWasteName);
        return;
    }
    const int redeals = def[words::kRedeals];
    if ((redeals > 0 && StockEmpty(game)) || redeals == kRedealAlways) {
        ExecuteAction(game, top, "Mazzo_Redeal");
        return;
    }
    if (FirstOrLastIs(def, words::kStockToTableauMode, tableaus, kTableauDealsEach)) {
        ExecuteAction(game, kDealCard, "Add_Tableaus");
        if (def.At(words::kStockToReserveMode, 0) == kReserveDealsWithTableau)
            ExecuteAction(game, kDealCard, "Add_Reserves");
        return;
    }
    if (FirstOrLastIs(def, words::kStockToTableauMode, tableaus, kTableauDealsWhenFull)) {
        if (EveryTableauHoldsACard(game))
            ExecuteAction(game, kDealCard, "Add_Tableaus");
        else if (game.services.messages != nullptr)
            ShowInfo(*game.services.messages, std::string(kFillGapsFirst));
        return;
    }
    if (FirstOrLastIs(def, words::kStockToReserveMode, reserves, kReserveDealsEach)) {
        ExecuteAction(game, kDealCard, "Add_Reserves");
        return;
    }
    const int reserveMode = def.At(words::kStockToReserveMode, 0);
    if (reserveMode == kReserveDealsTwiceOrLast) {
        if (PileCardCount(Line(game, PileListId::kMazzo, kStockLine)) == kLastDealCards) {
            ExecuteAction(game, kDealCard, "Add_Tableaus_Last");
        } else {
            ExecuteAction(game, kDealCard, "Add_Reserves");
            ExecuteAction(game, kDealCard, "Add_Reserves");
        }
        return;
    }
    if (reserveMode == kReserveDealsInTurn && !StockEmpty(game)) {
        const int presses = game.registers.GetIntReg(kStockDealCountReg) + 1;
        game.registers.SetIntReg(kStockDealCountReg, presses);
        const int reserve = presses % 2 == 1 ? 1 : 2;
        const int deals = DealWhileStockLasts(game, "Add_Reserve_" + std::to_string(reserve), kCardsPerReserveTurn);
        // The turn's deals become one step first, so the entry replaced is the one it keeps.
        group.Close();
        if (deals >= 1) game.registers.ReplaceLastLogEntry(kReserveTurnLogEntry);
        return;
    }
    if (def.At(words::kStockToTableauMode, 0) == kTableauDealsFourEach) {
        for (int n = 1; n <= tableaus; ++n)
            DealWhileStockLasts(game, "Add_Tableau_" + IntToZeroPad(n, kPileNumberDigits), kCardsPerPileTurn);
        return;
    }
    if (def[words::kThirdPileStyle] != 0) ExecuteAction(game, top, "Mazzo_Waste");
}

}  // namespace

bool StockPressSelectsCard(const Game& game) {
    return game.gameDef[words::kGameKind] == pairing_kind::kPairsOf13 && StockTop(game) != 0 &&
           !Line(game, PileListId::kDest, kSelectionLine).empty();
}

void DealFromStock(Game& game) {
    {
        UndoMoveGroup group(game.undo);
        Deal(game, group);
    }
    const int kind = game.gameDef[words::kGameKind];
    if ((kind == kKindPlayUpDown || kind == kKindPlayUpDownWrap) && game.registers.GetFlag(flag::kGameWon) != 0)
        EndGame(game);
}

void ReleaseStockMark(Game& game) {
    if (game.mainGame.StockHighlightShown != 1) return;
    StatusContext status = game.Status();
    HideStockHighlight(status);
    ExecuteAction(game, kNoCard, kWasteName);
    game.mainGame.StockHighlightShown = 0;
}

}  // namespace engine
