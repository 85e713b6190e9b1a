#include <gtest/gtest.h>

#include "engine/play/autoplay.h"
#include "engine/play/card_moves.h"
#include "engine/model/pile_text.h"
#include "engine/files/preference_file.h"
#include "engine/model/game_words.h"
#include "engine/model/registers.h"
#include "engine/ports/shell_port.h"
#include "engine/undo/undo_move_group.h"
#include "tests/engine/card_moves_fixture.h"
#include "tests/engine/startup_doubles.h"

namespace {

using namespace moves_test;
using engine::PileListId;
using test_support::MessageEvent;
namespace w = engine::words;
namespace fields = engine::fields;

class AutoPlayTest : public ::testing::Test {
protected:
    // Every card of a suit up to the rank on foundation i.
    void SuitUpTo(int i, int suitStart, int rank) {
        std::string text;
        for (int r = 1; r <= rank; ++r) text += engine::CardCodeText(suitStart + r);
        f.game.board.piles.SetPile(PileListId::kDest, i, text);
    }
    bool Flag(int index) const { return f.game.registers.GetFlag(index) != 0; }

    MovesFixture f;
};

TEST_F(AutoPlayTest, CompleteWithAutoPlayOffDoesNothingAndAsksNothing) {
    f.game.registers.SetFlag(engine::flag::kGameInProgress, 1);
    f.Fila(0, {H(kA)});
    EXPECT_FALSE(engine::AutoPlayToFoundations(f.G(), true));
    EXPECT_EQ(f.fake.Messages().Count(MessageEvent::Kind::Confirm), 0u);
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "001");

    // Down but disabled counts as off too.
    f.shell.SetCommandDown(engine::ShellCommand::kAutoPlay, true);
    f.shell.SetCommandEnabled(engine::ShellCommand::kAutoPlay, false);
    EXPECT_FALSE(engine::AutoPlayToFoundations(f.G(), false));
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "001");
}

TEST_F(AutoPlayTest, CompleteAsksWhatItDoesAndCancelKeepsTheBoard) {
    f.StartWithAutoPlay();
    f.Fila(0, {H(kA)});
    f.fake.Messages().QueueConfirmAnswer(false);
    EXPECT_FALSE(engine::AutoPlayToFoundations(f.G(), true));
    EXPECT_EQ(f.fake.Messages().Texts(MessageEvent::Kind::Confirm),
              std::vector<std::string>{"Move all possible cards to the foundations?"});
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "001");

    f.fake.Messages().QueueConfirmAnswer(true);
    EXPECT_TRUE(engine::AutoPlayToFoundations(f.G(), true));
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "001");
}

TEST_F(AutoPlayTest, FinishesAPositionWhoseCardsCanAllGoUpAndEndsTheGame) {
    f.StartWithAutoPlay();
    f.AddReserves(1);
    SuitUpTo(0, 0, 9);
    SuitUpTo(1, 13, 11);
    SuitUpTo(2, 26, 12);
    SuitUpTo(3, 39, 10);
    f.Fila(0, {H(kK), H(kQ), H(kJ)});
    f.Fila(1, {D(kK), S(kK), H(10)});
    f.Fila(2, {S(kJ)});
    f.Waste({D(kQ), S(kQ)});
    f.Appogg(0, {C(kK)});

    EXPECT_TRUE(engine::AutoPlayToFoundations(f.G(), false));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(engine::PileCardCount(f.Pile(PileListId::kDest, i)), 13) << i;
    EXPECT_FALSE(Flag(engine::flag::kGameInProgress));  // EndGame ran before the return
    EXPECT_FALSE(Flag(engine::flag::kStopAutoplay));
    // The whole run is one undo step.
    EXPECT_EQ(f.game.undo.UndoStepCount(), 1);
}

TEST_F(AutoPlayTest, TableauPassMovesEveryPlayableTopUnlessOnce) {
    f.Fila(0, {H(kA)});
    f.Fila(3, {D(kA)});
    bool idle = true;
    bool stop = false;
    EXPECT_TRUE(engine::AutoPlayTableau(f.G(), idle, stop, true));
    EXPECT_FALSE(idle);
    EXPECT_EQ(f.Pile(PileListId::kFila, 3), engine::CardCodeText(D(kA)));

    f.Fila(0, {H(kA)});
    f.Dest(0, {});
    EXPECT_TRUE(engine::AutoPlayTableau(f.G(), idle, stop, false));
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "");
    EXPECT_EQ(f.Pile(PileListId::kFila, 3), "");
    EXPECT_FALSE(stop);
}

TEST_F(AutoPlayTest, ReservesGoOneCardACycleWhenTheGameHasThem) {
    // With a reserve, each cycle's tableau pass stops at its first move; the run still
    // plays every card in the end.
    f.StartWithAutoPlay();
    f.AddReserves(1);
    f.Fila(0, {H(2), H(kA)});
    f.Fila(1, {H(3)});
    f.Fila(2, {D(kA)});
    EXPECT_TRUE(engine::AutoPlayToFoundations(f.G(), false));
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "001002003");
    EXPECT_EQ(f.Pile(PileListId::kDest, 1), engine::CardCodeText(D(kA)));
}

TEST_F(AutoPlayTest, PassesStopWhenToldTo) {
    f.Fila(0, {H(kA)});
    f.Fila(1, {D(kA)});
    f.game.registers.SetFlag(engine::flag::kStopAutoplay, 1);
    bool idle = true;
    bool stop = false;
    EXPECT_TRUE(engine::AutoPlayTableau(f.G(), idle, stop, false));
    EXPECT_TRUE(stop);
    EXPECT_EQ(f.Pile(PileListId::kFila, 1), engine::CardCodeText(D(kA)));
}

TEST_F(AutoPlayTest, WastePassSkipsAFaceDownWaste) {
    f.Waste({H(kA)});
    f.Word(w::kWasteFaceDown, 1);
    bool idle = true;
    bool stop = false;
    EXPECT_FALSE(engine::AutoPlayWaste(f.G(), idle, stop));
    EXPECT_TRUE(idle);
    f.Word(w::kWasteFaceDown, 0);
    EXPECT_TRUE(engine::AutoPlayWaste(f.G(), idle, stop));
    EXPECT_FALSE(idle);
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "001");
}

TEST_F(AutoPlayTest, ReservePassSendsTopCardsUp) {
    f.AddReserves(2);
    f.Appogg(0, {S(5), H(kA)});
    f.Appogg(1, {D(kA)});
    bool idle = true;
    bool stop = false;
    EXPECT_TRUE(engine::AutoPlayReserves(f.G(), idle, stop, true));
    EXPECT_EQ(f.Pile(PileListId::kAppogg, 1), engine::CardCodeText(D(kA)));
    EXPECT_TRUE(engine::AutoPlayReserves(f.G(), idle, stop, false));
    EXPECT_EQ(f.Pile(PileListId::kAppogg, 0), engine::CardCodeText(S(5)));
    EXPECT_EQ(f.Pile(PileListId::kAppogg, 1), "");
}

TEST_F(AutoPlayTest, FaceDownTopIsTurnedUpWithoutAStepOfItsOwn) {
    f.Setting(fields::kAutomaticFaceUp, "Y");
    f.Word(w::kAutoTurnFaceUp, 1);
    f.Fila(0, {S(5)});
    f.FaceDown(S(5));
    bool idle = true;
    bool stop = false;
    EXPECT_FALSE(engine::AutoPlayTableau(f.G(), idle, stop, false));
    EXPECT_FALSE(f.game.board.cards.IsFaceDown(S(5)));
    EXPECT_EQ(f.game.undo.UndoStepCount(), 0);

    // A turned card that fits goes straight up.
    f.Fila(1, {H(kA)});
    f.FaceDown(H(kA));
    EXPECT_TRUE(engine::AutoPlayTableau(f.G(), idle, stop, false));
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "001");
    EXPECT_EQ(f.game.undo.UndoStepCount(), 1);
}

TEST_F(AutoPlayTest, MoveWithTheAutoplayItSetsOffIsOneUndoStep) {
    f.StartWithAutoPlay();
    f.Setting(fields::kRightClickToTableaus, "Y");
    f.Fila(0, {S(kK)});
    f.Fila(1, {H(kA), H(kQ)});
    f.Fila(2, {H(2)});
    const auto before = f.game.undo.CurrentSnapshot();

    engine::RightClickMove(f.G(), "Fila02", H(kQ), f.TopPlace("Fila2", 1));
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "052012");
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "001002");
    EXPECT_EQ(f.game.undo.UndoStepCount(), 1);

    ASSERT_TRUE(f.game.undo.UndoLastStep());
    EXPECT_EQ(f.game.undo.CurrentSnapshot(), before);
}

TEST_F(AutoPlayTest, FollowUpMovesDoNothingWithAutoPlayOff) {
    f.game.registers.SetFlag(engine::flag::kGameInProgress, 1);
    f.Fila(0, {H(kA)});
    EXPECT_FALSE(engine::FollowUpMoves(f.G()));
    EXPECT_EQ(f.Pile(PileListId::kFila, 0), "001");
    f.shell.SetCommandDown(engine::ShellCommand::kAutoPlay, true);
    EXPECT_TRUE(engine::FollowUpMoves(f.G()));
    EXPECT_EQ(f.Pile(PileListId::kDest, 0), "001");
}

class AutoplaySwitchTest : public ::testing::Test {
protected:
    AutoplaySwitchTest() { f.game.mainGame.AutoplaySaveMode = 2; }

    void WriteCfg(std::string_view content) { f.fake.Folder().WriteFile("DATA/CFG.DAT", content); }
    std::string Read(std::string_view key) const {
        const engine::PreferenceFile file(f.fake.Paths());
        return file.ReadString("Autoplay", key, "(none)");
    }

    MovesFixture f;
};

TEST_F(AutoplaySwitchTest, GamesTextReadsByIdWithMissingCharactersOn) {
    WriteCfg("[Autoplay]\nGames=YN\nCust_8001=N\n");
    EXPECT_TRUE(engine::IsAutoplayOn(f.G(), 0));
    EXPECT_FALSE(engine::IsAutoplayOn(f.G(), 1));
    EXPECT_TRUE(engine::IsAutoplayOn(f.G(), 5));
    EXPECT_FALSE(engine::IsAutoplayOn(f.G(), 8001));
    EXPECT_TRUE(engine::IsAutoplayOn(f.G(), 8002));
}

TEST_F(AutoplaySwitchTest, MissingFileMeansOn) {
    EXPECT_TRUE(engine::IsAutoplayOn(f.G(), 3));
    EXPECT_TRUE(engine::IsAutoplayOn(f.G(), 9000));
}

TEST_F(AutoplaySwitchTest, SaveIntoAnEmptyTextPadsWithOn) {
    WriteCfg("[Preference]\nGame=12\n");
    engine::SaveAutoplay(f.G(), 12);
    const std::string games = Read("Games");
    ASSERT_EQ(games.size(), 22u);
    EXPECT_EQ(games, std::string(12, 'Y') + "N" + std::string(9, 'Y'));

    f.shell.SetCommandDown(engine::ShellCommand::kAutoPlay, true);
    engine::SaveAutoplay(f.G(), 1);
    EXPECT_EQ(Read("Games"), games);
    f.shell.SetCommandDown(engine::ShellCommand::kAutoPlay, false);
    engine::SaveAutoplay(f.G(), 1);
    EXPECT_EQ(Read("Games")[1], 'N');
    EXPECT_EQ(Read("Games").size(), 22u);
}

TEST_F(AutoplaySwitchTest, CustomizedGamesKeepAKeyEach) {
    WriteCfg("");
    f.shell.SetCommandDown(engine::ShellCommand::kAutoPlay, true);
    engine::SaveAutoplay(f.G(), 8001);
    EXPECT_EQ(Read("Cust_8001"), "Y");
    EXPECT_EQ(Read("Games"), "(none)");
}

TEST_F(AutoplaySwitchTest, OneSwitchForAllGamesTouchesNothing) {
    WriteCfg("[Autoplay]\nGames=N\n");
    f.game.mainGame.AutoplaySaveMode = 1;
    engine::SaveAutoplay(f.G(), 4);
    EXPECT_EQ(Read("Games"), "N");
    f.shell.SetCommandDown(engine::ShellCommand::kAutoPlay, true);
    engine::ApplyAutoplay(f.G(), 0);
    EXPECT_TRUE(f.shell.IsCommandDown(engine::ShellCommand::kAutoPlay));
    EXPECT_EQ(f.shell.CountWindowCalls("autoplay click"), 0u);
}

TEST_F(AutoplaySwitchTest, ApplySwitchesTheButtonAndRunsItsHandler) {
    WriteCfg("[Autoplay]\nGames=YN\n");
    f.shell.SetCommandDown(engine::ShellCommand::kAutoPlay, true);
    engine::ApplyAutoplay(f.G(), 0);
    EXPECT_EQ(f.shell.CountWindowCalls("autoplay click"), 0u);

    engine::ApplyAutoplay(f.G(), 1);
    EXPECT_FALSE(f.shell.IsCommandDown(engine::ShellCommand::kAutoPlay));
    EXPECT_EQ(f.shell.CountWindowCalls("autoplay click"), 1u);

    engine::ApplyAutoplay(f.G(), 7);
    EXPECT_TRUE(f.shell.IsCommandDown(engine::ShellCommand::kAutoPlay));
    EXPECT_EQ(f.shell.CountWindowCalls("autoplay click"), 2u);

    // A disabled command is left as it is.
    f.shell.SetCommandEnabled(engine::ShellCommand::kAutoPlay, false);
    engine::ApplyAutoplay(f.G(), 1);
    EXPECT_TRUE(f.shell.IsCommandDown(engine::ShellCommand::kAutoPlay));
}

TEST_F(AutoplaySwitchTest, ButtonsAreSwitchedTogether) {
    engine_test::RecordingWindowItems items;
    f.game.services.windowItems = &items;
    engine::EnableAutoPlayButtons(f.G(), false);
    EXPECT_FALSE(items.IsItemEnabled("mnuAutoPlay"));
    EXPECT_FALSE(items.IsItemEnabled("tbAutoPlay"));
    EXPECT_EQ(items.Glyph("tbAutoPlay1"), "TB_AUTOPLAY_DIS");
}

}  // namespace
