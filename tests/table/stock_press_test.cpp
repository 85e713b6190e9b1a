#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "engine/model/card_codes.h"
#include "engine/model/pile_text.h"
#include "engine/model/registers.h"
#include "engine/play/stock_press.h"
#include "table/mouse/stock_press.h"
#include "tests/table/mouse_fixture.h"

namespace mouse_test {
namespace {

using engine::PileListId;
namespace words = engine::words;

class StockPressTest : public MouseTest {
protected:
    void SetUp() override { rig.SetUpHandMadeGame(); }

    // Fills the stock with cards 1..count (the top card last), the tableau piles with one
    // card each, and draws the table.
    void Deal(int stockCards) {
        std::string stock;
        for (int card = 1; card <= stockCards; ++card) stock += engine::CardCodeText(card);
        rig.G().Piles().SetPile(PileListId::kMazzo, engine::kStockLine, stock);
        for (int i = 0; i < 4; ++i) rig.SetPile(PileListId::kFila, i, {40 + i});
        rig.Begin();
    }
    void PressStock() {
        const engine::TableRect stock = rig.TopPlace("Mazzo", 0);
        rig.Click(stock.left + 10, stock.top + 10);
    }
    int Cards(PileListId list, int line) { return engine::PileCardCount(rig.Pile(list, line)); }
    int StockCards() { return Cards(PileListId::kMazzo, engine::kStockLine); }
    int UndoSteps() { return rig.G().undo.UndoStepCount(); }
};

TEST_F(StockPressTest, EachStockModeDealsWhereItsWordsSay) {
    struct Case {
        const char* what;
        std::function<void(TableRig&)> words;
        int stockCards;
        PileListId list;
        int line;
        int cardsThere;
    };
    const Case cases[] = {
        {"to the waste", [](TableRig& r) { r.SetWord(words::kStockToWaste, 1); r.SetWord(words::kCardsPerStockPress, 3); },
         5, PileListId::kMazzo, engine::kWasteLine, 3},
        {"to every tableau pile",
         [](TableRig& r) { for (int i = 0; i < 4; ++i) r.G().gameDef.SetAt(words::kStockToTableauMode, i, 1); }, 6,
         PileListId::kFila, 3, 2},
        {"to every reserve", [](TableRig& r) { r.G().gameDef.SetAt(words::kStockToReserveMode, 0, 1);
                                               r.G().gameDef.SetAt(words::kStockToReserveMode, 1, 1); },
         6, PileListId::kAppogg, 1, 1},
        {"the last eight to the tableau",
         [](TableRig& r) { r.G().gameDef.SetAt(words::kStockToReserveMode, 0, 3); }, 8, PileListId::kFila, 0, 2},
        {"twice to the reserves", [](TableRig& r) { r.G().gameDef.SetAt(words::kStockToReserveMode, 0, 3);
                                                   r.G().gameDef.SetAt(words::kStockToReserveMode, 1, 3); },
         9, PileListId::kAppogg, 1, 2},
        {"four to each tableau pile in turn",
         [](TableRig& r) { for (int i = 0; i < 4; ++i) r.G().gameDef.SetAt(words::kStockToTableauMode, i, 8); }, 10,
         PileListId::kFila, 2, 3},
        {"to the third pile", [](TableRig& r) { r.SetWord(words::kThirdPileStyle, 1); r.SetWord(words::kCardsPerStockPress, 1); },
         4, PileListId::kMazzo, engine::kThirdStockLine, 1},
    };
    for (const Case& c : cases) {
        rig.SetUpHandMadeGame();
        c.words(rig);
        rig.G().undo.ClearBoard(false, true);
        Deal(c.stockCards);
        PressStock();
        EXPECT_EQ(Cards(c.list, c.line), c.cardsThere) << c.what;
        EXPECT_EQ(UndoSteps(), 1) << c.what;
    }
}

TEST_F(StockPressTest, TheWasteTakesACardOnlyWhenEmptyUnderClickVariant1) {
    rig.SetWord(words::kStockToWaste, 1);
    rig.SetWord(words::kStockClickVariant, 1);
    rig.SetWord(words::kCardsPerStockPress, 1);
    rig.SetPile(PileListId::kMazzo, engine::kWasteLine, {20});
    Deal(3);
    PressStock();
    EXPECT_EQ(StockCards(), 3);
    EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(StockPressTest, Mode2AsksForTheGapsToBeFilledFirst) {
    for (int i = 0; i < 4; ++i) rig.G().gameDef.SetAt(words::kStockToTableauMode, i, 2);
    Deal(6);
    rig.G().Piles().SetPile(PileListId::kFila, 2, "");
    PressStock();
    EXPECT_EQ(StockCards(), 6);
    EXPECT_EQ(rig.Messages().Texts(test_support::MessageEvent::Kind::Info),
              std::vector<std::string>{std::string(engine::kFillGapsFirst)});
    rig.SetPile(PileListId::kFila, 2, {45});
    PressStock();
    EXPECT_EQ(StockCards(), 2);
}

TEST_F(StockPressTest, Mode4DealsUpToThreeCardsToTheTwoReservesInTurn) {
    rig.G().gameDef.SetAt(words::kStockToReserveMode, 0, 4);
    rig.G().gameDef.SetAt(words::kStockToReserveMode, 1, 4);
    Deal(8);
    PressStock();
    EXPECT_EQ(Cards(PileListId::kAppogg, 0), 3);
    EXPECT_EQ(UndoSteps(), 1);
    EXPECT_EQ(rig.G().registers.LastLogEntry(engine::kUndoMoveLog), "002");
    PressStock();
    EXPECT_EQ(Cards(PileListId::kAppogg, 1), 3);
    // Two cards are left: the third press deals both to reserve 1.
    PressStock();
    EXPECT_EQ(Cards(PileListId::kAppogg, 0), 5);
    EXPECT_EQ(StockCards(), 0);
    EXPECT_EQ(UndoSteps(), 3);
}

TEST_F(StockPressTest, Mode1WithReserveMode5DealsBothAsOneStep) {
    for (int i = 0; i < 4; ++i) rig.G().gameDef.SetAt(words::kStockToTableauMode, i, 1);
    rig.G().gameDef.SetAt(words::kStockToReserveMode, 0, 5);
    rig.G().gameDef.SetAt(words::kStockToReserveMode, 1, 5);
    rig.SetWord(words::kPassLimit, 3);
    Deal(10);
    PressStock();
    EXPECT_EQ(StockCards(), 4);
    EXPECT_TRUE(rig.G().Cards().IsFaceDown(engine::PileTopCard(rig.Pile(PileListId::kAppogg, 1))));
    EXPECT_EQ(UndoSteps(), 1);
    // The tableau takes the rest of the stock: the reserves get nothing, and the step of
    // this press stays its own.
    PressStock();
    EXPECT_EQ(StockCards(), 0);
    EXPECT_EQ(Cards(PileListId::kAppogg, 0), 1);
    EXPECT_EQ(UndoSteps(), 2);
}

TEST_F(StockPressTest, Redeals6AskForTheMarkAndTheReleaseRedeals) {
    rig.SetWord(words::kRedeals, 6);
    rig.SetWord(words::kPassLimit, -1);
    rig.SetWord(words::kCardsPerStockPress, 1);
    Deal(3);
    const engine::TableRect stock = rig.TopPlace("Mazzo", 0);
    rig.Mouse().TableMouseDown(table::MouseButton::kLeft, {}, stock.left + 10, stock.top + 10);
    EXPECT_EQ(rig.G().mainGame.StockHighlightShown, 1);
    rig.Mouse().TableMouseUp();
    EXPECT_EQ(rig.G().mainGame.StockHighlightShown, 0);
    EXPECT_EQ(rig.G().mainGame.RedealCount, 2);
}

// A click on the empty stock that cannot turn the waste over (one card on it, or no pass
// left) lights the mark while the button is down; after the release the mark is unlit,
// as the note says.
TEST_F(StockPressTest, AClickThatCannotRedealLeavesTheMarkUnlit) {
    for (const auto& [wasteCards, passLimit] : {std::pair{1, -1}, std::pair{2, 1}}) {
        rig.SetWord(words::kStockLineFlag, 1);
        rig.SetWord(words::kStockToWaste, 1);
        rig.SetWord(words::kCardsPerStockPress, 1);
        rig.SetWord(words::kRedeals, 0);
        rig.SetWord(words::kPassLimit, passLimit);
        rig.G().Piles().SetPile(PileListId::kMazzo, engine::kWasteLine, "");
        Deal(wasteCards);
        for (int i = 0; i < wasteCards; ++i) PressStock();
        ASSERT_EQ(StockCards(), 0);
        ASSERT_EQ(Cards(PileListId::kMazzo, engine::kWasteLine), wasteCards);
        const engine::TableRect stock = rig.TopPlace("Mazzo", 0);
        const QRect place(stock.left, stock.top, stock.right - stock.left, stock.bottom - stock.top);
        const QImage unlit = rig.WindowImage().copy(place);
        rig.Mouse().TableMouseDown(table::MouseButton::kLeft, {}, stock.left + 10, stock.top + 10);
        ASSERT_EQ(rig.G().mainGame.StockHighlightShown, 1);
        EXPECT_NE(rig.WindowImage().copy(place), unlit) << "the mark is lit while the button is down";
        rig.Mouse().TableMouseUp();
        EXPECT_EQ(rig.G().mainGame.StockHighlightShown, 0);
        EXPECT_EQ(rig.WindowImage().copy(place), unlit) << wasteCards << " waste cards, pass limit " << passLimit;
        EXPECT_EQ(Cards(PileListId::kMazzo, engine::kWasteLine), wasteCards);
    }
}

}  // namespace
}  // namespace mouse_test
