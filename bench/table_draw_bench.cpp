// Drawing the table at 1920 x 1080: a full repaint of a dealt two-deck game (every pile
// into the off-screen table, then onto the window), and one step of a dragged card.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>

#include <ctime>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "bench/bench_application.h"
#include "engine/model/card_board.h"
#include "engine/deal/deal.h"
#include "engine/model/game_record.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "engine/ports/services.h"
#include "engine/model/settings_block.h"
#include "engine/model/table_object.h"
#include "platform/core/clock.h"
#include "platform/core/paths.h"
#include "platform/core/random.h"
#include "platform/core/resource_library.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "platform/qt/resource_bitmaps.h"
#include "table/draw/background.h"
#include "table/draw/card_drawing.h"
#include "table/draw/drag_image.h"
#include "table/draw/draw_context.h"
#include "table/draw/offscreen_window.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"
#include "table/draw/table_buffer.h"
#include "table/draw/table_images.h"
#include "table/draw/table_repaint.h"
#include "table/draw/table_surface.h"

namespace {

namespace w = engine::words;
namespace f = engine::fields;

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kBufferMargin = 30;
constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;

std::string Png(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

// A card library of plain images of the right sizes.
class PlainLibrary : public platform::IResourceLibrary {
public:
    bool Open(const std::filesystem::path&) override { return true; }
    void Close() override {}
    bool IsOpen() const override { return true; }
    bool HasBitmap(std::string_view) const override { return true; }
    std::string BitmapData(std::string_view name) const override {
        if (name.starts_with("CB")) return Png(6 * kCardWidth, 4 * kCardHeight, qRgb(250, 250, 250));
        if (name == "3D_BORDER_B1") return Png(16, kCardHeight + 13, qRgb(192, 192, 192));
        if (name == "3D_BORDER_B2") return Png(kCardWidth + 11, 16, qRgb(192, 192, 192));
        if (name == "SHADOW_B1") return Png(9, kCardHeight, qRgb(40, 40, 40));
        if (name == "SHADOW_B2") return Png(kCardWidth, 9, qRgb(40, 40, 40));
        return Png(kCardWidth, kCardHeight, qRgb(30, 60, 160));
    }
    std::string WaveData(std::string_view) const override { return {}; }
    std::string CursorData(std::string_view) const override { return {}; }
};

void SetRun(engine::GameDefRecord& game, engine::GameWordRun run, std::initializer_list<int> values) {
    int i = 0;
    for (const int value : values) game.SetAt(run, i++, value);
}

// Ten piles of 6/6/6/6/5/5/5/5/5/5 fanned down, the top card up; a stock of 50 on its
// 3-D edge; eight foundations; laid out as the game's layout codes say.
void TwoDeckGame(engine::GameDefRecord& game) {
    game.SetWord(w::kCardCount, 104);
    game.SetWord(w::kTableauCount, 10);
    game.SetWord(w::kStockCount, 50);
    game.SetWord(w::kStockFaceDown, 1);
    game.SetWord(w::kTableauFanMode, 1);
    game.SetWord(w::kFoundationCount, 8);
    for (int i = 0; i < 8; ++i) {
        game.SetAt(w::kFoundationBase, i, 1);
        game.SetAt(w::kFoundationDirection, i, 1);
    }
    SetRun(game, w::kTableauDealA, {6, 6, 6, 6, 5, 5, 5, 5, 5, 5});
    SetRun(game, w::kTableauDealB, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    game.SetWord(w::kStockRowPiles, 1);
    game.SetWord(w::kStockRowLine, 1);
    game.SetWord(w::kStockRowStyle, 5);
    game.SetWord(w::kFoundationLine, 1);
    game.SetWord(w::kFoundationStyle, 8);
    game.SetWord(w::kTableauLine, 2);
    game.SetWord(w::kTableauStyle, 1);
}

// One table of big cards on a 1920 x 1080 screen, dealt and laid out.
struct DrawnTable {
    DrawnTable()
        : paths(std::filesystem::temp_directory_path()),
          layout(Services(), {settings, mainGame, gameDef, board.piles, registers}, window, nullptr),
          bitmaps(library, paths, {}),
          images(bitmaps, settings, layout.Geometry()),
          context{settings, gameDef, mainGame, board.piles, registers, layout,  images,
                  buffers,  surface, window,   clock,       bitmaps,   paths,   messages} {
        settings.SetField(f::kCardSize.position, f::kCardSize.width, "B");
        settings.SetField(f::kCardSet.position, f::kCardSet.width, "001");
        settings.SetField(f::kBackCard.position, f::kBackCard.width, "001");
        settings.SetField(f::kPilesTT.position, f::kPilesTT.width, "N");
        settings.SetField(f::kCardsShadowed.position, f::kCardsShadowed.width, "Y");
        settings.SetField(f::kBackgroundDef.position, f::kBackgroundDef.width, "Y");
        settings.SetField(f::kGameNumber.position, f::kGameNumber.width, "1234567");
        layout.SetCardImages(&images);
        layout.SetShadowOffset(engine::kCardShadowOffset);
        layout.Setup().SetCardSize();
        TwoDeckGame(gameDef);
        layout.Setup().SetFanSteps();
        layout.Setup().LayoutTable();
        engine::DealContext deal{board.piles, gameDef, settings, registers, &messages, &random, {}, {}};
        engine::DealCards(deal);
        registers.SetFlag(engine::flag::kGameInProgress, 1);
        buffers.SetSize(kScreenWidth + kBufferMargin, kScreenHeight + kBufferMargin);
        table::PaintConfiguredBackground(context, buffers.BufferCanvas());
    }

    engine::Services Services() {
        engine::Services services;
        services.messages = &messages;
        services.paths = &paths;
        return services;
    }

    bench::NoMessages messages{false};
    platform::VirtualClock clock;
    platform::RandomGenerator random{0};
    platform::PathResolver paths;
    PlainLibrary library;
    engine::SettingsBlock settings;
    engine::GameDefRecord gameDef;
    engine::TMainGame mainGame;
    engine::CardBoard board;
    engine::Registers registers;
    // A client 30 pixels short of the screen: the menu bar's row.
    table::OffscreenTableWindow window{kScreenWidth, kScreenHeight, kScreenHeight - 30};
    table::TableLayout layout;
    platform::ResourceBitmaps bitmaps;
    table::TableImages images;
    table::TableBuffers buffers;
    table::ImageSurface surface{kScreenWidth, kScreenHeight};
    table::DrawContext context;
};

// The thread's CPU time, which other programs' load on the machine does not stretch.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

constexpr double kRepaintTargetRatio = 2.0;

// The table from scratch, as a new game or an undo redraws it: the background into the
// buffer and the background image, every pile, and the whole buffer onto the window.
// Each round also makes a plain copy of a whole frame from one screen-sized image to
// another, the measure the repaint is held to: at most twice its time, in the same run.
// The second run has the faded green a player's table starts with.
void BM_FullRepaint(benchmark::State& state) {
    bench::EnsureApplication();
    DrawnTable table;
    if (state.range(0) == 1) {
        table.settings.SetField(f::kBackgroundDef.position, f::kBackgroundDef.width, "N");
        table.settings.SetField(f::kBackgroundCol.position, f::kBackgroundCol.width, "32768");
        table.settings.SetField(f::kFadeBackground.position, f::kFadeBackground.width, "Y");
    }
    platform::Bitmap frame;
    frame.SetSize(kScreenWidth, kScreenHeight);
    platform::Canvas frameCanvas(frame);
    double repaint = 0;
    double copy = 0;
    for (auto _ : state) {
        const double start = CpuSeconds();
        table::PaintConfiguredBackground(table.context, table.buffers.BufferCanvas());
        table::RepaintTable(table.context, table.buffers.BufferCanvas(), false);
        table::CopyBufferToScreen(table.context);
        benchmark::DoNotOptimize(table.surface.Image().Image().constBits());
        const double painted = CpuSeconds();
        frameCanvas.BlockCopy(0, 0, kScreenWidth, kScreenHeight, table.surface.Image(), 0, 0);
        benchmark::DoNotOptimize(frame.Image().constBits());
        repaint += painted - start;
        copy += CpuSeconds() - painted;
    }
    const auto rounds = static_cast<double>(state.iterations());
    state.counters["repaint_ms"] = repaint / rounds * 1e3;
    state.counters["frame_copy_ms"] = copy / rounds * 1e3;
    state.counters["ratio"] = repaint / copy;
    state.counters["target_ratio"] = kRepaintTargetRatio;
}
BENCHMARK(BM_FullRepaint)->ArgName("faded")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The piles alone, over a table whose background is already in the buffer.
void BM_RepaintPiles(benchmark::State& state) {
    bench::EnsureApplication();
    DrawnTable table;
    for (auto _ : state) table::RepaintTable(table.context, table.buffers.BufferCanvas(), false);
}
BENCHMARK(BM_RepaintPiles)->Unit(benchmark::kMillisecond);

// One pointer move of a lifted card with its shadow: the uncovered strips back from the
// buffer, the image at its new place, the shadow around it.
void BM_DragStep(benchmark::State& state) {
    bench::EnsureApplication();
    DrawnTable table;
    table::RepaintTable(table.context, table.buffers.BufferCanvas(), false);
    table::CopyBufferToScreen(table.context);
    table.layout.SetDragHeight(kCardHeight);
    table.layout.SetDragRects(600, 500, 600 + kCardWidth, 500 + kCardHeight);
    table.mainGame.DragImagePos = {600, 500};
    int step = 0;
    for (auto _ : state) {
        // Back and forth, three pixels right and two down, as a pointer moves.
        const int offset = (step++ % 2 == 0) ? 1 : 0;
        table::MoveDragImage(table.context, 600 + 3 * offset, 500 + 2 * offset, false, false);
    }
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

}  // namespace
