#pragma once

#include <string_view>

namespace table {

struct DrawContext;

// PutBackLiftedCards: the lifted card (or stack), refused or never moved, slides back to
// where the pile lists hold it: the waste, a tableau pile, a foundation or a reserve,
// searched in that order. The place's corners are made good afterwards.
void PutBackLiftedCards(DrawContext& context, int card);

// ReturnCardToPile: true when the pile text (named name, index within its kind) holds
// the card; its image then slides from the drag rectangle to its place (x, y) there and
// lands in the off-screen table. A card with others above it (a lifted stack) goes back
// with them.
bool ReturnCardToPile(DrawContext& context, int card, std::string_view pile, std::string_view name, int x, int y,
                      int index);

}  // namespace table
