#include <gtest/gtest.h>

#include "engine/base/text_utils.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "platform/qt/controls.h"
#include "platform/qt/tree_view.h"
#include "shell/chooser/open_game_form.h"
#include "shell/dialogs/player_dialogs.h"
#include "shell/table_parts.h"
#include "table/draw/draw_context.h"
#include "tests/shell/program_fixture.h"

namespace {

using platform::TreeView;

// The program with its real dialogs, answered through the show hook.
class PlayerDialogsTest : public shell_test::ProgramTest {
protected:
    PlayerDialogsTest() { useDialogs = &playerDialogs; }

    void AnswerModal(std::function<void(platform::Form&)> player) {
        program->Application().SetShowHook([player = std::move(player)](platform::Form& form) {
            player(form);
            return platform::kModalOk;
        });
    }

    shell::PlayerDialogs playerDialogs;
};

TEST_F(PlayerDialogsTest, EachGameChosenInTheChooserStartsInTheMainWindow) {
    ASSERT_EQ(Start(), 0);
    std::vector<std::pair<int, std::string>> games;
    AnswerModal([&games](platform::Form& chooser) {
        TreeView::Node* folder = chooser.Control<TreeView>("trvGames")->topLevelItem(0);
        for (int i = 0; i < folder->childCount(); ++i)
            games.emplace_back(TreeView::StateIndex(folder->child(i)), TreeView::Text(folder->child(i)));
        chooser.Control<platform::Button>("btnCancel")->click();
    });
    Activate();  // no statistics file: the chooser opens at once
    ASSERT_EQ(games.size(), 8u);
    for (const auto& [id, name] : games) {
        AnswerModal([id](platform::Form& chooser) {
            auto* tree = chooser.Control<TreeView>("trvGames");
            tree->Select(tree->FindNode(id));
            chooser.Control<platform::Button>("btnOK")->click();
        });
        Main().RunCommand("mnuOpen");
        EXPECT_EQ(Field(engine::fields::kGame.position, engine::fields::kGame.width),
                  engine::IntToZeroPad(id, engine::fields::kGame.width))
            << name;
        EXPECT_EQ(Field(engine::fields::kGameName.position, engine::fields::kGameName.width), name);
        EXPECT_TRUE(Flag(engine::flag::kGameInProgress)) << name;
        EXPECT_NE(Main().Caption().find(name), std::string::npos) << name;
        EXPECT_EQ(PreferenceValue("Game"), std::to_string(id));
    }
}

TEST_F(PlayerDialogsTest, TheOptionsDrawTheTableWithTheNewBackground) {
    Preference("Fade_Background", "N");
    ASSERT_EQ(Start(), 0);
    AnswerModal([](platform::Form& chooser) { chooser.Control<platform::Button>("btnCancel")->click(); });
    Activate();
    StartFreecell();
    AnswerModal([](platform::Form& options) {
        auto* tree = options.Control<TreeView>("trvBackGround");
        tree->Select(tree->FindNode(16777215));  // White
        options.Control<platform::Button>("btnOK")->click();
    });
    Main().RunCommand("mnuCustomize");
    EXPECT_EQ(PreferenceValue("Background_Fixed_Col"), "16777215");
    const QImage& buffer = program->Table().Buffers().TableBuffer().Image();
    EXPECT_EQ(buffer.pixel(buffer.width() - 40, buffer.height() - 40), qRgb(255, 255, 255));
}

}  // namespace
