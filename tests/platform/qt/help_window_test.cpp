#include <gtest/gtest.h>

#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include <filesystem>
#include <fstream>

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

}  // namespace
