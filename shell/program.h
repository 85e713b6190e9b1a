#pragma once

#include <filesystem>
#include <functional>
#include <memory>

namespace engine {
class Game;
}

namespace platform {
class Application;
class IClock;
class IMessages;
class IProcess;
class IShellOpen;
class ISoundPlayer;
class ScreenCursor;
}  // namespace platform

namespace shell {

class IDialogs;
class HelpViewer;
class TableParts;
class TfrmMain;
class TfrmSplashForm;

// The steps of the start-up, numbered as they run.
enum class StartupStep {
    kCursor = 2,
    kGlobals = 3,
    kSplash = 4,
    kMessages = 5,
    kSounds = 6,
    kMainWindow = 7,
    kPlacement = 8,
    kSplashUpdate = 9,
    kChooser = 10,
    kSplashHidden = 11,
    kSplashFreed = 12,
    kArrow = 13,
    kLoop = 14,
};

// What the program stands on. Anything left empty is the real thing: the system clock,
// message boxes, the process exit, sound and links through the desktop, no dialogs.
struct ProgramOptions {
    std::filesystem::path programFolder;
    platform::IClock* clock = nullptr;
    platform::IMessages* messages = nullptr;
    platform::IProcess* process = nullptr;
    platform::ISoundPlayer* sound = nullptr;
    platform::IShellOpen* shell = nullptr;
    IDialogs* dialogs = nullptr;
    // Called after each step; tests look at the program there.
    std::function<void(StartupStep)> onStep;
    // False: the start-up ends where the message loop would run (tests drive the window).
    bool runLoop = true;
};

// The program: its services, the game state and its windows, started in order.
class Program {
public:
    explicit Program(ProgramOptions options);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the start-up, then the message loop until the main window has closed.
    // Returns the process's exit status.
    int Run();

    platform::Application& Application();
    platform::ScreenCursor& Cursor();
    HelpViewer& Help();
    TableParts& Table();
    // None before its step and after it is gone.
    TfrmSplashForm* Splash() const;
    TfrmMain* MainWindow() const;
    engine::Game* Game() const;

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

}  // namespace shell
