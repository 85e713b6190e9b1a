#include "table/draw/source_redraw.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>

#include "engine/model/game_words.h"
#include "engine/model/pile_names.h"
#include "engine/model/preference_fields.h"
#include "table/draw/background.h"
#include "table/draw/card_drawing.h"
#include "table/layout/fan_modes.h"
#include "table/draw/table_repaint.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::BackgroundColourAt;
using drawing_test::FaceColour;
using drawing_test::kCh;
using drawing_test::kCw;
using engine::PileListId;
namespace fields = engine::fields;
namespace words = engine::words;

// Two tableau piles at y 200 and a reserve at (500, 20), the table drawn in the buffer.
class SourceRedrawTest : public drawing_test::DrawingTest {
protected:
    SourceRedrawTest() {
        SetWord(words::kTableauCount, 2);
        SetWord(words::kReserveCount, 1);
        SetWord(words::kTableauFanMode, table::fan_mode::kDown);
        PlaceTableau(0, 100, 200);
        PlaceTableau(1, 300, 200);
        mainGame.SetReserveX(0, 500);
        mainGame.SetReserveY(0, 20);
        SetPile(PileListId::kFila, 0, {2, 3, 4});
        SetPile(PileListId::kFila, 1, {9});
        SetPile(PileListId::kAppogg, 0, {5, 6});
    }

    void Repaint() {
        table::CopyBackgroundToCanvas(context, buffers.BufferCanvas());
        table::RepaintTable(context, buffers.BufferCanvas(), false);
    }

    std::string Fila(int i) const { return board.piles.Pile(PileListId::kFila, i); }
};

TEST_F(SourceRedrawTest, SideBySideTheCardLeavesABlankSlotNotAGap) {
    SetWord(words::kTableauFanMode, table::fan_mode::kSideBySide);
    mainGame.SideBySideGap = 6;
    Repaint();
    const std::string before = Fila(0);
    table::RedrawPileWithoutCard(context, 3, true);
    EXPECT_EQ(Fila(0), before);
    const int middle = 100 + kCw + 6 + 30;
    EXPECT_EQ(BufferPixel(middle, 250), BackgroundColourAt(middle, 250));
    // The card above stays at its own place.
    EXPECT_EQ(BufferPixel(100 + 2 * (kCw + 6) + 30, 250), FaceColour(3));
    EXPECT_EQ(BufferPixel(130, 250), FaceColour(1));
}

TEST_F(SourceRedrawTest, AWholeTableRedrawKeepsTheStocksEdge) {
    SetWord(words::kTableauFanMode, table::fan_mode::kSideBySide);
    SetWord(words::kStockFaceDown, 1);
    mainGame.SideBySideGap = 6;
    constexpr int kBaseX = 600;
    constexpr int kBaseY = 300;
    PlaceStockRow(engine::kStockLine, kBaseX, kBaseY);
    SetPile(PileListId::kMazzo, engine::kStockLine, {-20, -21, -22, -23, -24, -25, -26, -27, -28, -29, -30, -31,
                                                     -32, -33, -34, -35, -36, -37, -38, -39, -40, -41, -42, -43});
    // 24 cards stand 4 pixels up and left; the card covers the edges' first column (row).
    const auto edgeShows = [&] {
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(BufferPixel(kBaseX + kCw - 5 + c, kBaseY + 20), drawing_test::RightBorderColour(11 + c)) << c;
            EXPECT_EQ(BufferPixel(kBaseX + 20, kBaseY + kCh - 5 + c), drawing_test::BottomBorderColour(11 + c)) << c;
        }
    };
    Repaint();
    edgeShows();
    const QRect stockArea(kBaseX - 20, kBaseY - 20, kCw + 40, kCh + 40);
    const QImage first = buffers.TableBuffer().Image().copy(stockArea);

    // A card taken from a side-by-side pile redraws the whole buffer over a wiped table.
    table::RedrawPileWithoutCard(context, 3, true);
    EXPECT_TRUE(buffers.TableBuffer().Image().copy(stockArea) == first) << "no bare corner beside the stock";

    // So does the whole-table repaint after the configured background.
    table::PaintConfiguredBackground(context, buffers.BufferCanvas());
    table::RepaintTable(context, buffers.BufferCanvas(), false);
    edgeShows();
}

TEST_F(SourceRedrawTest, StackedSpecialPilesAreNotRedrawn) {
    SetWord(words::kTableauFanMode, table::fan_mode::kSpecial);
    Repaint();
    const QImage before = buffers.TableBuffer().Image().copy();
    table::RedrawPileWithoutCard(context, 4, true);
    EXPECT_TRUE(buffers.TableBuffer().Image() == before);
}

TEST_F(SourceRedrawTest, AReserveShowsTheCardBelow) {
    Repaint();
    ASSERT_EQ(BufferPixel(530, 60), FaceColour(5));
    table::RedrawPileWithoutCard(context, 6, true);
    EXPECT_EQ(BufferPixel(530, 60), FaceColour(4));
    EXPECT_EQ(board.piles.Pile(PileListId::kAppogg, 0), "005006");
}

TEST_F(SourceRedrawTest, AFannedReserveIsRedrawnWholeAndShownAtOnce) {
    SetWord(words::kReserveFanning, -11);
    Repaint();
    table::RedrawPileWithoutCard(context, 6, true);
    EXPECT_EQ(BufferPixel(530, 60), FaceColour(4));
    EXPECT_EQ(WindowPixel(530, 60), FaceColour(4));
}

TEST_F(SourceRedrawTest, AStackLeavesThePileBelowIt) {
    Repaint();
    // The press lifted the stack's rectangle: from card 3 down to the pile's bottom.
    layout.SetDragRects(100, 218, 100 + kCw, 236 + kCh);
    table::RedrawPileWithoutCard(context, 3, false);
    EXPECT_EQ(Fila(0), "002003004");
    EXPECT_EQ(BufferPixel(130, 250), FaceColour(1));
    EXPECT_EQ(BufferPixel(130, 200 + kCh + 5), BackgroundColourAt(130, 200 + kCh + 5));
}

TEST_F(SourceRedrawTest, UntidyPilesRepaintTheStripsBesideThePile) {
    SetField(fields::kPilesTT, "Y");
    Repaint();
    window.invalidated.clear();
    table::RedrawPileWithoutCard(context, 4, true);
    const auto has = [&](const engine::TableRect& r) {
        return std::find(window.invalidated.begin(), window.invalidated.end(), r) != window.invalidated.end();
    };
    const int bottom = 200 + 18 + kCh + (layout.DragRect().bottom - layout.DragRect().top);
    EXPECT_TRUE(has({98, 200, 100, bottom}));
    EXPECT_TRUE(has({100 + kCw, 200, 100 + kCw + 2, bottom}));
}

}  // namespace
