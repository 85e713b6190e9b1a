#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bars/items/bar_button.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/menus/sub_menu_window.h"
#include "engine/model/board_dump.h"
#include "engine/model/preference_fields.h"
#include "engine/play/player_actions.h"
#include "platform/core/input_hooks.h"
#include "platform/qt/help_window.h"
#include "platform/qt/message_boxes.h"
#include "shell/dialogs/player_dialogs.h"
#include "shell/help_viewer.h"
#include "tests/shell/modal_player.h"
#include "tests/shell/program_fixture.h"

namespace shell_test {
namespace {

namespace fields = engine::fields;

// A window a menu entry opens, and the button that closes it ("" for the message box's Cancel).
struct MenuWindow {
    Qt::Key menu;
    Qt::Key entry;
    const char* what;
    const char* button;
};

// The program with its real windows and message boxes, keys delivered as the window system
// delivers them: a window that a modal window blocks never sees its keys.
class MenuWindowsKeyboardTest : public ProgramTest {
protected:
    void SetUp() override {
        platform::KeyStates::Instance().Clear();
        useDialogs = &playerDialogs;
        useMessages = &boxes;
        folder.WriteFile("Data/Stat_e00.dat", "");
        Preference("ConfirmQuit", "Y");
        ASSERT_EQ(Start(), 0);
        Activate();
        if (Autoplay()) Main().RunCommand("mnuAutoPlay");
        StartFreecell();
    }
    void TearDown() override { platform::KeyStates::Instance().Clear(); }

    QWindow* MainWindow() { return Main().windowHandle(); }
    bars::TcbBarManager& Manager() { return Main().BarManager(); }
    bool Autoplay() { return dynamic_cast<bars::TcbBarButton&>(*Manager().ItemByName("mnuAutoPlay")).Down(); }
    bool GameMenuOpen() {
        return dynamic_cast<bars::TcbBarSubItem&>(*Manager().ItemByName("mnuGame")).ItemLinks().Window() != nullptr;
    }
    std::string Number() { return Field(fields::kGameNumber.position, fields::kGameNumber.width); }

    // Alt with the menu's letter, then the entry's letter; the entry's release comes while
    // the window it opened is up, and goes to the main window, which the window blocks.
    void ChooseModal(const MenuWindow& window, std::function<void(QWidget&)> close) {
        Stroke(MainWindow(), window.menu, Qt::AltModifier);
        WhenModal player([&](QWidget& modal) {
            KeyUp(MainWindow(), window.entry);
            close(modal);
        });
        KeyDown(MainWindow(), window.entry);
        EXPECT_TRUE(player.Acted()) << window.what << " did not open";
    }

    static void Escape(QWidget& modal) { Stroke(modal.windowHandle(), Qt::Key_Escape); }
    static std::function<void(QWidget&)> ByButton(const MenuWindow& window) {
        return [&window](QWidget& modal) {
            if (auto* box = qobject_cast<QMessageBox*>(&modal))
                box->button(QMessageBox::Cancel)->click();
            else
                modal.findChild<QAbstractButton*>(window.button)->click();
        };
    }

    // F2, F7, Ctrl+Z and Alt+G reach the main window's commands.
    void ExpectTheKeyboardActs(const std::string& after) {
        const bool autoplay = Autoplay();
        Stroke(MainWindow(), Qt::Key_F7);
        EXPECT_NE(Autoplay(), autoplay) << "F7 after " << after;
        Stroke(MainWindow(), Qt::Key_F7);

        const std::string number = Number();
        Stroke(MainWindow(), Qt::Key_F2);
        EXPECT_NE(Number(), number) << "F2 after " << after;

        const std::string dealt = engine::DumpBoard(G().Piles());
        const std::vector<engine::PlayerAction> actions = engine::LegalActions(G());
        ASSERT_FALSE(actions.empty());
        ASSERT_TRUE(engine::PlayAction(G(), actions.front()));
        Stroke(MainWindow(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(engine::DumpBoard(G().Piles()), dealt) << "Ctrl+Z after " << after;

        Stroke(MainWindow(), Qt::Key_G, Qt::AltModifier);
        EXPECT_TRUE(GameMenuOpen()) << "Alt+G after " << after;
        Stroke(MainWindow(), Qt::Key_Escape);
        Stroke(MainWindow(), Qt::Key_Escape);
        EXPECT_FALSE(GameMenuOpen());
    }

    shell::PlayerDialogs playerDialogs;
    platform::MessageBoxes boxes{"Corvanet Solitaire"};
};

const MenuWindow kModalWindows[] = {
    {Qt::Key_F, Qt::Key_O, "Open a game", "btnCancel"}, {Qt::Key_F, Qt::Key_X, "Exit", ""},
    {Qt::Key_T, Qt::Key_U, "Customize", "btnAnnulla"},  {Qt::Key_H, Qt::Key_F, "Free Newsletter", "btnCancel"},
    {Qt::Key_H, Qt::Key_B, "About", "btnOK"},
};

TEST_F(MenuWindowsKeyboardTest, EveryWindowAMenuLetterOpensLeavesTheKeyboardAsItFoundIt) {
    for (const MenuWindow& window : kModalWindows) {
        ChooseModal(window, Escape);
        ExpectTheKeyboardActs(std::string(window.what) + " closed by Esc");
        ChooseModal(window, ByButton(window));
        ExpectTheKeyboardActs(std::string(window.what) + " closed by its button");
    }
    // The help window opens beside the main window, which keeps its keys.
    for (const Qt::Key entry : {Qt::Key_R, Qt::Key_C}) {
        Stroke(MainWindow(), Qt::Key_H, Qt::AltModifier);
        Stroke(MainWindow(), entry);
        platform::HelpWindow* help = program->Help().Window();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        help->close();
        ExpectTheKeyboardActs(entry == Qt::Key_R ? "Rules" : "Contents");
    }
    EXPECT_NE(program->Game(), nullptr);
}

// The window manager's Alt+F4 closes the window with Alt down, and keeps Alt's release; so
// does a window closed while the player holds a modifier of the next shortcut.
TEST_F(MenuWindowsKeyboardTest, AModifierWhoseReleaseNeverCameIsUpAtTheNextKey) {
    for (const Qt::Key held : {Qt::Key_Alt, Qt::Key_Control, Qt::Key_Shift}) {
        ChooseModal(kModalWindows[4], [held](QWidget& about) {
            KeyDown(about.windowHandle(), held);
            about.close();
        });
        ExpectTheKeyboardActs("About closed with a modifier down");
    }
}

TEST_F(MenuWindowsKeyboardTest, TheExitQuestionTakesTabSpaceAndReturnAfterAMenuWindow) {
    ChooseModal(kModalWindows[4], Escape);  // About
    const MenuWindow exit = kModalWindows[1];
    // Tab to Cancel, Space presses it: the program stays.
    ChooseModal(exit, [](QWidget& box) {
        Stroke(box.windowHandle(), Qt::Key_Tab);
        Stroke(box.windowHandle(), Qt::Key_Space);
    });
    ASSERT_NE(program->Game(), nullptr);
    ChooseModal(exit, [](QWidget& box) { Stroke(box.windowHandle(), Qt::Key_Return); });
    EXPECT_EQ(program->Game(), nullptr);
}

}  // namespace
}  // namespace shell_test
