#include "table/mouse/stock_press.h"

#include <string>

#include "engine/play/action_executor.h"
#include "engine/state/game.h"
#include "engine/session/new_game.h"
#include "engine/play/pairing.h"
#include "engine/model/pile_text.h"
#include "engine/base/system_utils.h"
#include "engine/base/text_utils.h"
#include "engine/undo/undo_move_group.h"

namespace table {

namespace {

namespace words = engine::words;
using engine::PileListId;

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
constexpr int kKindPairsOf13 = 4;

const std::string& Line(engine::Game& game, PileListId list, int line) { return game.Piles().Pile(list, line); }

bool StockEmpty(engine::Game& game) { return Line(game, PileListId::kMazzo, engine::kStockLine).empty(); }

int StockTop(engine::Game& game) { return engine::PileTopCard(Line(game, PileListId::kMazzo, engine::kStockLine)); }

// The mode word of the first pile, and of the last pile of the game's count.
bool FirstOrLastIs(const engine::GameDefRecord& def, engine::GameWordRun run, int count, int mode) {
    if (def.At(run, 0) == mode) return true;
    return count >= 1 && def.At(run, count - 1) == mode;
}

bool EveryTableauHoldsACard(engine::Game& game) {
    for (int i = 0; i < game.gameDef[words::kTableauCount]; ++i) {
        if (engine::PileCardCount(Line(game, PileListId::kFila, i)) == 0) return false;
    }
    return true;
}

// Deals up to `turn` cards with the action while the stock holds cards; the deals made.
int DealWhileStockLasts(engine::Game& game, const std::string& action, int turn) {
    int deals = 0;
    for (int i = 0; i < turn && !StockEmpty(game); ++i) {
        engine::ExecuteAction(game, kDealCard, action);
        ++deals;
    }
    return deals;
}

// The stock's deals, the first that applies. The caller's undo group folds whatever they
// push into one step.
void Deal(engine::Game& game, engine::UndoMoveGroup& group) {
    const engine::GameDefRecord& def = game.gameDef;
    const int tableaus = def[words::kTableauCount];
    const int reserves = def[words::kReserveCount];
    const int top = StockTop(game);

    if (def[words::kStockToWaste] == 1) {
        const int variant = def[words::kStockClickVariant];
        const bool wasteEmpty = Line(game, PileListId::kMazzo, engine::kWasteLine).empty();
        if (variant == kEveryPressDeals || (variant == kOnlyOntoEmptyWaste && wasteEmpty))
            engine::ExecuteAction(game, top, engine::kWasteName);
        return;
    }
    const int redeals = def[words::kRedeals];
    if ((redeals > 0 && StockEmpty(game)) || redeals == kRedealAlways) {
        engine::ExecuteAction(game, top, "Mazzo_Redeal");
        return;
    }
    if (FirstOrLastIs(def, words::kStockToTableauMode, tableaus, kTableauDealsEach)) {
        engine::ExecuteAction(game, kDealCard, "Add_Tableaus");
        if (def.At(words::kStockToReserveMode, 0) == kReserveDealsWithTableau)
            engine::ExecuteAction(game, kDealCard, "Add_Reserves");
        return;
    }
    if (FirstOrLastIs(def, words::kStockToTableauMode, tableaus, kTableauDealsWhenFull)) {
        if (EveryTableauHoldsACard(game))
            engine::ExecuteAction(game, kDealCard, "Add_Tableaus");
        else if (game.services.messages != nullptr)
            engine::ShowInfo(*game.services.messages, std::string(kFillGapsFirst));
        return;
    }
    if (FirstOrLastIs(def, words::kStockToReserveMode, reserves, kReserveDealsEach)) {
        engine::ExecuteAction(game, kDealCard, "Add_Reserves");
        return;
    }
    const int reserveMode = def.At(words::kStockToReserveMode, 0);
    if (reserveMode == kReserveDealsTwiceOrLast) {
        if (engine::PileCardCount(Line(game, PileListId::kMazzo, engine::kStockLine)) == kLastDealCards) {
            engine::ExecuteAction(game, kDealCard, "Add_Tableaus_Last");
        } else {
            engine::ExecuteAction(game, kDealCard, "Add_Reserves");
            engine::ExecuteAction(game, kDealCard, "Add_Reserves");
        }
        return;
    }
    if (reserveMode == kReserveDealsInTurn && !StockEmpty(game)) {
        const int presses = game.registers.GetIntReg(engine::kStockDealCountReg) + 1;
        game.registers.SetIntReg(engine::kStockDealCountReg, presses);
        const int reserve = presses % 2 == 1 ? 1 : 2;
        const int deals = DealWhileStockLasts(game, "Add_Reserve_" + std::to_string(reserve), kCardsPerReserveTurn);
        // The turn's deals become one step first, so the entry replaced is the one it keeps.
        group.Close();
        if (deals >= 1) game.registers.ReplaceLastLogEntry(kReserveTurnLogEntry);
        return;
    }
    if (def.At(words::kStockToTableauMode, 0) == kTableauDealsFourEach) {
        for (int n = 1; n <= tableaus; ++n)
            DealWhileStockLasts(game, "Add_Tableau_" + engine::IntToZeroPad(n, kPileNumberDigits), kCardsPerPileTurn);
        return;
    }
    if (def[words::kThirdPileStyle] != 0) engine::ExecuteAction(game, top, "Mazzo_Waste");
}

}  // namespace

void StockPress(engine::Game& game, const TablePress& press) {
    const int kind = game.gameDef[words::kGameKind];
    if (kind == kKindPairsOf13 && StockTop(game) != 0 &&
        !Line(game, PileListId::kDest, engine::kSelectionLine).empty()) {
        engine::SelectPairingCard(game, press.hit.card, press.hit.rect);
        return;
    }
    {
        engine::UndoMoveGroup group(game.undo);
        Deal(game, group);
    }
    if ((kind == kKindPlayUpDown || kind == kKindPlayUpDownWrap) &&
        game.registers.GetFlag(engine::flag::kGameWon) != 0)
        engine::EndGame(game);
}

}  // namespace table
