#include "engine/files/required_files.h"

#include <gtest/gtest.h>

#include "engine/session/advice.h"
#include "engine/ports/services.h"
#include "engine/model/settings_block.h"
#include "platform/core/ini_file.h"
#include "tests/support/fake_services.h"

namespace {

using test_support::FakeServices;
using test_support::MessageEvent;

TEST(RequireFileTest, PresentFileGoesOnQuietly) {
    FakeServices fake;
    const auto file = fake.Folder().WriteFile("GAMES.DAT", "x");
    EXPECT_TRUE(engine::RequireFile(fake.Services(), file));
    EXPECT_TRUE(engine::RequireImageFile(fake.Services(), file));
    EXPECT_TRUE(fake.Messages().Events().empty());
    EXPECT_FALSE(fake.Process().Terminated());
}

TEST(RequireFileTest, MissingFileStopsWithFailureStatus) {
    FakeServices fake;
    const auto file = fake.Folder().Path() / "GAMES.DAT";
    EXPECT_FALSE(engine::RequireFile(fake.Services(), file));

    ASSERT_EQ(fake.Messages().Events().size(), 1u);
    const MessageEvent& shown = fake.Messages().Events()[0];
    EXPECT_EQ(shown.kind, MessageEvent::Kind::Error);
    EXPECT_EQ(shown.caption, "Error");
    EXPECT_EQ(shown.text, "Cannot find file:\n" + file.string() +
                              "\nCopy the file into the directory that above is specified\n"
                              "or reinstall the program.");
    EXPECT_EQ(fake.Process().ExitCodes(), std::vector<int>{engine::kMissingFileExitCode});
    EXPECT_NE(engine::kMissingFileExitCode, 0);
}

TEST(RequireFileTest, MissingImageFileNamesWhatCannotBeShown) {
    FakeServices fake;
    const auto file = fake.Folder().Path() / "BACK.bmp";
    EXPECT_FALSE(engine::RequireImageFile(fake.Services(), file));
    ASSERT_EQ(fake.Messages().Events().size(), 1u);
    EXPECT_EQ(fake.Messages().Events()[0].text,
              "Cannot find images file:\n" + file.string() +
                  "\nSome program components cannot be shown correctly.\n"
                  "Copy the file into the directory that above is specified\n"
                  "or reinstall the program.");
    EXPECT_EQ(fake.Process().ExitCodes(), std::vector<int>{1});
}

TEST(RequireFileTest, FolderIsNotAFile) {
    FakeServices fake;
    std::filesystem::create_directories(fake.Folder().Path() / "GAMES.DAT");
    EXPECT_FALSE(engine::RequireFile(fake.Services(), fake.Folder().Path() / "GAMES.DAT"));
    EXPECT_TRUE(fake.Process().Terminated());
}

class RecordingAdviceBox : public engine::IAdviceBox {
public:
    bool ShowAdvice(const std::string& text, int page) override {
        shown.emplace_back(text, page);
        return tick;
    }

    bool tick = false;
    std::vector<std::pair<std::string, int>> shown;
};

class ShowAdviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_services = m_fake.Services();
        m_services.advice = &m_box;
        m_settings.InitSettingsBlock(m_fake.Paths().ProgramFolderText());
    }

    std::filesystem::path PreferenceFile() const { return engine::PreferenceFilePath(m_settings, m_fake.Paths()); }

    FakeServices m_fake;
    engine::Services m_services;
    engine::SettingsBlock m_settings;
    RecordingAdviceBox m_box;
};

TEST_F(ShowAdviceTest, ShownUntilTheBoxIsTicked) {
    m_fake.Folder().WriteFile("Data/CFG.DAT", "[Preference]\r\nGame=1\r\n");
    engine::ShowAdvice(m_services, m_settings, "Hint", "Screen_Under_256_Colors", 0);
    engine::ShowAdvice(m_services, m_settings, "Hint", "Screen_Under_256_Colors", 0);
    EXPECT_EQ(m_box.shown.size(), 2u);
    EXPECT_FALSE(platform::IniFile(PreferenceFile()).ValueExists("Screen_Under_256_Colors", "Show_Messages"));

    m_box.tick = true;
    engine::ShowAdvice(m_services, m_settings, "Hint", "Screen_Under_256_Colors", 2);
    ASSERT_EQ(m_box.shown.size(), 3u);
    EXPECT_EQ(m_box.shown.back(), (std::pair<std::string, int>{"Hint", 2}));
    EXPECT_EQ(platform::IniFile(PreferenceFile()).ReadString("Screen_Under_256_Colors", "Show_Messages", ""), "N");
    EXPECT_EQ(platform::IniFile(PreferenceFile()).ReadString("Preference", "Game", ""), "1");

    engine::ShowAdvice(m_services, m_settings, "Hint", "Screen_Under_256_Colors", 0);
    EXPECT_EQ(m_box.shown.size(), 3u);
}

TEST_F(ShowAdviceTest, SectionWithShowMessagesNShowsNothing) {
    m_fake.Folder().WriteFile("Data/CFG.DAT", "[Tip]\r\nShow_Messages=N\r\n");
    engine::ShowAdvice(m_services, m_settings, "Hint", "Tip", 0);
    EXPECT_TRUE(m_box.shown.empty());
    // Other sections are still shown.
    engine::ShowAdvice(m_services, m_settings, "Other", "Tip2", 1);
    EXPECT_EQ(m_box.shown.size(), 1u);
}

TEST_F(ShowAdviceTest, MissingPreferenceFileShowsTheAdvice) {
    engine::ShowAdvice(m_services, m_settings, "Hint", "Tip", 0);
    EXPECT_EQ(m_box.shown.size(), 1u);
}

}  // namespace
