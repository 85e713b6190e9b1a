#include <gtest/gtest.h>

#include <string>

#include "engine/model/card_codes.h"
#include "engine/play/pairing.h"
#include "engine/model/pile_text.h"
#include "tests/table/mouse_fixture.h"

namespace mouse_test {
namespace {

using engine::PileListId;
namespace words = engine::words;

constexpr int kRankTotal = 13;
constexpr int kJoker = 105;

// A selection game on the hand-made table: tableau piles 1-4 hold the cards the test
// gives, one each.
class SelectionPressTest : public MouseTest {
protected:
    void Start(int kind, std::initializer_list<int> tops, int selectionSum = kRankTotal) {
        rig.SetUpHandMadeGame();
        rig.SetWord(words::kGameKind, kind);
        rig.SetWord(words::kSelectionSum, selectionSum);
        int i = 0;
        for (const int card : tops) rig.SetPile(PileListId::kFila, i++, {card});
        rig.Begin();
    }
    engine::TableRect Place(int i) { return rig.TopPlace("Fila" + std::to_string(i + 1), i); }
    void Press(int i) { rig.Click(Place(i).left + 30, Place(i).top + 40); }
    // The window's pixel in the middle of tableau pile i's top card.
    QRgb Middle(int i) { return rig.WindowImage().pixel(Place(i).left + 35, Place(i).top + 48); }
    std::string Selection() { return rig.Pile(PileListId::kDest, engine::kSelectionLine); }
    std::size_t Beeps() { return rig.Messages().Count(test_support::MessageEvent::Kind::Beep); }
};

QRgb Inverted(QRgb colour) { return qRgb(255 - qRed(colour), 255 - qGreen(colour), 255 - qBlue(colour)); }

TEST_F(SelectionPressTest, CardsAddingUpToTheTotalAreHighlightedThenRemovedAsOneStep) {
    Start(0, {6, 33, 13});
    const QRgb six = Middle(0);
    Press(0);
    EXPECT_EQ(Selection(), engine::CardCodeText(6));
    EXPECT_EQ(Middle(0), Inverted(six));
    EXPECT_EQ(rig.BufferImage().pixel(Place(0).left + 35, Place(0).top + 48), Inverted(six));
    Press(1);
    EXPECT_EQ(Selection(), "");
    EXPECT_EQ(rig.Pile(PileListId::kMazzo, engine::kThirdStockLine), "006033");
    EXPECT_EQ(rig.Pile(PileListId::kFila, 0), "");
    EXPECT_EQ(rig.G().undo.UndoStepCount(), 1);
    const std::vector<std::string> calls{"filter:swallow", "restore"};
    EXPECT_EQ(rig.Shell().WindowCalls(), calls);
    // A King alone makes the total.
    Press(2);
    EXPECT_EQ(rig.Pile(PileListId::kFila, 2), "");
}

TEST_F(SelectionPressTest, ASecondPressTakesTheCardOutAndItsHighlightOff) {
    Start(0, {6, 2});
    const QImage before = rig.WindowImage().copy();
    Press(0);
    Press(0);
    EXPECT_EQ(Selection(), "");
    EXPECT_TRUE(rig.WindowImage() == before);
}

TEST_F(SelectionPressTest, ARefusedCardBeepsAndStaysOut) {
    Start(7, {2, 3, 4});
    Press(0);
    Press(1);
    const QRgb four = Middle(2);
    Press(2);
    EXPECT_EQ(Beeps(), 1u);
    EXPECT_EQ(Selection(), "002003");
    EXPECT_EQ(Middle(2), four);
}

TEST_F(SelectionPressTest, MembershipIsReadOneWholeCodeAtATime) {
    // "020105" holds the cards 20 and 105; "010" inside it is no card of the line.
    Start(23, {10});
    rig.G().Piles().SetPile(PileListId::kDest, engine::kSelectionLine,
                            engine::CardCodeText(20) + engine::CardCodeText(kJoker));
    Press(0);
    EXPECT_EQ(Selection(), "020105010");
}

TEST_F(SelectionPressTest, Kind48LeavesTheFirstCardUnlitAndFillsTheGaps) {
    Start(48, {5, 9});
    rig.G().Piles().SetPile(PileListId::kMazzo, engine::kStockLine, "040041");
    const QRgb five = Middle(0);
    const QRgb nine = Middle(1);
    Press(0);
    EXPECT_EQ(Middle(0), five);
    Press(1);
    EXPECT_EQ(Middle(1), Inverted(nine));
    // The empty piles take the stock's cards from its top.
    EXPECT_EQ(rig.Pile(PileListId::kFila, 2), "041");
    EXPECT_EQ(rig.Pile(PileListId::kFila, 3), "040");
}

TEST_F(SelectionPressTest, KindsWithTheirOwnPresses) {
    // Kind 25 turns a face-down top card instead of selecting it.
    Start(25, {7});
    rig.SetPile(PileListId::kFila, 1, {-20});
    rig.Click(Place(1).left + 30, Place(1).top + 40);
    EXPECT_FALSE(rig.G().Cards().IsFaceDown(20));
    EXPECT_EQ(Selection(), "");

    // Kind 41 beeps at an empty foundation.
    Start(41, {7});
    const engine::TableRect foundation = rig.TopPlace("Dest1", 0);
    rig.Click(foundation.left + 30, foundation.top + 40);
    EXPECT_EQ(Beeps(), 1u);

    // Kind 47's stock press forgets the selection and deals.
    Start(47, {7, 8, 9, 10});
    Press(0);
    rig.G().Piles().SetPile(PileListId::kMazzo, engine::kStockLine, "040041042043");
    for (int i = 0; i < 4; ++i) rig.G().gameDef.SetAt(words::kStockToTableauMode, i, 1);
    const engine::TableRect stock = rig.TopPlace("Mazzo", 0);
    rig.Click(stock.left + 30, stock.top + 40);
    EXPECT_EQ(Selection(), "");
    EXPECT_EQ(engine::PileCardCount(rig.Pile(PileListId::kFila, 0)), 2);
}

}  // namespace
}  // namespace mouse_test
