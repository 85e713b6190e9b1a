#pragma once

namespace engine {

struct ActionRun;

// The stock branch (actions beginning with "Mazzo"): the redeal counted by a press on the
// empty stock, the redeal that turns the waste over, and the deal of CardsPerStockPress
// cards to the waste ("Mazzo_Vis") or to the discard line (any other "Mazzo" action).
//
// Games that count their redeals at the empty stock (Redeals 1 or more) turn the waste
// back over onto the stock with that counted redeal, as the waste redeal does: otherwise
// nothing would ever bring the waste back and the counted redeal would change nothing.
void RunStockAction(ActionRun& run);

}  // namespace engine
