#include "platform/core/ini_file.h"

#include "tests/support/fake_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using platform::IniFile;
using test_support::TempFolder;
using Lines = std::vector<std::string>;

class IniFileTest : public ::testing::Test {
protected:
    IniFile Make(std::string_view content) {
        m_folder.WriteFile("Data/cfg.dat", content);
        return IniFile(Path());
    }
    fs::path Path() const { return m_folder.Path() / "Data" / "cfg.dat"; }
    std::string Content() const { return m_folder.ReadFile("Data/cfg.dat"); }

    TempFolder m_folder;
};

TEST_F(IniFileTest, MissingFileReadsAsEmpty) {
    const IniFile ini(Path());
    EXPECT_EQ(ini.ReadString("Preference", "Card_Size", "B"), "B");
    EXPECT_EQ(ini.ReadInteger("Parameters", "Run_Exe", 0), 0);
    EXPECT_TRUE(ini.ReadYesNo("Preference", "ConfirmQuit", true));
    EXPECT_FALSE(ini.SectionExists("Preference"));
    EXPECT_TRUE(ini.ReadSections().empty());
    EXPECT_FALSE(fs::exists(Path()));
}

TEST_F(IniFileTest, SectionsAndKeysMatchIgnoringCase) {
    const IniFile ini = Make("[Preference]\r\nCard_Size=L\r\n[Users]\r\nUser001=Anna\r\n");
    EXPECT_EQ(ini.ReadString("PREFERENCE", "card_size", "B"), "L");
    EXPECT_EQ(ini.ReadString("users", "USER001", ""), "Anna");
    EXPECT_TRUE(ini.ValueExists("preference", "CARD_SIZE"));
    EXPECT_FALSE(ini.ValueExists("Users", "Card_Size"));
    EXPECT_TRUE(ini.SectionExists("USERS"));
}

TEST_F(IniFileTest, ValuesAreTheTextAfterTheFirstEqualsWithoutTheBlanksAround) {
    const IniFile ini = Make("[S]\n  Key One  = a = b \t\nEmpty=\nBlanks= \t \nToolBar_Large = Y\n");
    EXPECT_EQ(ini.ReadString("S", "Key One", "?"), "a = b");
    EXPECT_EQ(ini.ReadString("S", "Empty", "?"), "");
    EXPECT_EQ(ini.ReadString("S", "Blanks", "?"), "");
    EXPECT_EQ(ini.ReadString("S", "ToolBar_Large", "?"), "Y");
    EXPECT_TRUE(ini.ValueExists("S", "Empty"));
    EXPECT_EQ(ini.ReadSectionValues("S").front(), "Key One=a = b");
}

TEST_F(IniFileTest, IntegersAndFlags) {
    const IniFile ini = Make(
        "[P]\nRun_Exe=3\nCol=-2147483633\nPadded= 42 \nJunk=12x\nBig=99999999999\nNone=\n"
        "Yes=Y\nNo=N\nLower=y\n");
    EXPECT_EQ(ini.ReadInteger("P", "Run_Exe", 0), 3);
    EXPECT_EQ(ini.ReadInteger("P", "Col", 0), -2147483633);
    EXPECT_EQ(ini.ReadInteger("P", "Padded", 0), 42);
    EXPECT_EQ(ini.ReadInteger("P", "Junk", 7), 7);
    EXPECT_EQ(ini.ReadInteger("P", "Big", 7), 7);
    EXPECT_EQ(ini.ReadInteger("P", "None", 7), 7);
    EXPECT_TRUE(ini.ReadYesNo("P", "Yes", false));
    EXPECT_FALSE(ini.ReadYesNo("P", "No", true));
    EXPECT_TRUE(ini.ReadYesNo("P", "Lower", true));
    EXPECT_FALSE(ini.ReadYesNo("P", "Lower", false));
}

TEST_F(IniFileTest, WriteChangesOnlyItsLineAndKeepsComments) {
    IniFile ini = Make(
        "; settings\r\n[Preference]\r\nGame = 5\r\n; the size\r\nCard_Size=B\r\nodd line\r\n\r\n[Users]\r\n"
        "User001=Anna\r\n");
    ASSERT_TRUE(ini.WriteString("preference", "CARD_SIZE", "L"));
    ASSERT_TRUE(ini.WriteInteger("Preference", "game", 12));
    EXPECT_EQ(Content(),
              "; settings\r\n[Preference]\r\nGame =12\r\n; the size\r\nCard_Size=L\r\nodd line\r\n\r\n[Users]\r\n"
              "User001=Anna\r\n");
}

TEST_F(IniFileTest, NewKeyGoesAtTheEndOfItsSectionBeforeBlankLines) {
    IniFile ini = Make("[A]\r\nx=1\r\n\r\n\r\n[B]\r\ny=2\r\n");
    ASSERT_TRUE(ini.WriteYesNo("a", "Flag", true));
    ASSERT_TRUE(ini.WriteYesNo("B", "Other", false));
    EXPECT_EQ(Content(), "[A]\r\nx=1\r\nFlag=Y\r\n\r\n\r\n[B]\r\ny=2\r\nOther=N\r\n");
}

TEST_F(IniFileTest, NewSectionGoesAtTheEndOfTheFile) {
    IniFile ini = Make("[A]\r\nx=1");
    ASSERT_TRUE(ini.WriteString("Parameters", "Run_Exe", "1"));
    EXPECT_EQ(Content(), "[A]\r\nx=1\r\n\r\n[Parameters]\r\nRun_Exe=1\r\n");
    EXPECT_EQ(ini.ReadSections(), (Lines{"A", "Parameters"}));
}

TEST_F(IniFileTest, FirstWriteCreatesTheFileWithWindowsLineEnds) {
    IniFile ini(Path());
    fs::create_directories(Path().parent_path());
    ASSERT_TRUE(ini.WriteString("Users", "User001", "Player 1"));
    ASSERT_TRUE(ini.WriteString("Users", "User002", "Player 2"));
    EXPECT_EQ(Content(), "[Users]\r\nUser001=Player 1\r\nUser002=Player 2\r\n");
}

TEST_F(IniFileTest, MissingFolderMakesTheWriteFail) {
    IniFile ini(m_folder.Path() / "NoSuch" / "cfg.dat");
    EXPECT_FALSE(ini.WriteString("Users", "User001", "Player 1"));
    EXPECT_FALSE(fs::exists(m_folder.Path() / "NoSuch"));
}

TEST_F(IniFileTest, UnixLineEndsAreKept) {
    IniFile ini = Make("[A]\nx=1\n");
    ASSERT_TRUE(ini.WriteString("A", "y", "2"));
    EXPECT_EQ(Content(), "[A]\nx=1\ny=2\n");
}

TEST_F(IniFileTest, DuplicateSectionsAndKeysFirstWins) {
    IniFile ini = Make("[A]\r\nk=first\r\nk=second\r\n[B]\r\nb=1\r\n[a]\r\nk=third\r\nonly=later\r\n");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "first");
    EXPECT_FALSE(ini.ValueExists("A", "only"));
    EXPECT_EQ(ini.ReadSections(), (Lines{"A", "B"}));
    EXPECT_EQ(ini.ReadSection("A"), (Lines{"k"}));

    ASSERT_TRUE(ini.WriteString("a", "K", "new"));
    ASSERT_TRUE(ini.WriteString("A", "only", "here"));
    EXPECT_EQ(Content(),
              "[A]\r\nk=new\r\nk=second\r\nonly=here\r\n[B]\r\nb=1\r\n[a]\r\nk=third\r\nonly=later\r\n");
}

TEST_F(IniFileTest, ToleratesJunkAndLinesWithoutEquals) {
    const std::string junk("\x01\xff\x00garbage\x7f", 11);
    IniFile ini = Make("[A]\r\n" + junk + "\r\nno equals here\r\n[broken\r\n=novalue\r\nk=v\r\n" + junk);
    EXPECT_EQ(ini.ReadString("A", "k", ""), "v");
    EXPECT_EQ(ini.ReadSection("A"), (Lines{"k"}));
    EXPECT_EQ(ini.ReadSections(), (Lines{"A"}));
    ASSERT_TRUE(ini.WriteString("A", "n", "1"));
    EXPECT_EQ(Content(), "[A]\r\n" + junk + "\r\nno equals here\r\n[broken\r\n=novalue\r\nk=v\r\n" + junk + "\r\nn=1\r\n");
}

TEST_F(IniFileTest, ByteOrderMarkDoesNotHideTheFirstSection) {
    IniFile ini = Make("\xEF\xBB\xBF[Preference]\r\nGame=3\r\n");
    EXPECT_EQ(ini.ReadInteger("Preference", "Game", 0), 3);
    ASSERT_TRUE(ini.WriteInteger("Preference", "Game", 4));
    EXPECT_EQ(Content(), "\xEF\xBB\xBF[Preference]\r\nGame=4\r\n");
}

TEST_F(IniFileTest, ListsSectionsKeysAndValuesInFileOrder) {
    const IniFile ini = Make("[Users]\r\nUser002=Bob\r\n;User000=hidden\r\nUser001=Anna\r\nuser002=dup\r\n[Autoplay]\r\n");
    EXPECT_EQ(ini.ReadSections(), (Lines{"Users", "Autoplay"}));
    EXPECT_EQ(ini.ReadSection("users"), (Lines{"User002", "User001"}));
    EXPECT_EQ(ini.ReadSectionValues("USERS"), (Lines{"User002=Bob", "User001=Anna"}));
    EXPECT_TRUE(ini.SectionExists("autoplay"));
    EXPECT_TRUE(ini.ReadSection("Autoplay").empty());
    EXPECT_TRUE(ini.ReadSection("Missing").empty());
}

TEST_F(IniFileTest, EraseSectionRemovesEveryCopyAndKeepsTheRest) {
    IniFile ini = Make("; top\r\n[A]\r\nx=1\r\n\r\n[Autoplay]\r\nGames=2\r\n[a]\r\ny=2\r\n[B]\r\nz=3\r\n");
    ASSERT_TRUE(ini.EraseSection("A"));
    EXPECT_EQ(Content(), "; top\r\n[Autoplay]\r\nGames=2\r\n[B]\r\nz=3\r\n");
    EXPECT_FALSE(ini.SectionExists("A"));
    ASSERT_TRUE(ini.EraseSection("Missing"));
    EXPECT_EQ(Content(), "; top\r\n[Autoplay]\r\nGames=2\r\n[B]\r\nz=3\r\n");
}

TEST_F(IniFileTest, DeleteKeyRemovesItsLinesInTheFirstSection) {
    IniFile ini = Make("[A]\r\nk=1\r\nj=2\r\nK=3\r\n[B]\r\nk=4\r\n");
    ASSERT_TRUE(ini.DeleteKey("a", "k"));
    EXPECT_EQ(Content(), "[A]\r\nj=2\r\n[B]\r\nk=4\r\n");
    EXPECT_FALSE(ini.ValueExists("A", "k"));
    EXPECT_EQ(ini.ReadString("B", "k", ""), "4");
    EXPECT_TRUE(ini.DeleteKey("A", "missing"));
    EXPECT_TRUE(ini.DeleteKey("Missing", "k"));
}

TEST_F(IniFileTest, RejectsTextThatWouldBreakTheLines) {
    const std::string original = "[A]\r\nk=1\r\n";
    IniFile ini = Make(original);
    EXPECT_FALSE(ini.WriteString("A", "k", "two\r\n[Injected]"));
    EXPECT_FALSE(ini.WriteString("A", "k=x", "1"));
    EXPECT_FALSE(ini.WriteString("A", "", "1"));
    EXPECT_FALSE(ini.WriteString("A", ";k", "1"));
    EXPECT_FALSE(ini.WriteString("A]", "k", "1"));
    EXPECT_FALSE(ini.WriteString("", "k", "1"));
    EXPECT_FALSE(ini.WriteString(" A", "k", "1"));
    EXPECT_EQ(Content(), original);
}

TEST_F(IniFileTest, FailedWriteLeavesTheOldFile) {
    // A folder in the file's place can be neither read nor replaced.
    fs::create_directories(m_folder.Path() / "Blocked");
    IniFile blocked(m_folder.Path() / "Blocked");
    EXPECT_FALSE(blocked.WriteString("A", "k", "1"));
    EXPECT_TRUE(fs::is_directory(m_folder.Path() / "Blocked"));

    IniFile ini = Make("[A]\r\nk=1\r\n");
    const fs::path data = Path().parent_path();
    fs::permissions(data, fs::perms::owner_read | fs::perms::owner_exec);
    const bool written = ini.WriteString("A", "k", "2");
    fs::permissions(data, fs::perms::owner_all);
    if (written) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    EXPECT_EQ(Content(), "[A]\r\nk=1\r\n");
}

TEST_F(IniFileTest, ValuesAreReadOnceAndFollowTheReadRules) {
    Make("; comment\n[A]\nkey=1\nKEY=2\n[a]\nother=3\n[B]\nn= 42 \nflag=N\n");
    const platform::IniValues values(Path());
    m_folder.WriteFile("Data/cfg.dat", "[A]\nkey=changed\n");
    EXPECT_EQ(values.ReadString("a", "Key", "-"), "1");
    EXPECT_FALSE(values.ValueExists("A", "other")) << "only the first section of a name counts";
    EXPECT_EQ(values.ReadInteger("b", "n", 0), 42);
    EXPECT_FALSE(values.ReadYesNo("B", "flag", true));
    EXPECT_EQ(values.ReadString("C", "key", "default"), "default");
    EXPECT_EQ(platform::IniValues(Path()).ReadString("A", "key", "-"), "changed");
}

}  // namespace

namespace {

TEST_F(IniFileTest, ReplaceSectionsSwapsEverySectionOfThePrefixInOneWrite) {
    IniFile ini = Make("; top\r\n[Form.Bars.Main]\r\nBarCount=3\r\n[Other]\r\nA=1\r\n[form.bars.Bar2]\r\nRow=1\r\n");
    ASSERT_TRUE(ini.ReplaceSections("Form.Bars.", {{"Form.Bars.Main", {{"BarCount", "1"}}},
                                                   {"Form.Bars.Bar0", {{"Row", "0"}, {"Caption", "Tools"}}}}));
    EXPECT_EQ(Content(), "; top\r\n[Other]\r\nA=1\r\n\r\n[Form.Bars.Main]\r\nBarCount=1\r\n\r\n[Form.Bars.Bar0]\r\nRow=0\r\n"
                         "Caption=Tools\r\n");
    const std::string before = Content();
    // A value that would split its line fails the whole write.
    EXPECT_FALSE(ini.ReplaceSections("Form.Bars.", {{"Form.Bars.Main", {{"Caption", "a\nb"}}}}));
    EXPECT_EQ(Content(), before);
}

}  // namespace
