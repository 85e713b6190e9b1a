#include <string>
#include <vector>

#include "bars/items/bar_button.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/toolbars/bar.h"
#include "bars/windows/dock_control.h"
#include "bars/windows/toolbar_window.h"
#include "engine/model/board_dump.h"
#include "engine/model/preference_fields.h"
#include "engine/play/player_actions.h"
#include "engine/session/game_commands.h"
#include "platform/core/input_hooks.h"
#include "platform/qt/controls.h"
#include "platform/qt/help_window.h"
#include "shell/help_viewer.h"
#include "tests/shell/program_fixture.h"
#include "tools/window_keys.h"

namespace shell_test {
namespace {

namespace fields = engine::fields;

// The main window's menu bar as the player meets it: keys go to the window as the window
// system delivers them, through the framework's hooks.
class MenuBarTest : public ProgramTest {
protected:
    void SetUp() override {
        platform::KeyStates::Instance().Clear();
        ASSERT_EQ(Start(), 0);
        Activate();
    }
    void TearDown() override {
        if (bars::TCustomcbBarControl* active = bars::TCustomcbBarControl::ActiveBarControl()) active->CloseAll();
        platform::KeyStates::Instance().Clear();
    }

    bars::TcbBarManager& Manager() { return Main().BarManager(); }
    bars::TcbBar& Bar() { return *Manager().MainMenuBar(); }
    bars::TcbBarButton& Button(const std::string& name) {
        return dynamic_cast<bars::TcbBarButton&>(*Manager().ItemByName(name));
    }
    bars::TcbBarSubItem& Menu(const std::string& name) {
        return dynamic_cast<bars::TcbBarSubItem&>(*Manager().ItemByName(name));
    }
    static bars::TcbBarSubMenuControl* OpenMenu(const bars::TcbBarSubItem& menu) {
        return dynamic_cast<bars::TcbBarSubMenuControl*>(menu.ItemLinks().Window());
    }
    static std::vector<std::string> Captions(const bars::TcbBarItemLinks& links) {
        std::vector<std::string> captions;
        for (const bars::TcbBarItemLink* link : links.ShownLinks())
            captions.push_back((link->BeginGroup() ? "| " : "") + link->Caption());
        return captions;
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        tools::PressKey(Main().windowHandle(), key, modifiers);
    }
    std::string Board() { return engine::DumpBoard(G().Piles()); }
};

TEST_F(MenuBarTest, TheOfferedMenusLieInTheDockAboveTheToolbarAndTheClock) {
    std::vector<std::string> shown;
    for (const bars::TcbBarItemLink* link : Bar().ItemLinks().ShownLinks()) shown.push_back(link->Caption());
    EXPECT_EQ(shown, (std::vector<std::string>{"&File", "&Game", "&Tools", "&Help"}));
    EXPECT_EQ(Bar().ItemLinks().ShownLinks().front()->ItemRect().left, 0);

    const bars::TcbDockControl& top = *bars::DockAreasOf(Manager()).Area(bars::dsTop);
    auto* window = dynamic_cast<bars::TcbBarControl*>(Bar().ItemLinks().Window());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parentWidget(), &top);
    EXPECT_GT(top.height(), 0);
    EXPECT_EQ(top.geometry().top(), 0);
    EXPECT_EQ(Main().Panel("pnlTB")->y(), top.height());
    EXPECT_GE(Main().Panel("pnlTempo")->y(), top.height());
    EXPECT_EQ(Main().PanelBottom(table::TablePanel::kLargeToolbar), top.height() + Main().Panel("pnlTB")->height());
}

TEST_F(MenuBarTest, TheFileMenuOpensByAltAndByMouseWithItsOfferedEntries) {
    const std::vector<std::string> entries{"&New game", "&Open a game...", "| E&xit"};
    Key(Qt::Key_F, Qt::AltModifier);
    ASSERT_NE(OpenMenu(Menu("mnuFile")), nullptr);
    EXPECT_EQ(Captions(Menu("mnuFile").ItemLinks()), entries);
    Key(Qt::Key_Escape);
    Key(Qt::Key_Escape);
    EXPECT_EQ(OpenMenu(Menu("mnuFile")), nullptr);

    auto& window = dynamic_cast<bars::TcbBarControl&>(*Bar().ItemLinks().Window());
    const platform::Rect title = Bar().ItemLinks().ShownLinks().front()->ItemRect();
    const platform::Point centre{(title.left + title.right) / 2, (title.top + title.bottom) / 2};
    window.MouseMove(centre);
    window.LButtonDown(centre);
    window.LButtonUp(centre);
    ASSERT_NE(OpenMenu(Menu("mnuFile")), nullptr);
    EXPECT_EQ(Captions(Menu("mnuFile").ItemLinks()), entries);
    EXPECT_EQ(Captions(Menu("mnuHelp").ItemLinks()),
              (std::vector<std::string>{"&Rules", "&Contents", "| &Free Newsletter...", "Corvanet Solitaire on the &Web...",
                                        "| A&bout Corvanet Solitaire..."}));
}

TEST_F(MenuBarTest, F7TogglesAutoplayAndTheMenuCheckFollowsTheToolbarButtons) {
    StartFreecell();
    const bool before = Button("mnuAutoPlay").Down();
    // While a card animation swallows input, the key starts nothing under it.
    Main().InstallMessageFilter(engine::MessageFilter::kSwallowInput);
    Key(Qt::Key_F7);
    EXPECT_EQ(Button("mnuAutoPlay").Down(), before);
    Main().RestoreMessageHandler();
    Key(Qt::Key_F7);
    EXPECT_EQ(Button("mnuAutoPlay").Down(), !before);
    EXPECT_EQ(Main().Button("tbAutoPlay")->IsDown(), !before);
    EXPECT_EQ(Main().Button("tbAutoPlay1")->IsDown(), !before);
    Main().Button("tbAutoPlay")->Click();
    EXPECT_EQ(Button("mnuAutoPlay").Down(), before);
    EXPECT_EQ(Main().Commands().Find("mnuAutoPlay")->IsDown(), before);
}

TEST_F(MenuBarTest, CtrlZAndCtrlYUndoAndRedoAMove) {
    if (Button("mnuAutoPlay").Down()) Key(Qt::Key_F7);
    StartFreecell();
    const std::string dealt = Board();
    const std::vector<engine::PlayerAction> actions = engine::LegalActions(G());
    ASSERT_FALSE(actions.empty());
    ASSERT_TRUE(engine::PlayAction(G(), actions.front()));
    const std::string moved = Board();
    ASSERT_NE(moved, dealt);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Board(), dealt);
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Board(), moved);
}

TEST_F(MenuBarTest, TheOfferedShortcutsRunTheirCommandsOnceEach) {
    StartFreecell();
    const std::string number = Field(fields::kGameNumber.position, fields::kGameNumber.width);
    Key(Qt::Key_F2);
    EXPECT_NE(Field(fields::kGameNumber.position, fields::kGameNumber.width), number);
    const int chooser = dialogs.chooserShows;
    Key(Qt::Key_F12, Qt::ControlModifier);
    EXPECT_EQ(dialogs.chooserShows, chooser + 1);
    const int options = dialogs.optionsShows;
    Key(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(dialogs.optionsShows, options + 1);
}

TEST_F(MenuBarTest, HiddenCommandsStayHiddenWhenEnabledAndTheirShortcutsDoNothing) {
    StartFreecell();
    engine::EnableGameCommands(G().services, true);
    for (const char* menu : {"mnuBookmarks", "mnuStatistics", "mnuOptions"})
        EXPECT_EQ(Menu(menu).Visible(), bars::ivNever) << menu;
    for (const char* hidden : {"mnuPause", "mnuQuitGame", "mnuRestartGame", "mnuSnapshotPosition"})
        EXPECT_EQ(Manager().ItemByName(hidden)->Visible(), bars::ivNever) << hidden;
    Key(Qt::Key_P, Qt::ControlModifier);
    Key(Qt::Key_F8);
    EXPECT_FALSE(Button("mnuPause").Down());
    EXPECT_FALSE(Button("mnuCardCounter").Down());
    EXPECT_EQ(Captions(Menu("mnuGame").ItemLinks()), (std::vector<std::string>{"&Undo", "&Redo", "| Au&toplay"}));
}

TEST_F(MenuBarTest, F1OnAHighlightedCommandWithAHelpContextOpensItsPageInTheHelpWindow) {
    Button("mnuAbout").SetHelpContext(2005);
    Key(Qt::Key_H, Qt::AltModifier);
    ASSERT_NE(OpenMenu(Menu("mnuHelp")), nullptr);
    Key(Qt::Key_End);
    Key(Qt::Key_F1);
    const platform::HelpWindow* window = program->Help().Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->CurrentContext(), 2005);
}

}  // namespace
}  // namespace shell_test
