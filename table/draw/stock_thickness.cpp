#include "table/draw/stock_thickness.h"

#include <algorithm>

#include "engine/model/card_codes.h"
#include "engine/model/pile_names.h"
#include "engine/base/rounding.h"
#include "engine/model/table_object.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "table/draw/draw_context.h"
#include "table/draw/table_background.h"
#include "table/draw/table_buffer.h"

namespace table {

namespace {

constexpr int kCardsPerEdgePixel = 7;
// The border images hold 16 rows (columns) of edge; a depth d takes the last d + 1.
constexpr int kBorderLastLine = 15;
constexpr int kBorderLines = 16;
constexpr int kBottomBorderExtraWidth = 11;
constexpr int kRightBorderExtraHeight = 13;
constexpr int kBorderOverhang = 13;
constexpr int kCleanOverhang = 15;
constexpr platform::Colour kBorderTransparent = platform::Rgb(0, 0, 255);

void DrawEdges(DrawContext& context, platform::Canvas& canvas, int baseX, int baseY, int depth) {
    const int shift = context.YShift(canvas);
    const int cw = context.CardWidth();
    const int ch = context.CardHeight();
    const int first = kBorderLastLine - depth;
    canvas.TransparentCopy(baseX - kBorderOverhang, baseY + ch - kBorderLines + first + shift,
                           cw + kBottomBorderExtraWidth, depth + 1, context.Border(2), 0, first, kBorderTransparent);
    canvas.TransparentCopy(baseX + cw - kBorderLines + first, baseY - kBorderOverhang + shift, depth + 1,
                           ch + kRightBorderExtraHeight, context.Border(1), first, 0, kBorderTransparent);
    // What a thicker pile drew above and left of this one goes back to the table.
    const TableBackground& background = context.Background();
    background.CopyTo(canvas, baseX - kCleanOverhang, baseY - kCleanOverhang + shift, cw + kBorderLines,
                      kBorderLines - depth, baseX - kCleanOverhang, baseY - kCleanOverhang + context.ScrollOffset());
    background.CopyTo(canvas, baseX - kCleanOverhang, baseY - kCleanOverhang + 1 + shift, kBorderLines - depth,
                      ch + kCleanOverhang, baseX - kCleanOverhang, baseY - kCleanOverhang + 1 + context.ScrollOffset());
}

}  // namespace

int StockThicknessDepth(int cards) {
    if (cards < 2) return 0;
    if (cards == 2) return 1;
    return std::min(engine::DivideRoundHalfEven(cards, kCardsPerEdgePixel) + 1, kMaxStockDepth);
}

void DrawPileThickness(DrawContext& context, platform::Canvas& canvas, int line, bool alsoBuffer, bool force,
                       int pileLength) {
    if (line < 0 || line >= engine::kMazzoLineCount) return;
    const int depth = StockThicknessDepth(pileLength / engine::kCardCodeWidth);
    const auto k = static_cast<std::size_t>(line);
    const int baseX = context.mainGame.StockBase.x[k];
    const int baseY = context.mainGame.StockBase.y[k];
    if (!engine::IsPileOnTable(baseX)) return;
    const int x = baseX - depth;
    const int y = baseY - depth;
    const bool toBuffer = alsoBuffer || context.IsBuffer(canvas);
    // A pile that lies at its place still needs its edge in a buffer wiped since.
    const bool wiped = toBuffer && context.buffers.IsEdgeWiped(line);
    if (!force && !wiped && context.mainGame.GetStockX(line) == x && context.mainGame.GetStockY(line) == y) return;
    context.mainGame.SetStockX(line, static_cast<std::int16_t>(x));
    context.mainGame.SetStockY(line, static_cast<std::int16_t>(y + context.ScrollOffset()));
    DrawEdges(context, canvas, baseX, baseY, depth);
    if (alsoBuffer && !context.IsBuffer(canvas)) DrawEdges(context, context.Buffer(), baseX, baseY, depth);
    if (toBuffer) context.buffers.MarkEdgeDrawn(line);
}

}  // namespace table
