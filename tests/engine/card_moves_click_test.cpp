#include <gtest/gtest.h>

#include "engine/play/card_moves.h"
#include "engine/model/pile_text.h"
#include "engine/model/game_words.h"
#include "engine/model/registers.h"
#include "tests/engine/card_moves_fixture.h"

namespace {

using namespace moves_test;
using engine::PileListId;
namespace w = engine::words;
namespace fields = engine::fields;

class AutoMoveCardTest : public ::testing::Test {
protected:
    // The card as a press would find it: the top card of tableau pile `pile`.
    bool Send(int card, int pile, bool single = true, bool autoplay = false) {
        const engine::TableRect r = f.TopPlace("Fila" + std::to_string(pile + 1), pile);
        return engine::AutoMoveCard(f.G(), card, r.left, r.top, single, autoplay, true, true, true, r.bottom, r.right);
    }

    MovesFixture f;
};

TEST_F(AutoMoveCardTest, FoundationsComeBeforeAnyTableauPile) {
    f.Dest(3, {H(kA)});
    f.Fila(0, {S(3)});
    f.Fila(6, {H(2)});
    ASSERT_TRUE(Send(H(2), 6));
    EXPECT_EQ(f.Pile(PileListId::kDest, 3), "001002");
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), engine::CardCodeText(S(3)));
}

TEST_F(AutoMoveCardTest, PilesHoldingCardsComeBeforeEmptyOnes) {
    f.game.gameDef.SetAt(w::kTableauRuleA, 1, -1);  // an empty pile 1 takes any card
    f.Fila(3, {S(kK)});
    f.Fila(6, {H(kQ)});
    ASSERT_TRUE(Send(H(kQ), 6));
    EXPECT_EQ(f.Pile(PileListId::kFila, 3), "052012");
    EXPECT_EQ(f.Pile(PileListId::kFila, 1), "");

    // With no pile holding a fitting card, the empty one takes it.
    f.Fila(5, {D(7)});
    ASSERT_TRUE(Send(D(7), 5));
    EXPECT_EQ(f.Pile(PileListId::kFila, 1), engine::CardCodeText(D(7)));
}

TEST_F(AutoMoveCardTest, StackNeverGoesToAFoundationOrReserve) {
    f.AddReserves(1);
    f.Dest(0, {H(kA)});
    f.Fila(2, {S(9), H(2), S(kA)});
    const std::string before = f.Board();
    const engine::TableRect r = f.TopPlace("Fila3", 2);
    EXPECT_FALSE(engine::AutoMoveCard(f.G(), H(2), r.left, r.top - kFanStep, false, false, true, true, true, r.bottom,
                                      r.right));
    EXPECT_EQ(f.Board(), before);
}

TEST_F(AutoMoveCardTest, StackMovesWholeOntoATableauPile) {
    f.Fila(0, {D(9), S(kK)});
    f.Fila(2, {C(5), H(kQ), S(kJ)});
    const engine::TableRect r = f.TopPlace("Fila3", 2);
    const int y = r.top - kFanStep;  // the Queen's place
    ASSERT_TRUE(engine::AutoMoveCard(f.G(), H(kQ), r.left, y, false, false, true, false, false, y + kCardHeight,
                                     r.right));
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "022052012050");
    EXPECT_EQ(f.Pile(PileListId::kFila, 2), engine::CardCodeText(C(5)));
    // The drag image reaches from the Queen down to the pile's last card.
    EXPECT_EQ(f.view.Calls().front(), "image height " + std::to_string(kFanStep + kCardHeight));
}

TEST_F(AutoMoveCardTest, WasteTakesASingleCardOnly) {
    f.Word(w::kWasteBuild, 2);
    f.Waste({S(7)});
    f.Fila(0, {C(2), S(8), S(6)});
    ASSERT_TRUE(Send(S(6), 0));
    EXPECT_EQ(engine::PileTopCard(f.Pile(PileListId::kMazzo, engine::kWasteLine)), S(6));

    // The Eight with the card above it is no single card.
    f.Fila(0, {C(2), S(8), H(2)});
    const engine::TableRect r = f.TopPlace("Fila1", 0);
    EXPECT_FALSE(engine::AutoMoveCard(f.G(), S(8), r.left, r.top - kFanStep, false, false, true, false, false,
                                      r.bottom, r.right));
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "028047002");
}

TEST_F(AutoMoveCardTest, FaceDownCardNeverMovesAndLiftIsCleared) {
    f.Fila(0, {H(kA)});
    f.FaceDown(H(kA));
    f.game.mainGame.LiftedCard = 9;
    f.game.mainGame.LiftedTopCard = 9;
    EXPECT_FALSE(Send(H(kA), 0));
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "001");
    EXPECT_EQ(f.game.mainGame.LiftedCard, 0);
    EXPECT_EQ(f.game.mainGame.LiftedTopCard, 0);
}

TEST_F(AutoMoveCardTest, AutoplayLeavesFoundationsWhoseBaseTheFirstCardSets) {
    for (int i = 0; i < 4; ++i) f.game.gameDef.SetAt(w::kFoundationBase, i, 92);
    f.Fila(0, {H(5)});
    EXPECT_FALSE(Send(H(5), 0, true, true));
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "");
    // Once one foundation is started the automatic play builds on it.
    f.Dest(1, {H(4)});
    EXPECT_TRUE(Send(H(5), 0, true, true));
    EXPECT_EQ(f.Pile(PileListId::kDest, 1), "004005");
}

class ClickMoveTest : public ::testing::Test {
protected:
    void Click(bool doubleClick, bool rightClick, int card, int pile) {
        const std::string name = "Fila" + std::to_string(pile + 1);
        engine::ClickMove(f.G(), doubleClick, rightClick, true, name, card, f.TopPlace(name, pile));
    }

    MovesFixture f;
};

TEST_F(ClickMoveTest, DoubleClickFollowsItsOptions) {
    f.Fila(0, {H(kA)});
    Click(true, false, H(kA), 0);
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "");
    EXPECT_TRUE(f.game.registers.GetFlag(engine::flag::kSecondClickPending));

    f.Setting(fields::kDoubleClickToFoundations, "N");
    f.Setting(fields::kDoubleClickToTableaus, "N");
    Click(true, false, H(kA), 0);
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "");

    // A game that moves cards by clicking sends them whatever the options say.
    f.Word(w::kClickToMove, 1);
    Click(true, false, H(kA), 0);
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "001");
}

TEST_F(ClickMoveTest, RightClickToFoundations) {
    f.Fila(0, {S(4), H(kA)});
    f.Setting(fields::kRightClickToFoundations, "Y");
    engine::RightClickMove(f.G(), "Fila01", H(kA), f.TopPlace("Fila1", 0));
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "001");
    EXPECT_FALSE(f.game.registers.GetFlag(engine::flag::kSecondClickPending));
}

TEST_F(ClickMoveTest, RightClickWithBothOptionsOffDoesNothing) {
    f.Fila(0, {H(kA)});
    f.Word(w::kClickToMove, 1);
    engine::RightClickMove(f.G(), "Fila01", H(kA), f.TopPlace("Fila1", 0));
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "001");
}

TEST_F(ClickMoveTest, DeepCardMovesAsAStackWithinTheSequenceLimit) {
    f.Setting(fields::kRightClickToTableaus, "Y");
    f.Fila(0, {S(kK)});
    f.Fila(2, {C(5), H(kQ), S(kJ), D(10)});
    f.Word(w::kSequenceLimit, 2);
    const engine::TableRect queen{90 + 80, 150, 90 + 80 + kCardWidth, 150 + kCardHeight};
    engine::RightClickMove(f.G(), "Fila03", H(kQ), queen);
    EXPECT_EQ(f.Pile(PileListId::kFila, 2), "031012050023");

    f.Word(w::kSequenceLimit, 3);
    engine::RightClickMove(f.G(), "Fila03", H(kQ), queen);
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "052012050023");
    EXPECT_EQ(f.Pile(PileListId::kFila, 2), "031");
}

TEST_F(ClickMoveTest, WithoutStacksADeepCardIsNeverPulledFromUnderOthers) {
    f.Setting(fields::kDoubleClickToTableaus, "Y");
    f.Fila(0, {S(kK)});
    f.Fila(2, {C(5), H(kQ), S(kJ)});
    f.Word(w::kSequenceLimit, 3);
    const engine::TableRect queen{90 + 80, 150, 90 + 80 + kCardWidth, 150 + kCardHeight};
    engine::ClickMove(f.G(), true, false, false, "Fila03", H(kQ), queen);
    EXPECT_EQ(f.Pile(PileListId::kFila, 2), "031012050");
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "052");
    EXPECT_EQ(f.game.undo.UndoStepCount(), 0);
}

TEST_F(ClickMoveTest, DeepCardOutOfSequenceStays) {
    f.Setting(fields::kRightClickToTableaus, "Y");
    f.Word(w::kTableauMoveVariant, 1);
    f.Fila(0, {S(kK)});
    f.Fila(2, {C(5), H(kQ), H(kJ)});
    engine::RightClickMove(f.G(), "Fila03", H(kQ), {170, 150, 241, 246});
    EXPECT_EQ(f.Pile(PileListId::kFila, 2), "031012011");
}

TEST_F(ClickMoveTest, FoundationCardTakenBackOnlyAboveAnother) {
    f.Setting(fields::kRightClickToTableaus, "Y");
    f.Word(w::kFoundationTakeBack, 2);
    f.game.gameDef.SetAt(w::kTableauRuleA, 1, -1);
    f.Dest(0, {H(kA)});
    engine::RightClickMove(f.G(), "Dest01", H(kA), f.TopPlace("Dest1", 0));
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "001");

    f.Dest(0, {H(kA), H(2)});
    engine::RightClickMove(f.G(), "Dest01", H(2), f.TopPlace("Dest1", 0));
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "001");
    EXPECT_EQ(f.Pile(PileListId::kFila, 1), "002");
}

TEST_F(ClickMoveTest, FaceDownCardDoesNothingAtAll) {
    f.Fila(0, {H(kA)});
    f.FaceDown(H(kA));
    f.Word(w::kClickToMove, 1);
    Click(true, false, H(kA), 0);
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "001");
    EXPECT_FALSE(f.game.registers.GetFlag(engine::flag::kSecondClickPending));
}

TEST_F(ClickMoveTest, WinningClickEndsTheGame) {
    f.game.registers.SetFlag(engine::flag::kGameInProgress, 1);
    const auto fullSuit = [&](int dest, int first, int upTo) {
        std::string text;
        for (int r = 1; r <= upTo; ++r) text += engine::CardCodeText(first + r);
        f.game.board.piles.SetPile(PileListId::kDest, dest, text);
    };
    fullSuit(0, 0, kK);
    fullSuit(1, 13, kK);
    fullSuit(2, 26, kK);
    fullSuit(3, 39, kQ);
    f.Fila(0, {S(kK)});
    f.Word(w::kClickToMove, 1);
    Click(false, false, S(kK), 0);
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "");
    EXPECT_FALSE(f.game.registers.GetFlag(engine::flag::kGameInProgress));
}

TEST_F(ClickMoveTest, DoubleClickAtThePressPoint) {
    f.Setting(fields::kDoubleClickToFoundations, "Y");
    f.Fila(1, {S(4), H(kA)});
    f.game.mainGame.PressPoint = {100, 160};
    engine::DoubleClickMove(f.G(), true, true);
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "001");
    EXPECT_TRUE(f.game.registers.GetFlag(engine::flag::kSecondClickPending));
}

TEST_F(ClickMoveTest, DoubleClickOnTheStockOnlyClearsTheSecondClick) {
    f.Setting(fields::kDoubleClickToFoundations, "Y");
    f.Stock({H(kA)});
    f.game.registers.SetFlag(engine::flag::kSecondClickPending, 1);
    f.game.mainGame.PressPoint = {20, 20};
    engine::DoubleClickMove(f.G(), true, true);
    EXPECT_FALSE(f.game.registers.GetFlag(engine::flag::kSecondClickPending));
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "");
}

}  // namespace
