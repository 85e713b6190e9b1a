#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/state/game.h"
#include "platform/core/timer_service.h"
#include "shell/dialogs.h"
#include "shell/main_form.h"
#include "shell/program.h"
#include "tests/support/fake_services.h"
#include "tests/support/media_doubles.h"

namespace shell_test {

// The dialogs as a test answers them: the chooser hands back the queued choices in turn,
// the newsletter says whether its box was ticked.
class ScriptedDialogs : public shell::IDialogs {
public:
    std::vector<std::optional<shell::GameChoice>> choices;
    int chooserShows = 0;
    int optionsShows = 0;
    int aboutShows = 0;
    std::vector<bool> newsletterHidden;  // the don't-ask box hidden, per show
    bool tickNewsletterBox = false;

    std::unique_ptr<shell::IGameChooser> CreateGameChooser(shell::TfrmMain& main) override;
    void OpenOptionsDialog(shell::TfrmMain&) override { ++optionsShows; }
    void ShowAbout(shell::TfrmMain&) override { ++aboutShows; }
    bool ShowNewsletter(shell::TfrmMain&, bool hideDontAsk) override {
        newsletterHidden.push_back(hideDontAsk);
        return tickNewsletterBox;
    }
    bool ShowAdvice(const std::string&, int) override { return false; }
};

// A program folder of its own with the built GAMES.DAT, QND.RGF and help, a virtual clock
// and timers, scripted messages and dialogs, recorded sounds and process exits.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest();

    // Writes a line into [Preference] (or another section) of DATA/CFG.DAT before start.
    void Preference(std::string_view key, std::string_view value, std::string_view section = "Preference");
    std::string PreferenceValue(std::string_view key, std::string_view section = "Preference");
    // Runs the start-up up to the message loop; returns the exit status.
    int Start();
    // The first activation, as the window system reports it.
    void Activate();
    // Runs the statement in a child process that ends the way the player's program does
    // (the real process exit, not a recorded one) and expects that exit status.
    void ExpectRealExit(const std::function<void()>& statement, int status);

    shell::TfrmMain& Main() { return *program->MainWindow(); }
    engine::Game& G() { return *program->Game(); }
    std::string Field(int position, int width) { return G().settings.GetField(position, width); }
    bool Flag(int index) { return G().registers.GetFlag(index) != 0; }
    // Starts Freecell game number 31417 as the chooser would hand it over.
    void StartFreecell();
    QImage Shown();

    test_support::TempFolder folder;
    platform::VirtualClock clock;
    platform::VirtualTimerService timers;
    platform::ScopedTimerService installedTimers{timers};
    test_support::ScriptedMessages messages;
    test_support::RecordingProcess process;
    test_support::RecordingShellOpen shellOpen;
    test_support::RecordingSoundPlayer sound;
    ScriptedDialogs dialogs;
    // The dialogs and message boxes the program gets in place of the scripted ones, when set.
    shell::IDialogs* useDialogs = nullptr;
    platform::IMessages* useMessages = nullptr;
    // The program's own process exit in place of the recorded one.
    bool realProcess = false;
    std::vector<shell::StartupStep> steps;
    std::function<void(shell::StartupStep)> onStep;
    std::unique_ptr<shell::Program> program;
};

}  // namespace shell_test
