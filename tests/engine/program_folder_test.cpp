#include "engine/files/program_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "tests/support/fake_services.h"

namespace engine {
namespace {

namespace fs = std::filesystem;

class ProgramFolderTest : public ::testing::Test {
protected:
    bool Exists(std::string_view relative) const { return fs::exists(m_services.Folder().Path() / std::string(relative)); }
    void Touch(std::string_view relative) { m_services.Folder().WriteFile(relative, "old"); }

    test_support::FakeServices m_services;
};

TEST_F(ProgramFolderTest, VersionMarkerIsWrittenOnceOnly) {
    ASSERT_TRUE(WriteVersionMarker(m_services.Paths()));
    EXPECT_EQ(m_services.Folder().ReadFile("QNDV0520.DAT"), "Quendrix version: 05.20\r\n");

    m_services.Folder().WriteFile("qndv0520.dat", "older");
    fs::remove(m_services.Folder().Path() / "QNDV0520.DAT");
    // A marker in another case counts as present.
    ASSERT_TRUE(WriteVersionMarker(m_services.Paths()));
    EXPECT_FALSE(Exists("QNDV0520.DAT"));
    EXPECT_EQ(m_services.Folder().ReadFile("qndv0520.dat"), "older");
}

TEST_F(ProgramFolderTest, DataFolderIsCreatedWhenNoCaseVariantExists) {
    EnsureDataFolder(m_services.Paths());
    EXPECT_TRUE(fs::is_directory(m_services.Folder().Path() / "Data"));
}

TEST_F(ProgramFolderTest, DataFolderInAnotherCaseIsKept) {
    fs::create_directory(m_services.Folder().Path() / "DATA");
    EnsureDataFolder(m_services.Paths());
    EXPECT_FALSE(Exists("Data"));
    // The preference file below it resolves into the same folder.
    EXPECT_EQ(m_services.Paths().Resolve("DATA\\CFG.DAT").parent_path(), m_services.Folder().Path() / "DATA");
}

TEST_F(ProgramFolderTest, DataFolderThatCannotBeCreatedIsIgnored) {
    const test_support::TempFolder other;
    const platform::PathResolver missingFolder(other.Path() / "gone" / "deeper");
    EnsureDataFolder(missingFolder);
    EXPECT_FALSE(fs::exists(other.Path() / "gone"));
}

TEST_F(ProgramFolderTest, GroupsListEveryObsoleteFile) {
    const std::vector<ObsoleteGroup> groups = ObsoleteFileGroups();
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0].trigger, "IMAGES\\GAME0000.BMP");
    EXPECT_EQ(groups[0].files.size(), 101u);
    EXPECT_EQ(groups[0].files.back(), "IMAGES\\GAME0100.BMP");
    EXPECT_EQ(groups[1].trigger, "IMAGES\\WB001.BMP");
    EXPECT_EQ(groups[1].files.size(), 78u);
    EXPECT_EQ(groups[1].files.front(), "IMAGES\\WB000.BMP");
    EXPECT_EQ(groups[1].files.back(), "IMAGES\\WP025.BMP");
    EXPECT_EQ(groups[2].trigger, "IMAGES\\CB001C.BMP");
    EXPECT_EQ(groups[2].files.size(), 28u);
    EXPECT_EQ(groups[2].files[4], "IMAGES\\CB005C.BMP");
    EXPECT_EQ(groups[2].files.back(), "IMAGES\\CL003S.BMP");
    EXPECT_EQ(groups[3].files, std::vector<std::string>{"QUENDRIX.DLL"});
}

TEST_F(ProgramFolderTest, EachGroupGoesOnlyWithItsFirstFile) {
    Touch("IMAGES/WB001.BMP");
    Touch("IMAGES/WM025.BMP");
    Touch("IMAGES/CM003C.BMP");  // its group's first file is missing
    Touch("IMAGES/GAME0050.BMP");

    EXPECT_EQ(RemoveObsoleteFiles(m_services.Paths()), 2);

    EXPECT_FALSE(Exists("IMAGES/WB001.BMP"));
    EXPECT_FALSE(Exists("IMAGES/WM025.BMP"));
    EXPECT_TRUE(Exists("IMAGES/CM003C.BMP"));
    EXPECT_TRUE(Exists("IMAGES/GAME0050.BMP"));
}

TEST_F(ProgramFolderTest, NamesMatchInAnyCaseAndFoldersStay) {
    Touch("images/cb001c.bmp");
    Touch("images/CL003S.bmp");
    Touch("Quendrix.dll");
    fs::create_directories(m_services.Folder().Path() / "images" / "CB002H.BMP");

    EXPECT_EQ(RemoveObsoleteFiles(m_services.Paths()), 3);

    EXPECT_FALSE(Exists("images/cb001c.bmp"));
    EXPECT_FALSE(Exists("images/CL003S.bmp"));
    EXPECT_FALSE(Exists("Quendrix.dll"));
    EXPECT_TRUE(fs::is_directory(m_services.Folder().Path() / "images" / "CB002H.BMP"));
}

TEST_F(ProgramFolderTest, StaleWriteTemporariesGoFromTheProgramAndDataFolders) {
    const auto stale = [&](std::string_view relative) {
        Touch(relative);
        const fs::path path = m_services.Folder().Path() / std::string(relative);
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(1));
    };
    Touch("GAMES.DAT");
    Touch("Data/CFG.DAT");
    stale(".GAMES.DAT.Ab12Cd");
    stale("Data/.CFG.DAT.xY34zW");
    stale("Data/.STAT_SCR.DAT.q1w2e3");  // its original is gone: it may hold the only copy

    EXPECT_EQ(RemoveObsoleteFiles(m_services.Paths()), 2);

    EXPECT_FALSE(Exists(".GAMES.DAT.Ab12Cd"));
    EXPECT_FALSE(Exists("Data/.CFG.DAT.xY34zW"));
    EXPECT_TRUE(Exists("Data/.STAT_SCR.DAT.q1w2e3"));
    EXPECT_TRUE(Exists("Data/CFG.DAT"));
}

}  // namespace
}  // namespace engine
