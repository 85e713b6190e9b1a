#include "tests/shell/program_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "engine/files/preference_file.h"
#include "engine/model/preference_fields.h"
#include "platform/core/paths.h"
#include "platform/qt/application.h"
#include "shell/table_parts.h"

namespace shell_test {

namespace {

namespace fs = std::filesystem;

class ScriptedChooser : public shell::IGameChooser {
public:
    explicit ScriptedChooser(ScriptedDialogs& dialogs) : m_dialogs(dialogs) {}
    std::optional<shell::GameChoice> ShowModalChoice() override {
        ++m_dialogs.chooserShows;
        if (m_dialogs.choices.empty()) return std::nullopt;
        std::optional<shell::GameChoice> choice = m_dialogs.choices.front();
        m_dialogs.choices.erase(m_dialogs.choices.begin());
        return choice;
    }

private:
    ScriptedDialogs& m_dialogs;
};

}  // namespace

std::unique_ptr<shell::IGameChooser> ScriptedDialogs::CreateGameChooser(shell::TfrmMain&) {
    return std::make_unique<ScriptedChooser>(*this);
}

ProgramTest::ProgramTest() {
    const fs::path built(CORVANET_PROGRAM_DIR);
    for (const char* name : {"GAMES.DAT", "QND.RGF"}) fs::copy_file(built / name, folder.Path() / name);
    fs::copy(built / "quendrix.hlp", folder.Path() / "quendrix.hlp", fs::copy_options::recursive);
    // Quiet, quick and plain: no sounds, no animations, no questions.
    for (const auto& [key, value] : {std::pair{"Sounds_Enabled", "N"}, std::pair{"Cards_Animate", "N"},
                                     std::pair{"Deal_Animation", "N"}, std::pair{"ConfirmQuitGame", "N"},
                                     std::pair{"Winning_Animations_Time", "0"}})
        Preference(key, value);
}

void ProgramTest::Preference(std::string_view key, std::string_view value, std::string_view section) {
    const platform::PathResolver paths(folder.Path());
    fs::create_directories(folder.Path() / "Data");
    engine::PreferenceFile(paths).WriteString(section, key, value);
}

std::string ProgramTest::PreferenceValue(std::string_view key, std::string_view section) {
    const platform::PathResolver paths(folder.Path());
    return engine::PreferenceFile(paths).ReadString(section, key, "(none)");
}

int ProgramTest::Start() {
    shell::ProgramOptions options;
    options.programFolder = folder.Path();
    options.clock = &clock;
    options.messages = useMessages != nullptr ? useMessages : &messages;
    options.process = realProcess ? nullptr : &process;
    options.shell = &shellOpen;
    options.sound = &sound;
    options.dialogs = useDialogs != nullptr ? useDialogs : &dialogs;
    options.runLoop = false;
    options.onStep = [this](shell::StartupStep step) {
        steps.push_back(step);
        if (onStep) onStep(step);
    };
    program = std::make_unique<shell::Program>(std::move(options));
    return program->Run();
}

void ProgramTest::Activate() {
    Main().Show();
    program->Application().Activate();
}

void ProgramTest::ExpectRealExit(const std::function<void()>& statement, int status) {
    // A fresh process runs the test again up to here: no window or thread of this one
    // goes with it. It ends without removing its program folder, so it makes that folder
    // inside this test's, which goes with the test.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const char* previous = std::getenv("TMPDIR");
    const std::string saved = previous != nullptr ? previous : "";
    ::setenv("TMPDIR", folder.Path().c_str(), 1);
    realProcess = true;
    EXPECT_EXIT(statement(), ::testing::ExitedWithCode(status), "");
    realProcess = false;
    if (previous != nullptr)
        ::setenv("TMPDIR", saved.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
}

void ProgramTest::StartFreecell() {
    Main().StartChosenGame(1, "Freecell", Field(engine::fields::kUserDefault.position, engine::fields::kUserDefault.width),
                           false, 0);
}

QImage ProgramTest::Shown() { return Main().grab().toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace shell_test
