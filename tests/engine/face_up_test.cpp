#include "engine/play/face_up.h"

#include <gtest/gtest.h>

#include "engine/play/action_executor.h"
#include "engine/undo/undo_store.h"
#include "tests/engine/pairing_fixture.h"

namespace {

using engine::PileListId;
using pairing_test::Pile;

class FaceUpTest : public pairing_test::PlayFixture {
protected:
    FaceUpTest() {
        SetWord(engine::words::kTableauCount, 3);
        SetWord(engine::words::kAutoTurnFaceUp, 1);
        // Pile 0: a face-down card alone; pile 1: a face-up card on a face-down one;
        // pile 2: a face-down card on a face-down one.
        SetPile(PileListId::kFila, 0, Pile({10}));
        SetPile(PileListId::kFila, 1, Pile({20, 21}));
        SetPile(PileListId::kFila, 2, Pile({30, 31}));
        FaceDown(10);
        FaceDown(20);
        FaceDown(30);
        FaceDown(31);
    }
    bool IsUp(int card) const { return !game.board.cards.IsFaceDown(card); }
};

TEST_F(FaceUpTest, AutomaticFaceUpOffTurnsNothing) {
    SetField(engine::fields::kAutomaticFaceUp, "N");
    EXPECT_FALSE(engine::AutoTurnFaceUp(game));
    EXPECT_FALSE(IsUp(10));
    EXPECT_FALSE(IsUp(31));
    EXPECT_EQ(game.undo.UndoStepCount(), 0);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(FaceUpTest, AGameWithoutAutoTurnTurnsNothing) {
    SetWord(engine::words::kAutoTurnFaceUp, 0);
    EXPECT_FALSE(engine::AutoTurnFaceUp(game));
    EXPECT_FALSE(IsUp(10));
}

TEST_F(FaceUpTest, EveryFaceDownTopTurnsAsOneUndoStep) {
    const engine::SnapshotLines before = Board();
    EXPECT_TRUE(engine::AutoTurnFaceUp(game));
    EXPECT_TRUE(IsUp(10));
    EXPECT_TRUE(IsUp(31));
    EXPECT_FALSE(IsUp(30));  // not a top card
    EXPECT_FALSE(IsUp(20));
    EXPECT_EQ(game.undo.UndoStepCount(), 1);

    EXPECT_TRUE(game.undo.UndoLastStep());
    EXPECT_EQ(Board(), before);
    EXPECT_FALSE(IsUp(10));
    EXPECT_FALSE(IsUp(31));
}

TEST_F(FaceUpTest, NothingToTurnIsFalse) {
    game.Cards().SetCardFaceFlag(10, engine::kFaceUp);
    game.Cards().SetCardFaceFlag(31, engine::kFaceUp);
    EXPECT_FALSE(engine::AutoTurnFaceUp(game));
    EXPECT_EQ(game.undo.UndoStepCount(), 0);
}

TEST_F(FaceUpTest, TheTurnedCardIsDrawnWhereTheTableFindsIt) {
    view.geometry.knownCard = 10;
    view.geometry.knownPlace = engine::TableRect{40, 50, 111, 146};
    SetPile(PileListId::kFila, 2, "");
    EXPECT_TRUE(engine::AutoTurnFaceUp(game));
    const auto faces = view.Calls("face");
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_EQ(faces[1], (pairing_test::ViewCall{"face", 10, 40, 50, engine::TableSurface::kBuffer, {}}));
}

TEST_F(FaceUpTest, TurnIsAStepOfItsOwnAndEmptiesTheRedoStore) {
    game.undo.PushUndoSnapshot(false, engine::kNoClear);
    ASSERT_EQ(game.undo.RedoStepCount(), 1);
    engine::TurnCardFaceUp(game, 31, 300, 30, 2);
    EXPECT_TRUE(IsUp(31));
    EXPECT_EQ(game.undo.UndoStepCount(), 1);
    EXPECT_EQ(game.undo.RedoStepCount(), 0);
}

TEST_F(FaceUpTest, ALoneCardIsRedrawnWithItsPlaceAndCorners) {
    engine::TurnCardFaceUp(game, 10, 7, 8, 0);
    const std::vector<pairing_test::ViewCall> expected = {
        {"without", 10, 0, 0, {}, {}},
        {"face", 10, 7, 8, engine::TableSurface::kWindow, {}},
        {"face", 10, 7, 8, engine::TableSurface::kBuffer, {}},
        {"corners", 0, 0, 0, {}, {}},
    };
    EXPECT_EQ(view.calls, expected);
}

TEST_F(FaceUpTest, ACardOnAFaceDownCardIsDrawnOverIt) {
    engine::TurnCardFaceUp(game, 31, 7, 8, 2);
    EXPECT_EQ(view.Count("without"), 0u);
    EXPECT_EQ(view.Count("corners"), 0u);
    EXPECT_EQ(view.Count("face"), 2u);
}

TEST_F(FaceUpTest, WithShadowsTheFaceSettlesFromARaisedPlace) {
    SetField(engine::fields::kCardsShadowed, "Y");
    engine::TurnCardFaceUp(game, 31, 100, 200, 2);
    const int raised = engine::kCardShadowOffset - 2;
    const auto faces = view.Calls("face");
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_EQ(faces[0], (pairing_test::ViewCall{"face", 31, 100 - raised, 200 - raised, engine::TableSurface::kWindow, {}}));
    const auto slides = view.Calls("slide");
    ASSERT_EQ(slides.size(), 1u);
    EXPECT_EQ(slides[0].x, 100);
    EXPECT_EQ(slides[0].y, 200);
}

TEST_F(FaceUpTest, AMoveThatUncoversACardIsUndoneWithItsTurnInOneStep) {
    SetWord(engine::words::kFoundationCount, 1);
    const engine::SnapshotLines before = Board();
    EXPECT_TRUE(engine::ExecuteAction(game, 21, "Dest01"));
    EXPECT_TRUE(IsUp(20));
    EXPECT_EQ(game.undo.UndoStepCount(), 1);

    EXPECT_TRUE(game.undo.UndoLastStep());
    EXPECT_EQ(Board(), before);
    EXPECT_FALSE(IsUp(20));
}

}  // namespace
