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
#include "engine/play/player_actions.h"
#include "engine/state/game.h"
#include "engine/model/game_list.h"
#include "tools/headless_game.h"
#include "tools/random_play_run.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitBadArguments = 1;
constexpr int kExitBadGamesFile = 2;
constexpr int kExitCardLost = 3;
constexpr int kExitNothingPlayed = 4;

constexpr int kDefaultDeals = 200;
constexpr int kDefaultActions = 400;
constexpr unsigned kDefaultSeed = 1;
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

struct Arguments {
    std::filesystem::path folder;
    tools::RandomPlayPlan plan{kDefaultDeals, kDefaultActions};
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
    tools::HeadlessGame player(args.folder);
    if (!player.LoadList()) {
        std::cerr << "corvanet-random-play: GAMES.DAT cannot be read in " << args.folder.string() << '\n'
                  << player.Errors();
        return kExitBadGamesFile;
    }
    std::mt19937 random(args.seed);
    const auto start = std::chrono::steady_clock::now();
    tools::RandomPlayCount total;
    const std::vector<std::string> lines = player.G().mainGame.GameList;
    for (const std::string& line : lines) {
        const std::optional<int> id = engine::GameIdOfLine(line);
        const std::string name = engine::GameNameOfLine(line);
        if (!id || !player.LoadGame(*id, name)) {
            std::cerr << "corvanet-random-play: game " << name << " cannot be loaded\n" << player.Errors();
            return kExitBadGamesFile;
        }
        std::vector<int> dealt;
        std::string number;
        const auto check = [&](const std::string& what, engine::Game& game) {
            if (what.starts_with(kDealPrefix)) {
                number = what.substr(kDealPrefix.size());
                dealt = engine::BoardCodes(game);
                return true;
            }
            if (engine::BoardCodes(game) == dealt) return true;
            std::cerr << "corvanet-random-play: " << name << ", game number " << number << ": after " << what
                      << " the board no longer holds each dealt card once:\n"
                      << engine::DumpBoard(game.Piles()) << '\n';
            return false;
        };
        tools::RandomPlayCount count;
        if (!tools::RandomPlay(player.G(), args.plan, random, check, count)) return kExitCardLost;
        // A game whose deals offer no action checks nothing: its record is broken.
        if (count.actions == 0) {
            std::cerr << "corvanet-random-play: " << name << ": no action could be played in " << args.plan.deals
                      << " deals; the game cannot be played as defined in GAMES.DAT\n";
            return kExitNothingPlayed;
        }
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
