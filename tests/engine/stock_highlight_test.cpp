#include "engine/play/stock_highlight.h"

#include <gtest/gtest.h>

#include "engine/session/table_mouse_move.h"
#include "tests/engine/status_fixture.h"

namespace {

using engine::PileListId;
using engine::ShellPanel;
using status_test::Cards;

constexpr int kStockX = 10;
constexpr int kStockY = 60;
constexpr int kWasteX = 100;
constexpr int kWasteY = 60;

class StockHighlightTest : public ::testing::Test, protected status_test::StatusFixture {
protected:
    StockHighlightTest() {
        table.SetStockX(engine::kStockLine, kStockX);
        table.SetStockY(engine::kStockLine, kStockY);
        table.SetStockX(engine::kWasteLine, kWasteX);
        table.SetStockY(engine::kWasteLine, kWasteY);
    }
    void MarkStock() { game.SetWord(engine::words::kStockLineFlag, 1); }
    void MarkWaste() { game.SetWord(engine::words::kStockToWaste, 1); }
};

TEST_F(StockHighlightTest, LitMarkOnTheEmptyStock) {
    MarkStock();
    MarkWaste();
    engine::ShowStockHighlight(ctx);
    ASSERT_EQ(view.stockImages.size(), 1u);
    EXPECT_TRUE(view.stockImages[0].highlighted);
    EXPECT_EQ(view.stockImages[0].x, kStockX);
    EXPECT_EQ(view.stockImages[0].y, kStockY);
    EXPECT_EQ(table.StockHighlightShown, 1);
}

TEST_F(StockHighlightTest, WasteCarriesTheMarkWhenTheStockHoldsCards) {
    MarkStock();
    MarkWaste();
    SetPile(PileListId::kMazzo, engine::kStockLine, Cards(3));
    engine::ShowStockHighlight(ctx);
    ASSERT_EQ(view.stockImages.size(), 1u);
    EXPECT_EQ(view.stockImages[0].x, kWasteX);
}

TEST_F(StockHighlightTest, NothingDrawnWithoutAMarkedPlaceButTheNoteIsSet) {
    MarkStock();
    SetPile(PileListId::kMazzo, engine::kStockLine, Cards(3));
    engine::ShowStockHighlight(ctx);
    EXPECT_TRUE(view.stockImages.empty());
    EXPECT_EQ(table.StockHighlightShown, 1);
}

TEST_F(StockHighlightTest, HideDrawsTheNormalImageAndWaits) {
    MarkStock();
    table.StockHighlightShown = 1;
    const auto delayed = fake.Clock().TotalDelayed();
    engine::HideStockHighlight(ctx);
    ASSERT_EQ(view.stockImages.size(), 1u);
    EXPECT_FALSE(view.stockImages[0].highlighted);
    EXPECT_EQ(fake.Clock().TotalDelayed() - delayed, engine::kHideStockHighlightDelayMs);
    EXPECT_EQ(table.StockHighlightShown, 1);
}

class TableMouseMoveTest : public StockHighlightTest {};

TEST_F(TableMouseMoveTest, DraggingMovesTheImageWithTheDragCursor) {
    table.LiftedCard = 12;
    registers.SetFlag(engine::flag::kGameInProgress, 1);
    registers.SetIntReg(engine::kLastMouseMoveReg, 5);
    SetField(engine::fields::kCursor, "11");
    engine::TableMouseMove(ctx, 200, 150);
    EXPECT_EQ(table.DragMoved, 1);
    EXPECT_EQ(shell.Cursor(), 21);
    ASSERT_EQ(view.dragPoints.size(), 1u);
    EXPECT_EQ(view.dragPoints[0], (engine::ShellPoint{200, 150}));
    EXPECT_EQ(registers.GetIntReg(engine::kLastMouseMoveReg), -1);
    EXPECT_EQ(table.MovePoint.x, 0);  // the move is not noted while dragging
}

TEST_F(TableMouseMoveTest, CursorTenDragsWithTheDefaultCursor) {
    table.LiftedCard = 12;
    SetField(engine::fields::kCursor, "10");
    shell.SetCursor(15);
    engine::TableMouseMove(ctx, 1, 1);
    EXPECT_EQ(shell.Cursor(), engine::kDefaultCursor);
}

TEST_F(TableMouseMoveTest, MarkStaysWhilePointerIsOverIt) {
    MarkStock();
    table.StockHighlightShown = 1;
    engine::TableMouseMove(ctx, kStockX, kStockY);
    engine::TableMouseMove(ctx, kStockX + 70, kStockY + 95);
    EXPECT_TRUE(view.stockImages.empty());
    EXPECT_EQ(table.StockHighlightShown, 1);
}

TEST_F(TableMouseMoveTest, MarkGoesWhenPointerLeavesIt) {
    MarkStock();
    table.StockHighlightShown = 1;
    engine::TableMouseMove(ctx, kStockX + 71, kStockY);
    ASSERT_EQ(view.stockImages.size(), 1u);
    EXPECT_FALSE(view.stockImages[0].highlighted);
    EXPECT_EQ(table.StockHighlightShown, 0);
}

TEST_F(TableMouseMoveTest, WasteMarkRectangle) {
    MarkWaste();
    table.StockHighlightShown = 1;
    SetPile(PileListId::kMazzo, engine::kStockLine, Cards(2));
    engine::TableMouseMove(ctx, kStockX, kStockY);  // over the stock, not the waste
    EXPECT_EQ(table.StockHighlightShown, 0);
}

TEST_F(TableMouseMoveTest, MoveDuringAGameIsNotedAndHidesThePileSizeTip) {
    registers.SetFlag(engine::flag::kGameInProgress, 1);
    fake.Clock().Advance(4000);
    shell.ArrangeCursorPos({300, 300});
    shell.ArrangePanel(ShellPanel::kPilesSize, {}, true);
    engine::TableMouseMove(ctx, 40, 50);
    EXPECT_EQ(registers.GetIntReg(engine::kLastMouseMoveReg), 5000);
    EXPECT_FALSE(shell.IsPanelVisible(ShellPanel::kPilesSize));
    EXPECT_EQ(table.MovePoint.x, 40);
    EXPECT_EQ(table.MovePoint.y, 50);

    // The same point with the cursor over the table leaves the tip.
    shell.ArrangePanel(ShellPanel::kPilesSize, {}, true);
    engine::TableMouseMove(ctx, 40, 50);
    EXPECT_TRUE(shell.IsPanelVisible(ShellPanel::kPilesSize));

    // The same point with the cursor off the table hides it.
    shell.ArrangeCursorPos({300, 60});
    engine::TableMouseMove(ctx, 40, 50);
    EXPECT_FALSE(shell.IsPanelVisible(ShellPanel::kPilesSize));
}

TEST_F(TableMouseMoveTest, OutsideAGameOnlyClearsTheMoveTime) {
    registers.SetIntReg(engine::kLastMouseMoveReg, 77);
    engine::TableMouseMove(ctx, 40, 50);
    EXPECT_EQ(registers.GetIntReg(engine::kLastMouseMoveReg), -1);
    EXPECT_EQ(table.MovePoint.x, 0);
    EXPECT_TRUE(shell.Events().empty());
}

}  // namespace
