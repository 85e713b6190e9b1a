// corvanet-window-shots: opens every window of the program over a copy of the program
// folder, with a game dealt in the main window, and writes a picture of each as a PNG, so
// a person can look at them side by side. Runs on the screen given (Xvfb) or offscreen.
//
//   corvanet-window-shots OUTDIR [PROGRAM_FOLDER]

#include <QApplication>
#include <QImage>
#include <QTabWidget>

#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "engine/files/preference_file.h"
#include "platform/core/paths.h"
#include "platform/qt/application.h"
#include "platform/qt/controls.h"
#include "platform/qt/tree_view.h"
#include "shell/chooser/open_game_form.h"
#include "shell/dialogs/about_form.h"
#include "shell/dialogs/advice_form.h"
#include "shell/dialogs/news_forms.h"
#include "shell/dialogs/player_dialogs.h"
#include "shell/main_form.h"
#include "shell/options/options_form.h"
#include "shell/program.h"

namespace {

namespace fs = std::filesystem;

constexpr int kExitBadArguments = 1;
constexpr int kExitMissingFiles = 2;
constexpr int kExitFailed = 3;
constexpr int kShownGame = 2;  // Klondike
constexpr int kMainWidth = 800;
constexpr int kMainHeight = 600;

constexpr const char* kUsage =
    "usage: corvanet-window-shots OUTDIR [PROGRAM_FOLDER]\n"
    "  OUTDIR          where the PNG pictures go (made when missing)\n"
    "  PROGRAM_FOLDER  the folder with GAMES.DAT, QND.RGF and quendrix.hlp (default: the build's)\n";

// Takes pictures of the windows as they come up and closes each the way the player would.
class Photographer {
public:
    explicit Photographer(fs::path folder) : m_folder(std::move(folder)) {}

    bool Take(QWidget& window, const std::string& name) {
        window.show();
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
        const fs::path file = m_folder / (name + ".png");
        if (!window.grab().toImage().save(QString::fromStdString(file.string()), "PNG")) {
            std::cerr << "corvanet-window-shots: cannot write " << file.string() << '\n';
            m_failed = true;
            return false;
        }
        std::cout << file.string() << '\n';
        return true;
    }
    bool Failed() const { return m_failed; }

private:
    fs::path m_folder;
    bool m_failed = false;
};

void Click(platform::Form& form, const char* button) { form.Control<platform::Button>(button)->click(); }

// Answers each modal window by its kind: a picture, then the button that closes it.
int AnswerWindow(Photographer& camera, platform::Form& form) {
    if (dynamic_cast<shell::TfrmOpenGame*>(&form) != nullptr) {
        auto* tree = form.Control<platform::TreeView>("trvGames");
        tree->Select(tree->FindNode(kShownGame));
        camera.Take(form, "chooser");
        Click(form, "btnOK");
    } else if (dynamic_cast<shell::TfrmCustomize_Freeware*>(&form) != nullptr) {
        auto* pages = form.Control<QTabWidget>("TabbedNotebook1");
        const char* names[] = {"options_general", "options_decks", "options_backgrounds", "options_sounds"};
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            camera.Take(form, names[page]);
        }
        Click(form, "btnAnnulla");
    } else if (dynamic_cast<shell::TfrmAbout*>(&form) != nullptr) {
        camera.Take(form, "about");
        Click(form, "btnOK");
    } else if (dynamic_cast<shell::TfrmNews*>(&form) != nullptr) {
        camera.Take(form, "newsletter");
        Click(form, "btnSend");
    } else if (dynamic_cast<shell::TfrmNews2*>(&form) != nullptr) {
        camera.Take(form, "newsletter_signup");
        Click(form, "btnCancel");
    } else if (dynamic_cast<shell::TfrmMsgAdvice*>(&form) != nullptr) {
        camera.Take(form, "advice");
        Click(form, "btnOK");
    } else {
        form.Close();
    }
    return platform::kModalOk;
}

bool CopyProgramFiles(const fs::path& from, const fs::path& to) {
    std::error_code error;
    for (const char* name : {"GAMES.DAT", "QND.RGF"}) {
        if (!fs::is_regular_file(from / name, error)) {
            std::cerr << "corvanet-window-shots: no " << name << " in " << from.string() << '\n';
            return false;
        }
        fs::copy_file(from / name, to / name, fs::copy_options::overwrite_existing, error);
        if (error) return false;
    }
    fs::copy(from / "quendrix.hlp", to / "quendrix.hlp", fs::copy_options::recursive, error);
    return true;
}

// Quiet and quick: no sounds, no animations, no questions, no invitation at start.
void WritePreferences(const fs::path& folder) {
    fs::create_directories(folder / "Data");
    const platform::PathResolver paths(folder);
    engine::PreferenceFile file(paths);
    for (const auto& [key, value] :
         {std::pair{"Sounds_Enabled", "N"}, std::pair{"Cards_Animate", "N"}, std::pair{"Deal_Animation", "N"},
          std::pair{"ConfirmQuitGame", "N"}, std::pair{"MainWindowState_Maximized", "N"},
          std::pair{"MainWindowState_Width", "800"}, std::pair{"MainWindowState_Height", "600"},
          std::pair{"Game", "2"}, std::pair{"Game_Name", "Klondike"}})
        file.WriteString("Preference", key, value);
    file.WriteString("Parameters", "Run_Exe", "1");
}

int Run(const fs::path& outFolder, const fs::path& programFolder) {
    std::error_code error;
    fs::create_directories(outFolder, error);
    const fs::path work = fs::temp_directory_path() / ("corvanet-window-shots-" + std::to_string(::getpid()));
    fs::create_directories(work, error);
    if (error || !CopyProgramFiles(programFolder, work)) return kExitMissingFiles;
    WritePreferences(work);

    Photographer camera(outFolder);
    shell::PlayerDialogs dialogs;
    shell::ProgramOptions options;
    options.programFolder = work;
    options.dialogs = &dialogs;
    options.runLoop = false;
    int status = kExitFailed;
    {
        shell::Program program(std::move(options));
        program.Application().SetShowHook([&camera](platform::Form& form) { return AnswerWindow(camera, form); });
        if (program.Run() == 0 && program.MainWindow() != nullptr) {
            shell::TfrmMain& main = *program.MainWindow();
            main.resize(kMainWidth, kMainHeight);
            main.Show();
            program.Application().Activate();  // the chooser opens; its OK deals the game
            camera.Take(main, "main_window");
            main.RunCommand("mnuCustomize");
            main.RunCommand("mnuAbout");
            main.RunCommand("mnuNewsletter");
            dialogs.ShowAdvice("At this time your video driver supports 256 colors or less. This program takes "
                               "advantage of the 16 bit (65,536 colors) or the 24 bit (true color) display.",
                               shell::TfrmMsgAdvice::kColourPage);
            status = camera.Failed() ? kExitFailed : 0;
        }
        program.Application().SetShowHook({});
    }
    fs::remove_all(work, error);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::cerr << kUsage;
        return kExitBadArguments;
    }
    const fs::path programFolder = argc == 3 ? fs::path(argv[2]) : fs::path(CORVANET_PROGRAM_DIR);
    return Run(argv[1], programFolder);
}
