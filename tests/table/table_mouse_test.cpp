#include <gtest/gtest.h>

#include "engine/model/card_codes.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/ports/shell_port.h"
#include "tests/table/freecell_solver.h"
#include "tests/table/layout/recording_table_window.h"
#include "tests/table/mouse_fixture.h"

namespace mouse_test {
namespace {

using engine::PileListId;
using table::MouseButton;


// Freecell dealt on a plain test window.
class FreecellMouseTest : public MouseTest {
protected:
    void SetUp() override { ASSERT_TRUE(rig.StartFreecell(kFreecellNumber)); }

    std::string Tableau(int i) const { return rig.Pile(PileListId::kFila, i); }
};

TEST_F(FreecellMouseTest, PressAndReleaseWithoutMovePutsTheCardBackPixelForPixel) {
    const QImage windowBefore = rig.WindowImage().copy();
    const QImage bufferBefore = rig.BufferImage().copy();
    const std::string pile = Tableau(0);
    const engine::TableRect top = rig.TopPlace("Fila1", 0);

    rig.Mouse().TableMouseDown(MouseButton::kLeft, {}, top.left + 10, top.top + 10);
    EXPECT_EQ(rig.G().mainGame.LiftedCard, engine::PileTopCard(pile));
    // The off-screen table no longer holds the lifted card; the window still shows it.
    EXPECT_FALSE(rig.BufferImage() == bufferBefore);
    EXPECT_TRUE(rig.WindowImage() == windowBefore);
    rig.Mouse().TableMouseUp();

    EXPECT_EQ(rig.G().mainGame.LiftedCard, 0);
    EXPECT_EQ(Tableau(0), pile);
    EXPECT_EQ(rig.G().undo.UndoStepCount(), 0);
    EXPECT_TRUE(rig.WindowImage() == windowBefore);
    EXPECT_TRUE(rig.BufferImage() == bufferBefore);
}

// Card codes by suit and rank.
constexpr int H(int rank) { return rank; }
constexpr int D(int rank) { return 13 + rank; }
constexpr int C(int rank) { return 26 + rank; }
constexpr int S(int rank) { return 39 + rank; }

constexpr int kGrab = 10;

class DragGameTest : public MouseTest {
protected:
    void SetUp() override { rig.SetUpHandMadeGame(); }

    // The place of tableau pile i's card k below its top.
    engine::TableRect CardPlace(int i, int k) {
        const std::string name = "Fila" + std::to_string(i + 1);
        const int x = rig.Layout().CardX(name, i, k, false);
        const int y = rig.Layout().CardY(name, i, k, false);
        return {x, y, x + 71, y + 96};
    }
    std::string Tableau(int i) const { return rig.Pile(PileListId::kFila, i); }
    int UndoSteps() { return rig.G().undo.UndoStepCount(); }
    std::string Codes(std::initializer_list<int> cards) {
        std::string text;
        for (const int card : cards) text += engine::CardCodeText(card);
        return text;
    }
};

TEST_F(DragGameTest, ALegalDropMovesTheCardAsOneUndoStep) {
    rig.SetPile(PileListId::kFila, 0, {D(7)});
    rig.SetPile(PileListId::kFila, 1, {S(8)});
    rig.Begin();
    const engine::TableRect target = CardPlace(1, 0);
    rig.Drag(CardPlace(0, 0), target.left, target.top);
    EXPECT_EQ(Tableau(1), Codes({S(8), D(7)}));
    EXPECT_EQ(Tableau(0), "");
    EXPECT_EQ(UndoSteps(), 1);
    EXPECT_EQ(rig.G().mainGame.LiftedCard, 0);
}

TEST_F(DragGameTest, AnIllegalDropPutsEverythingBack) {
    rig.SetPile(PileListId::kFila, 0, {D(7)});
    rig.SetPile(PileListId::kFila, 1, {H(8)});
    rig.Begin();
    const QImage windowBefore = rig.WindowImage().copy();
    const QImage bufferBefore = rig.BufferImage().copy();
    const engine::TableRect target = CardPlace(1, 0);
    rig.Drag(CardPlace(0, 0), target.left + 5, target.top + 20);
    EXPECT_EQ(Tableau(0), Codes({D(7)}));
    EXPECT_EQ(Tableau(1), Codes({H(8)}));
    EXPECT_EQ(UndoSteps(), 0);
    EXPECT_EQ(rig.G().mainGame.LiftedCard, 0);
    EXPECT_TRUE(rig.WindowImage() == windowBefore);
    EXPECT_TRUE(rig.BufferImage() == bufferBefore);
}

TEST_F(DragGameTest, AStackIsLiftedFromItsCardPutBackOrDropped) {
    rig.SetPile(PileListId::kFila, 0, {H(13), H(8), C(7)});
    rig.SetPile(PileListId::kFila, 1, {S(9)});
    rig.Begin();
    const QImage windowBefore = rig.WindowImage().copy();
    const engine::TableRect eight = CardPlace(0, 1);
    rig.Mouse().TableMouseDown(MouseButton::kLeft, {}, eight.left + kGrab, eight.top + kGrab);
    EXPECT_EQ(rig.G().mainGame.LiftedCard, H(8));
    EXPECT_EQ(rig.Layout().DragHeight(), rig.Layout().PileBottomY("Fila1") - eight.top);
    EXPECT_FALSE(rig.G().lift.singleCard);
    rig.Mouse().TableMouseUp();
    EXPECT_TRUE(rig.WindowImage() == windowBefore);

    const engine::TableRect target = CardPlace(1, 0);
    rig.Drag(eight, target.left, target.top);
    EXPECT_EQ(Tableau(1), Codes({S(9), H(8), C(7)}));
    EXPECT_EQ(Tableau(0), Codes({H(13)}));
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(DragGameTest, APressOnAFaceDownTopTurnsItAndLiftsNothing) {
    rig.SetPile(PileListId::kFila, 0, {H(4), -S(5)});
    rig.Begin();
    rig.Click(CardPlace(0, 0).left + kGrab, CardPlace(0, 0).top + kGrab);
    EXPECT_FALSE(rig.G().Cards().IsFaceDown(S(5)));
    EXPECT_EQ(rig.G().mainGame.LiftedCard, 0);
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(DragGameTest, WithShadowsTheLiftedCardRisesSevenPixels) {
    rig.SetField(engine::fields::kCardsShadowed, "Y");
    rig.Layout().SetShadowOffset(engine::kCardShadowOffset);
    rig.SetPile(PileListId::kFila, 0, {D(7)});
    rig.Begin();
    const engine::TableRect place = CardPlace(0, 0);
    rig.Mouse().TableMouseDown(MouseButton::kLeft, {}, place.left + kGrab, place.top + kGrab);
    EXPECT_EQ(rig.Layout().DragRect().left, place.left - 7);
    EXPECT_EQ(rig.Layout().DragRect().top, place.top - 7);
    EXPECT_EQ(rig.Context().dragGrab.x, kGrab + 7);
    EXPECT_EQ(rig.Context().dragGrab.y, kGrab + 7);
}

TEST_F(DragGameTest, APressIsIgnoredWhileCardsAreLiftedOrNoGameRuns) {
    rig.SetPile(PileListId::kFila, 0, {D(7)});
    rig.SetPile(PileListId::kFila, 1, {S(2)});
    rig.Begin();
    const engine::TableRect first = CardPlace(0, 0);
    rig.Mouse().TableMouseDown(MouseButton::kLeft, {}, first.left + kGrab, first.top + kGrab);
    rig.Mouse().TableMouseDown(MouseButton::kLeft, {}, CardPlace(1, 0).left + kGrab, CardPlace(1, 0).top + kGrab);
    EXPECT_EQ(rig.G().mainGame.LiftedCard, D(7));
    rig.Mouse().TableMouseUp();
    rig.G().registers.SetFlag(engine::flag::kGameInProgress, 0);
    rig.Mouse().TableMouseDown(MouseButton::kLeft, {}, first.left + kGrab, first.top + kGrab);
    EXPECT_EQ(rig.G().mainGame.LiftedCard, 0);
}

TEST_F(DragGameTest, RightPressesMoveRevealOrBeep) {
    rig.SetField(engine::fields::kRightClickToFoundations, "Y");
    rig.SetField(engine::fields::kShowPartialHiddenCard, "Y");
    rig.SetWord(engine::words::kSequenceLimit, 1);
    rig.SetPile(PileListId::kFila, 0, {D(3), C(4), H(1)});
    rig.Begin();
    rig.Click(CardPlace(0, 0).left + kGrab, CardPlace(0, 0).top + kGrab, MouseButton::kRight);
    EXPECT_EQ(rig.Pile(PileListId::kDest, 0), Codes({H(1)}));

    // Ctrl and the right button show a covered card in full until the release.
    const QImage windowBefore = rig.WindowImage().copy();
    const engine::TableRect three = CardPlace(0, 1);
    rig.Mouse().TableMouseDown(MouseButton::kRight, {false, true, false}, three.left + kGrab, three.top + 2);
    EXPECT_EQ(rig.Mouse().Revealed().x, three.left);
    EXPECT_FALSE(rig.WindowImage() == windowBefore);
    rig.Mouse().TableMouseUp();
    EXPECT_FALSE(rig.Mouse().Revealed().IsShown());
    EXPECT_TRUE(rig.WindowImage() == windowBefore);
    EXPECT_EQ(rig.Messages().Count(test_support::MessageEvent::Kind::Beep), 0u);

    rig.Click(600, 500, MouseButton::kMiddle);
    EXPECT_EQ(rig.Messages().Count(test_support::MessageEvent::Kind::Beep), 1u);
}

TEST_F(DragGameTest, ADoubleClickSendsTheCardAndSwallowsItsSecondPress) {
    rig.SetField(engine::fields::kDoubleClickToFoundations, "Y");
    rig.SetPile(PileListId::kFila, 0, {D(3), H(1)});
    rig.Begin();
    const engine::TableRect ace = CardPlace(0, 0);
    rig.Click(ace.left + kGrab, ace.top + kGrab);
    rig.Mouse().TableDoubleClick();
    EXPECT_EQ(rig.Pile(PileListId::kDest, 0), Codes({H(1)}));
    rig.Click(ace.left + kGrab, ace.top + kGrab);
    EXPECT_FALSE(rig.Flag(engine::flag::kSecondClickPending));
    EXPECT_EQ(Tableau(0), Codes({D(3)}));
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(DragGameTest, ClickToMoveSendsThePressedCardAtOnce) {
    rig.SetWord(engine::words::kClickToMove, 1);
    rig.SetWord(engine::words::kSequenceLimit, 1);
    rig.SetPile(PileListId::kFila, 0, {D(3), H(1)});
    rig.Begin();
    rig.Click(CardPlace(0, 0).left + kGrab, CardPlace(0, 0).top + kGrab);
    EXPECT_EQ(rig.Pile(PileListId::kDest, 0), Codes({H(1)}));
    EXPECT_EQ(rig.G().mainGame.LiftedCard, 0);
}

TEST_F(DragGameTest, WasteFoundationAndCellCardsAreLiftedByTheirRules) {
    rig.SetWord(engine::words::kFoundationTakeBack, 2);
    rig.SetPile(PileListId::kMazzo, engine::kWasteLine, {C(6)});
    rig.SetPile(PileListId::kDest, 0, {H(1)});
    rig.SetPile(PileListId::kDest, 1, {S(1), S(2)});
    rig.SetPile(PileListId::kAppogg, 0, {H(5)});
    rig.SetPile(PileListId::kFila, 0, {D(7)});
    rig.SetPile(PileListId::kFila, 1, {D(3)});
    rig.Begin();
    const engine::TableRect onSeven = CardPlace(0, 0);
    rig.Drag(rig.TopPlace("Mazzo_Vis", 0), onSeven.left, onSeven.top);
    EXPECT_EQ(Tableau(0), Codes({D(7), C(6)}));
    rig.Drag(rig.TopPlace("Appogg1", 0), CardPlace(0, 0).left, CardPlace(0, 0).top);
    EXPECT_EQ(Tableau(0), Codes({D(7), C(6), H(5)}));
    // Take-back 2: a foundation gives its card up only from two cards on.
    rig.Drag(rig.TopPlace("Dest1", 0), CardPlace(1, 0).left, CardPlace(1, 0).top);
    EXPECT_EQ(rig.Pile(PileListId::kDest, 0), Codes({H(1)}));
    rig.Drag(rig.TopPlace("Dest2", 1), CardPlace(1, 0).left, CardPlace(1, 0).top);
    EXPECT_EQ(Tableau(1), Codes({D(3), S(2)}));
    EXPECT_EQ(UndoSteps(), 3);
}

TEST_F(DragGameTest, TheAutomaticMovesAfterADropBelongToItsUndoStep) {
    rig.Shell().SetCommandDown(engine::ShellCommand::kAutoPlay, true);
    rig.SetPile(PileListId::kFila, 0, {H(1), S(6)});
    rig.SetPile(PileListId::kFila, 1, {H(7)});
    rig.Begin();
    rig.Drag(CardPlace(0, 0), CardPlace(1, 0).left, CardPlace(1, 0).top);
    EXPECT_EQ(Tableau(1), Codes({H(7), S(6)}));
    EXPECT_EQ(rig.Pile(PileListId::kDest, 0), Codes({H(1)}));
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(DragGameTest, KindsThatPlayOntoTheThirdPileAtOnce) {
    struct Case {
        int kind;
        int top;
        int pressed;
        bool played;
    };
    // One rank up or down; King and Ace meet in kinds 12 and 15, not in kind 2.
    for (const Case c : {Case{2, H(5), C(6), true}, Case{2, H(1), C(13), false}, Case{15, H(1), C(13), true},
                         Case{12, H(13), C(1), true}, Case{12, H(5), C(9), false}}) {
        rig.SetUpHandMadeGame();
        rig.SetWord(engine::words::kGameKind, c.kind);
        rig.SetPile(PileListId::kMazzo, engine::kThirdStockLine, {c.top});
        rig.SetPile(PileListId::kFila, 0, {D(10), c.pressed});
        rig.Begin();
        rig.Messages().Clear();
        rig.Click(CardPlace(0, 0).left + kGrab, CardPlace(0, 0).top + kGrab);
        const std::string third = rig.Pile(PileListId::kMazzo, engine::kThirdStockLine);
        EXPECT_EQ(third, Codes({c.top, c.pressed}).substr(0, c.played ? 6 : 3)) << c.kind << " " << c.pressed;
        EXPECT_EQ(rig.Messages().Count(test_support::MessageEvent::Kind::Beep), c.played ? 0u : 1u);
        EXPECT_EQ(rig.G().mainGame.LiftedCard, 0);
    }
}

TEST_F(FreecellMouseTest, AWholeGameIsWonByDragsAlone) {
    const std::vector<SolverMove> moves = SolveBySingleCards(rig.G(), kSolverNodes);
    ASSERT_FALSE(moves.empty());
    ASSERT_TRUE(PlayByDrags(rig, moves, [this](const engine::TableRect& from, int x, int y) { rig.Drag(from, x, y); }));
    for (int f = 0; f < 4; ++f) EXPECT_EQ(engine::PileCardCount(rig.Pile(PileListId::kDest, f)), 13);
    EXPECT_FALSE(rig.Flag(engine::flag::kGameInProgress));
    EXPECT_EQ(rig.Shell().CountWindowCalls("filter:win"), 1u);
    EXPECT_EQ(rig.Shell().CountWindowCalls("chooser"), 1u);
    EXPECT_EQ(static_cast<int>(moves.size()), rig.G().undo.UndoStepCount());
}

}  // namespace
}  // namespace mouse_test
