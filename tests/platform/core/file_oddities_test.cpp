#include "platform/core/ini_file.h"
#include "platform/core/paths.h"
#include "platform/core/registry_store.h"

#include "tests/support/fake_services.h"
#include "tests/support/file_oddities.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using test_support::FileOddity;

// One oddity in place of the file every reader and writer of the platform is given.
class FileOddityTest : public ::testing::TestWithParam<FileOddity> {
protected:
    FileOddityTest() { test_support::MakeFileOddity(Path(), GetParam()); }
    ~FileOddityTest() override { EXPECT_TRUE(test_support::IsFileOddityIntact(Path(), GetParam())); }

    fs::path Path() const { return m_folder.Path() / "CFG.DAT"; }
    bool CannotBeRead() const { return test_support::CannotBeRead(GetParam()); }

    test_support::TempFolder m_folder;
};

TEST_P(FileOddityTest, ReadersFailAtOnceWithAReasonOrReadAMissingFile) {
    std::string content = "untouched", why;
    EXPECT_FALSE(platform::ReadFile(Path(), content, why));
    EXPECT_EQ(content, "untouched");
    EXPECT_FALSE(why.empty());

    const platform::IniValues values(Path());
    EXPECT_EQ(values.ReadString("Kept", "Value", "none"), "none");
    EXPECT_EQ(values.Error().empty(), !CannotBeRead()) << values.Error();

    const platform::IniFile ini(Path());
    EXPECT_EQ(ini.ReadInteger("Kept", "Value", 7), 7);
    EXPECT_EQ(ini.Error().empty(), !CannotBeRead());
    EXPECT_TRUE(ini.ReadSections().empty());
    EXPECT_TRUE(ini.ReadSectionValues("Kept").empty());
    EXPECT_FALSE(ini.SectionExists("Kept"));

    platform::RegistryStore store(Path());
    EXPECT_EQ(store.Load(), !CannotBeRead());
    if (CannotBeRead()) {
        EXPECT_NE(store.Error().find("could not be read"), std::string::npos) << store.Error();
        EXPECT_NE(store.Error().find(Path().string()), std::string::npos);
    }

    // The resolver finds names beside and below the oddity without stumbling on it.
    EXPECT_EQ(platform::PathResolver::ResolveIn(m_folder.Path(), "cfg.dat\\inner.txt"), Path() / "inner.txt");
    EXPECT_EQ(platform::PathResolver::ResolveIn(m_folder.Path(), "other.txt"), m_folder.Path() / "other.txt");
}

TEST_P(FileOddityTest, WritersLeaveItAsItWasOrWriteThroughADanglingLink) {
    platform::IniFile ini(Path());
    const std::vector<platform::IniFile::Section> sections{{"Bars.Main", {{"BarCount", "1"}}}};
    EXPECT_EQ(ini.WriteString("Preference", "Game", "5"), !CannotBeRead());
    EXPECT_EQ(ini.Error().empty(), !CannotBeRead()) << ini.Error();
    EXPECT_EQ(ini.ReplaceSections("Bars.", sections), !CannotBeRead());
    EXPECT_EQ(ini.EraseSection("Bars.Main"), !CannotBeRead());
    EXPECT_EQ(ini.DeleteKey("Preference", "Game"), !CannotBeRead());
    if (!CannotBeRead()) {
        // The target of the link now holds what was written; the link stays.
        EXPECT_TRUE(platform::IniFile(test_support::DanglingTarget(Path())).SectionExists("Preference"));
        fs::remove(test_support::DanglingTarget(Path()));
    }

    std::string why;
    const bool written = platform::WriteFileAtomically(Path(), "new", why);
    if (GetParam() == FileOddity::DanglingLink) {
        EXPECT_TRUE(written);
        EXPECT_EQ(m_folder.ReadFile("CFG.DAT.missing"), "new");
    } else if (GetParam() != FileOddity::Unreadable) {
        // Neither a folder, nor a loop, nor a FIFO is replaced by a file.
        EXPECT_FALSE(written);
        EXPECT_FALSE(why.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Oddities, FileOddityTest, ::testing::ValuesIn(test_support::kFileOddities),
                         [](const auto& info) { return std::string(test_support::NameOf(info.param)); });

TEST(FileWriteReasonTest, AFailedWriteSaysWhy) {
    test_support::TempFolder folder;
    std::string why;
    EXPECT_FALSE(platform::WriteFileAtomically(folder.Path() / "NoSuch" / "f.txt", "x", why));
    EXPECT_EQ(why, "No such file or directory");
    // A name or value that would split the lines is refused with its own reason.
    platform::IniFile ini(folder.Path() / "f.ini");
    EXPECT_FALSE(ini.WriteString("S", "Key", "two\nlines"));
    EXPECT_EQ(ini.Error(), "a name or value would break the lines of the file");
    EXPECT_TRUE(ini.WriteString("S", "Key", "one line"));
    EXPECT_TRUE(ini.Error().empty());
}

}  // namespace
