#pragma once

#include <string_view>

namespace platform {
class Canvas;
}

namespace table {

struct DrawContext;

// Deal sources of the deal animation: where the cards fly in from.
namespace deal_source {
inline constexpr int kNone = 0;
inline constexpr int kStock = 1;
inline constexpr int kReserve0 = 2;
inline constexpr int kThirdStock = 3;
inline constexpr int kFoundation0 = 4;
inline constexpr int kWaste = 5;
inline constexpr int kTableau0 = 6;
}  // namespace deal_source

// Card n (0 = the bottom card) of a pile ("Fila", "Dest" or "Appogg" with the pile's
// index), at its place in the pile. With animate it first shows at (fromX, fromY) and
// flies in, ending in the off-screen table; restoreSource gives the source place its
// corners back in the off-screen table. Card 0 also marks an empty pile at the slot or
// gives the pile's first place the background's corners. Callers draw a pile's cards in
// order up to its top: without animate, what the next card will cover of this one is
// left out.
void DrawPileCard(DrawContext& context, std::string_view prefix, std::string_view pile, int index,
                  bool restoreSource, platform::Canvas& canvas, bool animate, int slotY, int slotX, int fromY,
                  int fromX, int n);

// The three stock-row piles (with their 3-D edges) and every foundation. backsOnly draws
// the stock as backs and the foundations' cards flying in from (fromX, fromY); source is
// the deal source of the animation.
void DrawStockAndFoundations(DrawContext& context, platform::Canvas& canvas, bool backsOnly, int fromX, int source,
                             int fromY);

// The top card or the empty mark of one place ("Mazzo", "Mazzo_Vis", "Dest", "Fila" or
// "Appogg" with a number); an empty tableau pile draws nothing.
void DrawLocation(DrawContext& context, std::string_view name, int index, platform::Canvas& canvas);

// Every card of a reserve or tableau pile, or a foundation's top card.
void RedrawPile(DrawContext& context, std::string_view name, int fromX, int fromY, platform::Canvas& canvas,
                bool animate);

// Erases what a pile that shrank or changed no longer covers (the old and new pile
// texts), and redraws in the off-screen table the neighbours the erase may have cut.
void ErasePileRemainder(DrawContext& context, std::string_view newPile, std::string_view oldPile, int x,
                        platform::Canvas& canvas, std::string_view name);

}  // namespace table
