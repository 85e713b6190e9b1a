#include <QImage>

#include <filesystem>
#include <fstream>
#include <map>

#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "platform/qt/application.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/screen_cursor.h"
#include "shell/dialogs/player_dialogs.h"
#include "shell/splash_form.h"
#include "shell/table_parts.h"
#include "tests/shell/modal_player.h"
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

// The splash stays on top while the program starts: the boxes shown meanwhile, a stop's
// error box and the loader's advice, belong to it, so that they open in front of it; the
// keyboard answers them.
TEST_F(ProgramTest, TheBoxesShownWhileTheSplashIsUpOpenInFrontOfIt) {
    platform::MessageBoxes boxes("Corvanet Solitaire");
    shell::PlayerDialogs playerDialogs;
    useMessages = &boxes;
    useDialogs = &playerDialogs;
    std::filesystem::remove(folder.Path() / "QND.RGF");
    QWidget* adviceOwner = nullptr;
    onStep = [&](StartupStep step) {
        if (step != StartupStep::kSounds) return;
        program->Application().SetShowHook([&](platform::Form& advice) {
            adviceOwner = advice.parentWidget();
            return platform::kModalOk;
        });
        playerDialogs.ShowAdvice("At this time your video driver supports 256 colors or less.", 0);
        program->Application().SetShowHook({});
    };
    QWidget* boxOwner = nullptr;
    QWidget* splash = nullptr;
    WhenModal player([&](QWidget& box) {
        boxOwner = box.parentWidget();
        splash = program->Splash();
        Stroke(box.windowHandle(), Qt::Key_Return);
    });
    EXPECT_EQ(Start(), 1);
    ASSERT_TRUE(player.Acted());
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(boxOwner, splash);
    EXPECT_EQ(adviceOwner, splash);
}

// A data file that is missing or damaged stops the start with its message and status 1.
enum class Damage { kRemoved, kRubbish, kCutShort };

struct BrokenFile {
    const char* name;
    const char* file;
    Damage damage;
    const char* message;
};

void PrintTo(const BrokenFile& broken, std::ostream* out) { *out << broken.name; }

class BrokenFileTest : public ProgramTest, public ::testing::WithParamInterface<BrokenFile> {
protected:
    void DamageFile() {
        const std::filesystem::path file = folder.Path() / GetParam().file;
        switch (GetParam().damage) {
        case Damage::kRemoved:
            std::filesystem::remove(file);
            break;
        case Damage::kRubbish:
            std::ofstream(file, std::ios::trunc) << "damaged\x01\x02\x03 contents";
            break;
        case Damage::kCutShort:
            std::filesystem::resize_file(file, std::filesystem::file_size(file) / 2);
            break;
        }
    }
};

TEST_P(BrokenFileTest, StopsTheStartWithAMessageAndFailureStatus) {
    const BrokenFile& broken = GetParam();
    DamageFile();
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

// The stop as the player meets it, the process really ending: with the main window half
// made and its bars up, nothing may be torn down under them.
TEST_P(BrokenFileTest, TheRealStopEndsTheProcessWithStatusOne) {
    DamageFile();
    ExpectRealExit([this] { Start(); }, 1);
}

INSTANTIATE_TEST_SUITE_P(
    DataFiles, BrokenFileTest,
    ::testing::Values(BrokenFile{"MissingGames", "GAMES.DAT", Damage::kRemoved, "Cannot find file:"},
                      BrokenFile{"DamagedGames", "GAMES.DAT", Damage::kRubbish, "GAMES.DAT"},
                      BrokenFile{"CutGames", "GAMES.DAT", Damage::kCutShort, "GAMES.DAT"},
                      BrokenFile{"MissingLibrary", "QND.RGF", Damage::kRemoved, "Can't find/load "},
                      BrokenFile{"DamagedLibrary", "QND.RGF", Damage::kRubbish, "Can't find/load "}),
                         [](const ::testing::TestParamInfo<BrokenFile>& info) { return info.param.name; });

// A missing picture file during play stops the program as a missing data file stops the start.
TEST_F(ProgramTest, AMissingImageFileDuringPlayEndsTheProcessWithStatusOne) {
    ExpectRealExit(
        [this] {
            if (Start() != 0) return;
            Activate();
            StartFreecell();
            platform::Bitmap picture;
            program->Table().Bitmaps().LoadBmpFile(picture, "IMAGES\\Missing.bmp");
        },
        1);
}

}  // namespace
}  // namespace shell_test
