#include "platform/core/paths.h"

#include "tests/support/fake_services.h"

#include <gtest/gtest.h>

#include <chrono>

#include <unistd.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using platform::PathResolver;
using test_support::TempFolder;

class PathResolverTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    PathResolver m_resolver{m_folder.Path()};
};

TEST_F(PathResolverTest, MatchesEveryComponentIgnoringCase) {
    m_folder.WriteFile("Data/cfg.dat", "x");
    EXPECT_EQ(m_resolver.Resolve("DATA\\CFG.DAT"), m_folder.Path() / "Data" / "cfg.dat");
    EXPECT_EQ(m_resolver.Resolve("data/Cfg.Dat"), m_folder.Path() / "Data" / "cfg.dat");
}

TEST_F(PathResolverTest, MissingPartsKeepTheGivenSpelling) {
    m_folder.WriteFile("Data/cfg.dat", "x");
    EXPECT_EQ(m_resolver.Resolve("DATA\\STAT_SCR.DAT"), m_folder.Path() / "Data" / "STAT_SCR.DAT");
    EXPECT_EQ(m_resolver.Resolve("IMAGES\\WB001.BMP"), m_folder.Path() / "IMAGES" / "WB001.BMP");
}

TEST_F(PathResolverTest, ExactSpellingWinsOverOtherCases) {
    m_folder.WriteFile("games.dat", "lower");
    m_folder.WriteFile("GAMES.DAT", "upper");
    m_folder.WriteFile("Games.Dat", "mixed");
    EXPECT_EQ(m_resolver.Resolve("GAMES.DAT"), m_folder.Path() / "GAMES.DAT");
    EXPECT_EQ(m_resolver.Resolve("games.dat"), m_folder.Path() / "games.dat");
    // No exact match: the choice must not depend on directory order.
    EXPECT_EQ(m_resolver.Resolve("GAMES.dat"), m_folder.Path() / "GAMES.DAT");
}

TEST_F(PathResolverTest, DotsAndEmptyComponents) {
    m_folder.WriteFile("Data/cfg.dat", "x");
    EXPECT_EQ(m_resolver.Resolve(".\\DATA\\\\CFG.DAT"), m_folder.Path() / "Data" / "cfg.dat");
    EXPECT_EQ(m_resolver.Resolve(""), m_folder.Path());
    const fs::path up = m_resolver.Resolve("DATA\\..\\data\\CFG.DAT");
    EXPECT_TRUE(fs::equivalent(up, m_folder.Path() / "Data" / "cfg.dat"));
}

TEST_F(PathResolverTest, AbsoluteNamesStayAsTheyAre) {
    EXPECT_EQ(m_resolver.Resolve("/usr/SHARE/x"), fs::path("/usr/SHARE/x"));
    EXPECT_EQ(PathResolver::ResolveIn(m_folder.Path() / "Data", "/tmp"), fs::path("/tmp"));
}

TEST_F(PathResolverTest, ProgramFolderTextEndsInOneSeparator) {
    EXPECT_EQ(m_resolver.ProgramFolderText(), m_folder.Path().native() + "/");
    EXPECT_EQ(PathResolver("/opt/corvanet/").ProgramFolderText(), "/opt/corvanet/");
}

TEST(ExecutableFolderTest, HoldsTheRunningProgram) {
    const fs::path folder = PathResolver::ExecutableFolder();
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(folder.is_absolute());
}

class FileWriteTest : public ::testing::Test {
protected:
    TempFolder m_folder;

    std::size_t EntryCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_folder.Path()), fs::directory_iterator()));
    }
};

TEST_F(FileWriteTest, WritesAndReplacesWholeFiles) {
    const fs::path file = m_folder.Path() / "a.txt";
    ASSERT_TRUE(platform::WriteFileAtomically(file, std::string("one\0two", 7)));
    std::string content;
    ASSERT_TRUE(platform::ReadFile(file, content));
    EXPECT_EQ(content, std::string("one\0two", 7));
    ASSERT_TRUE(platform::WriteFileAtomically(file, "x"));
    ASSERT_TRUE(platform::ReadFile(file, content));
    EXPECT_EQ(content, "x");
    ASSERT_TRUE(platform::WriteFileAtomically(file, ""));
    ASSERT_TRUE(platform::ReadFile(file, content));
    EXPECT_EQ(content, "");
    EXPECT_EQ(EntryCount(), 1u);  // no temporary left behind
}

TEST_F(FileWriteTest, ReplacingKeepsThePermissions) {
    const fs::path file = m_folder.WriteFile("perm.txt", "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(platform::WriteFileAtomically(file, "new"));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FileWriteTest, WritesThroughLinksReplaceTheTargetAndKeepTheLinks) {
    fs::create_directories(m_folder.Path() / "real");
    const fs::path target = m_folder.WriteFile("real/CFG.DAT", "old");
    const fs::path middle = m_folder.Path() / "middle.dat";
    const fs::path link = m_folder.Path() / "CFG.DAT";
    fs::create_symlink("real/CFG.DAT", middle);  // relative to the link's folder
    fs::create_symlink(middle, link);
    EXPECT_EQ(platform::LinkTarget(link), m_folder.Path() / "real/CFG.DAT");
    ASSERT_TRUE(platform::WriteFileAtomically(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(middle));
    EXPECT_EQ(m_folder.ReadFile("real/CFG.DAT"), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), fs::directory_iterator()), 1);

    // A loop of links fails the write and stays as it is.
    fs::create_symlink("loop_b", m_folder.Path() / "loop_a");
    fs::create_symlink("loop_a", m_folder.Path() / "loop_b");
    EXPECT_FALSE(platform::WriteFileAtomically(m_folder.Path() / "loop_a", "x"));
    EXPECT_TRUE(fs::is_symlink(m_folder.Path() / "loop_a"));
    EXPECT_TRUE(fs::is_symlink(m_folder.Path() / "loop_b"));
}

TEST_F(FileWriteTest, TidyingRemovesOnlyStaleTemporariesBesideTheirOriginal) {
    const auto age = [&](const std::string& name, std::chrono::minutes minutes) {
        const fs::path path = m_folder.WriteFile(name, "partial");
        fs::last_write_time(path, fs::file_time_type::clock::now() - minutes);
    };
    m_folder.WriteFile("CFG.DAT", "whole");
    age(".CFG.DAT.a1B2c3", std::chrono::minutes(60));    // stale, its original is whole: goes
    age(".CFG.DAT.x9Y8z7", std::chrono::minutes(1));     // a write may still be running: stays
    age(".SCORES.DAT.q1w2e3", std::chrono::minutes(60));  // the only copy: stays
    age(".hidden", std::chrono::minutes(60));            // not ours: stays
    age(".CFG.DAT.toolong1", std::chrono::minutes(60));  // not our name: stays
    EXPECT_EQ(platform::RemoveStaleWriteTemporaries(m_folder.Path()), 1);
    EXPECT_FALSE(fs::exists(m_folder.Path() / ".CFG.DAT.a1B2c3"));
    EXPECT_EQ(EntryCount(), 5u);
    EXPECT_EQ(platform::RemoveStaleWriteTemporaries(m_folder.Path() / "missing"), 0);
}

TEST_F(FileWriteTest, TargetThatIsAFolderFailsAndLeavesNoTemporary) {
    m_folder.WriteFile("Data/inside.txt", "keep");
    EXPECT_FALSE(platform::WriteFileAtomically(m_folder.Path() / "Data", "new"));
    EXPECT_TRUE(fs::is_directory(m_folder.Path() / "Data"));
    EXPECT_EQ(m_folder.ReadFile("Data/inside.txt"), "keep");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FileWriteTest, MissingFolderFails) {
    EXPECT_FALSE(platform::WriteFileAtomically(m_folder.Path() / "NoSuch" / "f.txt", "x"));
    EXPECT_FALSE(fs::exists(m_folder.Path() / "NoSuch"));
}

TEST_F(FileWriteTest, ReadOnlyFolderFailsAndKeepsTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    const fs::path file = m_folder.WriteFile("Locked/f.txt", "old");
    fs::permissions(m_folder.Path() / "Locked", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(platform::WriteFileAtomically(file, "new"));
    EXPECT_EQ(m_folder.ReadFile("Locked/f.txt"), "old");
}

TEST_F(FileWriteTest, ReadFileFailsOnMissingFilesAndFolders) {
    std::string content = "untouched";
    EXPECT_FALSE(platform::ReadFile(m_folder.Path() / "missing", content));
    EXPECT_FALSE(platform::ReadFile(m_folder.Path(), content));
    EXPECT_EQ(content, "untouched");
}

TEST_F(FileWriteTest, TempFileNamesAreNewEmptyFilesWithThePrefix) {
    const fs::path first = platform::MakeTempFileName(m_folder.Path(), "rpl");
    const fs::path second = platform::MakeTempFileName(m_folder.Path(), "rpl");
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_NE(first, second);
    EXPECT_EQ(first.parent_path(), m_folder.Path());
    EXPECT_EQ(first.filename().native().rfind("rpl", 0), 0u);
    EXPECT_TRUE(fs::is_regular_file(first));
    EXPECT_EQ(fs::file_size(first), 0u);

    EXPECT_TRUE(platform::MakeTempFileName(m_folder.Path() / "NoSuch", "rpl").empty());
    EXPECT_TRUE(platform::MakeTempFileName(m_folder.Path(), "a/b").empty());
}

TEST(TempFileNameTest, EmptyFolderMeansTheSystemTemporaryFolder) {
    const fs::path name = platform::MakeTempFileName({}, "cvt");
    ASSERT_FALSE(name.empty());
    EXPECT_TRUE(fs::equivalent(name.parent_path(), fs::temp_directory_path()));
    fs::remove(name);
}

}  // namespace
