#include "table/mouse/stock_press.h"

#include "engine/play/pairing.h"
#include "engine/play/stock_press.h"

namespace table {

void StockPress(engine::Game& game, const TablePress& press) {
    if (engine::StockPressSelectsCard(game)) {
        engine::SelectPairingCard(game, press.hit.card, press.hit.rect);
        return;
    }
    engine::DealFromStock(game);
}

}  // namespace table
