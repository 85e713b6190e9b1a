#include "engine/play/first_action.h"

#include <gtest/gtest.h>

#include "engine/play/action_executor.h"
#include "engine/model/pile_names.h"
#include "engine/undo/undo_store.h"
#include "tests/engine/pairing_fixture.h"

namespace {

using engine::MoveKinds;
using engine::PileListId;
using pairing_test::Pile;
namespace kind = engine::pile_kind;

constexpr int kTableauCard = 5;
constexpr int kReserveCard = 40;

class RestrictToFoundationsTest : public pairing_test::PlayFixture {
protected:
    RestrictToFoundationsTest() {
        SetWord(engine::words::kFoundationsOnlyMoves, 1);
        SetWord(engine::words::kTableauCount, 2);
        SetWord(engine::words::kReserveCount, 1);
        SetWord(engine::words::kFoundationCount, 4);
        SetPile(PileListId::kFila, 1, Pile({kTableauCard}));
        SetPile(PileListId::kAppogg, 0, Pile({kReserveCard}));
    }
    bool Restrict(int card, std::optional<std::string_view> pile) {
        return engine::RestrictToFoundations(game, card, pile, kinds);
    }

    MoveKinds kinds{kind::kTableau, kind::kFoundation, kind::kReserve, kind::kNoTarget};
};

TEST_F(RestrictToFoundationsTest, FirstActionOnlyFromTheTableauToAFoundation) {
    EXPECT_FALSE(Restrict(kReserveCard, "Dest01"));
    EXPECT_FALSE(Restrict(kTableauCard, "Fila01"));
    EXPECT_FALSE(Restrict(kTableauCard, "Appogg01"));
    EXPECT_TRUE(Restrict(kTableauCard, "Dest01"));
}

TEST_F(RestrictToFoundationsTest, CandidatesBecomeFoundationsOnly) {
    EXPECT_TRUE(Restrict(kTableauCard, std::nullopt));
    EXPECT_EQ(kinds, (MoveKinds{kind::kNoTarget, kind::kFoundation, kind::kNoTarget, kind::kNoTarget}));
}

TEST_F(RestrictToFoundationsTest, NoRestrictionAfterTheFirstActionOrInOtherGames) {
    game.mainGame.ActionCount = 1;
    EXPECT_TRUE(Restrict(kReserveCard, "Fila01"));
    EXPECT_EQ(kinds, (MoveKinds{kind::kTableau, kind::kFoundation, kind::kReserve, kind::kNoTarget}));

    game.mainGame.ActionCount = 0;
    SetWord(engine::words::kFoundationsOnlyMoves, 0);
    EXPECT_TRUE(Restrict(kReserveCard, "Fila01"));
}

TEST_F(RestrictToFoundationsTest, TheActionExecutorHoldsTheFirstActionToIt) {
    EXPECT_FALSE(engine::ExecuteAction(game, kReserveCard, "Dest01"));
    EXPECT_EQ(PileText(PileListId::kAppogg, 0), Pile({kReserveCard}));
    EXPECT_EQ(game.mainGame.ActionCount, 0);

    EXPECT_TRUE(engine::ExecuteAction(game, kTableauCard, "Dest01"));
    EXPECT_EQ(PileText(PileListId::kDest, 0), Pile({kTableauCard}));

    // Past the first action a reserve card may go anywhere.
    EXPECT_TRUE(engine::ExecuteAction(game, kReserveCard, "Fila02"));
    EXPECT_EQ(PileText(PileListId::kFila, 1), Pile({kReserveCard}));
}

class RunFillTableausTest : public pairing_test::PlayFixture {
protected:
    RunFillTableausTest() {
        SetWord(engine::words::kOneTimeFill, 1);
        SetWord(engine::words::kTableauCount, 3);
        SetPile(PileListId::kFila, 1, Pile({9}));
        SetPile(PileListId::kMazzo, engine::kStockLine, Pile({1, 2, 3}));
        game.mainGame.ActionCount = 1;
    }
};

TEST_F(RunFillTableausTest, AfterTheFirstActionEveryEmptyPileTakesAStockCard) {
    engine::RunFillTableaus(game);
    EXPECT_EQ(game.mainGame.ActionCount, 2);
    EXPECT_EQ(PileText(PileListId::kFila, 0), Pile({3}));
    EXPECT_EQ(PileText(PileListId::kFila, 1), Pile({9}));
    EXPECT_EQ(PileText(PileListId::kFila, 2), Pile({2}));
    EXPECT_EQ(PileText(PileListId::kMazzo, engine::kStockLine), Pile({1}));

    // Only once.
    SetPile(PileListId::kFila, 0, "");
    engine::RunFillTableaus(game);
    EXPECT_EQ(PileText(PileListId::kFila, 0), "");
}

TEST_F(RunFillTableausTest, NothingBeforeTheFirstActionOrInOtherGames) {
    game.mainGame.ActionCount = 0;
    engine::RunFillTableaus(game);
    EXPECT_EQ(PileText(PileListId::kFila, 0), "");
    EXPECT_EQ(game.mainGame.ActionCount, 0);

    game.mainGame.ActionCount = 1;
    SetWord(engine::words::kOneTimeFill, 0);
    engine::RunFillTableaus(game);
    EXPECT_EQ(PileText(PileListId::kFila, 0), "");
    EXPECT_EQ(game.mainGame.ActionCount, 1);
}

TEST_F(RunFillTableausTest, TheFirstActionFillsTheTableau) {
    game.mainGame.ActionCount = 0;
    SetPile(PileListId::kFila, 1, Pile({9, 8}));
    const engine::SnapshotLines before = Board();
    EXPECT_TRUE(engine::ExecuteAction(game, 8, "Dest01"));
    EXPECT_EQ(PileText(PileListId::kFila, 0), Pile({3}));
    EXPECT_EQ(PileText(PileListId::kFila, 2), Pile({2}));
    EXPECT_EQ(game.mainGame.ActionCount, 2);
    // The fill belongs to the first action's undo step.
    EXPECT_EQ(game.undo.UndoStepCount(), 1);
    EXPECT_TRUE(game.undo.UndoLastStep());
    EXPECT_EQ(Board(), before);
}

}  // namespace
