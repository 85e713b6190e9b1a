// Damaged copies of the files of the Data folder, as a broken disk or a hostile user would
// leave them: the preference file CFG.DAT and the score file STAT_SCR.DAT are read without
// a crash, and what the program writes back keeps every line it does not own.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/base/ini_section.h"
#include "engine/base/text_utils.h"
#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/files/preferences.h"
#include "engine/files/score_upgrade.h"
#include "engine/model/settings_block.h"
#include "platform/core/ascii_case.h"
#include "tests/support/fake_services.h"
#include "tests/support/mutations.h"

namespace engine {
namespace {

namespace fs = std::filesystem;

constexpr int kDamages = 240;
constexpr unsigned kSeed = 2026;
constexpr std::string_view kCfg = "DATA/CFG.DAT";
constexpr std::string_view kScore = "DATA/STAT_SCR.DAT";

// A preference file as a player's runs leave it: every key read at start-up, players and
// a run count.
std::string SampleCfg() {
    std::string text;
    std::string section;
    for (const PreferenceKey& row : PreferenceKeys()) {
        if (row.section != section) {
            section = row.section;
            text += "\r\n[" + section + "]\r\n";
        }
        const bool player = row.key == "UserDefault";
        text += std::string(row.key) + "=" + std::string(player ? "Player 1" : row.defaultValue) + "\r\n";
    }
    return text + "[Users]\r\nUser01=Player 1\r\nUser02=Player 2\r\n[Parameters]\r\nRun_Exe=3\r\n";
}

// Lines a start writes: the run counter and the default players.
bool IsWrittenAtStart(std::string_view line) {
    const std::string_view key = line.substr(0, std::min<std::size_t>(line.size(), 7));
    return platform::EqualsIgnoreCase(key.substr(0, std::min<std::size_t>(key.size(), 4)), "User") ||
           platform::EqualsIgnoreCase(key, "Run_Exe");
}

// Every line of before that a start does not write is still there, in its order.
bool KeepsItsLines(const std::string& before, const std::string& after) {
    const std::vector<std::string> old = SplitTextLines(before);
    const std::vector<std::string> now = SplitTextLines(after);
    std::size_t at = 0;
    for (const std::string& line : old) {
        if (IsWrittenAtStart(line)) continue;
        while (at < now.size() && now[at] != line) ++at;
        if (at == now.size()) return false;
        ++at;
    }
    return true;
}

TEST(DamagedDataFilesTest, ADamagedPreferenceFileIsReadAndItsLinesKeptByTheStartsWrites) {
    test_support::FakeServices fake;
    int changed = 0;
    test_support::ForEachMutant(SampleCfg(), kDamages, kSeed, [&](const test_support::Mutant& mutant) {
        SCOPED_TRACE(mutant.what);
        fake.Folder().WriteFile(kCfg, mutant.content);
        SettingsBlock settings;
        settings.InitSettingsBlock(fake.Paths().ProgramFolderText());
        PreferenceFile file(fake.Paths());
        ReadPreferences(settings, file);
        EXPECT_EQ(fake.Folder().ReadFile(kCfg), mutant.content) << "reading writes nothing";
        CreateDefaultPlayers(settings, file);
        AdvanceRunCount(file);
        const std::string after = fake.Folder().ReadFile(kCfg);
        EXPECT_TRUE(KeepsItsLines(mutant.content, after)) << after;
        changed += after != mutant.content ? 1 : 0;
    });
    EXPECT_GT(changed, kDamages / 2) << "the starts wrote";
}

// An old score file: records of the older layout, a player line and blank lines.
std::string SampleScore() {
    std::string text = "[Version]\nVersion=0200\n\n";
    for (int i = 0; i < 24; ++i) {
        text += "0" + IntToZeroPad(i * 7919, 6) + " Freecell " + IntToZeroPad(i, 13) + " 00:0" +
                std::to_string(i % 10) + " 12/0" + std::to_string(1 + i % 9) + "/1999 Player " +
                std::to_string(1 + i % 3) + "\n";
    }
    return text + "player line\n\n";
}

TEST(DamagedDataFilesTest, ADamagedScoreFileIsUpgradedKeepingEveryRecordOrLeftAlone) {
    test_support::FakeServices fake;
    test_support::ForEachMutant(SampleScore(), kDamages, kSeed, [&](const test_support::Mutant& mutant) {
        SCOPED_TRACE(mutant.what);
        fake.Folder().WriteFile(kScore, mutant.content);
        UpgradeScoreFile(fake.Services());
        const std::string after = fake.Folder().ReadFile(kScore);
        const std::vector<std::string> now = SplitTextLines(after);
        for (const std::string& line : SplitTextLines(mutant.content)) {
            if (line.starts_with("[Version]") || line.starts_with("Version=")) continue;
            EXPECT_TRUE(std::ranges::any_of(now, [&](const std::string& kept) { return kept.starts_with(line); }))
                << "lost: " << line;
        }
        std::vector<std::string> files;
        for (const auto& entry : fs::directory_iterator(fake.Folder().Path() / "DATA"))
            files.push_back(entry.path().filename().string());
        std::ranges::sort(files);
        EXPECT_EQ(files, std::vector<std::string>{"STAT_SCR.DAT"}) << "no temporary is left";
    });
}

}  // namespace
}  // namespace engine
