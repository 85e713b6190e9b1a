#include "table/layout/table_setup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/files/game_definitions.h"
#include "engine/model/game_record.h"
#include "engine/files/games_file_writer.h"
#include "engine/model/preference_fields.h"
#include "engine/model/settings_block.h"
#include "engine/model/table_object.h"
#include "engine/base/text_utils.h"
#include "table/layout/card_images_port.h"
#include "table/layout/table_geometry.h"
#include "tests/support/fake_services.h"
#include "tests/support/games_files.h"
#include "tests/table/layout/recording_table_window.h"

namespace {

namespace fields = engine::fields;
namespace words = engine::words;
using test_support::MessageEvent;

class RecordingImages : public table::ICardImages {
public:
    void LoadCardImages(std::string_view cardSize) override { loads.emplace_back(cardSize); }
    std::vector<std::string> loads;
};

constexpr int kGameId = 7;

class TableSetupTest : public ::testing::Test {
protected:
    TableSetupTest() {
        Set(fields::kGame, engine::IntToZeroPad(kGameId, 4));
        Set(fields::kGameName, "Seven");
        Set(fields::kCardSize, "B");
        Set(fields::kCardSet, "001");
        Set(fields::kBackCard, "007");
    }

    void Set(const fields::Field& f, std::string_view value) { settings.SetField(f.position, f.width, value); }
    std::string Get(const fields::Field& f) const { return settings.GetField(f.position, f.width); }
    void Word(int number, int value) { game.words[static_cast<std::size_t>(number)] = value; }

    // Writes GAMES.DAT with the game as it stands and reads its list.
    void WriteGame() {
        fake.Folder().WriteFile("GAMES.DAT", engine::EncodeGamesFile({game}));
        ASSERT_TRUE(engine::LoadGameList(fake.Services(), mainGame));
    }

    bool RunSetup() {
        WriteGame();
        return setup.SetupTable();
    }

    std::size_t InfoCount() { return fake.Messages().Count(MessageEvent::Kind::Info); }

    test_support::FakeServices fake;
    engine::SettingsBlock settings;
    engine::TMainGame mainGame;
    engine::GameDefRecord def;
    table::TableGeometry geometry;
    layout_test::RecordingTableWindow window;
    RecordingImages images;
    engine::GameColumn game = test_support::InRangeGame(kGameId, "Seven");
    table::TableSetup setup{{fake.Services(), settings, mainGame, def, geometry, window, &images}};
};

constexpr std::string_view kAdvice640 =
    "Your video card's display is 640x480 pixels. For the best graphics display the screen resolution should be "
    "set to 800x600 pixels or higher. However, it's possible to play Seven using a predefined cards set.";

TEST_F(TableSetupTest, SmallScreenForcesTheMediumSetAndAdvisesOnce) {
    window.screenWidth = 640;
    Word(words::kMinScreenClass, 1);
    EXPECT_TRUE(RunSetup());
    EXPECT_EQ(Get(fields::kCardSize), "M");
    EXPECT_EQ(Get(fields::kCardSet), "003");
    EXPECT_EQ(Get(table::kSavedCardSize), "B");
    EXPECT_EQ(Get(table::kSavedCardSet), "001");
    EXPECT_EQ(Get(table::kSavedBackCard), "007");
    EXPECT_EQ(geometry.CardWidth(), 59);
    EXPECT_EQ(images.loads, (std::vector<std::string>{"M"}));
    ASSERT_EQ(InfoCount(), 1u);
    EXPECT_EQ(fake.Messages().Texts(MessageEvent::Kind::Info)[0], kAdvice640);
    EXPECT_EQ(mainGame.SmallScreenHandled, 1);
    EXPECT_EQ(mainGame.Advice640Shown, 1);

    // The next game: the shell clears the marker, but the advice has been shown.
    mainGame.SmallScreenHandled = 0;
    EXPECT_TRUE(RunSetup());
    EXPECT_EQ(InfoCount(), 1u);
    Set(fields::kCardSize, "B");
    mainGame.SmallScreenHandled = 0;
    EXPECT_TRUE(RunSetup());
    EXPECT_EQ(InfoCount(), 1u);
}

TEST_F(TableSetupTest, ClassTwoAdviceNamesTheLargerScreens) {
    window.screenWidth = 800;
    Word(words::kMinScreenClass, 2);
    RunSetup();
    ASSERT_EQ(InfoCount(), 1u);
    EXPECT_TRUE(fake.Messages().Texts(MessageEvent::Kind::Info)[0].starts_with(
        "Your video card's display is 800x600 pixels. For the best graphics display of this game the screen "
        "resolution should be set to 1024x768 pixels or higher. However, it's possible to play Seven "));
    EXPECT_EQ(mainGame.Advice800Shown, 1);
    EXPECT_EQ(mainGame.Advice640Shown, 0);
}

TEST_F(TableSetupTest, SmallScreenWithMediumCardsNeedsNoAdvice) {
    window.screenWidth = 640;
    Word(words::kMinScreenClass, 1);
    Set(fields::kCardSize, "M");
    RunSetup();
    EXPECT_EQ(InfoCount(), 0u);
    EXPECT_EQ(mainGame.SmallScreenHandled, 1);
    EXPECT_TRUE(Get(table::kSavedCardSet).empty());
    EXPECT_TRUE(images.loads.empty());
}

TEST_F(TableSetupTest, AWiderScreenGivesBackThePlayersCards) {
    window.screenWidth = 640;
    Word(words::kMinScreenClass, 1);
    RunSetup();
    window.screenWidth = 1024;
    RunSetup();
    EXPECT_EQ(Get(fields::kCardSize), "B");
    EXPECT_EQ(Get(fields::kCardSet), "001");
    EXPECT_EQ(Get(fields::kBackCard), "007");
    EXPECT_TRUE(Get(table::kSavedCardSize).empty());
    EXPECT_TRUE(Get(table::kSavedCardSet).empty());
    EXPECT_TRUE(Get(table::kSavedBackCard).empty());
    EXPECT_EQ(window.commands[table::TableCommand::kCustomize], true);
    EXPECT_EQ(images.loads, (std::vector<std::string>{"M", "B"}));
    EXPECT_EQ(geometry.CardHeight(), 96);
}

TEST_F(TableSetupTest, EveryPileStartsOffTheTable) {
    mainGame.SetFoundationX(3, 50);
    mainGame.SetReserveY(9, 60);
    mainGame.SetStockX(2, 70);
    geometry.SetTableauX(27, 80);
    RunSetup();
    EXPECT_EQ(mainGame.GetFoundationX(3), engine::kAbsentFoundationX);
    EXPECT_EQ(mainGame.GetReserveY(9), engine::kAbsentReserveX);
    EXPECT_EQ(mainGame.GetStockX(2), engine::kAbsentPileX);
    EXPECT_EQ(geometry.TableauX(27), engine::kAbsentTableauX);
}

TEST_F(TableSetupTest, CommandsFollowTheGame) {
    Word(words::kUndoDisabled, 1);
    Word(words::kAutoplayAllowed, 1);
    RunSetup();
    EXPECT_EQ(window.autoplay, true);
    EXPECT_EQ(window.undoRedo, false);
    EXPECT_EQ(window.commands[table::TableCommand::kSave], false);
    EXPECT_EQ(window.commands[table::TableCommand::kSaveButton], false);
    EXPECT_EQ(window.commands[table::TableCommand::kSnapshotPosition], false);
    EXPECT_EQ(window.commands[table::TableCommand::kHoldAndExit], false);
    Word(words::kUndoDisabled, 0);
    Word(words::kAutoplayAllowed, 0);
    RunSetup();
    EXPECT_EQ(window.autoplay, false);
    EXPECT_EQ(window.undoRedo, true);
    EXPECT_EQ(window.commands[table::TableCommand::kSave], true);
}

TEST_F(TableSetupTest, LaysOutTheGameInTheUsableArea) {
    window.panelBottoms[table::TablePanel::kSmallToolbar] = 60;
    window.panelBottoms[table::TablePanel::kLargeToolbar] = 50;
    Word(words::kFoundationStyle, 8);
    Word(words::kFoundationLine, 1);
    Word(words::kFoundationCount, 2);
    Word(words::kTableauStyle, 1);
    Word(words::kTableauLine, 2);
    Word(words::kTableauCount, 7);
    Word(words::kTableauFanMode, 1);
    RunSetup();
    // W = 820 - 20 - 2; the large toolbar comes before the small one.
    EXPECT_EQ(mainGame.GetFoundationX(1), 798 - 71 - 10 - 5);
    EXPECT_EQ(mainGame.GetFoundationY(0), 60);
    EXPECT_EQ(geometry.TableauX(0), 90);
    EXPECT_EQ(mainGame.FaceUpStepY, 18);
    window.panelBottoms.clear();
    setup.LayoutTable();
    EXPECT_EQ(mainGame.GetFoundationY(0), 15);
}

TEST_F(TableSetupTest, AGameTheListDoesNotHoldIsReported) {
    WriteGame();
    Set(fields::kGame, "0099");
    mainGame.SetFoundationX(0, 50);
    EXPECT_FALSE(setup.SetupTable());
    EXPECT_EQ(mainGame.GetFoundationX(0), engine::kAbsentFoundationX);
    EXPECT_EQ(def[words::kTableauCount], 0);
}

struct FanCase {
    const char* size;
    int tableauFan;
    int reserveFan;
    int upY, downY, upX, downX, mode6, mode6Down;
};

void PrintTo(const FanCase& c, std::ostream* out) {
    *out << "size " << c.size << ", tableau fan " << c.tableauFan << ", reserve fan " << c.reserveFan;
}

class SetFanStepsTest : public TableSetupTest, public ::testing::WithParamInterface<FanCase> {};

TEST_P(SetFanStepsTest, StepsBySizeAndFanMode) {
    const FanCase& c = GetParam();
    Set(fields::kCardSize, c.size);
    def.SetWord(words::kTableauFanMode, c.tableauFan);
    def.SetWord(words::kReserveFanMode, c.reserveFan);
    mainGame.FaceUpStepY = 99;
    mainGame.FaceDownStepX = 99;
    setup.SetFanSteps();
    EXPECT_EQ(mainGame.FaceUpStepY, c.upY);
    EXPECT_EQ(mainGame.FaceDownStepY, c.downY);
    EXPECT_EQ(mainGame.FaceUpStepX, c.upX);
    EXPECT_EQ(mainGame.FaceDownStepX, c.downX);
    EXPECT_EQ(mainGame.FanMode6Step, c.mode6);
    EXPECT_EQ(mainGame.FanMode6DownStep, c.mode6Down);
    EXPECT_EQ(mainGame.FanMode5Step, 3);
    EXPECT_EQ(mainGame.SideBySideGap, 6);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SetFanStepsTest,
                         ::testing::Values(FanCase{"B", 1, 0, 18, 4, 0, 0, 0, 0}, FanCase{"M", 7, 0, 14, 4, 0, 0, 0, 0},
                                           FanCase{"L", 1, 0, 3, 3, 0, 0, 0, 0}, FanCase{"B", 0, 1, 18, 4, 0, 0, 0, 0},
                                           FanCase{"B", 2, 0, 0, 0, 12, 4, 0, 0}, FanCase{"M", 0, 2, 0, 0, 10, 4, 0, 0},
                                           FanCase{"L", 2, 1, 3, 3, 3, 3, 0, 0}, FanCase{"B", 6, 0, 0, 0, 0, 0, 7, 7},
                                           FanCase{"M", 6, 0, 0, 0, 0, 0, 5, 5}, FanCase{"L", 6, 0, 0, 0, 0, 0, 3, 3},
                                           FanCase{"X", 1, 0, 0, 0, 0, 0, 0, 0}),
                         [](const ::testing::TestParamInfo<FanCase>& info) {
                             return std::string("Size") + info.param.size + "Tableau" +
                                    std::to_string(info.param.tableauFan) + "Reserve" +
                                    std::to_string(info.param.reserveFan);
                         });

TEST_F(TableSetupTest, SetCardSizeKeepsTheSizeForAnUnknownLetter) {
    Set(fields::kCardSize, "L");
    setup.SetCardSize();
    EXPECT_EQ(geometry.CardWidth(), 25);
    EXPECT_EQ(geometry.CardHeight(), 32);
    EXPECT_EQ(geometry.CardRect(), (engine::TableRect{0, 0, 25, 32}));
    Set(fields::kCardSize, "Q");
    setup.SetCardSize();
    EXPECT_EQ(geometry.CardWidth(), 25);
    EXPECT_EQ(images.loads, (std::vector<std::string>{"L", "Q"}));
}

}  // namespace
