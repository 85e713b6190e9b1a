#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QWindow>
#include <QtTest/QTest>

#include <filesystem>
#include <fstream>

#include "platform/qt/form.h"
#include "platform/qt/help_window.h"

namespace {

namespace fs = std::filesystem;

void WritePage(const fs::path& folder, int context, const std::string& title, const std::string& body) {
    std::ofstream(folder / (std::to_string(context) + ".html"))
        << "<html><head><title>" << title << "</title></head><body>" << body << "</body></html>";
}

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("help_window_test_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        WritePage(folder, 3001, "Freecell", "<a href=\"3002.html\">Klondike</a>");
        WritePage(folder, 3002, "Klondike", "<a href=\"contents\">Contents</a>");
        WritePage(folder, 1019, "Customize", "options");
        std::ofstream(folder / "notes.html") << "not a page";
        help.SetBundle(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
    platform::HelpWindow help;
};

TEST_F(HelpWindowTest, AContextOpensItsPageAndItsLinksLeadOn) {
    EXPECT_TRUE(help.Command(platform::kHelpContextCommand, 3001));
    EXPECT_EQ(help.CurrentContext(), 3001);
    EXPECT_EQ(help.CurrentTitle(), "Freecell");
    emit help.Browser().anchorClicked(QUrl("3002.html"));
    EXPECT_EQ(help.CurrentTitle(), "Klondike");
    emit help.Browser().anchorClicked(QUrl("contents"));
    EXPECT_EQ(help.CurrentContext(), platform::kContentsContext);
}

TEST_F(HelpWindowTest, EscFromTheTextClosesTheWindowAndTheNextRequestShowsItAgain) {
    help.ShowContext(3001);
    QTest::keyClick(&help.Browser(), Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(help.isVisible());
    QTest::keyClick(&help.Browser(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    help.ShowContext(3002);
    EXPECT_TRUE(help.isVisible());
}

TEST_F(HelpWindowTest, TheFinderListsEveryNumberedPageByTitleInOrder) {
    EXPECT_TRUE(help.Command(platform::kHelpFinderCommand, 0));
    const QString text = help.Browser().document()->toPlainText();
    const qsizetype customize = text.indexOf("Customize");
    const qsizetype freecell = text.indexOf("Freecell");
    const qsizetype klondike = text.indexOf("Klondike");
    EXPECT_GE(customize, 0);
    EXPECT_LT(customize, freecell);
    EXPECT_LT(freecell, klondike);
    EXPECT_FALSE(text.contains("notes"));
}

TEST_F(HelpWindowTest, AMissingContextSaysSoAndKeepsTheWindowUsable) {
    EXPECT_FALSE(help.ShowContext(4015));
    EXPECT_EQ(help.CurrentContext(), -1);
    EXPECT_TRUE(help.Browser().document()->toPlainText().contains("no help topic 4015"));
    EXPECT_TRUE(help.ShowContext(1019));
}

TEST_F(HelpWindowTest, BackAndForwardWalkThePagesAndTheCaptionFollows) {
    EXPECT_FALSE(help.BackButton().isEnabled());
    help.ShowContext(3001);
    EXPECT_EQ(help.Caption(), "Help - Freecell");
    // The link followed keeps the keyboard's frame on the page left.
    help.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    help.Browser().setFocus();
    QTest::keyClick(&help.Browser(), Qt::Key_Tab);
    ASSERT_TRUE(help.Browser().textCursor().hasSelection());
    emit help.Browser().anchorClicked(QUrl("3002.html"));
    help.ShowContents();
    EXPECT_EQ(help.Caption(), "Help - Contents");
    ASSERT_TRUE(help.BackButton().isEnabled());
    help.BackButton().click();
    EXPECT_EQ(help.Caption(), "Help - Klondike");
    EXPECT_EQ(help.CurrentContext(), 3002);
    help.Browser().backward();  // Alt+Left, Backspace
    EXPECT_EQ(help.Caption(), "Help - Freecell");
    EXPECT_EQ(help.CurrentContext(), 3001);
    EXPECT_FALSE(help.Browser().textCursor().hasSelection());
    EXPECT_FALSE(help.BackButton().isEnabled());
    help.ForwardButton().click();
    help.ForwardButton().click();
    EXPECT_EQ(help.CurrentContext(), platform::kContentsContext);
    EXPECT_FALSE(help.ForwardButton().isEnabled());
}

// Help asked for by a modal window: the window blocks every other, so the help window
// belongs to it while it is up (it stays above it and takes keys), and outlives it.
TEST_F(HelpWindowTest, HelpFromAModalWindowCanBeReadAndStaysOpenAfterIt) {
    WritePage(folder, 3005, "Golf", std::string(400, 'x') + "<p>" + std::string(4000, 'y') + "</p>");
    platform::Form asker;
    asker.setWindowModality(Qt::ApplicationModal);
    asker.show();
    // Nothing may end the test before the asker hides: the help window is its child meanwhile.
    help.ShowContext(3005);
    EXPECT_EQ(help.windowHandle()->transientParent(), asker.windowHandle());
    EXPECT_TRUE(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    help.Browser().setFocus();
    QScrollBar& scroll = *help.Browser().verticalScrollBar();
    EXPECT_GT(scroll.maximum(), 0);
    QTest::keyClick(help.windowHandle(), Qt::Key_End);
    EXPECT_EQ(scroll.value(), scroll.maximum());

    asker.hide();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.parentWidget(), nullptr);
    EXPECT_FALSE(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(help.Caption(), "Help - Golf");
}

}  // namespace
