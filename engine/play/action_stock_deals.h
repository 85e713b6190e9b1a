#pragma once

#include <string_view>

namespace engine {

struct ActionRun;

// True for the deals from the stock to several piles: actions beginning with
// "Add_Tableau" or "Add_Reserve", and "Fill_Tableaus", "Add_Tableaus_Last".
bool IsStockToPilesAction(std::string_view action);

// One card from the stock to each pile of the action's range whose mode deals
// (StockToTableauMode, StockToReserveMode; "Fill_Tableaus" only to empty tableau piles).
// "Fill_Tableaus" records no undo step: it runs inside the action that called it. False
// when the action names no pile the game could have.
bool DealStockToPiles(ActionRun& run);

// "Selezionate_Fila": each empty tableau pile takes the stock's top card.
void FillEmptyTableausFromStock(ActionRun& run);

// "Stock_To_Pile_Monte_Carlo": the tableau's cards close up towards pile 0, then the
// empty piles at the end are filled from the stock.
void CloseTableauGaps(ActionRun& run);

}  // namespace engine
