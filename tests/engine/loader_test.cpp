#include "engine/startup/loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

#include "engine/base/decimal_text.h"
#include "engine/model/preference_fields.h"
#include "engine/files/preference_file.h"
#include "engine/files/preferences.h"
#include "engine/model/registers.h"
#include "engine/ports/shell_port.h"
#include "tests/engine/loader_fixture.h"

namespace engine_test {
namespace {

namespace fs = std::filesystem;
using engine::fields::Field;
using test_support::MessageEvent;

constexpr std::string_view kMarker = "QNDV0520.DAT";

std::string FieldOf(const engine::Game& game, Field field) {
    return game.settings.GetField(field.position, field.width);
}

int RunCount(const test_support::FakeServices& fake) {
    return engine::ReadRunCount(engine::PreferenceFile(fake.Paths()));
}

// A first start in a program folder holding only GAMES.DAT and QND.RGF, then a second.
TEST_F(LoaderTest, FirstStartCreatesDataFolderPlayersRunCountAndMarker) {
    ASSERT_TRUE(Start());

    EXPECT_TRUE(fs::is_directory(Folder().Path() / "Data"));
    // The preference file lies in the folder the loader made, not in a "DATA" of its own.
    EXPECT_TRUE(fs::is_regular_file(Folder().Path() / "Data" / "CFG.DAT"));
    EXPECT_FALSE(fs::exists(Folder().Path() / "DATA"));
    const engine::PreferenceFile file(fake.Paths());
    EXPECT_EQ(file.ReadString("Preference", "UserDefault", ""), "Player 1");
    EXPECT_EQ(file.ReadString("Users", "User001", ""), "Player 1");
    EXPECT_EQ(file.ReadString("Users", "User002", ""), "Player 2");
    EXPECT_EQ(file.ReadString("Users", "User003", ""), "Player 3");
    EXPECT_EQ(RunCount(fake), 1);
    EXPECT_EQ(Folder().ReadFile(kMarker), "Quendrix version: 05.20\r\n");

    EXPECT_EQ(FieldOf(*game, engine::fields::kUserDefault), "Player 1");
    EXPECT_EQ(FieldOf(*game, engine::fields::kGame), "0001");
    EXPECT_EQ(FieldOf(*game, engine::fields::kGameName), "Freecell");
    EXPECT_TRUE(fake.Messages().Events().empty());
    EXPECT_FALSE(fake.Process().Terminated());
}

TEST_F(LoaderTest, SecondStartLeavesMarkerAndCountsTwo) {
    ASSERT_TRUE(Start());
    Folder().WriteFile(kMarker, "kept as it is");

    ASSERT_TRUE(Start());

    EXPECT_EQ(RunCount(fake), 2);
    EXPECT_EQ(Folder().ReadFile(kMarker), "kept as it is");
    // The players exist now and are not written again.
    EXPECT_EQ(FieldOf(*game, engine::fields::kUserDefault), "Player 1");
}

TEST_F(LoaderTest, StoredGameNotInListIsNoCurrentGame) {
    Folder().WriteFile(kCfg, "[Preference]\nGame=42\nGame_name=Gone\n");
    ASSERT_TRUE(Start());

    EXPECT_EQ(engine::ReadDecimal(FieldOf(*game, engine::fields::kGame)), -1);
    EXPECT_EQ(FieldOf(*game, engine::fields::kGame), "-001");
    EXPECT_EQ(FieldOf(*game, engine::fields::kGameName), "");
}

TEST_F(LoaderTest, StoredGameInListStaysCurrent) {
    Folder().WriteFile(kCfg, "[Preference]\nGame=7\nGame_name=Klondike\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(FieldOf(*game, engine::fields::kGame), "0007");
    EXPECT_EQ(FieldOf(*game, engine::fields::kGameName), "Klondike");
}

TEST_F(LoaderTest, MissingLibraryStopsWithItsMessageAndFailureStatus) {
    fs::remove(Folder().Path() / "QND.RGF");

    EXPECT_FALSE(Start());

    std::string path = (Folder().Path() / "QND.RGF").string();
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    ASSERT_EQ(fake.Messages().Count(MessageEvent::Kind::Error), 1u);
    EXPECT_EQ(fake.Messages().Texts(MessageEvent::Kind::Error)[0], "Can't find/load " + path);
    EXPECT_EQ(fake.Process().ExitCodes(), std::vector<int>{1});
    // The loader went no further.
    EXPECT_FALSE(Exists("Data"));
    EXPECT_FALSE(Exists(kMarker));
    EXPECT_TRUE(cursors.Loaded().empty());
    EXPECT_EQ(game->media.CardLibraryHandle(), nullptr);
}

TEST_F(LoaderTest, ADamagedLibraryStopsNamingTheEntry) {
    fs::remove(Folder().Path() / "QND.RGF");
    library.SetOpenProblem("entry /bitmap/CL001S.png is damaged (its checksum does not match)");

    EXPECT_FALSE(Start());

    std::string path = (Folder().Path() / "QND.RGF").string();
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_EQ(fake.Messages().Texts(MessageEvent::Kind::Error),
              std::vector<std::string>{"Can't find/load " + path +
                                       "\nentry /bitmap/CL001S.png is damaged (its checksum does not match)"});
    EXPECT_EQ(fake.Process().ExitCodes(), std::vector<int>{1});
}

TEST_F(LoaderTest, MissingGamesFileStopsWithFailureStatus) {
    fs::remove(Folder().Path() / "GAMES.DAT");

    EXPECT_FALSE(Start());

    ASSERT_EQ(fake.Messages().Count(MessageEvent::Kind::Error), 1u);
    EXPECT_TRUE(fake.Messages().Texts(MessageEvent::Kind::Error)[0].starts_with("Cannot find file:\n"));
    EXPECT_EQ(fake.Process().ExitCodes(), std::vector<int>{1});
    EXPECT_FALSE(Exists(kMarker));
}

TEST_F(LoaderTest, DamagedGamesFileStopsAfterNamingTheLine) {
    Folder().WriteFile("GAMES.DAT", "[Sect1]\r\nnot a game line\r\n[Sect2]\r\n");

    EXPECT_FALSE(Start());

    ASSERT_EQ(fake.Messages().Count(MessageEvent::Kind::Error), 1u);
    EXPECT_NE(fake.Messages().Texts(MessageEvent::Kind::Error)[0].find("Line 2"), std::string::npos);
    EXPECT_EQ(fake.Process().ExitCodes(), std::vector<int>{1});
    EXPECT_TRUE(game->mainGame.GameList.empty());
}

TEST_F(LoaderTest, ExistingDataFolderInOtherCaseIsUsed) {
    Folder().WriteFile("DATA/CFG.DAT", "[Parameters]\nRun_Exe=3\n");

    ASSERT_TRUE(Start());

    EXPECT_FALSE(Exists("Data"));
    EXPECT_NE(Folder().ReadFile("DATA/CFG.DAT").find("Run_Exe=4"), std::string::npos);
    EXPECT_EQ(RunCount(fake), 4);
}

TEST_F(LoaderTest, LibraryCursorsAndRunStateAreSet) {
    ASSERT_TRUE(Start());  // the first start makes the globals
    game->registers.SetFlag(engine::flag::kGameInProgress, 1);
    game->registers.SetFlag(engine::flag::kClockRunning, 1);
    game->registers.SetFlag(engine::flag::kGameWon, 1);
    game->registers.SetFlag(engine::flag::kHoldAndExit, 1);
    game->mainGame.LiftedCard = 12;
    game->lift.singleCard = false;
    game->mainGame.Advice640Shown = 1;
    game->Cards().SetCardFaceFlag(5, '0');

    ASSERT_TRUE(engine::LoadTable(*game));

    EXPECT_EQ(library.OpenedPaths().back(), Folder().Path() / "QND.RGF");
    EXPECT_EQ(game->media.CardLibraryHandle(), &library);
    ASSERT_EQ(cursors.Loaded().size(), kCursorNames.size());
    for (const auto& [id, name] : kCursorNames) EXPECT_EQ(cursors.Loaded().at(id), name);

    const engine::Registers& registers = game->registers;
    for (const int index : {0, 2, 3, 5, 6, 7, 8}) EXPECT_EQ(registers.GetFlag(index), 0) << index;
    EXPECT_EQ(registers.GetFlag(engine::flag::kStartupPending), 1);
    EXPECT_EQ(registers.GetIntReg(engine::kLastMouseMoveReg), -1);
    EXPECT_EQ(game->mainGame.LiftedCard, 0);
    EXPECT_TRUE(game->lift.singleCard);
    EXPECT_EQ(game->mainGame.Advice640Shown, 0);
    EXPECT_EQ(game->mainGame.JokerCaptionKey, engine::kNoJokerCaption);
    EXPECT_EQ(game->mainGame.SmallScreenHandled, 2);
    EXPECT_EQ(game->Cards().Records().size(), 108u);
    EXPECT_FALSE(game->Cards().IsFaceDown(5));
    EXPECT_EQ(FieldOf(*game, engine::fields::kSessionCounterA), "0000");
    EXPECT_EQ(FieldOf(*game, engine::fields::kScoringMode), "01");
}

TEST_F(LoaderTest, RandomGeneratorIsSeededFromTheClock) {
    fake.Clock().SetMillisecondsSinceMidnightUtc(4'321'000);
    ASSERT_TRUE(Start());
    EXPECT_EQ(fake.Random().State(), 4'321'000u);
}

TEST_F(LoaderTest, MainWindowIsPrepared) {
    ASSERT_TRUE(Start());

    EXPECT_EQ(items.ItemCaption("mnuAbout"), "A&bout Corvanet Solitaire...");
    EXPECT_EQ(items.ItemCaption("mnuQuendrixontheWeb"), "Corvanet Solitaire on the &Web...");
    EXPECT_EQ(items.ItemCaption("mnuSeeChampions"), "See 8 champions of Corvanet Solitaire");
    EXPECT_FALSE(items.IsItemEnabled("mnuSnapshotPosition"));
    EXPECT_FALSE(items.IsItemEnabled("mnuUndoToSnapshot"));
    for (const char* button : {"tbRestart", "tbRestart1", "tbSave1", "tbStat", "tbStat1"})
        EXPECT_FALSE(items.IsVisible(button)) << button;
    EXPECT_EQ(startupShell.Title(), "Corvanet Solitaire");
    EXPECT_EQ(help.HelpFile(), (Folder().Path() / "quendrix.hlp").string() + ">proc");
    // StatusBar defaults to "N".
    EXPECT_FALSE(items.IsVisible("pnlStatusBar"));
    // The defaults: a small flat toolbar, the arrow over the table, AutoPlay on for all games.
    const std::vector<std::string> expected{"hide unoffered", "toolbar small flat", "table cursor 0", "autoplay on",
                                            "activation handler"};
    EXPECT_EQ(startupShell.Log(), expected);
}

TEST_F(LoaderTest, TableIsToldDragShadowAndCardSize) {
    Folder().WriteFile(kCfg, "[Preference]\nCards_Shadowed=N\nCard_Size=M\n");
    ASSERT_TRUE(Start());
    const std::vector<std::string> expected{"create", "clear drag", "shadow 0", "size M"};
    EXPECT_EQ(tableGlobals.Log(), expected);
}

TEST_F(LoaderTest, DisplaySwitchesFollowTheSettings) {
    Folder().WriteFile(kCfg, "[Preference]\nShow_Time=N\nShow_Score=Y\nUndo_Enabled=2\nStatusBar=Y\n");
    ASSERT_TRUE(Start());

    EXPECT_FALSE(shellPort.IsPanelVisible(engine::ShellPanel::kTempo));
    EXPECT_TRUE(shellPort.IsCommandEnabled(engine::ShellCommand::kShowTime));
    EXPECT_FALSE(shellPort.IsCommandEnabled(engine::ShellCommand::kShowScore));
    EXPECT_FALSE(shellPort.IsCommandEnabled(engine::ShellCommand::kUndoButton));
    EXPECT_FALSE(shellPort.IsCommandEnabled(engine::ShellCommand::kRedoMenu));
    EXPECT_TRUE(items.IsVisible("pnlStatusBar"));
    // Neither switch is written back at start.
    EXPECT_EQ(engine::PreferenceFile(fake.Paths()).ReadString("Preference", "Show_Score", "absent"), "Y");
}

TEST_F(LoaderTest, LowColourScreenShowsTheAdviceAndTakesCardSetThree) {
    startupShell.ArrangeColourCount(256);
    ASSERT_TRUE(Start());

    ASSERT_EQ(advice.Texts().size(), 1u);
    EXPECT_TRUE(advice.Texts()[0].starts_with("At this time your video driver supports 256 colors or less."));
    EXPECT_EQ(advice.Pages()[0], 0);
    EXPECT_EQ(FieldOf(*game, engine::fields::kCardSet), "003");
}

TEST_F(LoaderTest, LowColourAdviceDismissedForGoodIsNotShown) {
    Folder().WriteFile(kCfg, "[Screen_Under_256_Colors]\nShow_Messages=N\n");
    startupShell.ArrangeColourCount(256);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(advice.Texts().empty());
    EXPECT_EQ(FieldOf(*game, engine::fields::kCardSet), "003");
}

TEST_F(LoaderTest, TableObjectTakesTheValuesOutsideTheSettings) {
    Folder().WriteFile(kCfg,
                       "[Settings]\nGames_Fast_Search_Type=3\nRandom_Game_Type=1\n"
                       "[Preference]\nHighLights_Foundations_Mark=2\nAutoPlay_All_Games=2\nGame=7\n");
    std::vector<int> appliedTo;
    engine::StartupHooks hooks;
    hooks.applyAutoplay = [&appliedTo](int gameId) { appliedTo.push_back(gameId); };

    ASSERT_TRUE(Start(hooks));

    EXPECT_EQ(game->mainGame.FastSearchType, 3);
    EXPECT_EQ(game->mainGame.RandomGameType, 1);
    EXPECT_EQ(game->mainGame.FoundationMarkStyle, 2);
    EXPECT_EQ(game->mainGame.AutoplaySaveMode, 2);
    // One switch per game: the game's own switch applies, the all-games one does not.
    EXPECT_EQ(appliedTo, std::vector<int>{7});
    EXPECT_EQ(std::count(startupShell.Log().begin(), startupShell.Log().end(), "autoplay on"), 0);
}

TEST_F(LoaderTest, PostLoadHookSeesTheGameList) {
    std::size_t listed = 0;
    engine::StartupHooks hooks;
    hooks.afterGameListLoaded = [this, &listed] { listed = game->mainGame.GameList.size(); };
    ASSERT_TRUE(Start(hooks));
    EXPECT_EQ(listed, 2u);
}

TEST_F(LoaderTest, ObsoleteFilesAreRemovedAtEveryStart) {
    ASSERT_TRUE(Start());
    Folder().WriteFile("IMAGES/GAME0000.BMP", "x");
    Folder().WriteFile("IMAGES/GAME0100.BMP", "x");
    Folder().WriteFile("IMAGES/GAME0101.BMP", "x");
    Folder().WriteFile("QUENDRIX.DLL", "x");

    ASSERT_TRUE(Start());

    EXPECT_FALSE(Exists("IMAGES/GAME0000.BMP"));
    EXPECT_FALSE(Exists("IMAGES/GAME0100.BMP"));
    EXPECT_TRUE(Exists("IMAGES/GAME0101.BMP"));
    EXPECT_FALSE(Exists("QUENDRIX.DLL"));
    EXPECT_TRUE(Exists("GAMES.DAT"));
}

}  // namespace
}  // namespace engine_test
