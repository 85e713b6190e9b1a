#include "engine/files/preferences.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/model/preference_fields.h"
#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/model/settings_block.h"
#include "tests/support/fake_services.h"

namespace engine {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCfg = "Data/CFG.DAT";

class PreferencesTest : public ::testing::Test {
protected:
    PreferencesTest() : m_file(m_services.Paths()) {
        fs::create_directories(m_services.Folder().Path() / "Data");
        m_settings.InitSettingsBlock(m_services.Paths().ProgramFolderText());
    }

    void WriteCfg(std::string_view content) { m_services.Folder().WriteFile(kCfg, content); }
    std::string Cfg() const { return m_services.Folder().ReadFile(kCfg); }
    std::string Field(fields::Field field) const { return m_settings.GetField(field.position, field.width); }
    // Each start opens the file afresh.
    StartupPreferences Read(const PreferenceReading& reading = {}) {
        return ReadPreferences(m_settings, PreferenceFile(m_services.Paths()), reading);
    }

    test_support::FakeServices m_services;
    SettingsBlock m_settings;
    PreferenceFile m_file;
};

TEST_F(PreferencesTest, MissingFileGivesEveryDefault) {
    const StartupPreferences values = Read();

    for (const PreferenceKey& row : PreferenceKeys()) {
        if (row.target == Target::Field && row.readAs == ReadAs::Text && row.defaultRule == DefaultRule::Fixed &&
            row.repair == Repair::None) {
            EXPECT_EQ(Field(row.field), row.defaultValue) << row.key;
        }
    }
    EXPECT_EQ(Field(fields::kBackCard), "011");
    EXPECT_EQ(Field(fields::kCardSet), "001");
    EXPECT_EQ(Field(fields::kCardSize), "B");
    EXPECT_EQ(Field(fields::kBackgroundBmp), "0");
    EXPECT_EQ(Field(fields::kBackgroundFixedCol), "32768");
    EXPECT_EQ(Field(fields::kBackgroundCol), "-2147483633");
    EXPECT_EQ(Field(fields::kCustomizedBackground), "N");
    EXPECT_EQ(Field(fields::kGame), "0001");
    EXPECT_EQ(Field(fields::kGameName), "Freecell");
    EXPECT_EQ(Field(fields::kCardsShadowed), "Y");
    EXPECT_EQ(Field(fields::kLanguage), "20000");
    EXPECT_EQ(Field(fields::kSpeedMoveCard), "10");
    EXPECT_EQ(Field(fields::kCursor), "10");
    EXPECT_EQ(Field(fields::kUserDefault), "");
    EXPECT_EQ(Field(fields::kUndoEnabled), "0");
    EXPECT_EQ(Field(fields::kScoringMode), "01");
    EXPECT_EQ(CardShadowOffset(m_settings), kCardShadowPixels);

    EXPECT_FALSE(values.toolbarLarge);
    EXPECT_TRUE(values.toolbarFlat);
    EXPECT_EQ(values.fastSearchType, 0);
    EXPECT_EQ(values.foundationMarkStyle, 0);
    EXPECT_EQ(values.randomGameType, 2);
    EXPECT_EQ(values.autoplaySaveMode, kAutoplayAllGames);
    EXPECT_TRUE(values.autoPlay);
    EXPECT_FALSE(fs::exists(m_file.Path())) << "reading never creates the file";
}

TEST_F(PreferencesTest, MissingFileGetsTheDefaultPlayers) {
    Read();
    EXPECT_TRUE(CreateDefaultPlayers(m_settings, m_file));
    EXPECT_EQ(Field(fields::kUserDefault), "Player 1");
    EXPECT_EQ(m_file.ReadString("Preference", "UserDefault", ""), "Player 1");
    EXPECT_EQ(m_file.ReadString("Users", "User001", ""), "Player 1");
    EXPECT_EQ(m_file.ReadString("Users", "User002", ""), "Player 2");
    EXPECT_EQ(m_file.ReadString("Users", "User003", ""), "Player 3");

    // The next start finds a player and writes nothing.
    const std::string before = Cfg();
    m_settings.InitSettingsBlock(m_services.Paths().ProgramFolderText());
    Read();
    EXPECT_FALSE(CreateDefaultPlayers(m_settings, m_file));
    EXPECT_EQ(Field(fields::kUserDefault), "Player 1");
    EXPECT_EQ(Cfg(), before);
}

TEST_F(PreferencesTest, APlayerLineLostOrDamagedKeepsTheNamesAndMakesTheFirstCurrent) {
    // Each start reads the file afresh.
    const auto start = [this](std::string_view cfg) {
        WriteCfg(cfg);
        m_settings.InitSettingsBlock(m_services.Paths().ProgramFolderText());
        Read();
        PreferenceFile file(m_services.Paths());
        EXPECT_TRUE(CreateDefaultPlayers(m_settings, file));
        return PreferenceFile(m_services.Paths());
    };
    for (const std::string_view userDefault : {"", "UserDefault\r\n", "UserDefault=  \r\n"}) {
        SCOPED_TRACE(userDefault);
        const PreferenceFile file = start("[Preference]\r\n" + std::string(userDefault) +
                                          "Card_Size=M\r\n[Users]\r\nUser001=Anna\r\nUser003=Carl\r\nUser004=Dora\r\n");
        EXPECT_EQ(Field(fields::kUserDefault), "Anna");
        EXPECT_EQ(file.ReadString("Preference", "UserDefault", ""), "Anna");
        EXPECT_EQ(file.ReadString("Users", "User001", ""), "Anna");
        EXPECT_EQ(file.ReadString("Users", "User002", ""), "Player 2");
        EXPECT_EQ(file.ReadString("Users", "User003", ""), "Carl");
        EXPECT_EQ(file.ReadString("Users", "User004", ""), "Dora");
    }
    // Without a first player the first default name is current, whoever else is there.
    const PreferenceFile file = start("[Users]\r\nUser002=Bea\r\n");
    EXPECT_EQ(Field(fields::kUserDefault), "Player 1");
    EXPECT_EQ(file.ReadString("Users", "User001", ""), "Player 1");
    EXPECT_EQ(file.ReadString("Users", "User002", ""), "Bea");
}

TEST_F(PreferencesTest, MissingDataFolderStillGivesDefaults) {
    fs::remove_all(m_services.Folder().Path() / "Data");
    Read();
    EXPECT_EQ(Field(fields::kBackCard), "011");
    CreateDefaultPlayers(m_settings, m_file);
    EXPECT_EQ(Field(fields::kUserDefault), "Player 1");
    EXPECT_EQ(AdvanceRunCount(m_file), 0);
}

TEST_F(PreferencesTest, FileFindsTheDataFolderWhateverItsCase) {
    fs::remove_all(m_services.Folder().Path() / "Data");
    m_services.Folder().WriteFile("data/cfg.dat", "[Preference]\nCard_Size=L\n");
    Read();
    EXPECT_EQ(Field(fields::kCardSize), "L");
}

TEST_F(PreferencesTest, RepairsOfTheStoredValues) {
    WriteCfg("[Preference]\nBack_Card=0\nBackground_Col=0\nCards_Animate=N\n");
    Read();
    EXPECT_EQ(Field(fields::kBackCard), "001");
    EXPECT_EQ(Field(fields::kBackgroundCol), std::to_string(kButtonFaceColour));
    EXPECT_EQ(Field(fields::kBackgroundBmp), "0");
    EXPECT_EQ(Field(fields::kCardsAnimate), "N");
    EXPECT_EQ(Field(fields::kCardsShadowed), "N") << "follows Cards_Animate when absent";
    EXPECT_EQ(CardShadowOffset(m_settings), 0);

    WriteCfg("[Preference]\nBack_Card=7\nBackground_bmp=\nBackground_Col=255\nCards_Animate=N\nCards_Shadowed=Y\n"
             "Customized_Background=C:\\pictures\\table.bmp\n");
    Read();
    EXPECT_EQ(Field(fields::kBackCard), "007");
    EXPECT_EQ(Field(fields::kBackgroundBmp), "0");
    EXPECT_EQ(Field(fields::kBackgroundCol), "255");
    EXPECT_EQ(Field(fields::kCardsShadowed), "Y");
    EXPECT_EQ(Field(fields::kCustomizedBackground), "Y");
}

TEST_F(PreferencesTest, OutOfRangeValuesFallBackToTheirDefaults) {
    WriteCfg(
        "[Preference]\nBack_Card=5000\nCard=-420\nGame=12345\nLanguage=1234567\nSpeed_Move_Card=250\nCursor=-10\n"
        "Card_Size=X\nBackground_Col=99999999999\nBackground_Fixed_Col=green\n");
    Read();
    EXPECT_EQ(Field(fields::kBackCard), "011");
    EXPECT_EQ(Field(fields::kCardSet), "001");
    EXPECT_EQ(Field(fields::kGame), "0001");
    EXPECT_EQ(Field(fields::kLanguage), "20000");
    EXPECT_EQ(Field(fields::kSpeedMoveCard), "10");
    EXPECT_EQ(Field(fields::kCursor), "10");
    EXPECT_EQ(Field(fields::kCardSize), "B");
    EXPECT_EQ(Field(fields::kBackgroundCol), "-2147483633");
    EXPECT_EQ(Field(fields::kBackgroundFixedCol), "32768");

    WriteCfg("[Preference]\nCard_Size=\nGame=-1\nSpeed_Move_Card=5\n");
    Read();
    EXPECT_EQ(Field(fields::kCardSize), "B");
    EXPECT_EQ(Field(fields::kGame), "-001") << "no current game fits the field";
    EXPECT_EQ(Field(fields::kSpeedMoveCard), "5");
}

TEST_F(PreferencesTest, KeyNamesMatchWhateverTheirCase) {
    WriteCfg("[preference]\nback_card=5\nGAME_NAME=Klondike\nbackground_DEF=Y\ncard_size=M\n[SETTINGS]\n"
             "random_game_type=1\n");
    const StartupPreferences values = Read();
    EXPECT_EQ(Field(fields::kBackCard), "005");
    EXPECT_EQ(Field(fields::kGameName), "Klondike");
    EXPECT_EQ(Field(fields::kBackgroundDef), "Y");
    EXPECT_EQ(Field(fields::kCardSize), "M");
    EXPECT_EQ(values.randomGameType, 1);

    // Both spellings that writers use find the same key.
    EXPECT_EQ(FindPreferenceKey("Preference", "Game_Name"), FindPreferenceKey("PREFERENCE", "game_name"));
    ASSERT_NE(FindPreferenceKey("Preference", "Background_Def"), nullptr);
    EXPECT_EQ(FindPreferenceKey("Preference", "Background_Def")->field.position, fields::kBackgroundDef.position);
    EXPECT_EQ(FindPreferenceKey("Preference", "Games_Fast_Search_Type"), nullptr) << "it lives in [Settings]";
}

TEST_F(PreferencesTest, ValuesOutsideTheBlockAndTheToolbarHook) {
    WriteCfg("[Preference]\nToolBar_Large=Y\nToolBar_Flat=N\nHighLights_Foundations_Mark=3\nAutoPlay=N\n"
             "Show_ToolTips=N\n[Settings]\nGames_Fast_Search_Type=4\n");
    std::vector<std::string> calls;
    PreferenceReading reading;
    reading.applyToolbar = [&](bool large, bool flat) {
        calls.push_back(std::string("toolbar ") + (large ? "large" : "small") + (flat ? " flat" : " raised") +
                        " tips " + Field(fields::kShowToolTips));
    };
    reading.showLowColourAdvice = [&] { calls.push_back("advice"); };
    const StartupPreferences values = Read(reading);

    EXPECT_EQ(calls, std::vector<std::string>{"toolbar large raised tips N"}) << "no advice on a rich screen";
    EXPECT_TRUE(values.toolbarLarge);
    EXPECT_FALSE(values.toolbarFlat);
    EXPECT_EQ(values.foundationMarkStyle, 3);
    EXPECT_EQ(values.fastSearchType, 4);
    EXPECT_FALSE(values.autoPlay);
}

TEST_F(PreferencesTest, LowColourScreenGetsTheAdviceBeforeTheBackAndCardSetThree) {
    PreferenceReading reading;
    reading.lowColourScreen = true;
    std::vector<std::string> calls;
    reading.applyToolbar = [&](bool, bool) { calls.push_back("toolbar"); };
    reading.showLowColourAdvice = [&] { calls.push_back("advice back=" + Field(fields::kBackCard)); };
    Read(reading);
    EXPECT_EQ(calls, (std::vector<std::string>{"toolbar", "advice back="}));
    EXPECT_EQ(Field(fields::kCardSet), "003");

    WriteCfg("[Preference]\nCard=2\n");
    Read(reading);
    EXPECT_EQ(Field(fields::kCardSet), "002") << "a stored set wins";
}

TEST_F(PreferencesTest, AutoPlayIsReadOnlyForAllGames) {
    WriteCfg("[Preference]\nAutoPlay_All_Games=2\nAutoPlay=Y\n");
    StartupPreferences values = Read();
    EXPECT_EQ(values.autoplaySaveMode, 2);
    EXPECT_FALSE(values.autoPlay);

    WriteCfg("[Preference]\nAutoPlay_All_Games=1\nAutoPlay=Y\n");
    values = Read();
    EXPECT_TRUE(values.autoPlay);
}

TEST_F(PreferencesTest, RunCounterCountsStartsUpToNine) {
    EXPECT_EQ(ReadRunCount(m_file), 0);
    for (int start = 1; start <= kRunCountLimit + 2; ++start) {
        const int expected = std::min(start, kRunCountLimit);
        EXPECT_EQ(AdvanceRunCount(m_file), expected);
        EXPECT_EQ(ReadRunCount(m_file), expected);
    }
    EXPECT_NE(Cfg().find("[Parameters]"), std::string::npos);

    // Each start below opens the file anew.
    WriteCfg("[Parameters]\nRun_Exe=3\n");
    PreferenceFile second(m_services.Paths());
    AdvanceRunCount(second);
    EXPECT_EQ(second.ReadInteger("Parameters", "Run_Exe", 0), 4);

    WriteCfg("[Parameters]\nRun_Exe=9\n");
    const std::string before = Cfg();
    PreferenceFile third(m_services.Paths());
    EXPECT_EQ(AdvanceRunCount(third), 9);
    EXPECT_EQ(Cfg(), before) << "nothing written from nine on";
}

TEST_F(PreferencesTest, AnOpenFileIsReadOnceAndEveryWriteReadsItAfresh) {
    WriteCfg("[Preference]\nCard_Size=L\nSound=Y\n");
    PreferenceFile file(m_services.Paths());
    EXPECT_EQ(file.ReadString("Preference", "Card_Size", ""), "L");
    // Changed behind the open file, as a dialog of another window would.
    WriteCfg("[Preference]\nCard_Size=M\nSound=N\n");
    EXPECT_EQ(file.ReadString("Preference", "Sound", ""), "Y") << "the values of the one read";
    ASSERT_TRUE(file.WriteString("Preference", "Back_Card", "7"));
    EXPECT_EQ(Cfg(), "[Preference]\nCard_Size=M\nSound=N\nBack_Card=7\n") << "no stale value written back";
    EXPECT_EQ(file.ReadString("Preference", "Card_Size", ""), "M") << "a write reads the file anew";
}

TEST_F(PreferencesTest, DamagedFileLoadsWithDefaultsAndLosesNoLine) {
    std::string junk = "\x01\xff\xfe";
    junk += '\0';
    junk += "\x7f garbage";
    const std::string damaged = "[Preference]\r\n" + junk +
                                "\r\nBack_Card\r\nCard_Size=M\r\n; a comment\r\n[Preference]\r\nCard_Size=L\r\n"
                                "Back_Card=4\r\nno equals sign here\r\n[Parameters]\r\nRun_Exe=2\r\n"
                                "[Other]\r\nKeep=me\r\n";
    WriteCfg(damaged);

    Read();
    EXPECT_EQ(Field(fields::kCardSize), "M") << "the first of two sections wins";
    EXPECT_EQ(Field(fields::kBackCard), "011") << "the key without \"=\" gives no value";
    EXPECT_EQ(Field(fields::kShowTime), "Y");
    CreateDefaultPlayers(m_settings, m_file);
    AdvanceRunCount(m_file);
    EXPECT_EQ(ReadRunCount(m_file), 3);

    const std::string after = Cfg();
    std::istringstream lines(damaged);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("Run_Exe")) {
            continue;
        }
        EXPECT_NE(after.find(line), std::string::npos) << "lost: " << line;
    }
}

TEST(PreferenceKeys, TableFieldsAreDistinctAndDefaultsFit) {
    const auto keys = PreferenceKeys();
    ASSERT_EQ(keys.size(), 67u);
    EXPECT_EQ(keys.front().key, "Show_ToolTips");
    EXPECT_EQ(keys.back().key, "AutoPlay");
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const PreferenceKey& row = keys[i];
        EXPECT_EQ(FindPreferenceKey(row.section, row.key), &row) << row.key;
        if (row.target != Target::Field) {
            continue;
        }
        const int first = row.field.position;
        const int last = first + row.field.width - 1;
        EXPECT_TRUE((first >= 1 && last <= 249) || (first >= 251 && last <= 255)) << row.key;
        EXPECT_LE(row.defaultValue.size(), static_cast<std::size_t>(row.field.width)) << row.key;
        EXPECT_EQ(FindPreferenceKeyOfField(row.field), &row) << row.key;
        for (std::size_t j = 0; j < i; ++j) {
            const PreferenceKey& other = keys[j];
            if (other.target == Target::Field) {
                const bool apart = last < other.field.position ||
                                   first > other.field.position + other.field.width - 1;
                EXPECT_TRUE(apart) << row.key << " overlaps " << other.key;
            }
        }
    }
    EXPECT_EQ(FindPreferenceKeyOfField(fields::kNoField), nullptr);
    EXPECT_EQ(FindPreferenceKeyOfField(fields::kSoundsFaceUp)->key, "Sounds_FaceUp");
}

}  // namespace
}  // namespace engine
