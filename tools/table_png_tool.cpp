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

#include "engine/deal.h"
#include "engine/game.h"
#include "engine/game_definitions.h"
#include "engine/game_list.h"
#include "engine/preference_fields.h"
#include "engine/preference_file.h"
#include "engine/preferences.h"
#include "platform/core/clock.h"
#include "platform/core/messages.h"
#include "platform/core/paths.h"
#include "platform/core/random.h"
#include "platform/qt/resource_bitmaps.h"
#include "platform/qt/resource_bundle.h"
#include "table/background.h"
#include "table/card_drawing.h"
#include "table/draw_context.h"
#include "table/layout/card_sizes.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"
#include "table/table_buffer.h"
#include "table/table_images.h"
#include "table/table_repaint.h"
#include "table/table_surface.h"

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
// The main window keeps its off-screen images this much larger than the screen.
constexpr int kBufferMargin = 30;
// The width the main window gives its (hidden) vertical scroll bar.
constexpr int kScrollBarWidth = 16;
constexpr std::string_view kLibraryName = "QND.RGF";

constexpr std::string_view kUsage =
    "usage: corvanet-table-png PROGRAM_FOLDER GAME_ID GAME_NUMBER CARD_SIZE WIDTHxHEIGHT OUTPUT.png\n"
    "  PROGRAM_FOLDER  the folder that holds GAMES.DAT and QND.RGF\n"
    "  GAME_ID         the game's id in the game list (1-999)\n"
    "  GAME_NUMBER     the game number, up to 13 decimal digits\n"
    "  CARD_SIZE       B (big), M (medium) or L (small)\n"
    "  WIDTHxHEIGHT    the main window's size in pixels, e.g. 1024x768 (200-8192 each)\n"
    "  OUTPUT.png      the picture to write\n";

class ConsoleMessages : public platform::IMessages {
public:
    void ShowInfo(const std::string& text) override { std::cerr << text << '\n'; }
    bool Confirm(const std::string& text, const std::string&) override {
        std::cerr << text << '\n';
        return false;
    }
    void ShowError(const std::string& title, const std::string& text) override {
        std::cerr << title << ": " << text << '\n';
    }
    void Beep(unsigned) override {}
};

// A main window of the given size on a screen of the same size, without toolbars.
class OffscreenWindow : public table::ITableWindow {
public:
    OffscreenWindow(int width, int height) : m_width(width), m_height(height) {}

    int ScreenWidth() const override { return m_width; }
    int ScreenHeight() const override { return m_height; }
    int WindowWidth() const override { return m_width; }
    int WindowHeight() const override { return m_height; }
    int ClientHeight() const override { return m_height; }
    int ScrollBarWidth() const override { return kScrollBarWidth; }
    int ScrollPosition() const override { return 0; }
    bool IsPanelVisible(table::TablePanel) const override { return false; }
    int PanelBottom(table::TablePanel) const override { return 0; }
    void SetCommandEnabled(table::TableCommand, bool) override {}
    void EnableAutoPlayButtons(bool) override {}
    void EnableUndoRedoButtons(bool) override {}
    void InvalidateRect(const engine::TableRect&) override {}
    void InvalidateAll() override {}
    void UpdateWindow() override {}

private:
    int m_width;
    int m_height;
};

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

void SetField(engine::SettingsBlock& settings, const engine::fields::Field& field, std::string_view value) {
    settings.SetField(field.position, field.width, value);
}

int Run(const Arguments& args) {
    ConsoleMessages messages;
    const platform::PathResolver paths(args.folder);
    platform::ResourceBundle library;
    const std::filesystem::path libraryPath = paths.Resolve(kLibraryName);
    if (!library.Open(libraryPath)) {
        std::cerr << "corvanet-table-png: cannot open the card library " << libraryPath.string() << '\n';
        return kExitMissingFiles;
    }
    platform::SystemClock clock;
    // Only deal kind 10 and untidy piles draw numbers; a fixed seed keeps the picture repeatable.
    platform::RandomGenerator random(0);
    engine::Services services;
    services.messages = &messages;
    services.paths = &paths;
    services.resources = &library;
    services.clock = &clock;
    services.random = &random;

    engine::Game game(services);
    game.settings.InitSettingsBlock(paths.ProgramFolderText());
    const engine::StartupPreferences preferences =
        engine::ReadPreferences(game.settings, engine::PreferenceFile(paths));
    game.mainGame.FoundationMarkStyle = static_cast<std::int16_t>(preferences.foundationMarkStyle);
    if (!engine::LoadGameList(services, game.mainGame)) return kExitMissingFiles;
    const std::string name = game.mainGame.GetGameName(args.gameId);
    if (name.empty()) {
        std::cerr << "corvanet-table-png: game " << args.gameId << " is not in "
                  << paths.Resolve("GAMES.DAT").string() << '\n';
        return kExitNoGame;
    }
    SetField(game.settings, engine::fields::kGame, std::to_string(args.gameId));
    SetField(game.settings, engine::fields::kGameName, name);
    SetField(game.settings, engine::fields::kGameNumber, args.gameNumber);
    SetField(game.settings, engine::fields::kCardSize, std::string(1, args.cardSize));

    OffscreenWindow window(args.width, args.height);
    table::TableLayout layout(services, {game.settings, game.mainGame, game.gameDef, game.Piles(), game.registers},
                              window, nullptr);
    const platform::ResourceBitmaps bitmaps(library, paths, {});
    table::TableImages images(bitmaps, game.settings, layout.Geometry());
    layout.SetCardImages(&images);
    layout.SetShadowOffset(engine::CardShadowOffset(game.settings));
    layout.Setup().SetCardSize();
    if (!layout.SetupTable()) return kExitNoGame;

    game.registers.FillWalkTables(random);
    game.mainGame.RedealCount = 1;
    engine::DealContext deal = game.Deal();
    if (!engine::DealCards(deal)) return kExitNoGame;
    game.registers.SetFlag(engine::flag::kGameInProgress, 1);

    table::TableBuffers buffers;
    buffers.SetSize(args.width + kBufferMargin, args.height + kBufferMargin);
    table::ImageSurface surface(args.width, args.height);
    table::DrawContext context{game.settings, game.gameDef, game.mainGame, game.Piles(), game.registers,
                               layout,        images,       buffers,       surface,      window,
                               clock,         bitmaps,      paths,         messages};
    table::PaintConfiguredBackground(context, buffers.BufferCanvas());
    table::RepaintTable(context, buffers.BufferCanvas(), false);
    table::CopyBufferToScreen(context);

    if (!surface.Image().Image().save(QString::fromStdString(args.output.string()), "PNG")) {
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
