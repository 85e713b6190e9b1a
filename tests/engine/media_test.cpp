#include "engine/files/media.h"

#include "engine/model/preference_fields.h"
#include "engine/files/preference_file.h"
#include "engine/model/settings_block.h"
#include "platform/core/resource_names.h"
#include "tests/support/fake_services.h"
#include "tests/support/media_doubles.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using platform::SoundMode;
using test_support::SoundEvent;

constexpr int kFailedShellResult = 2;

class MediaTest : public ::testing::Test {
protected:
    MediaTest() {
        settings.InitSettingsBlock(fake.Paths().ProgramFolderText());
        SetSwitch(engine::fields::kSoundsEnabled, "Y");
        library.AddWave("Foundation", "foundation-wave");
        library.AddWave("Splash", "splash-wave");
        library.AddWave("New", "new-wave");
        library.AddWave("Shuffle", "shuffle-wave");
        library.AddCursor("CUR_ARROW1A", "cursor");
        library.AddCursor("CUR_LEFT_HAND2B", "cursor");
        services = fake.Services();
        services.sound = &player;
        services.cursors = &cursors;
        services.fonts = &fonts;
        media = std::make_unique<engine::Media>(services, settings);
        media->SetCardLibraryHandle(&library);
    }

    void SetSwitch(engine::fields::Field field, std::string_view value) {
        settings.SetField(field.position, field.width, value);
    }
    bool SwitchOn(engine::fields::Field field) const { return settings.GetField(field.position, field.width) == "Y"; }

    test_support::FakeServices fake;
    engine::SettingsBlock settings;
    test_support::FakeResourceLibrary library;
    test_support::RecordingSoundPlayer player;
    test_support::RecordingCursorTable cursors;
    test_support::FakeFontCatalog fonts{{"Tahoma", "DejaVu Sans", "MS Sans Serif"}};
    engine::Services services;
    std::unique_ptr<engine::Media> media;
};

// --- Sound switches ---------------------------------------------------------------------

TEST_F(MediaTest, EachModeReachesThePlayerWhenBothSwitchesAreOn) {
    media->PlaySoundAsync("Foundation", true);
    media->PlaySoundSync("New", true);
    media->PlaySoundLoop("Shuffle", true);
    ASSERT_EQ(player.Events().size(), 3u);
    EXPECT_EQ(player.Events()[0].data, "foundation-wave");
    EXPECT_EQ(player.Events()[0].mode, SoundMode::Asynchronous);
    EXPECT_EQ(player.Events()[1].data, "new-wave");
    EXPECT_EQ(player.Events()[1].mode, SoundMode::Synchronous);
    EXPECT_EQ(player.Events()[2].data, "shuffle-wave");
    EXPECT_EQ(player.Events()[2].mode, SoundMode::Looping);
}

TEST_F(MediaTest, TheCallersOwnSwitchSilencesItsSound) {
    SetSwitch(engine::fields::kSoundsFoundation, "N");
    media->PlaySoundAsync("Foundation", SwitchOn(engine::fields::kSoundsFoundation));
    media->PlaySoundSync("New", false);
    media->PlaySoundLoop("Shuffle", false);
    EXPECT_TRUE(player.Events().empty());
}

TEST_F(MediaTest, TheMasterSwitchSilencesEverySoundAndTheStop) {
    SetSwitch(engine::fields::kSoundsEnabled, "N");
    media->PlaySoundAsync("Foundation", true);
    media->PlaySoundSync("New", true);
    media->PlaySoundLoop("Shuffle", true);
    media->StopSound();
    EXPECT_TRUE(player.Events().empty());
}

TEST_F(MediaTest, OnlyYesTurnsTheMasterSwitchOn) {
    for (std::string_view value : {"", "y", "1", "N"}) {
        SetSwitch(engine::fields::kSoundsEnabled, value);
        media->PlaySoundAsync("Foundation", true);
    }
    EXPECT_TRUE(player.Events().empty());
}

TEST_F(MediaTest, StopSoundStopsWhateverPlays) {
    media->PlaySoundLoop("Shuffle", true);
    media->StopSound();
    ASSERT_EQ(player.Events().size(), 2u);
    EXPECT_EQ(player.Events()[1].kind, SoundEvent::Kind::Stop);
}

TEST_F(MediaTest, ASoundTheLibraryLacksStopsTheCurrentSoundAndPlaysNothing) {
    media->PlaySoundAsync("Eddy", true);
    ASSERT_EQ(player.Events().size(), 1u);
    EXPECT_EQ(player.Events()[0].kind, SoundEvent::Kind::Stop);
}

TEST_F(MediaTest, SoundNamesMatchWithoutRegardToCase) {
    media->PlaySoundAsync("FOUNDATION", true);
    ASSERT_EQ(player.PlayCount(), 1u);
    EXPECT_EQ(player.Events()[0].data, "foundation-wave");
}

TEST_F(MediaTest, WithoutALibraryNothingPlaysAndNothingFails) {
    media->SetCardLibraryHandle(nullptr);
    media->PlaySoundAsync("Foundation", true);
    EXPECT_EQ(player.PlayCount(), 0u);
    library.Close();
    media->SetCardLibraryHandle(&library);
    media->PlaySoundAsync("Foundation", true);
    EXPECT_EQ(player.PlayCount(), 0u);
    EXPECT_TRUE(fake.Messages().Events().empty());
}

// --- Start-up sounds --------------------------------------------------------------------

TEST_F(MediaTest, StartupSoundsDefaultToOnAndPlayTheSplash) {
    SetSwitch(engine::fields::kSoundsEnabled, "");
    media->InitStartupSounds(engine::PreferenceFile(fake.Paths()));
    EXPECT_EQ(settings.GetField(141, 1), "Y");
    ASSERT_EQ(player.PlayCount(), 1u);
    EXPECT_EQ(player.Events()[0].data, "splash-wave");
    EXPECT_EQ(player.Events()[0].mode, SoundMode::Asynchronous);
}

TEST_F(MediaTest, StartupSoundsDisabledInTheFilePlayNothing) {
    fake.Folder().WriteFile("DATA/CFG.DAT", "[Preference]\nSounds_Enabled=N\nSounds_Splash=Y\n");
    media->InitStartupSounds(engine::PreferenceFile(fake.Paths()));
    EXPECT_EQ(settings.GetField(141, 1), "N");
    EXPECT_TRUE(player.Events().empty());
}

TEST_F(MediaTest, TheSplashSwitchSilencesOnlyTheSplash) {
    fake.Folder().WriteFile("DATA/CFG.DAT", "[Preference]\nSounds_Splash=N\n");
    media->InitStartupSounds(engine::PreferenceFile(fake.Paths()));
    EXPECT_EQ(settings.GetField(141, 1), "Y");
    EXPECT_TRUE(player.Events().empty());
}

TEST_F(MediaTest, StartupSoundsBeforeTheLibraryIsLoadedAreSilent) {
    media->SetCardLibraryHandle(nullptr);
    media->InitStartupSounds(engine::PreferenceFile(fake.Paths()));
    EXPECT_EQ(player.PlayCount(), 0u);
    EXPECT_TRUE(fake.Messages().Events().empty());
}

// --- Links ------------------------------------------------------------------------------

struct LinkCase {
    const char* kind;
    const char* target;
    const char* link;
};

void PrintTo(const LinkCase& c, std::ostream* out) { *out << c.kind << " " << c.target; }

class OpenLinkTest : public MediaTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(OpenLinkTest, BuildsTheAddress) {
    const LinkCase& c = GetParam();
    EXPECT_TRUE(media->OpenLink(c.kind, c.target));
    ASSERT_EQ(fake.Shell().Calls().size(), 1u);
    const test_support::ShellOpenCall& call = fake.Shell().Calls()[0];
    EXPECT_EQ(call.file, c.link);
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.folder, "");
    EXPECT_EQ(call.showMode, engine::kShowNoActivate);
}

INSTANTIATE_TEST_SUITE_P(
    Links, OpenLinkTest,
    ::testing::Values(LinkCase{"HTTP", "www.example.com", "http://www.example.com"},
                      LinkCase{"http", "www.example.com/news", "http://www.example.com/news"},
                      LinkCase{"Http", "http://www.example.com", "http://www.example.com"},
                      LinkCase{"HTTP", "https://www.example.com", "https://www.example.com"},
                      // Schemes are compared exactly: capitals get one put in front all the same.
                      LinkCase{"HTTP", "HTTP://www.example.com", "http://HTTP://www.example.com"},
                      LinkCase{"HTTP", "Https://x", "http://Https://x"},
                      LinkCase{"EMAIL", "info@example.com", "mailto:info@example.com"},
                      LinkCase{"email", "support@example.com?subject=Hi", "mailto:support@example.com?subject=Hi"}),
    [](const ::testing::TestParamInfo<LinkCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(MediaTest, AnUnknownKindReportsItsParametersAndOpensNothing) {
    EXPECT_FALSE(media->OpenLink("FTP", "ftp.example.com"));
    EXPECT_EQ(fake.Messages().Texts(test_support::MessageEvent::Kind::Info),
              std::vector<std::string>{"Error in parameters"});
    EXPECT_TRUE(fake.Shell().Calls().empty());
}

TEST_F(MediaTest, TheLinkOpensOnlyWhenTheShellAnswersAbove32) {
    fake.Shell().SetResult(33);
    EXPECT_TRUE(media->OpenLink("HTTP", "x"));
    fake.Shell().SetResult(32);
    EXPECT_FALSE(media->OpenLink("HTTP", "x"));
    fake.Shell().SetResult(kFailedShellResult);
    EXPECT_FALSE(media->OpenLink("EMAIL", "x"));
}

TEST_F(MediaTest, TheBusyCursorShowsWhileTheLinkOpens) {
    std::vector<bool> states;
    media->SetBusyCursor([&](bool busy) { states.push_back(busy); });
    media->OpenLink("HTTP", "x");
    EXPECT_EQ(states, (std::vector<bool>{true, false}));
}

// --- Fonts and cursors ------------------------------------------------------------------

TEST_F(MediaTest, FontsAreFoundWithoutRegardToCase) {
    EXPECT_TRUE(media->FontExists("tahoma"));
    EXPECT_TRUE(media->FontExists("DEJAVU SANS"));
    EXPECT_TRUE(media->FontExists("MS Sans Serif"));
    EXPECT_FALSE(media->FontExists("Tahoma Bold"));
    EXPECT_FALSE(media->FontExists(""));
}

TEST_F(MediaTest, TheTableCursorsAreInstalledUnderTheirNumbers) {
    for (const platform::resources::TableCursor& cursor : platform::resources::kTableCursors)
        library.AddCursor(cursor.name, "cursor");
    EXPECT_EQ(media->LoadTableCursors(), 12);
    EXPECT_EQ(cursors.Loaded().at(10), "CUR_ARROW1A");
    EXPECT_EQ(cursors.Loaded().at(15), "CUR_LEFT_HAND2A");
    EXPECT_EQ(cursors.Loaded().at(20), "CUR_ARROW1B");
    EXPECT_EQ(cursors.Loaded().at(25), "CUR_LEFT_HAND2B");
    EXPECT_FALSE(cursors.Loaded().contains(16));
}

TEST_F(MediaTest, MissingCursorsAreSkipped) {
    EXPECT_EQ(media->LoadTableCursors(), 2);
    media->SetCardLibraryHandle(nullptr);
    EXPECT_EQ(media->LoadTableCursors(), 0);
}

}  // namespace
