#include "engine/files/score_upgrade.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/base/ini_section.h"
#include "tests/support/fake_services.h"

namespace engine {
namespace {

namespace fs = std::filesystem;
using test_support::MessageEvent;

constexpr std::string_view kScore = "DATA/STAT_SCR.DAT";
constexpr std::string_view kCfg = "DATA/CFG.DAT";

class ScoreUpgradeTest : public ::testing::Test {
protected:
    void WriteScore(std::string_view content) { m_services.Folder().WriteFile(kScore, content); }
    std::string Score() const { return m_services.Folder().ReadFile(kScore); }
    fs::path ScorePath() const { return m_services.Folder().Path() / fs::path(std::string(kScore)); }
    void Upgrade(const ScoreFileOps& ops = ScoreFileOps::System()) { UpgradeScoreFile(m_services.Services(), ops); }
    std::vector<std::string> Infos() { return m_services.Messages().Texts(MessageEvent::Kind::Info); }
    std::vector<fs::path> DataFiles() const {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(m_services.Folder().Path() / "DATA")) {
            files.push_back(entry.path().filename());
        }
        std::sort(files.begin(), files.end());
        return files;
    }

    test_support::FakeServices m_services;
};

TEST_F(ScoreUpgradeTest, MissingScoreFileDoesNothing) {
    m_services.Folder().WriteFile(kCfg, "[Preference]\nCards_Animate=S\n");
    Upgrade();
    EXPECT_FALSE(fs::exists(ScorePath()));
    EXPECT_TRUE(m_services.Messages().Events().empty());
    EXPECT_EQ(m_services.Folder().ReadFile(kCfg), "[Preference]\nCards_Animate=S\n");
}

TEST_F(ScoreUpgradeTest, FileWithoutVersionIsUpgradedAndPadded) {
    WriteScore("01234567890\nplayer line\n\n0\n");
    Upgrade();

    const std::string record = "01234567890" + std::string(89 - 11, ' ') + " x";
    ASSERT_EQ(record.size(), 91u);
    const std::string lone = "0" + std::string(88, ' ') + " x";
    EXPECT_EQ(Score(), "[Version]\nVersion=0300\n\n" + record + "\nplayer line\n\n" + lone + "\n");
    EXPECT_TRUE(Infos().empty());
    EXPECT_EQ(DataFiles(), std::vector<fs::path>{"STAT_SCR.DAT"}) << "no temporary is left behind";
}

TEST_F(ScoreUpgradeTest, OldVersionLinesAreReplacedAndLineEndsKept) {
    const std::string longRecord = "0" + std::string(95, 'r');
    WriteScore("[Version]\r\nVersion=0200\r\n0abc\r\n" + longRecord + "\r\n[Other]\r\nname=1");
    Upgrade();
    EXPECT_EQ(Score(), "[Version]\r\nVersion=0300\r\n\r\n0abc" + std::string(85, ' ') + " x\r\n" + longRecord +
                           " x\r\n[Other]\r\nname=1\r\n");
}

TEST_F(ScoreUpgradeTest, SecondRunChangesNothing) {
    WriteScore("0rec\nname\n");
    Upgrade();
    const std::string once = Score();
    Upgrade();
    EXPECT_EQ(Score(), once);
    EXPECT_TRUE(Infos().empty());
}

TEST_F(ScoreUpgradeTest, CurrentFileIsLeftAloneButOldSwitchesAreRepaired) {
    const std::string current = "[Version]\nVersion=0300\n\n0short\n";
    WriteScore(current);
    m_services.Folder().WriteFile(kCfg, "[Preference]\nCards_Animate=S\nConfirmQuit=S\nShow_Time=S\n");
    Upgrade();
    EXPECT_EQ(Score(), current);
    EXPECT_EQ(m_services.Folder().ReadFile(kCfg), "[Preference]\nCards_Animate=Y\nConfirmQuit=Y\nShow_Time=S\n");

    m_services.Folder().WriteFile(kCfg, "[Preference]\nCards_Animate=N\n");
    Upgrade();
    EXPECT_EQ(m_services.Folder().ReadFile(kCfg), "[Preference]\nCards_Animate=N\n") << "only \"S\" is repaired";
}

TEST_F(ScoreUpgradeTest, TempFileThatCannotBeCreatedChangesNothing) {
    WriteScore("0rec\n");
    m_services.Folder().WriteFile(kCfg, "[Preference]\nCards_Animate=S\n");
    ScoreFileOps ops = ScoreFileOps::System();
    ops.makeTempFileName = [](const fs::path&, std::string_view, fs::path&) { return false; };
    Upgrade(ops);
    EXPECT_EQ(Infos(), std::vector<std::string>{"Error creating temp file."});
    EXPECT_EQ(Score(), "0rec\n");
    EXPECT_EQ(m_services.Folder().ReadFile(kCfg), "[Preference]\nCards_Animate=S\n") << "no repair after it";
}

TEST_F(ScoreUpgradeTest, UnreadableScoreFileIsLeftAloneButOldSwitchesAreRepaired) {
    WriteScore("0rec\n");
    m_services.Folder().WriteFile(kCfg, "[Preference]\nCards_Animate=S\nConfirmQuit=S\n");
    ScoreFileOps ops = ScoreFileOps::System();
    ops.readFile = [](const fs::path&, std::string&) { return false; };
    bool tempMade = false;
    ops.makeTempFileName = [&](const fs::path&, std::string_view, fs::path&) { return tempMade = true; };
    Upgrade(ops);
    EXPECT_FALSE(tempMade);
    EXPECT_TRUE(Infos().empty());
    EXPECT_EQ(Score(), "0rec\n");
    EXPECT_EQ(DataFiles(), (std::vector<fs::path>{"CFG.DAT", "STAT_SCR.DAT"}));
    EXPECT_EQ(m_services.Folder().ReadFile(kCfg), "[Preference]\nCards_Animate=Y\nConfirmQuit=Y\n");
}

TEST_F(ScoreUpgradeTest, TempFileIsCreatedBesideTheScoreFileWithItsPrefix) {
    WriteScore("0rec\n");
    fs::path made;
    ScoreFileOps ops = ScoreFileOps::System();
    const auto makeTemp = ops.makeTempFileName;
    ops.makeTempFileName = [&](const fs::path& folder, std::string_view prefix, fs::path& name) {
        EXPECT_EQ(folder, ScorePath().parent_path());
        EXPECT_EQ(prefix, "rpl");
        const bool ok = makeTemp(folder, prefix, name);
        made = name;
        return ok;
    };
    Upgrade(ops);
    EXPECT_FALSE(made.empty());
    EXPECT_FALSE(fs::exists(made));
    EXPECT_TRUE(Score().starts_with("[Version]\nVersion=0300\n"));
}

TEST_F(ScoreUpgradeTest, FailedRenameLeavesTheOldFileWhole) {
    WriteScore("0rec\n");
    m_services.Folder().WriteFile(kCfg, "[Preference]\nConfirmQuit=S\n");
    fs::path temp;
    ScoreFileOps ops = ScoreFileOps::System();
    ops.replaceFile = [&](const fs::path& from, const fs::path&) {
        temp = from;
        return false;
    };
    Upgrade(ops);

    EXPECT_EQ(Score(), "0rec\n");
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(Infos(), std::vector<std::string>{"Error in renaming the file: " + temp.string() + "\nto: " +
                                                ScorePath().string()});
    EXPECT_FALSE(fs::exists(temp)) << "the old file is whole, so its temporary goes";
    EXPECT_EQ(m_services.Folder().ReadFile(kCfg), "[Preference]\nConfirmQuit=Y\n");
}

TEST_F(ScoreUpgradeTest, WriteProtectedScoreFileIsNotReplaced) {
    WriteScore("0rec\n");
    fs::permissions(ScorePath(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Upgrade();

    EXPECT_EQ(Infos(), std::vector<std::string>{"Error in deleting the file: " + ScorePath().string()});
    EXPECT_EQ(Score(), "0rec\n");
    EXPECT_EQ(DataFiles().size(), 1u) << "the old file is whole, so its temporary goes";
    Upgrade();
    EXPECT_EQ(DataFiles().size(), 1u) << "a start that fails again leaves nothing either";
}

TEST_F(ScoreUpgradeTest, UpgradedFileKeepsItsPermissions) {
    WriteScore("0rec\n");
    const auto permissions = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(ScorePath(), permissions);
    Upgrade();
    EXPECT_EQ(fs::status(ScorePath()).permissions(), permissions);
}

class ReadIniSectionTest : public ::testing::Test {
protected:
    fs::path Write(std::string_view content) { return m_folder.WriteFile("file.ini", content); }
    test_support::TempFolder m_folder;
};

TEST_F(ReadIniSectionTest, ReadsKeysOfOneSectionUntrimmed) {
    const fs::path file = Write("[Other]\nA=other\n[Sect]\nB= two \nA=one\n[Next]\nC=three\n");
    std::vector<std::string> values;
    EXPECT_TRUE(ReadIniSection(file, "Sect", {"A", "B"}, values, {"a", "b"}));
    EXPECT_EQ(values, (std::vector<std::string>{"one", " two "}));

    EXPECT_FALSE(ReadIniSection(file, "Sect", {"A", "C"}, values, {"a", "c"})) << "the next section ends the scan";
    EXPECT_EQ(values, (std::vector<std::string>{"one", "c"}));
}

TEST_F(ReadIniSectionTest, MissingFileOrSectionGivesTheDefaults) {
    std::vector<std::string> values{"stale"};
    EXPECT_FALSE(ReadIniSection(m_folder.Path() / "none.ini", "Version", {"Version"}, values, {"0000"}));
    EXPECT_EQ(values, std::vector<std::string>{"0000"});

    const fs::path file = Write("Version=0300\n[Versions]\nVersion=0200\n");
    EXPECT_TRUE(ReadIniSection(file, "Versions", {"Version"}, values, {"0000"}));
    EXPECT_EQ(values, std::vector<std::string>{"0200"});
    EXPECT_FALSE(ReadIniSection(file, "Version", {"Version"}, values, {"0000"}));
    EXPECT_EQ(values, std::vector<std::string>{"0000"});
}

TEST_F(ReadIniSectionTest, FirstKeyInListOrderTakesTheLine) {
    const fs::path file = Write("[S]\nKeyLong=1\nno equals\nKey=2\n");
    std::vector<std::string> values;
    EXPECT_FALSE(ReadIniSection(file, "S", {"Key", "KeyLong"}, values, {"", ""}));
    EXPECT_EQ(values[0], "2") << "a later line of the same key wins";
    EXPECT_EQ(values[1], "");
    EXPECT_TRUE(ReadIniSection(file, "S", {"KeyLong", "Key"}, values, {"", ""}));
    EXPECT_EQ(values, (std::vector<std::string>{"1", "2"}));
}

TEST(SplitTextLines, EndsOfLine) {
    EXPECT_EQ(SplitTextLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_TRUE(SplitTextLines("").empty());
    EXPECT_EQ(SplitTextLines("\n"), std::vector<std::string>{""});
}

}  // namespace
}  // namespace engine
