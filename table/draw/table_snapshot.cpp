#include "table/draw/table_snapshot.h"

#include <QImage>

#include <cstdint>
#include <string_view>

#include "engine/deal/deal.h"
#include "engine/state/game.h"
#include "engine/files/game_definitions.h"
#include "engine/files/games_file.h"
#include "engine/model/preference_fields.h"
#include "engine/files/preference_file.h"
#include "engine/files/preferences.h"
#include "platform/core/clock.h"
#include "platform/core/messages.h"
#include "platform/core/paths.h"
#include "platform/core/random.h"
#include "platform/qt/resource_bitmaps.h"
#include "platform/qt/resource_bundle.h"
#include "table/draw/background.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/draw/offscreen_window.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"
#include "table/draw/table_buffer.h"
#include "table/draw/table_images.h"
#include "table/draw/table_repaint.h"
#include "table/draw/table_surface.h"

namespace table {

namespace {

// The main window keeps its off-screen images this much larger than the screen.
constexpr int kBufferMargin = 30;
constexpr std::string_view kLibraryName = "QND.RGF";

engine::Services ServicesOf(platform::IMessages& messages, const platform::PathResolver& paths,
                            platform::ResourceBundle& library, platform::IClock& clock,
                            platform::RandomGenerator& random) {
    engine::Services services;
    services.messages = &messages;
    services.paths = &paths;
    services.resources = &library;
    services.clock = &clock;
    services.random = &random;
    return services;
}

void SetField(engine::SettingsBlock& settings, const engine::fields::Field& field, std::string_view value) {
    settings.SetField(field.position, field.width, value);
}

}  // namespace

// Everything a drawn table stands on, in the order it is made.
struct TableSnapshot::Parts {
    Parts(const SnapshotRequest& request, platform::IMessages& messages)
        : paths(request.programFolder),
          game(ServicesOf(messages, paths, library, clock, random)),
          window(request.width, request.height),
          layout(game.services, {game.settings, game.mainGame, game.gameDef, game.Piles(), game.registers}, window,
                 nullptr),
          bitmaps(library, paths, {}),
          images(bitmaps, game.settings, layout.Geometry()),
          surface(request.width, request.height),
          context{game.settings, game.gameDef, game.mainGame, game.Piles(), game.registers,
                  layout,        images,       buffers,       surface,      window,
                  clock,         bitmaps,      paths,         messages} {}

    platform::PathResolver paths;
    platform::ResourceBundle library;
    platform::SystemClock clock;
    // Only deal kind 10 and untidy piles draw numbers; a fixed seed keeps the picture repeatable.
    platform::RandomGenerator random{0};
    engine::Game game;
    OffscreenTableWindow window;
    TableLayout layout;
    platform::ResourceBitmaps bitmaps;
    TableImages images;
    TableBuffers buffers;
    ImageSurface surface;
    DrawContext context;
    std::string damagedImage;  // the first library image that did not decode
};

TableSnapshot::TableSnapshot(platform::IMessages& messages) : m_messages(messages) {}

TableSnapshot::~TableSnapshot() = default;

SnapshotResult TableSnapshot::Draw(const SnapshotRequest& request) {
    m_parts = std::make_unique<Parts>(request, m_messages);
    Parts& p = *m_parts;
    if (!p.library.Open(p.paths.Resolve(kLibraryName))) {
        ShowLibraryError(p.library.Problem());
        return SnapshotResult::kMissingFiles;
    }
    p.bitmaps.SetDamagedImageReport([&p](std::string_view name) {
        if (p.damagedImage.empty()) p.damagedImage = name;
    });
    engine::Game& game = p.game;
    game.settings.InitSettingsBlock(p.paths.ProgramFolderText());
    const engine::StartupPreferences preferences =
        engine::ReadPreferences(game.settings, engine::PreferenceFile(p.paths));
    game.mainGame.FoundationMarkStyle = static_cast<std::int16_t>(preferences.foundationMarkStyle);
    if (!engine::LoadGameList(game.services, game.mainGame)) return SnapshotResult::kMissingFiles;
    const std::string name = game.mainGame.GetGameName(request.gameId);
    if (name.empty()) {
        m_messages.ShowError("Error", "Game " + std::to_string(request.gameId) + " is not in " +
                                          p.paths.Resolve(engine::kGamesFileName).string());
        return SnapshotResult::kNoGame;
    }
    SetField(game.settings, engine::fields::kGame, std::to_string(request.gameId));
    SetField(game.settings, engine::fields::kGameName, name);
    SetField(game.settings, engine::fields::kGameNumber, request.gameNumber);
    SetField(game.settings, engine::fields::kCardSize, std::string(1, request.cardSize));

    p.layout.SetCardImages(&p.images);
    p.layout.SetShadowOffset(engine::CardShadowOffset(game.settings));
    p.layout.Setup().SetCardSize();
    if (!p.layout.SetupTable()) return SnapshotResult::kNoGame;

    game.registers.FillWalkTables(p.random);
    game.mainGame.RedealCount = 1;
    engine::DealContext deal = game.Deal();
    if (!engine::DealCards(deal)) return SnapshotResult::kNoGame;
    game.registers.SetFlag(engine::flag::kGameInProgress, 1);

    p.buffers.SetSize(request.width + kBufferMargin, request.height + kBufferMargin);
    PaintConfiguredBackground(p.context, p.buffers.BufferCanvas());
    RepaintTable(p.context, p.buffers.BufferCanvas(), false);
    CopyBufferToScreen(p.context);
    if (!p.damagedImage.empty()) {
        ShowLibraryError("image " + p.damagedImage + " is damaged (it cannot be decoded)");
        return SnapshotResult::kMissingFiles;
    }
    return SnapshotResult::kDrawn;
}

void TableSnapshot::ShowLibraryError(const std::string& problem) {
    std::string text = "Can't find/load " + m_parts->paths.Resolve(kLibraryName).string();
    if (!problem.empty()) text += "\n" + problem;
    m_messages.ShowError("Error", text);
}

const QImage& TableSnapshot::Picture() const { return m_parts->surface.Image().Image(); }
const engine::Game& TableSnapshot::Game() const { return m_parts->game; }
const TableLayout& TableSnapshot::Layout() const { return m_parts->layout; }
const TableImages& TableSnapshot::Images() const { return m_parts->images; }

}  // namespace table
