#include "shell/program.h"

#include <QCoreApplication>
#include <QPointer>

#include "engine/base/text_utils.h"
#include "engine/files/preference_file.h"
#include "engine/files/required_files.h"
#include "engine/ports/services.h"
#include "engine/session/advice.h"
#include "engine/startup/globals.h"
#include "engine/state/game.h"
#include "platform/core/clock.h"
#include "platform/core/paths.h"
#include "platform/core/process.h"
#include "platform/core/random.h"
#include "platform/qt/application.h"
#include "platform/qt/cursors.h"
#include "platform/qt/desktop.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/resource_bundle.h"
#include "platform/qt/screen_cursor.h"
#include "platform/qt/sound_player.h"
#include "platform/qt/system_sounds_qt.h"
#include "shell/advanced_form.h"
#include "shell/dialogs.h"
#include "shell/help_viewer.h"
#include "shell/main_form.h"
#include "shell/splash_form.h"
#include "shell/table_parts.h"

namespace shell {

namespace {

constexpr std::string_view kLibraryName = "QND.RGF";
constexpr int kFailureStatus = 1;

// Waits of the game shown as they happen: the frame a card slide has just drawn reaches
// the screen before the wait that holds it.
class FrameClock : public platform::IClock {
public:
    explicit FrameClock(platform::IClock& clock) : m_clock(clock) {}
    void SetBeforeWait(std::function<void(std::uint32_t)> show) { m_show = std::move(show); }

    std::uint32_t TickCount() override { return m_clock.TickCount(); }
    void Delay(std::uint32_t milliseconds) override {
        if (m_show) m_show(milliseconds);
        m_clock.Delay(milliseconds);
    }
    void DelayProcessing(std::uint32_t milliseconds) override {
        if (m_show) m_show(milliseconds);
        m_clock.DelayProcessing(milliseconds);
    }
    double Now() override { return m_clock.Now(); }
    std::uint32_t MillisecondsSinceMidnightUtc() override { return m_clock.MillisecondsSinceMidnightUtc(); }

private:
    platform::IClock& m_clock;
    std::function<void(std::uint32_t)> m_show;
};

class AdviceBox : public engine::IAdviceBox {
public:
    explicit AdviceBox(IDialogs& dialogs) : m_dialogs(dialogs) {}
    bool ShowAdvice(const std::string& text, int page) override { return m_dialogs.ShowAdvice(text, page); }

private:
    IDialogs& m_dialogs;
};

}  // namespace

struct Program::Parts {
    explicit Parts(ProgramOptions opts)
        : options(std::move(opts)),
          paths(options.programFolder),
          messageBoxes(std::string(engine::kProductName)),
          dialogs(options.dialogs != nullptr ? *options.dialogs : noDialogs),
          advice(dialogs),
          frameClock(options.clock != nullptr ? *options.clock : systemClock),
          cursor([this](int id) { return cursorTable.Cursor(id); }),
          table(TableServices{library, paths, Clock(), Messages(), random,
                              [this](const std::filesystem::path& file) {
                                  return engine::RequireImageFile(services, file);
                              }}) {
        systemClock.SetEventPump([] { QCoreApplication::processEvents(); });
        systemClock.SetEventWait([](std::uint32_t milliseconds) { platform::Application::WaitForMessages(milliseconds); });
        services.clock = &Clock();
        services.random = &random;
        services.messages = &Messages();
        services.shell = options.shell != nullptr ? options.shell : &shellOpen;
        services.process = options.process != nullptr ? options.process : &exitProcess;
        services.paths = &paths;
        services.resources = &library;
        services.sound = options.sound != nullptr ? options.sound : &soundPlayer;
        services.cursors = &cursorTable;
        services.fonts = &fonts;
        services.advice = &advice;
        services.tableGlobals = &table;
        services.help = &help;
    }

    // The real clock shows each frame before it waits; a test's clock does not wait.
    platform::IClock& Clock() { return options.clock != nullptr ? *options.clock : frameClock; }
    platform::IMessages& Messages() { return options.messages != nullptr ? *options.messages : messageBoxes; }
    void Step(StartupStep step) {
        if (options.onStep) options.onStep(step);
    }

    ProgramOptions options;
    platform::PathResolver paths;
    platform::SystemClock systemClock;
    platform::RandomGenerator random;
    platform::MessageBoxes messageBoxes;
    platform::ExitProcess exitProcess;
    platform::DesktopShellOpen shellOpen;
    platform::ResourceBundle library;
    platform::SoundPlayer soundPlayer;
    platform::CursorTable cursorTable;
    platform::FontCatalog fonts;
    NoDialogs noDialogs;
    IDialogs& dialogs;
    AdviceBox advice;
    HelpViewer help;
    FrameClock frameClock;
    platform::Application application;
    platform::ScreenCursor cursor;
    engine::Services services;
    TableParts table;
    std::unique_ptr<engine::Game> game;
    QPointer<TfrmSplashForm> splash;
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<platform::SystemSounds> menuSounds;
};

Program::Program(ProgramOptions options) : m_parts(std::make_unique<Parts>(std::move(options))) {}

Program::~Program() {
    if (m_parts->menuSounds) platform::InstallSystemSounds(nullptr);
    if (m_parts->splash) delete m_parts->splash;
    m_parts->main.reset();
    engine::FreeGlobals(m_parts->game);
}

platform::Application& Program::Application() { return m_parts->application; }
platform::ScreenCursor& Program::Cursor() { return m_parts->cursor; }
HelpViewer& Program::Help() { return m_parts->help; }
TableParts& Program::Table() { return m_parts->table; }
TfrmSplashForm* Program::Splash() const { return m_parts->splash; }
TfrmMain* Program::MainWindow() const { return m_parts->main.get(); }
engine::Game* Program::Game() const { return m_parts->game.get(); }

int Program::Run() {
    Parts& p = *m_parts;
    p.cursor.Set(platform::kHourglassCursorId);
    p.Step(StartupStep::kCursor);

    // F1 in a window opens its page of the help file the start-up loader names.
    p.application.SetHelpHandler([&p](int context) { p.help.ShowHelpContext(context); });
    p.game = engine::CreateGlobals(p.services);
    p.table.Attach(*p.game);
    p.dialogs.Attach(*p.game, p.table);
    ProcessFontFallback().SetFontTest([&p](std::string_view family) { return p.game->media.FontExists(family); });
    p.Step(StartupStep::kGlobals);

    // The splash reads its pictures from the library before the table loads it.
    platform::ResourceBundle splashLibrary;
    splashLibrary.Open(p.paths.Resolve(kLibraryName));
    p.splash = new TfrmSplashForm(nullptr, &splashLibrary);
    p.application.SetSplash(p.splash);
    p.splash->Show();
    p.splash->Update();
    p.Step(StartupStep::kSplash);

    p.application.ProcessMessages();
    p.Step(StartupStep::kMessages);

    // The table opens the library only in the next step; the splash's copy lends it the
    // splash sound, which could otherwise never be found.
    p.game->media.SetCardLibraryHandle(splashLibrary.IsOpen() ? &splashLibrary : nullptr);
    p.game->media.InitStartupSounds(engine::PreferenceFile(p.paths));
    p.game->media.SetCardLibraryHandle(nullptr);
    p.Step(StartupStep::kSounds);

    const MainWindowParts parts{*p.game,
                                p.table,
                                p.application,
                                p.cursor,
                                p.help,
                                p.dialogs,
                                p.library,
                                [&p] { p.help.Command(platform::kHelpFinderCommand, 0); },
                                [&p] { engine::FreeGlobals(p.game); },
                                nullptr};
    p.main.reset(p.application.CreateForm<TfrmMain>(parts));
    p.messageBoxes.SetOwner(p.main.get());
    p.Step(StartupStep::kMainWindow);
    if (!p.main->IsLoaded()) {
        // The player has been told what is missing; the process ends with a failure.
        delete p.splash;
        p.cursor.Set(platform::kArrowCursorId);
        return kFailureStatus;
    }
    // The menus sound the library's WAVEs of the desktop's event-sound names, where it has them.
    if (p.options.sound == nullptr) {
        p.menuSounds = platform::MakeSystemSounds(p.library, p.soundPlayer);
        platform::InstallSystemSounds(p.menuSounds.get());
    }
    p.frameClock.SetBeforeWait([&p](std::uint32_t milliseconds) {
        if (p.main && p.game) p.main->PresentFrame(milliseconds);
    });

    p.main->RestoreMainWindow();
    p.Step(StartupStep::kPlacement);
    p.splash->Update();
    p.Step(StartupStep::kSplashUpdate);

    p.main->SetGameChooser(p.dialogs.CreateGameChooser(*p.main));
    p.Step(StartupStep::kChooser);

    p.splash->Update();
    p.splash->Update();
    p.splash->Hide();
    p.Step(StartupStep::kSplashHidden);

    p.main->Update();
    p.splash->Update();
    delete p.splash;
    splashLibrary.Close();
    p.Step(StartupStep::kSplashFreed);

    p.cursor.Set(platform::kArrowCursorId);
    p.Step(StartupStep::kArrow);

    if (!p.options.runLoop) return 0;
    p.application.Run();
    p.Step(StartupStep::kLoop);
    return 0;
}

}  // namespace shell
