#include <QImage>

#include <filesystem>
#include <fstream>
#include <map>

#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "platform/qt/application.h"
#include "platform/qt/screen_cursor.h"
#include "shell/splash_form.h"
#include "tests/shell/program_fixture.h"

namespace shell_test {
namespace {

using shell::StartupStep;

TEST_F(ProgramTest, TheSplashShowsFromItsStepToStepElevenUnderTheHourglassAndTheArrowComesBack) {
    std::map<StartupStep, bool> splashShown;
    std::map<StartupStep, int> cursor;
    onStep = [&](StartupStep step) {
        splashShown[step] = program->Splash() != nullptr && program->Splash()->isVisible();
        cursor[step] = program->Cursor().Current();
    };
    ASSERT_EQ(Start(), 0);
    for (StartupStep step : {StartupStep::kSplash, StartupStep::kMessages, StartupStep::kSounds,
                             StartupStep::kMainWindow, StartupStep::kPlacement, StartupStep::kSplashUpdate,
                             StartupStep::kChooser})
        EXPECT_TRUE(splashShown[step]) << "step " << static_cast<int>(step);
    EXPECT_FALSE(splashShown[StartupStep::kGlobals]);
    EXPECT_FALSE(splashShown[StartupStep::kSplashHidden]);
    EXPECT_EQ(program->Splash(), nullptr);
    for (StartupStep step : {StartupStep::kCursor, StartupStep::kGlobals, StartupStep::kMainWindow,
                             StartupStep::kSplashFreed})
        EXPECT_EQ(cursor[step], platform::kHourglassCursorId) << "step " << static_cast<int>(step);
    EXPECT_EQ(cursor[StartupStep::kArrow], platform::kArrowCursorId);
    // The main window is the main form although the splash was made first.
    EXPECT_EQ(program->Application().MainForm(), &Main());
    EXPECT_TRUE(Flag(engine::flag::kStartupPending));
}

TEST_F(ProgramTest, TheSplashSoundPlaysOnlyWithSoundsOn) {
    ASSERT_EQ(Start(), 0);
    EXPECT_EQ(sound.PlayCount(), 0u);
    program.reset();
    Preference("Sounds_Enabled", "Y");
    ASSERT_EQ(Start(), 0);
    EXPECT_EQ(sound.PlayCount(), 1u);
}

// A data file that is missing or damaged stops the start with its message and status 1.
struct BrokenFile {
    const char* name;
    const char* file;
    bool remove;  // else its content is replaced by rubbish
    const char* message;
};

void PrintTo(const BrokenFile& broken, std::ostream* out) { *out << broken.name; }

class BrokenFileTest : public ProgramTest, public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(BrokenFileTest, StopsTheStartWithAMessageAndFailureStatus) {
    const BrokenFile& broken = GetParam();
    const std::filesystem::path file = folder.Path() / broken.file;
    if (broken.remove) {
        std::filesystem::remove(file);
    } else {
        std::ofstream(file, std::ios::trunc) << "damaged\x01\x02\x03 contents";
    }
    EXPECT_EQ(Start(), 1);
    ASSERT_FALSE(process.ExitCodes().empty());
    EXPECT_EQ(process.ExitCodes().front(), 1);
    ASSERT_FALSE(messages.Events().empty());
    EXPECT_NE((messages.Events().front().caption + messages.Events().front().text).find(broken.message),
              std::string::npos)
        << messages.Events().front().text;
    EXPECT_EQ(program->Splash(), nullptr);
    EXPECT_EQ(program->Cursor().Current(), platform::kArrowCursorId);
}

INSTANTIATE_TEST_SUITE_P(DataFiles, BrokenFileTest,
                         ::testing::Values(BrokenFile{"MissingGames", "GAMES.DAT", true, "Cannot find file:"},
                                           BrokenFile{"DamagedGames", "GAMES.DAT", false, "GAMES.DAT"},
                                           BrokenFile{"MissingLibrary", "QND.RGF", true, "Can't find/load "},
                                           BrokenFile{"DamagedLibrary", "QND.RGF", false, "Can't find/load "}),
                         [](const ::testing::TestParamInfo<BrokenFile>& info) { return info.param.name; });

}  // namespace
}  // namespace shell_test
