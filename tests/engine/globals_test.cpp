#include "engine/startup/globals.h"

#include <gtest/gtest.h>

#include "engine/session/game_commands.h"
#include "engine/ports/shell_port.h"
#include "tests/engine/loader_fixture.h"

namespace engine_test {
namespace {

using GlobalsTest = LoaderTest;

TEST_F(GlobalsTest, CreateGlobalsMakesTheStateAndTheTableImages) {
    game = engine::CreateGlobals(Wired());

    ASSERT_NE(game, nullptr);
    EXPECT_EQ(Field(1, 20), "DATA\\CFG.DAT");
    EXPECT_EQ(Field(501, 200), fake.Paths().ProgramFolderText());
    EXPECT_EQ(Field(66, 1), "");
    EXPECT_EQ(tableGlobals.Log(), std::vector<std::string>{"create"});
    EXPECT_TRUE(game->mainGame.GameList.empty());
    EXPECT_EQ(game->Piles().List(engine::PileListId::kFila).size(), 28u);
}

TEST_F(GlobalsTest, FreeGlobalsFreesEverythingAndUnloadsTheLibrary) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(library.IsOpen());

    engine::FreeGlobals(game);

    EXPECT_EQ(game, nullptr);
    EXPECT_FALSE(library.IsOpen());
    EXPECT_EQ(tableGlobals.Log().back(), "free");
    // A second call finds nothing to free.
    engine::FreeGlobals(game);
    EXPECT_EQ(std::count(tableGlobals.Log().begin(), tableGlobals.Log().end(), "free"), 1);
}

TEST_F(GlobalsTest, DisablingGameCommandsReachesEveryControl) {
    engine::EnableGameCommands(Wired(), false);

    for (const char* item : {"tbNew", "tbNew1", "tbRestart", "tbRestart1", "tbSave1", "tbRules", "tbRules1", "mnuNew",
                             "mnuRestartGame", "mnuSelect", "mnuQuitGame", "mnuSave", "mnuSnapshotPosition",
                             "mnuUndoToSnapshot", "mnuUndo", "mnuRedo", "mnuPause", "mnuAutoPlay",
                             "mnuCustomizeRules", "mnuRules", "mnuGameInformation", "tbAutoPlay", "tbAutoPlay1"})
        EXPECT_FALSE(items.IsItemEnabled(item)) << item;
    EXPECT_EQ(items.Glyph("tbAutoPlay1"), "TB_AUTOPLAY_DIS");
    EXPECT_FALSE(shellPort.IsCommandEnabled(engine::ShellCommand::kUndoButton));
    EXPECT_FALSE(shellPort.IsCommandEnabled(engine::ShellCommand::kRedoSmallButton));

    engine::EnableGameCommands(Wired(), true);
    EXPECT_TRUE(items.IsItemEnabled("mnuNew"));
    EXPECT_TRUE(items.IsItemEnabled("tbAutoPlay"));
    EXPECT_EQ(items.Glyph("tbAutoPlay1"), "TB_AUTOPLAY");
    EXPECT_TRUE(shellPort.IsCommandEnabled(engine::ShellCommand::kUndoMenu));
}

TEST_F(GlobalsTest, AutoPlayButtonsAlreadyAsAskedAreLeftAlone) {
    engine::EnableGameCommands(Wired(), true);
    for (const std::string& entry : items.Log()) EXPECT_FALSE(entry.starts_with("glyph")) << entry;
}

}  // namespace
}  // namespace engine_test
