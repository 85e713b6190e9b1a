// corvanet-table-png: sets up one game of GAMES.DAT, deals it from a game number and draws
// the table off-screen as the main window would show it, then writes the picture as a PNG,
// so a maintainer can look at a table without running the program.
//
//   corvanet-table-png PROGRAM_FOLDER GAME_ID GAME_NUMBER CARD_SIZE WIDTHxHEIGHT OUTPUT.png

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "engine/model/game_list.h"
#include "platform/core/console_messages.h"
#include "table/layout/card_sizes.h"
#include "table/draw/table_snapshot.h"

namespace {

constexpr int kExitBadArguments = 1;
constexpr int kExitMissingFiles = 2;
constexpr int kExitNoGame = 3;
constexpr int kExitWriteFailed = 4;

constexpr std::size_t kGameNumberLength = 13;
constexpr std::size_t kLargestIdDigits = 3;
// Tables smaller than the smallest card row make no sense; larger than this no screen is.
constexpr int kSmallestWindow = 200;
constexpr int kLargestWindow = 8192;

constexpr std::string_view kUsage =
    "usage: corvanet-table-png PROGRAM_FOLDER GAME_ID GAME_NUMBER CARD_SIZE WIDTHxHEIGHT OUTPUT.png\n"
    "  PROGRAM_FOLDER  the folder that holds GAMES.DAT and QND.RGF\n"
    "  GAME_ID         the game's id in the game list (1-999)\n"
    "  GAME_NUMBER     the game number, up to 13 decimal digits\n"
    "  CARD_SIZE       B (big), M (medium) or L (small)\n"
    "  WIDTHxHEIGHT    the main window's size in pixels, e.g. 1024x768 (200-8192 each)\n"
    "  OUTPUT.png      the picture to write\n";

struct Arguments {
    std::filesystem::path folder;
    int gameId = 0;
    std::string gameNumber;
    char cardSize = table::kBigCards;
    int width = 0;
    int height = 0;
    std::filesystem::path output;
};

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<int> ReadNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int Usage(std::string_view problem) {
    std::cerr << "corvanet-table-png: " << problem << "\n" << kUsage;
    return kExitBadArguments;
}

// Reads the arguments; on a bad one returns the exit code after telling why.
std::optional<int> ReadArguments(int argc, char** argv, Arguments& args) {
    if (argc != 7) return Usage("six arguments are needed");
    std::error_code error;
    args.folder = argv[1];
    if (!std::filesystem::is_directory(args.folder, error)) return Usage("no such folder: " + args.folder.string());
    const std::string_view id = argv[2];
    const auto gameId = AllDigits(id) && id.size() <= kLargestIdDigits ? ReadNumber(id) : std::nullopt;
    if (!gameId || *gameId < 1 || *gameId > engine::game_line::kLargestId)
        return Usage("the game id must be a number from 1 to 999: " + std::string(id));
    args.gameId = *gameId;
    args.gameNumber = argv[3];
    if (!AllDigits(args.gameNumber) || args.gameNumber.size() > kGameNumberLength)
        return Usage("the game number must be 1 to 13 decimal digits: " + args.gameNumber);
    const std::string_view size = argv[4];
    if (size.size() != 1 || !table::CardDimensionsFor(size.front()))
        return Usage("the card size must be B, M or L: " + std::string(size));
    args.cardSize = size.front();
    const std::string_view windowSize = argv[5];
    const std::size_t cross = windowSize.find('x');
    const auto width = cross == std::string_view::npos ? std::nullopt : ReadNumber(windowSize.substr(0, cross));
    const auto height = cross == std::string_view::npos ? std::nullopt : ReadNumber(windowSize.substr(cross + 1));
    if (!width || !height || *width < kSmallestWindow || *height < kSmallestWindow || *width > kLargestWindow ||
        *height > kLargestWindow)
        return Usage("the window size must be WIDTHxHEIGHT, each from 200 to 8192: " + std::string(windowSize));
    args.width = *width;
    args.height = *height;
    args.output = argv[6];
    if (args.output.empty()) return Usage("no output file given");
    return std::nullopt;
}

int Run(const Arguments& args) {
    platform::ConsoleMessages messages;
    table::TableSnapshot snapshot(messages);
    const table::SnapshotRequest request{args.folder, args.gameId, args.gameNumber, args.cardSize, args.width,
                                         args.height};
    switch (snapshot.Draw(request)) {
        case table::SnapshotResult::kDrawn:
            break;
        case table::SnapshotResult::kMissingFiles:
            return kExitMissingFiles;
        case table::SnapshotResult::kNoGame:
            return kExitNoGame;
    }
    if (!snapshot.Picture().save(QString::fromStdString(args.output.string()), "PNG")) {
        std::cerr << "corvanet-table-png: cannot write " << args.output.string() << '\n';
        return kExitWriteFailed;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Arguments args;
    if (const std::optional<int> failure = ReadArguments(argc, argv, args)) return *failure;
    return Run(args);
}
