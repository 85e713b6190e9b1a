#include <gtest/gtest.h>

#include "engine/play/card_moves.h"
#include "engine/model/pile_text.h"
#include "engine/model/game_words.h"
#include "engine/model/registers.h"
#include "tests/engine/card_moves_fixture.h"

namespace {

using namespace moves_test;
using engine::MoveTarget;
using engine::MoveTargets;
using engine::PileListId;
namespace kind = engine::pile_kind;
namespace w = engine::words;

// Tableau pile i lies at x = 10 + 80 i, y = 130, one card 71 x 96.
constexpr int kPileLeft0 = 10;
constexpr int kPileTop = 130;

class FindDestinationsTest : public ::testing::Test {
protected:
    MoveTargets Find(int left, int top) {
        MoveTargets targets;
        found = engine::FindDestinations(f.G(), left, top, left + kCardWidth, top + kCardHeight, targets);
        return targets;
    }
    // Puts foundation 0 and reserve 0 on tableau pile 0's place, so one drop covers all three alike.
    void StackThreeKinds() {
        f.AddReserves(1);
        f.game.mainGame.SetFoundationX(0, kPileLeft0);
        f.game.mainGame.SetFoundationY(0, kPileTop);
        f.game.mainGame.SetReserveX(0, kPileLeft0);
        f.game.mainGame.SetReserveY(0, kPileTop);
    }

    MovesFixture f;
    bool found = false;
};

TEST_F(FindDestinationsTest, PileCoveredMostComesFirst) {
    // 26 columns over pile 0, 36 over pile 1.
    const MoveTargets targets = Find(55, kPileTop);
    EXPECT_TRUE(found);
    EXPECT_EQ(targets[0], (MoveTarget{kind::kTableau, 1}));
    EXPECT_EQ(targets[1], (MoveTarget{kind::kTableau, 0}));
    EXPECT_EQ(targets[2], MoveTarget{});
}

TEST_F(FindDestinationsTest, EqualAreasGoToTheHigherKindFirst) {
    StackThreeKinds();
    const MoveTargets targets = Find(kPileLeft0 + 5, kPileTop + 5);
    EXPECT_EQ(targets[0], (MoveTarget{kind::kReserve, 0}));
    EXPECT_EQ(targets[1], (MoveTarget{kind::kFoundation, 0}));
    EXPECT_EQ(targets[2], (MoveTarget{kind::kTableau, 0}));
}

TEST_F(FindDestinationsTest, RowFanModesTakeNoDrop) {
    StackThreeKinds();
    f.Word(w::kTableauFanMode, 9);
    const MoveTargets targets = Find(kPileLeft0, kPileTop);
    EXPECT_EQ(targets[0], (MoveTarget{kind::kReserve, 0}));
    EXPECT_EQ(targets[1], (MoveTarget{kind::kFoundation, 0}));
    EXPECT_EQ(targets[2], MoveTarget{});
}

TEST_F(FindDestinationsTest, NothingUnderTheImageLeavesTheTargetsAlone) {
    MoveTargets targets;
    targets.fill({1, 7});
    EXPECT_FALSE(engine::FindDestinations(f.G(), 1000, 1000, 1071, 1096, targets));
    EXPECT_EQ(targets[0], (MoveTarget{1, 7}));

    // One pile found: the other three keep what they held.
    EXPECT_TRUE(engine::FindDestinations(f.G(), kPileLeft0, kPileTop, kPileLeft0 + kCardWidth,
                                         kPileTop + kCardHeight, targets));
    EXPECT_EQ(targets[0], (MoveTarget{kind::kTableau, 0}));
    EXPECT_EQ(targets[3], (MoveTarget{1, 7}));
}

TEST_F(FindDestinationsTest, WasteOnlyWhereItTakesDrops) {
    const int wasteX = f.game.mainGame.GetStockX(engine::kWasteLine);
    EXPECT_EQ(Find(wasteX, 10)[0], (MoveTarget{kind::kWaste, 0}));
    f.Word(w::kWasteDropMode, 4);
    Find(wasteX, 10);
    EXPECT_FALSE(found);
}

TEST_F(FindDestinationsTest, PilesOffTheTableAreNeverCandidates) {
    f.geometry.RemoveTableau(0);
    Find(kPileLeft0, kPileTop);
    EXPECT_FALSE(found);
}

TEST(MoveActionNameTest, NumbersCountFromOneWithoutLeadingZero) {
    EXPECT_EQ(engine::MoveActionName(kind::kFoundation, 2, true), "Dest_Autoplay3");
    EXPECT_EQ(engine::MoveActionName(kind::kFoundation, 0, false), "Dest1");
    EXPECT_EQ(engine::MoveActionName(kind::kTableau, 11, false), "Fila12");
    EXPECT_EQ(engine::MoveActionName(kind::kReserve, 1, true), "Appogg2");
    EXPECT_EQ(engine::MoveActionName(kind::kWaste, 0, false), "Stock02");
    EXPECT_EQ(engine::MoveActionName(kind::kStock, 0, false), "");
}

class MoveCardToPileTest : public ::testing::Test {
protected:
    bool MoveTo(int card, int targetKind, int index, const engine::TableRect& dropped, bool liftFirst = false,
                bool animate = false, bool autoplay = false) {
        return engine::MoveCardToPile(f.G(), card, dropped.left, dropped.top, dropped.right, dropped.bottom,
                                      liftFirst, animate, autoplay, targetKind, index);
    }

    MovesFixture f;
};

TEST_F(MoveCardToPileTest, DropOnAnAcceptingFoundation) {
    f.Fila(0, {S(5), H(kA)});
    EXPECT_TRUE(MoveTo(H(kA), kind::kFoundation, 1, f.TopPlace("Dest2", 1)));
    EXPECT_EQ(f.Pile(PileListId::kDest, 1), "001");
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), engine::CardCodeText(S(5)));
}

TEST_F(MoveCardToPileTest, RefusalsLeaveTheBoardAlone) {
    f.Fila(0, {H(2)});
    f.Fila(1, {H(kA)});
    const std::string before = f.Board();
    // Not over the pile.
    EXPECT_FALSE(MoveTo(H(kA), kind::kFoundation, 0, f.TopPlace("Dest2", 1)));
    // Over it, but the pile refuses the card.
    EXPECT_FALSE(MoveTo(H(2), kind::kFoundation, 0, f.TopPlace("Dest1", 0)));
    // A kind or index the game does not have.
    EXPECT_FALSE(MoveTo(H(kA), kind::kNoTarget, 0, f.TopPlace("Dest1", 0)));
    EXPECT_FALSE(MoveTo(H(kA), kind::kFoundation, 4, f.TopPlace("Dest1", 0)));
    EXPECT_EQ(f.Board(), before);
}

TEST_F(MoveCardToPileTest, ReserveOffTheTableIsNeverTaken) {
    f.AddReserves(2);
    f.Fila(0, {H(5)});
    f.game.mainGame.SetReserveX(1, engine::kAbsentPileX);
    EXPECT_FALSE(MoveTo(H(5), kind::kReserve, 1, f.TopPlace("Appogg2", 1)));
    EXPECT_TRUE(MoveTo(H(5), kind::kReserve, 0, f.TopPlace("Appogg1", 0)));
    EXPECT_EQ(f.Pile(PileListId::kAppogg, 0), engine::CardCodeText(H(5)));
}

TEST_F(MoveCardToPileTest, WasteBuildsInSuitWithKingAndAceTouching) {
    const engine::TableRect waste{90, 10, 90 + kCardWidth, 10 + kCardHeight};
    f.Waste({S(kK)});
    f.Fila(0, {S(kA)});
    f.Fila(1, {H(kQ)});
    EXPECT_FALSE(MoveTo(S(kA), kind::kWaste, 0, waste));
    f.Word(w::kWasteBuild, 2);
    EXPECT_FALSE(MoveTo(H(kQ), kind::kWaste, 0, waste));
    EXPECT_TRUE(MoveTo(S(kA), kind::kWaste, 0, waste));
    EXPECT_EQ(engine::PileTopCard(f.Pile(PileListId::kMazzo, engine::kWasteLine)), S(kA));

    f.Word(w::kWasteDropMode, 4);
    f.Fila(2, {S(2)});
    EXPECT_FALSE(MoveTo(S(2), kind::kWaste, 0, waste));
}

TEST_F(MoveCardToPileTest, KindsWithoutTableauMovesRefuseTableauTargets) {
    f.Fila(0, {S(kK)});
    f.Fila(1, {H(kQ)});
    for (const int gameKind : {32, 46}) {
        f.Word(w::kGameKind, gameKind);
        EXPECT_FALSE(MoveTo(H(kQ), kind::kTableau, 0, f.TopPlace("Fila1", 0))) << gameKind;
    }
    f.Word(w::kGameKind, 0);
    EXPECT_TRUE(MoveTo(H(kQ), kind::kTableau, 0, f.TopPlace("Fila1", 0)));
}

TEST_F(MoveCardToPileTest, LiftsAndSlidesTheCardToItsPlace) {
    f.Fila(0, {S(kK)});
    f.Fila(1, {H(kQ)});
    f.geometry.SetDragRects(90, 130, 90 + kCardWidth, 130 + kCardHeight);
    ASSERT_TRUE(MoveTo(H(kQ), kind::kTableau, 0, f.TopPlace("Fila1", 0), true, true));
    // The card comes to rest on the next place of pile 0, one fan step down.
    const std::vector<std::string> expected{"redraw 12 single", "build", "shift", "slide 12 90,130 10,150 lift"};
    EXPECT_EQ(f.view.Calls(), expected);
}

TEST_F(MoveCardToPileTest, NoSlideWhenAnimationIsOff) {
    f.Setting(engine::fields::kCardsAnimate, "N");
    f.Fila(0, {H(kA)});
    ASSERT_TRUE(MoveTo(H(kA), kind::kFoundation, 0, f.TopPlace("Dest1", 0), false, true));
    EXPECT_TRUE(f.view.Calls().empty());
}

TEST_F(MoveCardToPileTest, StackSlidesAsItsImageWithUntidyPiles) {
    f.Setting(engine::fields::kPilesTT, "Y");
    f.game.lift.singleCard = false;
    f.Fila(0, {S(kK)});
    f.Fila(1, {H(kQ), S(kJ)});
    ASSERT_TRUE(MoveTo(H(kQ), kind::kTableau, 0, f.TopPlace("Fila1", 0), false, true));
    EXPECT_EQ(f.view.Calls().back(), "slide 12 0,0 10,150");
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "052012050");
    EXPECT_EQ(f.Pile(PileListId::kFila, 1), "");
}

TEST_F(MoveCardToPileTest, KindWithLoggedTableauMovesRewritesTheLogEntry) {
    f.Word(w::kGameKind, 23);
    f.Fila(0, {S(kK)});
    f.Fila(1, {H(kQ)});
    ASSERT_TRUE(MoveTo(H(kQ), kind::kTableau, 0, f.TopPlace("Fila1", 0)));
    EXPECT_EQ(f.game.registers.LastLogEntry(engine::kUndoMoveLog), "001");
}

class TryMoveToTargetsTest : public ::testing::Test {
protected:
    bool Drop(int card, int left, int top) {
        return engine::TryMoveToTargets(f.G(), card, left, top, left + kCardWidth, top + kCardHeight, false, true,
                                        false, kind::kNoTarget, kind::kNoTarget);
    }

    MovesFixture f;
};

TEST_F(TryMoveToTargetsTest, RefusedBestPileFallsBackToTheNext) {
    f.Fila(0, {S(kK)});
    f.Fila(1, {H(kK)});
    f.Fila(4, {H(kQ)});
    // 26 columns over pile 0, 36 over pile 1, whose red King refuses the red Queen.
    ASSERT_TRUE(Drop(H(kQ), 55, 150));
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "052012");
    EXPECT_EQ(f.Pile(PileListId::kFila, 1), engine::CardCodeText(H(kK)));
    EXPECT_EQ(f.Pile(PileListId::kFila, 4), "");
}

TEST_F(TryMoveToTargetsTest, GivenTargetIsTheOnlyCandidate) {
    f.Fila(0, {S(kK)});
    f.Fila(4, {H(kQ)});
    const engine::TableRect onPile0 = f.TopPlace("Fila1", 0);
    EXPECT_FALSE(engine::TryMoveToTargets(f.G(), H(kQ), onPile0.left, onPile0.top, onPile0.right, onPile0.bottom,
                                          false, false, false, kind::kTableau, 1));
    EXPECT_TRUE(engine::TryMoveToTargets(f.G(), H(kQ), onPile0.left, onPile0.top, onPile0.right, onPile0.bottom,
                                         false, false, false, kind::kTableau, 0));
}

TEST_F(TryMoveToTargetsTest, RowMatchKindReportsNoMoveItDidNotMake) {
    f.Word(w::kGameKind, 19);
    f.Fila(0, {S(kK)});
    f.Fila(4, {H(kQ)});
    const std::string before = f.Board();
    EXPECT_FALSE(Drop(H(kQ), kPileLeft0, 150));
    EXPECT_EQ(f.Board(), before);
    EXPECT_EQ(f.game.undo.UndoStepCount(), 0);
}

TEST_F(TryMoveToTargetsTest, FirstActionMayOnlyGoToAFoundation) {
    f.Word(w::kFoundationsOnlyMoves, 1);
    f.Fila(0, {S(kK)});
    f.Fila(4, {H(kQ)});
    f.Fila(5, {H(kA)});
    EXPECT_FALSE(Drop(H(kQ), kPileLeft0, 150));
    EXPECT_EQ(f.Pile(PileListId::kFila, 4), "012");
    const engine::TableRect dest = f.TopPlace("Dest1", 0);
    EXPECT_TRUE(Drop(H(kA), dest.left, dest.top));
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "001");
    // Once the game has had its first action, any pile may take a card.
    EXPECT_TRUE(Drop(H(kQ), kPileLeft0, 150));
}

TEST_F(TryMoveToTargetsTest, MoveWithTurnedUpCardIsOneUndoStep) {
    f.Fila(0, {S(kK)});
    f.Fila(1, {S(9), H(kQ)});
    f.FaceDown(S(9));
    f.Setting(engine::fields::kAutomaticFaceUp, "Y");
    f.Word(w::kAutoTurnFaceUp, 1);
    const auto before = f.game.undo.CurrentSnapshot();
    ASSERT_TRUE(Drop(H(kQ), kPileLeft0, 150));
    EXPECT_EQ(f.game.undo.UndoStepCount(), 1);
    ASSERT_TRUE(f.game.undo.UndoLastStep());
    EXPECT_EQ(f.game.undo.CurrentSnapshot(), before);
}

}  // namespace
