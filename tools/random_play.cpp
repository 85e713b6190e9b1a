// corvanet-random-play: plays every game of GAMES.DAT at random for a long time, deal after
// deal, with the actions a player could take, undo and redo mixed in and AutoPlay on for
// every other deal; after every action each dealt card must lie on the board exactly once.
// A maintainer's check of the engine and the game data, not a part of the game.
//
//   corvanet-random-play PROGRAM_FOLDER [DEALS_PER_GAME [ACTIONS_PER_DEAL [SEED]]]

#include <charconv>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/board_dump.h"
#include "engine/state/game.h"
#include "engine/files/game_definitions.h"
#include "engine/model/game_list.h"
#include "engine/model/preference_fields.h"
#include "engine/ports/table_port.h"
#include "engine/base/text_utils.h"
#include "platform/core/paths.h"
#include "tests/engine/game_player.h"
#include "tests/support/auto_player_random_play.h"
#include "tests/support/fake_services.h"
#include "tests/support/media_doubles.h"
#include "tests/support/recording_shell_port.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitBadArguments = 1;
constexpr int kExitBadGamesFile = 2;
constexpr int kExitCardLost = 3;

constexpr int kDefaultDeals = 200;
constexpr int kDefaultActions = 400;
constexpr unsigned kDefaultSeed = 1;
constexpr int kGameIdWidth = 4;
// The recording doubles keep every call; they are emptied this often.
constexpr std::int64_t kClearEvery = 1000;
constexpr std::string_view kDealPrefix = "deal ";

constexpr std::string_view kUsage =
    "usage: corvanet-random-play PROGRAM_FOLDER [DEALS_PER_GAME [ACTIONS_PER_DEAL [SEED]]]\n"
    "  PROGRAM_FOLDER    the folder that holds GAMES.DAT\n"
    "  DEALS_PER_GAME    game numbers played of each game (default 200)\n"
    "  ACTIONS_PER_DEAL  random actions at most per game number (default 400)\n"
    "  SEED              the random actions' seed (default 1)\n";

int Usage(std::string_view problem) {
    std::cerr << "corvanet-random-play: " << problem << "\n" << kUsage;
    return kExitBadArguments;
}

std::optional<long long> ReadNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

// The engine wired to doubles that draw nothing and never wait, reading the program folder.
class Player {
public:
    explicit Player(const std::filesystem::path& folder) : m_paths(folder) {
        engine::Services services = m_fake.Services();
        services.paths = &m_paths;
        services.shellPort = &m_shell;
        services.tableView = &m_view;
        services.sound = &m_sound;
        m_game = std::make_unique<engine::Game>(services);
        m_game->media.SetCardLibraryHandle(&m_library);
        SetField(engine::fields::kDealAnimation, "N");
    }

    engine::Game& G() { return *m_game; }

    bool LoadList() { return engine::LoadGameList(m_game->services, m_game->mainGame); }

    bool LoadGame(int gameId, const std::string& name) {
        SetField(engine::fields::kGame, engine::IntToZeroPad(gameId, kGameIdWidth));
        SetField(engine::fields::kGameName, name);
        m_game->gameDef.Clear();
        return engine::LoadGameDefinition(m_game->services, m_game->settings, m_game->mainGame, m_game->gameDef);
    }

    void ClearRecords() {
        m_shell.ClearEvents();
        m_shell.ClearWindowCalls();
        m_sound.Clear();
        m_fake.Messages().Clear();
    }

private:
    void SetField(const engine::fields::Field& field, std::string_view value) {
        m_game->settings.SetField(field.position, field.width, value);
    }

    test_support::FakeServices m_fake;
    platform::PathResolver m_paths;
    test_support::RecordingShellPort m_shell;
    engine::NullTableView m_view;
    test_support::RecordingSoundPlayer m_sound;
    test_support::FakeResourceLibrary m_library;
    std::unique_ptr<engine::Game> m_game;
};

struct Arguments {
    std::filesystem::path folder;
    test_support::RandomPlayPlan plan{kDefaultDeals, kDefaultActions};
    unsigned seed = kDefaultSeed;
};

std::optional<int> ReadArguments(int argc, char** argv, Arguments& args) {
    if (argc < 2 || argc > 5) return Usage("one to four arguments are needed");
    args.folder = argv[1];
    std::error_code error;
    if (!std::filesystem::is_directory(args.folder, error)) return Usage("no such folder: " + args.folder.string());
    const auto count = [&](int index, int& target) -> bool {
        if (argc <= index) return true;
        const auto number = ReadNumber(argv[index]);
        if (!number || *number < 1 || *number > 1'000'000) return false;
        target = static_cast<int>(*number);
        return true;
    };
    if (!count(2, args.plan.deals)) return Usage("DEALS_PER_GAME must be a number from 1 to 1000000");
    if (!count(3, args.plan.actionsPerDeal)) return Usage("ACTIONS_PER_DEAL must be a number from 1 to 1000000");
    if (argc > 4) {
        const auto seed = ReadNumber(argv[4]);
        if (!seed || *seed > 0xFFFFFFFFLL) return Usage("SEED must be a number from 0 to 4294967295");
        args.seed = static_cast<unsigned>(*seed);
    }
    return std::nullopt;
}

int Run(const Arguments& args) {
    Player player(args.folder);
    if (!player.LoadList()) {
        std::cerr << "corvanet-random-play: GAMES.DAT cannot be read in " << args.folder.string() << '\n';
        return kExitBadGamesFile;
    }
    std::mt19937 random(args.seed);
    const auto start = std::chrono::steady_clock::now();
    test_support::RandomPlayCount total;
    const std::vector<std::string> lines = player.G().mainGame.GameList;
    for (const std::string& line : lines) {
        const std::optional<int> id = engine::GameIdOfLine(line);
        const std::string name = engine::GameNameOfLine(line);
        if (!id || !player.LoadGame(*id, name)) {
            std::cerr << "corvanet-random-play: game " << name << " cannot be loaded\n";
            return kExitBadGamesFile;
        }
        std::vector<int> dealt;
        std::string number;
        std::int64_t checks = 0;
        const auto check = [&](const std::string& what, engine::Game& game) {
            if (++checks % kClearEvery == 0) player.ClearRecords();
            if (what.starts_with(kDealPrefix)) {
                number = what.substr(kDealPrefix.size());
                dealt = engine::play_test::BoardCodes(game);
                return true;
            }
            if (engine::play_test::BoardCodes(game) == dealt) return true;
            std::cerr << "corvanet-random-play: " << name << ", game number " << number << ": after " << what
                      << " the board no longer holds each dealt card once:\n"
                      << engine::DumpBoard(game.Piles()) << '\n';
            return false;
        };
        test_support::RandomPlayCount count;
        if (!test_support::RandomPlay(player.G(), args.plan, random, check, count)) return kExitCardLost;
        std::cout << name << ": " << args.plan.deals << " deals, " << count.actions << " actions (" << count.moves
                  << " moves, " << count.undos << " undos, " << count.redos << " redos), " << count.wins
                  << " won\n";
        total.actions += count.actions;
        total.moves += count.moves;
        total.undos += count.undos;
        total.redos += count.redos;
        total.wins += count.wins;
    }
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count();
    std::cout << "All games: " << total.actions << " actions (" << total.moves << " moves, " << total.undos
              << " undos, " << total.redos << " redos), " << total.wins << " won, every card in place after each, in "
              << seconds << " s\n";
    return kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (const std::optional<int> failure = ReadArguments(argc, argv, args)) return *failure;
    return Run(args);
}
