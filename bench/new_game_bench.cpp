// A new game as F2 starts it, on the real clock and in the real main window (off-screen):
// a Freecell deal with its deal animation, the wait before autoplay, and autoplay. The
// game waits about a second and a half in all; what it costs is the process's CPU time
// around StartNewGame, reported next to its target.
#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

#include "bench/bench_application.h"
#include "engine/files/preference_file.h"
#include "engine/model/preference_fields.h"
#include "engine/session/new_game.h"
#include "engine/state/game.h"
#include "platform/core/paths.h"
#include "platform/core/process.h"
#include "platform/core/sound.h"
#include "shell/dialogs.h"
#include "shell/main_form.h"
#include "shell/program.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFreecell = 1;
constexpr double kTargetCpuSeconds = 0.1;

class Silence : public platform::ISoundPlayer {
public:
    void Play(std::string_view, platform::SoundMode) override {}
    void Stop() override {}
};

class NoExit : public platform::IProcess {
public:
    void Terminate(int) override {}
};

double Seconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// A program folder of its own: the built data files, and preferences that deal with the
// animation, play automatically and make no sound.
fs::path ProgramFolder() {
    std::string pattern = (fs::temp_directory_path() / "corvanet-new-game-XXXXXX").string();
    const fs::path folder = mkdtemp(pattern.data());
    const fs::path built(CORVANET_PROGRAM_DIR);
    for (const char* name : {"GAMES.DAT", "QND.RGF"}) fs::copy_file(built / name, folder / name);
    fs::copy(built / "quendrix.hlp", folder / "quendrix.hlp", fs::copy_options::recursive);
    fs::create_directories(folder / "Data");
    const platform::PathResolver paths(folder);
    engine::PreferenceFile preferences(paths);
    for (const auto& [key, value] : {std::pair{"Sounds_Enabled", "N"}, std::pair{"AutoPlay", "Y"},
                                     std::pair{"Deal_Animation", "Y"}, std::pair{"Cards_Animate", "Y"},
                                     std::pair{"ConfirmQuitGame", "N"}})
        preferences.WriteString("Preference", key, value);
    return folder;
}

void BM_NewGameCpu(benchmark::State& state) {
    bench::EnsureApplication();
    const fs::path folder = ProgramFolder();
    Silence silence;
    bench::NoMessages messages{true};
    NoExit process;
    shell::NoDialogs dialogs;
    shell::ProgramOptions options;
    options.programFolder = folder;
    options.messages = &messages;
    options.sound = &silence;
    options.process = &process;
    options.dialogs = &dialogs;
    options.runLoop = false;
    {
        shell::Program program(std::move(options));
        program.Run();
        shell::TfrmMain& main = *program.MainWindow();
        main.Show();
        engine::Game& game = *program.Game();
        const std::string player =
            game.settings.GetField(engine::fields::kUserDefault.position, engine::fields::kUserDefault.width);
        main.StartChosenGame(kFreecell, "Freecell", player, false, engine::kNewNumberMode);
        double cpu = 0;
        double wall = 0;
        for (auto _ : state) {
            const double cpuStart = Seconds(CLOCK_PROCESS_CPUTIME_ID);
            const double wallStart = Seconds(CLOCK_MONOTONIC);
            engine::StartNewGame(game, engine::kNewNumberMode);
            const double used = Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart;
            wall += Seconds(CLOCK_MONOTONIC) - wallStart;
            cpu += used;
            state.SetIterationTime(used);
        }
        const auto rounds = static_cast<double>(state.iterations());
        state.counters["cpu_s"] = cpu / rounds;
        state.counters["target_cpu_s"] = kTargetCpuSeconds;
        state.counters["wall_s"] = wall / rounds;
    }
    std::error_code error;
    fs::remove_all(folder, error);
}
// Each game waits over a second; a few rounds give a steady figure.
BENCHMARK(BM_NewGameCpu)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);

}  // namespace
