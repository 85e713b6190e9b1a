#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "engine/session/new_game.h"
#include "platform/qt/controls.h"
#include "platform/qt/form_timer.h"
#include "platform/qt/help_window.h"
#include "platform/qt/popup_menu.h"
#include "platform/qt/screen_cursor.h"
#include "shell/dialogs/product_addresses.h"
#include "shell/help_viewer.h"
#include "shell/table_parts.h"
#include "table/draw/table_buffer.h"
#include "tests/shell/program_fixture.h"

namespace shell_test {
namespace {

namespace fields = engine::fields;

constexpr double kSomeDay = 46000.0;
constexpr double kSecond = 1.0 / 86400.0;

class MainWindowTest : public ProgramTest {
protected:
    void SetUp() override { ASSERT_EQ(Start(), 0); }
    std::string Clock() { return Main().Label("lblTempo")->Caption(); }
    void SetField(fields::Field field, std::string_view value) { G().settings.SetField(field.position, field.width, value); }
    std::string GetField(fields::Field field) { return Field(field.position, field.width); }
};

TEST_F(MainWindowTest, TheClockTicksOnItsTimerAndCountsOneSecondShortAcrossMidnight) {
    EXPECT_EQ(Clock(), "0:00:00");
    G().registers.SetTimeReg(engine::kClockStartTimeReg, kSomeDay + 86390 * kSecond);  // 23:59:50
    clock.SetNow(kSomeDay + 1 - 0.001 / 86400.0 - 1000.0 / 86'400'000.0);
    timers.Advance(1000);  // the clock is not running: the label keeps its text
    EXPECT_EQ(Clock(), "0:00:00");
    G().registers.SetFlag(engine::flag::kClockRunning, 1);
    clock.SetNow(kSomeDay + 1 - clock.TickCount() / 86'400'000.0);  // 00:00:00 the next day
    timers.Advance(1000);
    EXPECT_EQ(Clock(), "0:00:09");
}

TEST_F(MainWindowTest, TheSameGameAndPlayerAgainChangeNothingAnotherPlayerRedealsTheSameGame) {
    StartFreecell();
    ASSERT_TRUE(Flag(engine::flag::kGameInProgress));
    const std::string number = GetField(fields::kGameNumber);
    const std::string player = GetField(fields::kUserDefault);
    EXPECT_FALSE(Main().StartChosenGame(1, "Freecell", player, false, engine::kNewNumberMode));
    EXPECT_EQ(GetField(fields::kGameNumber), number);

    SetField(fields::kSessionCounterA, "7");
    EXPECT_TRUE(Main().StartChosenGame(1, "Freecell", "Player 2", false, engine::kNewNumberMode));
    EXPECT_EQ(GetField(fields::kGame), "0001");
    EXPECT_NE(GetField(fields::kGameNumber), number);
    EXPECT_EQ(GetField(fields::kSessionCounterA), engine::kSessionCounterStart);
    EXPECT_EQ(GetField(fields::kUserDefault), "Player 2");
    EXPECT_EQ(PreferenceValue("UserDefault"), "Player 2");
}

TEST_F(MainWindowTest, ExitAsksOnlyWhenConfirmQuitSaysSoAndARefusalKeepsTheWindowAndThePlacement) {
    Activate();
    Main().SetWindowState(platform::FormWindowState::kNormal);
    G().registers.SetFlag(engine::flag::kHoldAndExit, 1);
    Preference("ConfirmQuit", "Y");
    messages.QueueConfirmAnswer(false);
    EXPECT_TRUE(Main().RunCommand("mnuEsci"));
    EXPECT_EQ(messages.Texts(test_support::MessageEvent::Kind::Confirm),
              std::vector<std::string>{std::string(shell::kExitQuestion)});
    EXPECT_NE(program->Game(), nullptr);
    EXPECT_FALSE(Flag(engine::flag::kHoldAndExit));
    EXPECT_EQ(PreferenceValue("MainWindowState_Maximized"), "N");
    EXPECT_EQ(PreferenceValue("MainWindowState_Width"), std::to_string(Main().width()));
}

TEST_F(MainWindowTest, WithoutConfirmQuitTheProgramClosesWithoutAQuestionAndFreesTheGame) {
    Activate();
    StartFreecell();
    G().mainGame.AutoplaySaveMode = 1;
    const bool autoPlay = Main().Commands().Find("mnuAutoPlay")->IsDown();
    EXPECT_TRUE(Main().RunCommand("mnuEsci"));
    EXPECT_EQ(messages.Count(test_support::MessageEvent::Kind::Confirm), 0u);
    EXPECT_EQ(program->Game(), nullptr);
    EXPECT_FALSE(Main().isVisible());
    EXPECT_EQ(PreferenceValue("AutoPlay"), autoPlay ? "Y" : "N");
    EXPECT_NE(PreferenceValue("Random_Game_Type", "Settings"), "(none)");
    // Nothing reaches the freed state afterwards: not the clock, an activation or a resize.
    EXPECT_FALSE(Main().Timer1().IsEnabled());
    program->Application().Activate();
    Main().resize(500, 400);
    timers.Advance(3000);
}

TEST_F(MainWindowTest, AMaximizedWindowWritesOnlyItsMaximizedStateEvenWhenMinimized) {
    Preference("MainWindowState_Left", "77");
    Main().setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
    Preference("ConfirmQuit", "Y");
    messages.QueueConfirmAnswer(false);
    Main().Close();
    EXPECT_EQ(PreferenceValue("MainWindowState_Maximized"), "Y");
    EXPECT_EQ(PreferenceValue("MainWindowState_Left"), "77");
    // Minimized from the normal state: the normal bounds are kept.
    Main().setWindowState(Qt::WindowNoState);
    Main().setGeometry(60, 70, 500, 400);
    Main().setWindowState(Qt::WindowMinimized);
    Main().Close();
    EXPECT_EQ(PreferenceValue("MainWindowState_Maximized"), "N");
    EXPECT_EQ(PreferenceValue("MainWindowState_Width"), "500");
    EXPECT_EQ(PreferenceValue("MainWindowState_Left"), "60");
}

TEST_F(ProgramTest, TheWindowHasTheTableCursorFromTheStartAndTheArrowForTen) {
    Preference("Cursor", "12");
    ASSERT_EQ(Start(), 0);
    EXPECT_TRUE(Main().testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(Main().cursor().shape(), Qt::BitmapCursor);
    program.reset();
    Preference("Cursor", "10");
    ASSERT_EQ(Start(), 0);
    EXPECT_FALSE(Main().testAttribute(Qt::WA_SetCursor));
}

TEST_F(MainWindowTest, SmallIconsShowTheSmallToolbarWithLowerPanelsAndSaveOnlyWhenAsked) {
    Main().SetToolbarLarge(false, false);
    EXPECT_EQ(PreferenceValue("ToolBar_Large"), "(none)");
    Main().SetToolbarLarge(true, false);
    EXPECT_TRUE(Main().PopupMenu("popTB").Choose("Smallicons1"));
    EXPECT_FALSE(Main().Panel("pnlTB1")->isHidden());
    EXPECT_TRUE(Main().Panel("pnlTB")->isHidden());
    EXPECT_EQ(Main().Panel("pnlTempo")->height(), 20);
    EXPECT_EQ(Main().Panel("pnlScore")->height(), 20);
    EXPECT_EQ(Main().Label("lblScore")->y(), 3);
    EXPECT_TRUE(Main().PopupItem("Smallicons1")->checked);
    EXPECT_FALSE(Main().PopupItem("Largeicons1")->checked);
    EXPECT_EQ(PreferenceValue("ToolBar_Large"), "N");
    // The table starts below the toolbar that shows.
    EXPECT_EQ(Main().PanelBottom(table::TablePanel::kSmallToolbar), Main().Panel("pnlTB1")->geometry().bottom() + 1);
}

TEST_F(MainWindowTest, TheLargeToolbarGroupsItsButtonsBetweenFourSeparators) {
    Main().SetToolbarLarge(true, false);
    std::vector<const QWidget*> shown;
    for (const QObject* child : Main().Panel("pnlTB")->children())
        if (child->isWidgetType() && !static_cast<const QWidget*>(child)->isHidden())
            shown.push_back(static_cast<const QWidget*>(child));
    std::sort(shown.begin(), shown.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    std::vector<std::string> names;
    for (const QWidget* w : shown) names.push_back(w->objectName().toStdString());
    EXPECT_EQ(names, (std::vector<std::string>{"tbNew", "tbOpen", "sep_tb_large_1", "tbUndo", "tbRedo",
                                               "sep_tb_large_2", "tbAutoPlay", "sep_tb_large_3", "tbRules",
                                               "sep_tb_large_4", "tbExit"}));
    for (std::size_t i = 1; i < shown.size(); ++i) EXPECT_GE(shown[i]->x(), shown[i - 1]->geometry().right()) << names[i];
}

TEST_F(MainWindowTest, TheClockKeepsAGapAfterItsCaptionUpToTenHoursAndMore) {
    const platform::Label& caption = *Main().Label("lblTempo2");
    const platform::Label& value = *Main().Label("lblTempo");
    for (const bool large : {false, true}) {
        Main().SetToolbarLarge(large, false);
        for (const char* time : {"0:00:00", "10:00:00", "23:59:59"}) {
            Main().SetLabelText(engine::ShellLabel::kTempo, time);
            const int captionEnd = caption.x() + caption.fontMetrics().horizontalAdvance(caption.text());
            const int valueStart = value.geometry().right() + 1 - value.fontMetrics().horizontalAdvance(value.text());
            EXPECT_GE(valueStart - captionEnd, 4) << time;
            EXPECT_LE(value.geometry().right(), Main().Panel("pnlTempo")->width() - 4) << time;
        }
    }
}

TEST_F(MainWindowTest, AKeyHidesThePileSizeTip) {
    Activate();
    Main().Panel("pnlPilesSize")->show();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QCoreApplication::sendEvent(Main().windowHandle(), &key);
    EXPECT_TRUE(Main().Panel("pnlPilesSize")->isHidden());
}

TEST_F(MainWindowTest, AStoredWindowOffEveryScreenComesBackAndATinyOneGrows) {
    Preference("MainWindowState_Maximized", "N");
    Preference("MainWindowState_Left", "-9000");
    Preference("MainWindowState_Top", "-9000");
    Preference("MainWindowState_Width", "40");
    Preference("MainWindowState_Height", "30");
    Main().RestoreMainWindow();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_TRUE(screen.intersects(Main().geometry()));
    EXPECT_GE(Main().width(), 320);
    EXPECT_GE(Main().height(), 240);
    // Partly off the screen on purpose: it stays.
    Preference("MainWindowState_Left", "-100");
    Preference("MainWindowState_Top", "20");
    Main().RestoreMainWindow();
    EXPECT_EQ(Main().geometry().x(), -100);
}

TEST_F(MainWindowTest, TheOffScreenTableCoversAWindowLargerThanTheScreen) {
    Activate();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    Main().resize(screen.width() + 300, screen.height() + 200);
    Main().ResizeTable();
    EXPECT_GE(program->Table().Buffers().Width(), Main().frameGeometry().width() + 30);
    EXPECT_GE(program->Table().Buffers().Height(), Main().frameGeometry().height() + 30);
}

TEST_F(MainWindowTest, ADamagedCursorFieldGivesTheArrowAfterARelease) {
    Activate();
    StartFreecell();
    SetField(fields::kCursor, "1x");
    Main().imgSfondoMouseUp();
    EXPECT_EQ(Main().CurrentCursor(), engine::kDefaultCursor);
}

TEST_F(MainWindowTest, TheCommandsTheProgramDoesNotOfferStayHiddenAndEveryHandlerIsBound) {
    for (const auto& command : Main().Commands().Commands()) {
        EXPECT_EQ(command->IsVisible(), command->design->offered) << command->design->name;
        EXPECT_EQ(command->design->handler.empty(), !command->handler) << command->design->name;
    }
    EXPECT_EQ(Main().ItemCaption("mnuAbout"), "A&bout Corvanet Solitaire...");
    EXPECT_FALSE(Main().RunCommand("mnuSave"));
    EXPECT_EQ(Main().Commands().Find("mnuUndo")->design->shortcut, "Ctrl+Z");
    EXPECT_EQ(Main().Commands().Find("mnuRedo")->design->shortcut, "Ctrl+Y");
}

TEST_F(MainWindowTest, TheAutoplayCheckAndBothButtonsMoveTogether) {
    Activate();
    StartFreecell();
    const bool before = Main().Commands().Find("mnuAutoPlay")->IsDown();
    Main().Button("tbAutoPlay1")->Click();
    EXPECT_NE(Main().Commands().Find("mnuAutoPlay")->IsDown(), before);
    EXPECT_EQ(Main().Button("tbAutoPlay")->IsDown(), !before);
    EXPECT_TRUE(Main().RunCommand("mnuAutoPlay"));
    EXPECT_EQ(Main().Commands().Find("mnuAutoPlay")->IsDown(), before);
    EXPECT_EQ(Main().Button("tbAutoPlay")->IsDown(), before);
    EXPECT_EQ(Main().Button("tbAutoPlay1")->IsDown(), before);
}

TEST_F(MainWindowTest, ThePopUpsOfTheToolbarClockAndScoreSwitchWhatTheyNameAndSaveIt) {
    Activate();
    std::vector<std::string> entries;
    for (const auto& item : Main().PopupMenu("popTB").Items()) entries.push_back(item->caption);
    EXPECT_EQ(entries, (std::vector<std::string>{"Large icons", "Small icons", "-", "Flat button", "No flat button",
                                                 "-", "Show time", "Show score"}));
    EXPECT_EQ(Main().Panel("pnlTB")->Popup(), &Main().PopupMenu("popTB"));
    EXPECT_EQ(Main().Panel("pnlTB1")->Popup(), &Main().PopupMenu("popTB"));
    EXPECT_EQ(Main().Panel("pnlTempo")->Popup(), &Main().PopupMenu("popTime"));
    EXPECT_EQ(Main().Panel("pnlScore")->Popup(), &Main().PopupMenu("popScore"));

    EXPECT_TRUE(Main().PopupMenu("popTB").Choose("Buttonnoflat1"));
    EXPECT_FALSE(Main().Button("tbNew")->IsFlat());
    EXPECT_FALSE(Main().Button("tbExit1")->IsFlat());
    EXPECT_TRUE(Main().PopupItem("Buttonnoflat1")->checked);
    EXPECT_FALSE(Main().PopupItem("Buttonflat1")->checked);
    EXPECT_EQ(PreferenceValue("ToolBar_Flat"), "N");
    EXPECT_TRUE(Main().PopupMenu("popTB").Choose("Buttonflat1"));
    EXPECT_TRUE(Main().Button("tbNew")->IsFlat());
    EXPECT_EQ(PreferenceValue("ToolBar_Flat"), "Y");

    // Hidden from its own pop-up, each panel comes back from the toolbar's.
    for (const auto& [panel, hide, show, key] :
         {std::tuple{"pnlTempo", "popTime", "mnuShowTime", "Show_Time"},
          std::tuple{"pnlScore", "popScore", "mnuShowScore", "Show_Score"}}) {
        if (Main().Panel(panel)->isHidden()) Main().PopupMenu("popTB").Choose(show);
        ASSERT_FALSE(Main().Panel(panel)->isHidden()) << panel;
        EXPECT_TRUE(Main().PopupMenu(hide).Choose(Main().PopupMenu(hide).Items().front()->name)) << panel;
        EXPECT_TRUE(Main().Panel(panel)->isHidden()) << panel;
        EXPECT_EQ(PreferenceValue(key), "N") << panel;
        EXPECT_TRUE(Main().PopupMenu("popTB").Choose(show)) << panel;
        EXPECT_FALSE(Main().Panel(panel)->isHidden()) << panel;
        EXPECT_EQ(PreferenceValue(key), "Y") << panel;
    }

    // The table's pop-up: each of its three entries opens the options.
    const int options = dialogs.optionsShows;
    for (const char* entry : {"mnuPopChangeCardSet", "mnuPopChangeDeck", "mnuPopChangebackground"})
        EXPECT_TRUE(Main().PopupMenu("popMain").Choose(entry)) << entry;
    EXPECT_EQ(dialogs.optionsShows, options + 3);
    EXPECT_FALSE(Main().PopupMenu("popMain").Choose("mnuPopPause"));
}

TEST_F(MainWindowTest, ContentsNewsletterHomePageAndTheNewGameSound) {
    Activate();
    StartFreecell();
    EXPECT_TRUE(Main().RunCommand("Sommario1"));
    ASSERT_NE(program->Help().Window(), nullptr);
    EXPECT_TRUE(program->Help().Window()->isVisible());
    EXPECT_EQ(program->Help().Window()->CurrentContext(), platform::kContentsContext);
    program->Help().Window()->close();

    // The newsletter command offers no don't-ask box and writes nothing.
    const std::string before = folder.ReadFile("Data/CFG.DAT");
    EXPECT_TRUE(Main().RunCommand("mnuNewsletter"));
    EXPECT_EQ(dialogs.newsletterHidden, std::vector<bool>{true});
    EXPECT_EQ(folder.ReadFile("Data/CFG.DAT"), before);

    // The product has one web site: the Home Page command opens what About shows, under
    // the hourglass, and the cursor comes back as it was.
    std::vector<int> cursors;
    shellOpen.onOpen = [&] { cursors.push_back(program->Cursor().Current()); };
    Main().SetCursor(12);
    EXPECT_TRUE(Main().RunCommand("mnuQuendrixHomePage"));
    EXPECT_EQ(cursors, std::vector<int>{platform::kHourglassCursorId});
    EXPECT_EQ(program->Cursor().Current(), 12);
    ASSERT_EQ(shellOpen.Calls().size(), 1u);
    EXPECT_EQ(shellOpen.Calls()[0].file, "http://" + std::string(shell::kProductWebSite));

    // "New" plays to its end before the deal, only with its switch on.
    const std::string newSound = G().media.CardLibraryHandle()->WaveData("New");
    ASSERT_FALSE(newSound.empty());
    SetField(fields::kSoundsEnabled, "Y");
    for (const char* newGameSound : {"N", "Y"}) {
        SetField(fields::kSoundsNewGame, newGameSound);
        sound.Clear();
        EXPECT_TRUE(Main().RunCommand("mnuNew"));
        const auto played = std::find_if(sound.Events().begin(), sound.Events().end(),
                                          [&](const test_support::SoundEvent& e) { return e.data == newSound; });
        EXPECT_EQ(played != sound.Events().end(), std::string(newGameSound) == "Y") << newGameSound;
        if (played != sound.Events().end()) {
            EXPECT_EQ(played->mode, platform::SoundMode::Synchronous);
        }
    }
}

}  // namespace
}  // namespace shell_test
