#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QTextDocument>

#include <filesystem>
#include <vector>

#include "platform/qt/controls.h"
#include "platform/qt/help_window.h"
#include "platform/qt/tree_view.h"
#include "shell/chooser/open_game_form.h"
#include "shell/dialogs/about_form.h"
#include "shell/dialogs/advice_form.h"
#include "shell/dialogs/news_forms.h"
#include "tests/shell/dialog_fixture.h"

namespace {

// Help asked for in the windows of the program: F1 on the control that has the keyboard,
// and the windows' help buttons.
class HelpRequestsTest : public shell_test::DialogTest {
protected:
    HelpRequestsTest() {
        UseGames({shell_test::ChooserGame(1, "Klondike")});
        app.SetHelpHandler([this](int context) { help.ShowHelpContext(context); });
    }

    // The key goes to the control; what it leaves goes on to its window.
    static void PressF1(QWidget& control) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(&control, &press);
    }
};

TEST_F(HelpRequestsTest, F1AndTheHelpButtonsOpenTheirWindowsPages) {
    shell::TfrmOpenGame chooser(Context(), nullptr);
    AnswerModal([](platform::Form& shown) {
        PressF1(*shown.Control<platform::TreeView>("trvGames"));
        shown.Control<platform::Button>("btnHelp")->click();
    });
    chooser.ShowModal();
    AnswerModal([](platform::Form& about) { PressF1(*about.Control<platform::Button>("btnOK")); });
    shell::ShowAboutBox(Context());
    AnswerModal([](platform::Form& news) { PressF1(*news.Control<platform::Button>("btnSend")); });
    shell::ShowNewsletterInvitation(Context(), true);
    EXPECT_EQ(help.contexts, (std::vector<int>{4015, 4015, 2005, 4017}));

    // A window without a page of its own asks for none.
    help.contexts.clear();
    AnswerModal([](platform::Form& advice) { PressF1(advice); });
    shell::AdviceBox(Context()).ShowAdvice("Hint", 0);
    EXPECT_TRUE(help.contexts.empty());
}

TEST(HelpBundle, TheWindowsPagesAreInTheBuiltHelp) {
    platform::HelpWindow window;
    window.SetBundle(std::filesystem::path(CORVANET_PROGRAM_DIR) / "quendrix.hlp");
    for (const int context : {1019, 2005, 4015, 4017}) {
        EXPECT_TRUE(window.ShowContext(context)) << context;
        EXPECT_NE(window.Caption(), "Help") << context;
    }
    // F2 deals the current game anew from another number: no page may promise the deal again.
    window.ShowContext(4015);
    const QString chooser = window.Browser().document()->toPlainText().simplified();
    EXPECT_TRUE(chooser.contains("New game (F2)")) << chooser.toStdString();
    EXPECT_TRUE(chooser.contains("new deal")) << chooser.toStdString();
    EXPECT_FALSE(chooser.contains("same game again")) << chooser.toStdString();
}

}  // namespace
