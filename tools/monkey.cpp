// corvanet-monkey: random presses, drags, double-clicks, right-clicks, keys and commands on
// the real main window (offscreen, on a virtual clock), game after game of GAMES.DAT; after
// every action each dealt card must lie on exactly one pile. A maintainer's check of the
// whole program, not a part of the game.
//
//   corvanet-monkey PROGRAM_FOLDER [ACTIONS [SEED]]

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bars/windows/bar_window_base.h"
#include "engine/files/preference_file.h"
#include "engine/model/board_dump.h"
#include "engine/model/game_list.h"
#include "engine/model/pile_names.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "engine/play/player_actions.h"
#include "engine/state/game.h"
#include "platform/core/clock.h"
#include "platform/core/paths.h"
#include "platform/core/process.h"
#include "platform/core/sound.h"
#include "platform/core/timer_service.h"
#include "platform/qt/popup_menu.h"
#include "shell/dialogs.h"
#include "shell/main_form.h"
#include "shell/program.h"
#include "shell/table_parts.h"
#include "table/layout/table_layout.h"
#include "tools/headless_game.h"
#include "tools/window_keys.h"

namespace {

namespace fs = std::filesystem;

constexpr int kExitDone = 0;
constexpr int kExitBadArguments = 1;
constexpr int kExitBadFolder = 2;
constexpr int kExitCardLost = 3;
constexpr int kExitWindowsPiledUp = 4;

constexpr long long kDefaultActions = 100000;
constexpr unsigned kDefaultSeed = 1;
constexpr int kGrab = 10;
// The main window, the help window and the odd menu or window still open.
constexpr qsizetype kMostWindows = 6;

constexpr std::string_view kUsage =
    "usage: corvanet-monkey PROGRAM_FOLDER [ACTIONS [SEED]]\n"
    "  PROGRAM_FOLDER  the folder that holds GAMES.DAT, QND.RGF and the help (it is not changed)\n"
    "  ACTIONS         random actions in all, spread over every game (default 100000)\n"
    "  SEED            the random actions' seed (default 1)\n";

// The commands a player reaches from the menu bar and the toolbars' pop-up menu.
constexpr std::string_view kCommands[] = {"mnuNew", "mnuUndo", "mnuRedo", "mnuAutoPlay", "mnuRules", "Sommario1"};
// The same through the menu bar: Alt with the menu's letter, then the entry's letter; and
// the shortcuts.
struct MenuPath {
    Qt::Key menu;
    Qt::Key entry;
    std::string_view what;
};
constexpr MenuPath kMenuPaths[] = {{Qt::Key_F, Qt::Key_N, "File > New game"}, {Qt::Key_G, Qt::Key_U, "Game > Undo"},
                                   {Qt::Key_G, Qt::Key_R, "Game > Redo"},     {Qt::Key_G, Qt::Key_T, "Game > Autoplay"},
                                   {Qt::Key_H, Qt::Key_R, "Help > Rules"}};
struct Shortcut {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::string_view what;
};
constexpr Shortcut kShortcuts[] = {{Qt::Key_F2, Qt::NoModifier, "F2"},
                                   {Qt::Key_F7, Qt::NoModifier, "F7"},
                                   {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
                                   {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"}};
constexpr std::string_view kToolbarChoices[] = {"Largeicons1", "Smallicons1", "Buttonflat1", "Buttonnoflat1",
                                                "mnuShowTime", "mnuShowScore"};

std::optional<long long> ReadNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

// No sound, and no process exit: a failed start shows as the program not starting.
class Silence : public platform::ISoundPlayer {
public:
    void Play(std::string_view, platform::SoundMode) override {}
    void Stop() override {}
};

class NoExit : public platform::IProcess {
public:
    void Terminate(int) override {}
};

// The chooser hands over the game the monkey is on.
class MonkeyDialogs : public shell::NoDialogs {
public:
    std::optional<shell::GameChoice> next;

    std::unique_ptr<shell::IGameChooser> CreateGameChooser(shell::TfrmMain&) override {
        return std::make_unique<Chooser>(*this);
    }

private:
    class Chooser : public shell::IGameChooser {
    public:
        explicit Chooser(MonkeyDialogs& dialogs) : m_dialogs(dialogs) {}
        std::optional<shell::GameChoice> ShowModalChoice() override { return m_dialogs.next; }

    private:
        MonkeyDialogs& m_dialogs;
    };
};

class Monkey {
public:
    Monkey(const fs::path& folder, unsigned seed) : m_random(seed) {
        shell::ProgramOptions options;
        options.programFolder = folder;
        options.clock = &m_clock;
        options.messages = &m_messages;
        options.process = &m_process;
        options.sound = &m_sound;
        options.dialogs = &m_dialogs;
        options.runLoop = false;
        m_program = std::make_unique<shell::Program>(std::move(options));
    }

    bool Start() { return m_program->Run() == 0; }

    int Play(long long actions) {
        shell::TfrmMain& main = *m_program->MainWindow();
        main.Show();
        m_program->Application().Activate();
        const std::vector<std::string> lines = m_program->Game()->mainGame.GameList;
        const long long perGame = std::max<long long>(1, actions / static_cast<long long>(lines.size()));
        long long done = 0;
        for (const std::string& line : lines) {
            const std::optional<int> id = engine::GameIdOfLine(line);
            if (!id) continue;
            m_dialogs.next = shell::GameChoice{*id, engine::GameNameOfLine(line), "Player 1"};
            main.RunCommand("mnuOpen");
            Record();
            for (long long i = 0; i < perGame && done < actions; ++i, ++done) {
                const std::string what = Act();
                // The window is driven without the event loop: what its actions leave for the
                // loop (the window system's news of windows shown and hidden, queued calls,
                // repaints, and the menus and windows to free) is handled here, as the loop
                // would, or it piles up and every later action pays for it. Timers stay with
                // the virtual clock; deletions asked for outside any event are only run when
                // asked for by name.
                QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                if (m_program->Game() == nullptr) {
                    std::cerr << "corvanet-monkey: the window closed after " << what << '\n';
                    return kExitCardLost;
                }
                if (!Check(what, engine::GameNameOfLine(line))) return kExitCardLost;
            }
            // The menus and windows the actions closed are freed by now: the program keeps only
            // its own few, or a long run grows and slows down.
            if (const qsizetype windows = QApplication::topLevelWidgets().size(); windows > kMostWindows) {
                std::cerr << "corvanet-monkey: " << windows << " windows after " << engine::GameNameOfLine(line)
                          << ": what closed was not freed\n";
                return kExitWindowsPiledUp;
            }
            std::cout << engine::GameNameOfLine(line) << ": " << perGame << " actions, every card in place\n";
        }
        std::cout << "All games: " << done << " actions, every card in place after each\n";
        return kExitDone;
    }

private:
    engine::Game& G() { return *m_program->Game(); }
    shell::TfrmMain& Main() { return *m_program->MainWindow(); }
    int Roll(int sides) { return std::uniform_int_distribution<int>(0, sides - 1)(m_random); }

    std::string Deal() const {
        const auto [position, width] = engine::fields::kGameNumber;
        return m_program->Game()->settings.GetField(position, width);
    }

    void Record() {
        m_deal = Deal();
        m_dealt = engine::BoardCodes(G());
    }

    bool Check(const std::string& what, const std::string& game) {
        if (Deal() != m_deal) Record();
        const std::vector<int> now = engine::BoardCodes(G());
        const bool repeated = std::adjacent_find(now.begin(), now.end()) != now.end();
        if (now == m_dealt && !repeated) return true;
        std::cerr << "corvanet-monkey: " << game << ", game number " << m_deal << ": after " << what
                  << " the board no longer holds each dealt card once:\n"
                  << engine::DumpBoard(G().Piles()) << '\n';
        return false;
    }

    void Mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
        QMouseEvent event(type, at, Main().mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(Main().windowHandle(), &event);
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        tools::PressKey(Main().windowHandle(), key, modifiers);
    }
    std::string ThroughMenuBar() {
        std::string what;
        if (Roll(2) == 0) {
            const MenuPath& path = kMenuPaths[Roll(static_cast<int>(std::size(kMenuPaths)))];
            Press(path.menu, Qt::AltModifier);
            Press(path.entry);
            what = path.what;
        } else {
            const Shortcut& shortcut = kShortcuts[Roll(static_cast<int>(std::size(kShortcuts)))];
            Press(shortcut.key, shortcut.modifiers);
            what = shortcut.what;
        }
        // A disabled entry leaves its menu open.
        if (m_program->Game() != nullptr)
            if (bars::TCustomcbBarControl* open = bars::TCustomcbBarControl::ActiveBarControl()) open->CloseAll();
        return what;
    }

    // A point on the top card of a random pile that lies on the table, or anywhere.
    QPoint SomePlace() {
        static constexpr engine::PileListId kLists[] = {engine::PileListId::kMazzo, engine::PileListId::kDest,
                                                        engine::PileListId::kFila, engine::PileListId::kAppogg};
        static constexpr int kLines[] = {engine::kMazzoLineCount, engine::kDestLineCount, engine::kFilaLineCount,
                                         engine::kAppoggLineCount};
        const table::TableLayout* layout = m_program->Table().Layout();
        for (int tries = 0; layout != nullptr && tries < 8; ++tries) {
            const int list = Roll(4);
            const engine::PileRef pile{kLists[list], Roll(kLines[list])};
            const std::string name = engine::PileName(pile, engine::PileNumberForm::kNoLeadingZero);
            const int x = layout->CardX(name, pile.line, 0, false);
            const int y = layout->CardY(name, pile.line, 0, false);
            if (x > -9999 && y > -9999) return {x + kGrab + Roll(kGrab), y + kGrab + Roll(kGrab)};
        }
        // Anywhere on the table, below the toolbar (its Exit button would end the run).
        const int top = std::max(Main().PanelBottom(table::TablePanel::kLargeToolbar),
                                 Main().PanelBottom(table::TablePanel::kSmallToolbar));
        return {Roll(std::max(1, Main().width())), top + Roll(std::max(1, Main().height() - top))};
    }

    std::string Act() {
        switch (Roll(20)) {
        case 0: {
            const std::string_view command = kCommands[Roll(static_cast<int>(std::size(kCommands)))];
            Main().RunCommand(command);
            return std::string(command);
        }
        case 1:
            return ThroughMenuBar();
        case 2:
            Main().PopupMenu("popTB").Choose(kToolbarChoices[Roll(static_cast<int>(std::size(kToolbarChoices)))]);
            return "a toolbar choice";
        case 3: {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_A + Roll(26), Qt::NoModifier, QString(QChar('a' + Roll(26))));
            QCoreApplication::sendEvent(Main().windowHandle(), &key);
            return "a key";
        }
        case 4: {
            const QPoint at = SomePlace();
            Mouse(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, at);
            Mouse(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, at);
            return "a right-click";
        }
        case 5: {
            const QPoint at = SomePlace();
            Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, at);
            Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, at);
            Mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, at);
            Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, at);
            return "a double-click";
        }
        case 6:
        case 7:
        case 8: {
            const QPoint at = SomePlace();
            Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, at);
            Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, at);
            return "a click";
        }
        default: {
            const QPoint from = SomePlace();
            const QPoint to = SomePlace();
            Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
            Mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, (from + to) / 2);
            Mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, to);
            Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
            return "a drag";
        }
        }
    }

    std::mt19937 m_random;
    platform::VirtualClock m_clock;
    platform::VirtualTimerService m_timers;
    platform::ScopedTimerService m_installedTimers{m_timers};
    tools::SilentMessages m_messages;
    NoExit m_process;
    Silence m_sound;
    MonkeyDialogs m_dialogs;
    std::unique_ptr<shell::Program> m_program;
    std::string m_deal;
    std::vector<int> m_dealt;
};

// A copy of the program's data files, so the monkey's preferences never reach the folder.
bool CopyProgramFolder(const fs::path& from, const fs::path& to) {
    std::error_code error;
    for (const char* name : {"GAMES.DAT", "QND.RGF"}) fs::copy_file(from / name, to / name, error);
    if (error) return false;
    fs::copy(from / "quendrix.hlp", to / "quendrix.hlp", fs::copy_options::recursive, error);
    const platform::PathResolver paths(to);
    fs::create_directories(to / "Data", error);
    engine::PreferenceFile file(paths);
    for (const auto& [key, value] : {std::pair{"Sounds_Enabled", "N"}, std::pair{"Winning_Animations_Time", "1"},
                                     std::pair{"ConfirmQuitGame", "N"}, std::pair{"MainWindowState_Maximized", "N"}})
        file.WriteString("Preference", key, value);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2 || argc > 4) {
        std::cerr << kUsage;
        return kExitBadArguments;
    }
    const std::optional<long long> actions = argc > 2 ? ReadNumber(argv[2]) : kDefaultActions;
    const std::optional<long long> seed = argc > 3 ? ReadNumber(argv[3]) : kDefaultSeed;
    if (!actions || !seed) {
        std::cerr << "corvanet-monkey: ACTIONS and SEED are whole numbers\n" << kUsage;
        return kExitBadArguments;
    }
    QTemporaryDir copy;
    if (!copy.isValid() || !CopyProgramFolder(argv[1], copy.path().toStdString())) {
        std::cerr << "corvanet-monkey: " << argv[1] << " does not hold GAMES.DAT, QND.RGF and quendrix.hlp\n";
        return kExitBadFolder;
    }
    Monkey monkey(copy.path().toStdString(), static_cast<unsigned>(*seed));
    if (!monkey.Start()) {
        std::cerr << "corvanet-monkey: the program did not start\n";
        return kExitBadFolder;
    }
    return monkey.Play(*actions);
}
