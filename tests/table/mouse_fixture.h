#pragma once

#include <QImage>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/state/game.h"
#include "engine/model/pile_names.h"
#include "engine/model/settings_block.h"
#include "platform/core/paths.h"
#include "platform/qt/resource_bitmaps.h"
#include "table/draw/draw_context.h"
#include "table/layout/table_layout.h"
#include "table/draw/table_buffer.h"
#include "table/draw/table_images.h"
#include "table/mouse/table_mouse.h"
#include "table/draw/table_surface.h"
#include "table/table_view.h"
#include "tests/table/layout/recording_table_window.h"
#include "tests/support/fake_services.h"
#include "tests/support/media_doubles.h"
#include "tests/support/recording_shell_port.h"

namespace mouse_test {

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
inline constexpr int kWindowWidth = 800;
inline constexpr int kWindowHeight = 600;
inline constexpr int kBufferMargin = 30;
inline constexpr int kFreecellId = 1;
inline constexpr std::string_view kFreecellNumber = "0000000000001";
// Enough for the single-card solver to win that deal.
inline constexpr int kSolverNodes = 400000;

// The big card set of a test library: every face, mark and back one colour of its own.
void AddTestCardImages(test_support::FakeResourceLibrary& library);

// A table wired as the main window wires it, over the window and surface the test gives:
// the engine's game over the built GAMES.DAT, the real layout, images from a test library,
// the off-screen images, the view and the mouse. Shadows, untidy piles and sounds
// are off, slides run without waits on the virtual clock.
class TableRig {
public:
    TableRig(table::ITableWindow& window, table::ISurface& surface);
    TableRig(const TableRig&) = delete;
    TableRig& operator=(const TableRig&) = delete;

    engine::Game& G() { return m_game; }
    table::TableMouse& Mouse() { return m_mouse; }
    table::DrawContext& Context() { return m_context; }
    table::TableLayout& Layout() { return m_layout; }
    test_support::RecordingShellPort& Shell() { return m_shell; }
    test_support::ScriptedMessages& Messages() { return m_fake.Messages(); }
    test_support::FakeServices& Fake() { return m_fake; }

    void SetField(engine::fields::Field field, std::string_view value);
    void SetWord(int number, int value) { m_game.gameDef.SetWord(number, value); }
    bool Flag(int index) const { return m_game.registers.GetFlag(index) != 0; }

    // Game 1 of GAMES.DAT (Freecell), dealt from the game number as a new game is.
    bool StartFreecell(std::string_view gameNumber);
    // A drag game of no stored definition: four tableau piles building down in alternating
    // colours (any card on an empty one), four foundations up in suit from the Ace, two
    // free cells, and the stock row; no stock deals. Tests change words and fill piles,
    // then Begin lays the fan steps out, marks a game in progress and draws the table.
    void SetUpHandMadeGame();
    void Begin();
    // The whole table drawn afresh from the pile lists, as after a layout change: the
    // stock row back at its bases, the background, every pile, the window from the buffer.
    void Repaint();

    const std::string& Pile(engine::PileListId list, int line) const { return m_game.board.piles.Pile(list, line); }
    // Cards bottom first; a negative code lies face down.
    void SetPile(engine::PileListId list, int line, std::initializer_list<int> cards);
    // Places piles by hand: the stock row's line, a tableau pile, a foundation, a reserve.
    void PlaceStockRow(int line, int x, int y);
    void PlaceTableau(int index, int x, int y);
    void PlaceFoundation(int index, int x, int y);
    void PlaceReserve(int index, int x, int y);

    // The window as the player sees it, and the off-screen table.
    const QImage& WindowImage() { return m_context.Window().Image(); }
    const QImage& BufferImage() { return m_buffers.TableBuffer().Image(); }

    // The place of the top card of a pile ("Fila3", "Dest1", "Appogg2", "Mazzo") now.
    engine::TableRect TopPlace(std::string_view pile, int index) const;
    // A drag by the mouse handlers: press 10 pixels inside the card's place, move so that
    // the card lies at (toX, toY), release.
    void Drag(const engine::TableRect& from, int toX, int toY);
    void Click(int x, int y, table::MouseButton button = table::MouseButton::kLeft, bool ctrl = false);

private:
    test_support::FakeServices m_fake;
    test_support::RecordingShellPort m_shell;
    test_support::RecordingSoundPlayer m_sound;
    test_support::FakeResourceLibrary m_library;
    platform::PathResolver m_programPaths;
    engine::Game m_game;
    table::TableLayout m_layout;
    platform::ResourceBitmaps m_bitmaps;
    table::TableImages m_images;
    table::TableBuffers m_buffers;
    table::DrawContext m_context;
    // The program's view, with the slides and the winning animation. The game takes it
    // once it exists (so the undo store, which copied the services, draws nothing).
    table::TableView m_view;
    table::TableMouse m_mouse;
};

// A rig over a recording window of 800 x 600 on a 1024 x 768 screen.
class MouseTest : public ::testing::Test {
protected:
    MouseTest();

    layout_test::RecordingTableWindow window;
    table::ImageSurface surface{kWindowWidth, kWindowHeight};
    TableRig rig{window, surface};
};

}  // namespace mouse_test
