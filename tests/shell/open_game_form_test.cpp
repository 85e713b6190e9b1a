#include <gtest/gtest.h>

#include <QColor>

#include "engine/files/preference_keys.h"
#include "engine/model/preference_fields.h"
#include "platform/qt/controls.h"
#include "platform/qt/image_control.h"
#include "platform/qt/input_controls.h"
#include "platform/qt/tree_view.h"
#include "shell/chooser/open_game_form.h"
#include "tests/shell/dialog_fixture.h"

namespace {

using engine::fields::kGame;
using engine::kSectionPreference;
using platform::TreeView;
using test_support::MessageEvent;

class ChooserTest : public shell_test::DialogTest {
protected:
    ChooserTest() {
        UseGames({shell_test::ChooserGame(3, "Yukon"), shell_test::ChooserGame(1, "Klondike"),
                  shell_test::ChooserGame(7, "Canfield", 2), shell_test::ChooserGame(5, "FreeCell", 99)});
        SetField(kGame, "1");
        // The top-left pixel's colour is left out.
        QImage preview = shell_test::SolidImage(100, 50, qRgb(200, 10, 10));
        preview.setPixel(0, 0, qRgb(0, 0, 255));
        preview.setPixel(50, 25, qRgb(0, 0, 255));
        AddPicture("GAME0001", preview);
        AddPicture("PROG_DIFF_HARD", shell_test::SolidImage(80, 10, qRgb(1, 2, 3)));
    }

    // The chooser shown once; the player's part runs while it is up.
    shell::TfrmOpenGame& ShowChooser(std::function<void(shell::TfrmOpenGame&)> player, int result = platform::kModalOk) {
        if (!m_chooser) m_chooser = std::make_unique<shell::TfrmOpenGame>(Context(), nullptr);
        AnswerModal([&player](platform::Form& form) { player(static_cast<shell::TfrmOpenGame&>(form)); }, result);
        m_chooser->ShowModal();
        return *m_chooser;
    }

    static TreeView& Tree(shell::TfrmOpenGame& chooser) { return *chooser.Control<TreeView>("trvGames"); }
    static std::string LabelText(shell::TfrmOpenGame& chooser, const char* name) {
        return chooser.Control<platform::Label>(name)->Caption();
    }
    static void Select(shell::TfrmOpenGame& chooser, int value) { Tree(chooser).Select(Tree(chooser).FindNode(value)); }
    static void Click(shell::TfrmOpenGame& chooser, const char* button) {
        chooser.Control<platform::Button>(button)->click();
    }

    std::unique_ptr<shell::TfrmOpenGame> m_chooser;
};

TEST_F(ChooserTest, OpensOnAllGamesSortedByNameWithTheCurrentGameSelected) {
    ShowChooser([](shell::TfrmOpenGame& chooser) {
        TreeView& tree = Tree(chooser);
        ASSERT_EQ(tree.topLevelItemCount(), 1);
        TreeView::Node* folder = tree.topLevelItem(0);
        EXPECT_EQ(TreeView::Text(folder), "All games (alphabetically)");
        std::vector<std::string> names;
        for (int i = 0; i < folder->childCount(); ++i) names.push_back(TreeView::Text(folder->child(i)));
        EXPECT_EQ(names, (std::vector<std::string>{"Canfield", "FreeCell", "Klondike", "Yukon"}));
        EXPECT_EQ(TreeView::StateIndex(tree.Selected()), 1);
        EXPECT_TRUE(folder->isExpanded());
        // A game of an unknown type has no icon.
        EXPECT_EQ(TreeView::ImageIndex(folder->child(1)), -1);
        EXPECT_NE(TreeView::ImageIndex(folder->child(0)), TreeView::ImageIndex(folder->child(2)));
    });
}

TEST_F(ChooserTest, NamesSortAsThePlayerReadsThemAndADoubleClickChoosesAGame) {
    UseGames({shell_test::ChooserGame(3, "Yukon"), shell_test::ChooserGame(4, "bristol"),
              shell_test::ChooserGame(1, "Klondike"), shell_test::ChooserGame(6, "Aces Up")});
    WritePreferences("[Preference]\nGame_TreeNum=-555\n");
    shell::TfrmOpenGame& chooser = ShowChooser([this](shell::TfrmOpenGame& shown) {
        TreeView& tree = Tree(shown);
        TreeView::Node* folder = tree.topLevelItem(0);
        // Selecting the folder fills it, as opening it does.
        tree.Select(folder);
        std::vector<std::string> names;
        for (int i = 0; i < folder->childCount(); ++i) names.push_back(TreeView::Text(folder->child(i)));
        EXPECT_EQ(names, (std::vector<std::string>{"Aces Up", "bristol", "Klondike", "Yukon"}));
        // On a folder a double click only opens or closes it.
        emit tree.itemDoubleClicked(folder, 0);
        EXPECT_FALSE(shown.IsOk());
        EXPECT_TRUE(fake.Messages().Texts(MessageEvent::Kind::Info).empty());
        tree.Select(folder->child(1));
        emit tree.itemDoubleClicked(folder->child(1), 0);
    });
    EXPECT_TRUE(chooser.IsOk());
    EXPECT_EQ(TreeView::StateIndex(chooser.SelectedNode()), 4);
    EXPECT_EQ(Preference(kSectionPreference, "Game_Name"), "bristol");
}

TEST_F(ChooserTest, AnUnknownFolderLeavesTheTreeClosedWithNothingSelected) {
    WritePreferences("[Preference]\nGame_TreeNum=-555\n");
    ShowChooser([](shell::TfrmOpenGame& chooser) {
        TreeView::Node* folder = Tree(chooser).topLevelItem(0);
        EXPECT_EQ(Tree(chooser).Selected(), nullptr);
        EXPECT_FALSE(folder->isExpanded());
        EXPECT_EQ(TreeView::Text(folder->child(0)), "nil");
        EXPECT_FALSE(chooser.Control<platform::Button>("btnOK")->isEnabled());
        // Opening the folder fills it; nothing gets selected.
        Tree(chooser).Expand(folder);
        EXPECT_EQ(folder->childCount(), 4);
        EXPECT_EQ(Tree(chooser).Selected(), nullptr);
    });
}

TEST_F(ChooserTest, DescribesTheSelectedGame) {
    ShowChooser([](shell::TfrmOpenGame& chooser) {
        EXPECT_EQ(LabelText(chooser, "lblGameName"), "Klondike");
        EXPECT_EQ(LabelText(chooser, "lblDecks"), "1");
        EXPECT_EQ(LabelText(chooser, "lblRedeal"), "0");
        EXPECT_EQ(LabelText(chooser, "lblGameTime"), "Medium");
        EXPECT_EQ(LabelText(chooser, "lblDiffRules"), "Hard");
        EXPECT_EQ(LabelText(chooser, "lblSkill"), "Mostly chance");
        EXPECT_EQ(LabelText(chooser, "lblDiffWin"), "Very high (about 9 in 10)");
        EXPECT_EQ(chooser.Control<platform::Image>("imgDifficult")->Picture().Image().pixel(5, 5), qRgb(1, 2, 3));
        // The preview lies centred at the top on the gradient.
        const QImage& preview = chooser.Control<platform::Image>("imgGame")->Picture().Image();
        EXPECT_EQ(preview.pixel(150, 10), qRgb(200, 10, 10));
        EXPECT_NE(preview.pixel(20, 10), qRgb(200, 10, 10));
        EXPECT_EQ(QColor(preview.pixel(150, 25)).blue(), 0);
        EXPECT_EQ(preview.pixel(20, 184), qRgb(0, 0, 0));
    });
}

TEST_F(ChooserTest, ClearingPreviewBlanksThePictureAndIsStoredOnlyByOk) {
    ShowChooser([this](shell::TfrmOpenGame& chooser) {
        chooser.Control<platform::CheckBox>("chkPreview")->Click();
        const QImage& preview = chooser.Control<platform::Image>("imgGame")->Picture().Image();
        EXPECT_NE(preview.pixel(150, 10), qRgb(200, 10, 10));
        EXPECT_EQ(QColor(preview.pixel(150, 1)).red(), 0);
        EXPECT_GT(QColor(preview.pixel(150, 1)).green(), 100);
        EXPECT_EQ(Preference(kSectionPreference, "Open_Preview_Game"), "(none)");
        Click(chooser, "btnOK");
    });
    EXPECT_EQ(Preference(kSectionPreference, "Open_Preview_Game"), "N");
}

TEST_F(ChooserTest, LowColourDisplaysGetASolidPreviewBackground) {
    host.colours = 256;
    ShowChooser([](shell::TfrmOpenGame& chooser) {
        const QImage& preview = chooser.Control<platform::Image>("imgGame")->Picture().Image();
        EXPECT_EQ(preview.pixel(20, 1), qRgb(0, 128, 0));
        EXPECT_EQ(preview.pixel(20, 184), qRgb(0, 128, 0));
    });
}

TEST_F(ChooserTest, OkRemembersTheGameAndItsFolder) {
    shell::TfrmOpenGame& chooser = ShowChooser([](shell::TfrmOpenGame& shown) {
        Select(shown, 7);
        Click(shown, "btnOK");
    });
    EXPECT_TRUE(chooser.IsOk());
    EXPECT_EQ(TreeView::StateIndex(chooser.SelectedNode()), 7);
    EXPECT_EQ(Preference(kSectionPreference, "Game"), "7");
    EXPECT_EQ(Preference(kSectionPreference, "Game_Name"), "Canfield");
    EXPECT_EQ(Preference(kSectionPreference, "Game_TreeNum"), "-30");
    EXPECT_TRUE(host.Called("RedrawSelectionLine"));
    // The tree stays as the player left it for the next show.
    ShowChooser([](shell::TfrmOpenGame& shown) {
        EXPECT_EQ(TreeView::StateIndex(Tree(shown).Selected()), 7);
        Click(shown, "btnCancel");
    });
}

TEST_F(ChooserTest, OkAndRulesOnAFolderOnlyExplain) {
    shell::TfrmOpenGame& chooser = ShowChooser([this](shell::TfrmOpenGame& shown) {
        Select(shown, -30);
        shown.Control<platform::Button>("btnOK")->setEnabled(true);  // a double click on the folder reaches OK
        Click(shown, "btnOK");
        shown.Control<platform::Button>("btnRules")->setEnabled(true);
        Click(shown, "btnRules");
        EXPECT_EQ(fake.Messages().Texts(MessageEvent::Kind::Info),
                  (std::vector<std::string>{"Open a game", "Select a game"}));
        EXPECT_TRUE(help.contexts.empty());
        Select(shown, 3);
        Click(shown, "btnRules");
        EXPECT_EQ(help.contexts, (std::vector<int>{3003}));
    });
    EXPECT_FALSE(chooser.IsOk());
    EXPECT_EQ(Preference(kSectionPreference, "Game"), "(none)");
}

TEST_F(ChooserTest, TheFolderPictureIsReadWhenAFolderIsFirstShown) {
    AddPicture("PIC_CHOOSER", shell_test::SolidImage(300, 185, qRgb(7, 8, 9)));
    ShowChooser([](shell::TfrmOpenGame& shown) {
        const platform::Bitmap& picture = shown.Control<platform::Image>("imgFolder")->Picture();
        EXPECT_TRUE(picture.IsEmpty());
        Select(shown, -30);
        ASSERT_FALSE(picture.IsEmpty());
        EXPECT_EQ(picture.Image().pixel(299, 184), qRgb(7, 8, 9));
        Click(shown, "btnCancel");
    });
}

TEST_F(ChooserTest, ChoosingAGameKeepsThePlayerWhoIsPlaying) {
    SetField(engine::fields::kUserDefault, "Ann");
    shell::TfrmOpenGame& chooser = ShowChooser([](shell::TfrmOpenGame& shown) { Click(shown, "btnOK"); });
    EXPECT_EQ(chooser.ChosenPlayer(), "Ann");
}

TEST_F(ChooserTest, CancelWithNoGameEverChosenDisablesTheGameCommands) {
    SetField(kGame, "-1");
    ShowChooser([](shell::TfrmOpenGame& shown) { Click(shown, "btnCancel"); });
    EXPECT_FALSE(m_chooser->IsOk());
    EXPECT_FALSE(shellPort.IsCommandEnabled(engine::ShellCommand::kUndoButton));
}

}  // namespace
