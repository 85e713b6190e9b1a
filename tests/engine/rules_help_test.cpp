#include "engine/session/rules_help.h"

#include <gtest/gtest.h>

#include "engine/model/game_categories.h"
#include "engine/ports/help_viewer.h"
#include "engine/model/preference_fields.h"
#include "engine/model/settings_block.h"
#include "tests/support/fake_services.h"

namespace {

class RecordingHelp : public engine::IHelpViewer {
public:
    std::string HelpFile() const override { return m_file; }
    void SetHelpFile(const std::string& file) override { m_file = file; }
    void ShowHelpContext(int context) override { shown.push_back({m_file, context}); }

    struct Shown {
        std::string file;
        int context;
    };
    std::vector<Shown> shown;

private:
    std::string m_file = "main.hlp>proc";
};

class RulesHelpTest : public ::testing::Test {
protected:
    void Show(int gameId) { engine::ShowRulesHelp(fake.Services(), settings, help, gameId); }

    test_support::FakeServices fake;
    engine::SettingsBlock settings;
    RecordingHelp help;
};

TEST_F(RulesHelpTest, Game12AsksForContext3012InTheRulesWindow) {
    Show(12);
    ASSERT_EQ(help.shown.size(), 1u);
    EXPECT_EQ(help.shown[0].context, 3012);
    const std::string& file = help.shown[0].file;
    EXPECT_EQ(file.substr(file.size() - std::string("quendrix.hlp>rules").size()), "quendrix.hlp>rules");
    EXPECT_EQ(file.find(fake.Folder().Path().string()), 0u);
    EXPECT_EQ(help.HelpFile(), "main.hlp>proc");
}

TEST_F(RulesHelpTest, CustomizedGamesShowNothing) {
    Show(8001);
    Show(8000);
    EXPECT_TRUE(help.shown.empty());
    EXPECT_EQ(help.HelpFile(), "main.hlp>proc");
}

TEST_F(RulesHelpTest, ANegativeIdMeansTheCurrentGame) {
    settings.SetField(engine::fields::kGame.position, engine::fields::kGame.width, "0007");
    Show(-1);
    ASSERT_EQ(help.shown.size(), 1u);
    EXPECT_EQ(help.shown[0].context, 3007);
}

TEST_F(RulesHelpTest, NoCurrentGameShowsNothing) {
    settings.SetField(engine::fields::kGame.position, engine::fields::kGame.width, "-001");
    Show(-1);
    EXPECT_TRUE(help.shown.empty());
}

TEST(RulesHelpContextTest, ContextIsGameIdPlus3000) {
    EXPECT_EQ(engine::RulesHelpContext(0), 3000);
    EXPECT_EQ(engine::RulesHelpContext(7999), 10999);
    EXPECT_EQ(engine::RulesHelpContext(8000), std::nullopt);
    EXPECT_EQ(engine::RulesHelpContext(-1), std::nullopt);
}

TEST(GameCategoryKeyTest, KnownCategoriesHaveKeysOthersNone) {
    EXPECT_EQ(engine::GameCategoryKey(2), "TREE5_CANFIELD_TYPE");
    EXPECT_EQ(engine::GameCategoryKey(4), "TREE5_FREECELL_TYPE");
    EXPECT_EQ(engine::GameCategoryKey(17), "TREE5_BELEAGUEREDCASTLE_TYPE");
    EXPECT_EQ(engine::GameCategoryKey(22), "TREE5_NONBUILDERS_TYPE");
    EXPECT_EQ(engine::GameCategoryKey(800), "TREE5_CUSTOMIZED_GAMES");
    EXPECT_EQ(engine::GameCategoryKey(1), "");
    EXPECT_EQ(engine::GameCategoryKey(23), "");
    EXPECT_EQ(engine::GameCategoryKey(-4), "");
}

}  // namespace
