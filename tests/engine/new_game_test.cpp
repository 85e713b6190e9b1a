#include "engine/session/new_game.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/model/board_dump.h"
#include "engine/state/game_clock.h"
#include "engine/model/game_words.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "platform/core/random.h"
#include "tests/engine/play_fixture.h"

namespace engine::play_test {
namespace {

using test_support::MessageEvent;
using test_support::ShellEvent;

constexpr int kFreecell = 1;
constexpr std::string_view kNumber = "0000000012345";

class NewGameTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fix.LoadGame(kFreecell)); }

    // A game in progress, as StartNewGame leaves it, without the deal.
    void PretendGameInProgress() { G().registers.SetFlag(flag::kGameInProgress, 1); }
    std::size_t Questions() { return fix.Fake().Messages().Count(MessageEvent::Kind::Confirm); }
    Game& G() { return fix.G(); }
    int FoundationCards() {
        int cards = 0;
        for (const std::string& pile : G().Piles().List(PileListId::kDest)) cards += static_cast<int>(pile.size() / 3);
        return cards;
    }
    int CountCards() {
        int cards = 0;
        for (PileListId list : {PileListId::kMazzo, PileListId::kDest, PileListId::kFila, PileListId::kAppogg}) {
            for (const std::string& pile : G().Piles().List(list)) cards += static_cast<int>(pile.size() / 3);
        }
        return cards;
    }

    PlayFixture fix;
};

// --- ConfirmQuitGame -------------------------------------------------------------------

TEST_F(NewGameTest, ConfirmQuitDuringWinningAnimationRefusesWithoutAsking) {
    fix.SetField(fields::kConfirmQuitGame, "Y");
    PretendGameInProgress();
    G().registers.SetFlag(flag::kWinAnimationRunning, 1);
    EXPECT_FALSE(ConfirmQuitGame(G()));
    fix.SetField(fields::kConfirmQuitGame, "N");
    EXPECT_FALSE(ConfirmQuitGame(G()));
    EXPECT_EQ(Questions(), 0u);
}

TEST_F(NewGameTest, ConfirmQuitAsksOnlyAboutAnUnwonGameInProgress) {
    fix.SetField(fields::kConfirmQuitGame, "Y");
    EXPECT_TRUE(ConfirmQuitGame(G()));  // no game in progress
    PretendGameInProgress();
    G().registers.SetFlag(flag::kGameWon, 1);
    EXPECT_TRUE(ConfirmQuitGame(G()));  // won
    EXPECT_EQ(Questions(), 0u);
    EXPECT_EQ(fix.Shell().CountWindowCalls("update"), 0u);

    fix.SetField(fields::kConfirmQuitGame, "N");
    G().registers.SetFlag(flag::kGameWon, 0);
    EXPECT_TRUE(ConfirmQuitGame(G()));  // the option is off
    EXPECT_EQ(Questions(), 0u);
}

TEST_F(NewGameTest, ConfirmQuitTakesThePlayersAnswer) {
    fix.SetField(fields::kConfirmQuitGame, "Y");
    PretendGameInProgress();
    fix.Fake().Messages().QueueConfirmAnswer(false);
    fix.Fake().Messages().QueueConfirmAnswer(true);
    EXPECT_FALSE(ConfirmQuitGame(G()));
    EXPECT_TRUE(ConfirmQuitGame(G(), "Start another game?"));
    const auto texts = fix.Fake().Messages().Texts(MessageEvent::Kind::Confirm);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "Quit this game?");
    EXPECT_EQ(texts[1], "Start another game?");
    EXPECT_EQ(fix.Shell().CountWindowCalls("update"), 2u);
}

// --- EndGame ------------------------------------------------------------------------------

TEST_F(NewGameTest, EndGameOutsideAGameDoesNothing) {
    G().registers.SetFlag(flag::kGameWon, 1);
    EXPECT_FALSE(EndGame(G()));
    EXPECT_TRUE(fix.Shell().Events().empty());
    EXPECT_TRUE(fix.View().Calls().empty());
    EXPECT_TRUE(fix.Flag(flag::kGameWon));
}

TEST_F(NewGameTest, EndGameReachingTheTargetScoreWinsWithCardsLeft) {
    fix.Deal(kNumber);
    ASSERT_EQ(CountCards(), 52);
    G().gameDef.SetWord(words::kTargetScore, 500);
    fix.SetField(fields::kScore, "520");
    fix.Shell().ClearEvents();
    fix.Shell().ClearWindowCalls();

    EXPECT_TRUE(EndGame(G()));
    EXPECT_EQ(CountCards(), 52);
    EXPECT_FALSE(fix.Flag(flag::kGameInProgress));
    EXPECT_FALSE(fix.Flag(flag::kGameWon));
    EXPECT_FALSE(fix.Flag(flag::kClockRunning));
    EXPECT_TRUE(fix.Flag(flag::kStopAutoplay));
    EXPECT_EQ(fix.View().Count("win animation"), 1);
    EXPECT_EQ(fix.Shell().WindowCalls(),
              (std::vector<std::string>{"filter:win", "restore", "chooser"}));
    EXPECT_FALSE(fix.Shell().ActiveFilter().has_value());
    EXPECT_EQ(fix.Fake().Clock().TotalDelayed(), 200u);
}

TEST_F(NewGameTest, EndGameBelowTheTargetScoreIsNoWin) {
    fix.Deal(kNumber);
    G().gameDef.SetWord(words::kTargetScore, 500);
    fix.SetField(fields::kScore, "499");
    G().registers.SetFlag(flag::kGameWon, 1);  // the target decides, not a stale flag
    G().mainGame.LiftedCard = 12;
    G().mainGame.LiftedTopCard = 13;
    fix.Shell().ArrangePanel(ShellPanel::kPilesSize, {0, 0, 80, 30}, true);
    fix.Shell().SetCursor(kDefaultCursor);
    fix.Shell().ClearEvents();
    fix.Shell().ClearWindowCalls();
    fix.View().Clear();

    EXPECT_FALSE(EndGame(G()));
    EXPECT_EQ(G().mainGame.LiftedCard, 0);
    EXPECT_EQ(G().mainGame.LiftedTopCard, 0);
    EXPECT_FALSE(fix.Shell().IsPanelVisible(ShellPanel::kPilesSize));
    EXPECT_FALSE(fix.Shell().IsCommandEnabled(ShellCommand::kPause));
    EXPECT_FALSE(fix.Shell().IsCommandEnabled(ShellCommand::kQuitGame));
    EXPECT_FALSE(fix.Shell().IsCommandEnabled(ShellCommand::kSnapshotPosition));
    EXPECT_EQ(fix.Shell().Cursor(), kDefaultCursor);
    EXPECT_TRUE(fix.View().Calls().empty());
    EXPECT_TRUE(fix.Shell().WindowCalls().empty());
}

TEST_F(NewGameTest, EndGameWithoutTargetKeepsTheWinTestsVerdict) {
    fix.Deal(kNumber);
    G().registers.SetFlag(flag::kGameWon, 1);
    EXPECT_TRUE(EndGame(G()));
    fix.Deal(kNumber);
    EXPECT_FALSE(EndGame(G()));
}

TEST_F(NewGameTest, WinPlaysTheWonSoundWhenItsSwitchIsOn) {
    fix.Library().AddWave("Won", "won-wave");
    fix.SetField(fields::kSoundsEnabled, "Y");
    fix.SetField(fields::kSoundsGameWon, "Y");
    fix.Deal(kNumber);
    G().registers.SetFlag(flag::kGameWon, 1);
    EndGame(G());
    ASSERT_EQ(fix.Sound().PlayCount(), 1u);
    EXPECT_EQ(fix.Sound().Events().back().data, "won-wave");
    EXPECT_EQ(fix.Sound().Events().back().mode, platform::SoundMode::Asynchronous);

    fix.SetField(fields::kSoundsGameWon, "N");
    fix.Deal(kNumber);
    G().registers.SetFlag(flag::kGameWon, 1);
    EndGame(G());
    EXPECT_EQ(fix.Sound().PlayCount(), 1u);
}

TEST_F(NewGameTest, CloseAskedDuringTheWinningAnimationClosesInsteadOfTheChooser) {
    fix.Deal(kNumber);
    G().registers.SetFlag(flag::kGameWon, 1);
    G().mainGame.CloseRequested = 1;  // a stale request from before does not count
    fix.View().OnWinningAnimation([this] { G().mainGame.CloseRequested = 1; });
    fix.Shell().ClearEvents();
    EXPECT_TRUE(EndGame(G()));
    EXPECT_EQ(fix.Shell().CountWindowCalls("close"), 1u);
    EXPECT_EQ(fix.Shell().CountWindowCalls("chooser"), 0u);
    EXPECT_FALSE(fix.Shell().ActiveFilter().has_value());
}

TEST_F(NewGameTest, StaleCloseRequestIsForgotten) {
    fix.Deal(kNumber);
    G().registers.SetFlag(flag::kGameWon, 1);
    G().mainGame.CloseRequested = 1;
    EXPECT_TRUE(EndGame(G()));
    EXPECT_EQ(fix.Shell().CountWindowCalls("close"), 0u);
    EXPECT_EQ(fix.Shell().CountWindowCalls("chooser"), 1u);
}

TEST_F(NewGameTest, NoChooserWhenANewGameStartedDuringTheAnimation) {
    fix.Deal(kNumber);
    G().registers.SetFlag(flag::kGameWon, 1);
    fix.View().OnWinningAnimation([this] { G().registers.SetFlag(flag::kGameInProgress, 1); });
    EXPECT_TRUE(EndGame(G()));
    EXPECT_EQ(fix.Shell().CountWindowCalls("chooser"), 0u);
}

TEST_F(NewGameTest, EndGameRestoresTheCursorItFound) {
    fix.Deal(kNumber);
    constexpr int kDragCursor = 12;
    fix.Shell().SetCursor(kDragCursor);
    G().registers.SetFlag(flag::kGameWon, 1);
    EndGame(G());
    EXPECT_EQ(fix.Shell().Cursor(), kDragCursor);
}

// --- StartNewGame -------------------------------------------------------------------------

TEST_F(NewGameTest, StartNewGameDealsAndStartsTheClock) {
    fix.Fake().Clock().SetNow(46100.25);
    fix.SetField(fields::kScore, "77");
    G().mainGame.RedealCount = 5;
    G().mainGame.ActionCount = 2;
    G().mainGame.StockHighlightShown = 1;
    G().registers.SetIntReg(kStockDealCountReg, 3);
    G().registers.SetFlag(flag::kGameWon, 1);

    fix.SetField(fields::kGameNumber, kNumber);
    EXPECT_TRUE(StartNewGame(G(), 0));
    EXPECT_EQ(fix.Field(fields::kGameNumber), kNumber);
    EXPECT_EQ(CountCards(), 52);
    EXPECT_TRUE(fix.Flag(flag::kGameInProgress));
    EXPECT_FALSE(fix.Flag(flag::kGameWon));
    EXPECT_TRUE(fix.Flag(flag::kClockRunning));
    EXPECT_DOUBLE_EQ(G().registers.GetTimeReg(kClockStartTimeReg), fix.Fake().Clock().Now());
    EXPECT_EQ(G().mainGame.RedealCount, 1);
    EXPECT_EQ(G().mainGame.ActionCount, 0);
    EXPECT_EQ(G().mainGame.StockHighlightShown, 0);
    EXPECT_EQ(G().registers.GetIntReg(kStockDealCountReg), 0);
    EXPECT_EQ(G().undo.UndoStepCount(), 0);
    EXPECT_EQ(fix.Shell().LabelText(ShellLabel::kScore), fix.Field(fields::kScore));
    EXPECT_EQ(fix.Shell().LabelText(ShellLabel::kTempo), "0:00:00");
    EXPECT_TRUE(fix.Shell().IsCommandEnabled(ShellCommand::kPause));
    EXPECT_TRUE(fix.Shell().IsCommandEnabled(ShellCommand::kQuitGame));
    EXPECT_TRUE(fix.Shell().IsCommandEnabled(ShellCommand::kSnapshotPosition));
    EXPECT_EQ(fix.Shell().Cursor(), kDefaultCursor);
    EXPECT_EQ(fix.View().Count("setup"), 0);
}

TEST_F(NewGameTest, TheSameNumberDealsTheSameBoard) {
    fix.Deal(kNumber);
    const std::string first = DumpBoard(G().Piles());
    fix.Deal("0000000054321");
    EXPECT_NE(DumpBoard(G().Piles()), first);
    fix.Deal(kNumber);
    EXPECT_EQ(DumpBoard(G().Piles()), first);
}

TEST_F(NewGameTest, DealWithoutAnimationPaintsTheBufferFirst) {
    fix.SetField(fields::kDealAnimation, "N");
    fix.Deal(kNumber);
    EXPECT_EQ(fix.View().Calls(), (std::vector<std::string>{"background", "repaint", "copy"}));
    EXPECT_EQ(fix.Shell().CountWindowCalls("filter:swallow"), 0u);
}

TEST_F(NewGameTest, DealAnimationSwallowsInputWhileItRuns) {
    fix.SetField(fields::kDealAnimation, "Y");
    fix.Deal(kNumber);
    EXPECT_EQ(fix.View().Calls(), (std::vector<std::string>{"background", "copy", "deal animation"}));
    EXPECT_EQ(fix.Shell().WindowCalls(), (std::vector<std::string>{"update", "filter:swallow", "restore"}));
}

TEST_F(NewGameTest, ModeTwoDrawsANewNumber) {
    fix.Fake().Random().Seed(4242);
    platform::RandomGenerator twin(4242);
    Registers walks;
    walks.FillWalkTables(twin);  // the new game draws its walk tables first
    const std::int64_t a = twin.Random(9'999'999);
    const std::int64_t b = twin.Random(999'999);
    fix.SetField(fields::kGameNumber, kNumber);
    StartNewGame(G(), kNewNumberMode);
    EXPECT_EQ(fix.Field(fields::kGameNumber), GameNumberText(a, b));
    EXPECT_EQ(CountCards(), 52);
}

TEST_F(NewGameTest, ANewGameForgetsTheLastOnesRuleChangesAndUndoSteps) {
    fix.Deal(kNumber);
    const std::int16_t rule = G().gameDef.At(words::kTableauRuleA, 0);
    G().gameDef.SetAt(words::kTableauRuleA, 0, rule + 5);
    G().undo.PushUndoSnapshot(true, kNoClear);
    G().undo.PushUndoSnapshot(false, kNoClear);
    fix.Deal(kNumber);
    EXPECT_EQ(G().gameDef.At(words::kTableauRuleA, 0), rule);
    EXPECT_EQ(G().undo.UndoStepCount(), 0);
    EXPECT_EQ(G().undo.RedoStepCount(), 0);
}

TEST_F(NewGameTest, WithoutADefinitionTheTableIsSetUp) {
    G().gameDef.Clear();
    fix.View().OnSetupTable([this] { ASSERT_TRUE(fix.LoadGame(kFreecell)); });
    fix.Deal(kNumber);
    EXPECT_EQ(fix.View().Count("setup"), 1);
    EXPECT_EQ(CountCards(), 52);
    EXPECT_TRUE(fix.Flag(flag::kGameInProgress));
}

TEST_F(NewGameTest, ADefinitionThatCannotBeDealtStartsNoGame) {
    G().gameDef.Clear();
    fix.Deal(kNumber);
    EXPECT_EQ(CountCards(), 0);
    EXPECT_FALSE(fix.Flag(flag::kGameInProgress));
    EXPECT_FALSE(fix.Flag(flag::kClockRunning));
    EXPECT_EQ(fix.Fake().Messages().Count(MessageEvent::Kind::Info), 1u);  // the deal says why
    EXPECT_FALSE(EndGame(G()));
}

TEST_F(NewGameTest, SnapshotCommandStaysOffWhenUndoIsDisabled) {
    G().gameDef.SetWord(words::kUndoDisabled, 1);
    fix.Shell().SetCommandEnabled(ShellCommand::kSnapshotPosition, false);
    fix.Deal(kNumber);
    EXPECT_FALSE(fix.Shell().IsCommandEnabled(ShellCommand::kSnapshotPosition));
    EXPECT_TRUE(fix.Shell().IsCommandEnabled(ShellCommand::kPause));
}

TEST_F(NewGameTest, KindFortyFourRunsTheWinTestAfterTheDealAndPlaysOn) {
    G().gameDef.SetWord(words::kGameKind, 44);
    G().registers.SetFlag(flag::kGameWon, 1);
    fix.Deal(kNumber);
    EXPECT_TRUE(fix.Flag(flag::kGameInProgress));
    EXPECT_FALSE(fix.Flag(flag::kGameWon));
    EXPECT_EQ(fix.Shell().CountWindowCalls("chooser"), 0u);
    EXPECT_EQ(fix.View().Count("win animation"), 0);
}

TEST_F(NewGameTest, AutoplayAfterTheDealWaitsAndLeavesOneUndoStep) {
    constexpr std::string_view kAceOnTop = "0000000012361";  // a deal with an Ace on a pile's top
    fix.Deal(kAceOnTop);
    const std::string dealt = DumpBoard(G().Piles());
    EXPECT_EQ(FoundationCards(), 0);
    EXPECT_EQ(fix.Fake().Clock().TotalDelayed(), 0u);

    fix.Shell().SetCommandDown(ShellCommand::kAutoPlay, true);
    fix.Shell().SetCommandEnabled(ShellCommand::kAutoPlay, false);
    fix.Deal(kAceOnTop);
    EXPECT_EQ(fix.Fake().Clock().TotalDelayed(), 0u);
    EXPECT_EQ(FoundationCards(), 0);

    fix.Shell().SetCommandEnabled(ShellCommand::kAutoPlay, true);
    fix.Deal(kAceOnTop);
    EXPECT_EQ(fix.Fake().Clock().TotalDelayed(), 800u);
    EXPECT_GE(FoundationCards(), 1);
    EXPECT_EQ(CountCards(), 52);
    ASSERT_EQ(G().undo.UndoStepCount(), 1);
    ASSERT_TRUE(G().undo.UndoLastStep());
    EXPECT_EQ(DumpBoard(G().Piles()), dealt);
}

// --- NewGameNumber, UpdateMainTitle, RefreshClock -------------------------------------------

TEST(GameNumberTextTest, ProductIsZeroPaddedToThirteenDigits) {
    EXPECT_EQ(GameNumberText(5, 7), "0000000000035");
    EXPECT_EQ(GameNumberText(0, 123), "0000000000000");
    EXPECT_EQ(GameNumberText(9'999'998, 999'998), "9999978000004");
}

TEST_F(NewGameTest, NewGameNumberStoresTheProductOfTwoDraws) {
    fix.Fake().Random().Seed(99);
    platform::RandomGenerator twin(99);
    const std::int64_t a = twin.Random(9'999'999);
    const std::int64_t b = twin.Random(999'999);
    NewGameNumber(G());
    const std::string number = fix.Field(fields::kGameNumber);
    EXPECT_EQ(number, GameNumberText(a, b));
    EXPECT_EQ(number.size(), 13u);
    EXPECT_EQ(fix.Shell().Caption(), "Corvanet Solitaire [Freecell]  [" + number + "]");
}

TEST_F(NewGameTest, TitleShowsTheNumberOnlyWhenThereIsOne) {
    fix.SetField(fields::kGameNumber, "0000000000035");
    UpdateMainTitle(G());
    EXPECT_EQ(fix.Shell().Caption(), "Corvanet Solitaire [Freecell]  [0000000000035]");
    fix.SetField(fields::kGameNumber, "");
    UpdateMainTitle(G());
    EXPECT_EQ(fix.Shell().Caption(), "Corvanet Solitaire [Freecell]");
    UpdateMainTitle(G());
    EXPECT_EQ(fix.Shell().Count(ShellEvent::Kind::Caption), 2u);  // unchanged: not set again
}

TEST_F(NewGameTest, RefreshClockShowsTheElapsedTimeAtOnce) {
    fix.Shell().ArrangeTimeSeparator(".");
    G().registers.SetTimeReg(kClockStartTimeReg, fix.Fake().Clock().Now());
    G().registers.SetFlag(flag::kClockRunning, 1);
    fix.Fake().Clock().Advance(3'725'000);  // 1 h 2 min 5 s
    RefreshClock(G());
    EXPECT_EQ(fix.Shell().LabelText(ShellLabel::kTempo), "1.02.05");
    EXPECT_EQ(fix.Shell().RepaintCount(ShellLabel::kTempo), 1);

    G().registers.SetFlag(flag::kClockRunning, 0);
    fix.Fake().Clock().Advance(60'000);
    RefreshClock(G());
    EXPECT_EQ(fix.Shell().LabelText(ShellLabel::kTempo), "1.02.05");
    EXPECT_EQ(fix.Shell().RepaintCount(ShellLabel::kTempo), 2);
}

}  // namespace
}  // namespace engine::play_test
