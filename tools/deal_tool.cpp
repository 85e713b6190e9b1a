// corvanet-deal: deals one game of GAMES.DAT from a game number and prints the table,
// so a maintainer can see what a player of that number was dealt.
//
//   corvanet-deal PROGRAM_FOLDER GAME_ID GAME_NUMBER

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "engine/model/board_dump.h"
#include "engine/model/card_board.h"
#include "engine/deal/deal.h"
#include "engine/files/game_definitions.h"
#include "engine/model/game_list.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_names.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "engine/ports/services.h"
#include "engine/model/settings_block.h"
#include "engine/model/table_object.h"
#include "platform/core/console_messages.h"
#include "platform/core/paths.h"
#include "platform/core/random.h"

namespace {

constexpr int kExitBadArguments = 1;
constexpr int kExitBadGamesFile = 2;
constexpr int kExitDealFailed = 3;

constexpr std::size_t kGameNumberLength = 13;
constexpr std::size_t kLargestIdDigits = 3;

constexpr std::string_view kUsage =
    "usage: corvanet-deal PROGRAM_FOLDER GAME_ID GAME_NUMBER\n"
    "  PROGRAM_FOLDER  the folder that holds GAMES.DAT\n"
    "  GAME_ID         the game's id in the game list (1-999)\n"
    "  GAME_NUMBER     the game number, up to 13 decimal digits\n";

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<int> ReadGameId(std::string_view text) {
    if (!AllDigits(text) || text.size() > kLargestIdDigits) return std::nullopt;
    const int id = std::stoi(std::string(text));
    if (id < 1 || id > engine::game_line::kLargestId) return std::nullopt;
    return id;
}

int Usage(std::string_view problem) {
    std::cerr << "corvanet-deal: " << problem << "\n" << kUsage;
    return kExitBadArguments;
}

void PrintPile(const engine::PileStore& piles, engine::PileListId list, int line) {
    const std::string cards = engine::DumpPile(piles.Pile(list, line), piles.Cards());
    std::cout << engine::PileName({list, line}) << ':' << (cards.empty() ? "" : " ") << cards << '\n';
}

void PrintPiles(const engine::PileStore& piles, engine::PileListId list, int count) {
    for (int line = 0; line < count; ++line) PrintPile(piles, list, line);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return Usage("three arguments are needed");
    const std::filesystem::path folder = argv[1];
    const std::optional<int> gameId = ReadGameId(argv[2]);
    const std::string_view gameNumber = argv[3];
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return Usage("no such folder: " + folder.string());
    if (!gameId) return Usage("the game id must be a number from 1 to 999: " + std::string(argv[2]));
    if (!AllDigits(gameNumber) || gameNumber.size() > kGameNumberLength) {
        return Usage("the game number must be 1 to 13 decimal digits: " + std::string(gameNumber));
    }

    platform::ConsoleMessages messages;
    const platform::PathResolver paths(folder);
    engine::Services services;
    services.messages = &messages;
    services.paths = &paths;

    engine::TMainGame mainGame;
    if (!engine::LoadGameList(services, mainGame)) return kExitBadGamesFile;
    engine::SettingsBlock settings;
    settings.SetField(engine::fields::kGame.position, engine::fields::kGame.width, std::to_string(*gameId));
    engine::GameDefRecord game;
    if (!engine::LoadGameDefinition(services, settings, mainGame, game)) {
        std::cerr << "corvanet-deal: game " << *gameId << " is not in " << paths.Resolve("GAMES.DAT").string() << '\n';
        return kExitBadGamesFile;
    }
    settings.SetField(engine::fields::kGameNumber.position, engine::fields::kGameNumber.width, gameNumber);

    engine::CardBoard board;
    engine::Registers registers;
    // Only deal kind 10 draws a number; a fixed seed keeps the tool's output repeatable.
    platform::RandomGenerator random(0);
    engine::DealContext deal{board.piles, game, settings, registers, &messages, &random, {}, {}};
    if (!engine::DealCards(deal)) return kExitDealFailed;

    const std::string padded = std::string(kGameNumberLength - gameNumber.size(), '0') + std::string(gameNumber);
    std::cout << mainGame.GetGameName(*gameId) << " (" << *gameId << "), game number " << padded << '\n';
    PrintPiles(board.piles, engine::PileListId::kDest, deal.FoundationCount());
    PrintPiles(board.piles, engine::PileListId::kFila, deal.TableauCount());
    PrintPiles(board.piles, engine::PileListId::kAppogg, deal.ReserveCount());
    PrintPiles(board.piles, engine::PileListId::kMazzo, engine::kMazzoLineCount);
    return 0;
}
