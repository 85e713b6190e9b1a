#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/model/card_board.h"
#include "engine/model/game_record.h"
#include "engine/model/registers.h"
#include "engine/model/settings_block.h"
#include "engine/model/table_object.h"
#include "platform/core/canvas.h"
#include "platform/qt/resource_bitmaps.h"
#include "table/draw/draw_context.h"
#include "table/layout/table_layout.h"
#include "table/draw/table_buffer.h"
#include "table/draw/table_images.h"
#include "table/draw/table_surface.h"
#include "tests/support/fake_services.h"
#include "tests/support/media_doubles.h"
#include "tests/table/layout/recording_table_window.h"

class QImage;

namespace drawing_test {

inline constexpr int kCw = 71;
inline constexpr int kCh = 96;
inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
inline constexpr int kBufferMargin = 30;

// Colours of the test images: every image and every face tells itself apart.
platform::Colour FaceColour(int bitmapIndex);
platform::Colour MarkColour(std::string_view code);
inline constexpr platform::Colour kBackColour = platform::Rgb(20, 40, 140);
inline constexpr platform::Colour kShadowColour = platform::Rgb(60, 60, 60);
// The bottom border's row r and the right border's column c.
platform::Colour BottomBorderColour(int row);
platform::Colour RightBorderColour(int column);
// The background painted by Paint(): every pixel its own colour, so a corner copied from
// it shows where it came from.
platform::Colour BackgroundColourAt(int x, int y);

// PNG data of an image, as the card library holds it.
std::string PngData(const QImage& image);
std::string SolidPng(int width, int height, platform::Colour colour);

// A table of big cards on a 1024 x 768 screen, the off-screen images sized as the main
// window sizes them, a card library of solid test images, and a game in progress whose
// piles the tests place and fill themselves.
class DrawingTest : public ::testing::Test {
protected:
    DrawingTest();

    // Cards bottom first; a negative code lies face down.
    void SetPile(engine::PileListId list, int line, std::initializer_list<int> cards);
    void SetWord(int number, int value) { gameDef.SetWord(number, value); }
    void SetField(const engine::fields::Field& f, std::string_view value) {
        settings.SetField(f.position, f.width, value);
    }
    void PlaceTableau(int i, int x, int y);
    // The stock-row pile's base and its place.
    void PlaceStockRow(int line, int x, int y);
    // Fills the background image with BackgroundColourAt and copies it into the buffer.
    void PaintTestBackground();

    platform::Colour WindowPixel(int x, int y) { return surface.Canvas().Pixel(x, y); }
    platform::Colour BufferPixel(int x, int y) { return buffers.BufferCanvas().Pixel(x, y); }

    test_support::FakeServices fake;
    test_support::FakeResourceLibrary library;
    engine::SettingsBlock settings;
    engine::GameDefRecord gameDef;
    engine::TMainGame mainGame;
    engine::CardBoard board;
    engine::Registers registers;
    layout_test::RecordingTableWindow window;
    table::TableLayout layout;
    platform::ResourceBitmaps bitmaps;
    table::TableImages images;
    table::TableBuffers buffers;
    table::ImageSurface surface{kScreenWidth, kScreenHeight};
    table::DrawContext context;
};

}  // namespace drawing_test
