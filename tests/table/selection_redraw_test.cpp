#include "table/draw/selection_redraw.h"

#include <gtest/gtest.h>

#include "engine/model/game_words.h"
#include "table/draw/card_drawing.h"
#include "table/draw/table_refresh.h"
#include "table/draw/table_repaint.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::FaceColour;
using engine::PileListId;
namespace words = engine::words;

constexpr platform::Colour Inverted(platform::Colour c) { return c ^ 0xFFFFFFu; }

// A pairing game with two tableau piles: card 12 at (100, 200) and card 101 at (200, 200).
class SelectionRedrawTest : public drawing_test::DrawingTest {
protected:
    SelectionRedrawTest() {
        SetWord(words::kGameKind, 3);
        SetWord(words::kTableauCount, 2);
        SetWord(words::kTableauFanMode, 1);
        PlaceTableau(0, 100, 200);
        PlaceTableau(1, 200, 200);
        SetPile(PileListId::kFila, 0, {12});
        SetPile(PileListId::kFila, 1, {101});
        table::RepaintTable(context, buffers.BufferCanvas(), false);
        table::CopyBufferToScreen(context);
    }
};

TEST_F(SelectionRedrawTest, OnlyWholeCodesOfTheLineAreHighlighted) {
    // "101201" holds card 101 and the non-card 201; the "012" across them is no card of it.
    board.piles.SetPile(PileListId::kDest, 0, "101201");
    const int updates = window.updates;
    table::RedrawSelectionLine(context, surface.Canvas(), true);
    EXPECT_EQ(WindowPixel(230, 250), Inverted(FaceColour(48)));
    EXPECT_EQ(WindowPixel(130, 250), FaceColour(11));
    EXPECT_EQ(BufferPixel(230, 250), FaceColour(48));
    EXPECT_GT(window.updates, updates);
    table::RedrawSelectionLine(context, buffers.BufferCanvas(), false);
    EXPECT_EQ(BufferPixel(230, 250), Inverted(FaceColour(48)));
}

TEST_F(SelectionRedrawTest, RedrawingShowsTheHighlightOnceNotTwice) {
    board.piles.SetPile(PileListId::kDest, 0, "012");
    table::RedrawSelectionLine(context, surface.Canvas(), true);
    table::RedrawSelectionLine(context, surface.Canvas(), true);
    EXPECT_EQ(WindowPixel(130, 250), Inverted(FaceColour(11)));
}

TEST_F(SelectionRedrawTest, GamesWithoutASelectionDrawNothing) {
    SetWord(words::kGameKind, 0);
    board.piles.SetPile(PileListId::kDest, 0, "012");
    table::RedrawSelectionLine(context, surface.Canvas(), true);
    EXPECT_EQ(WindowPixel(130, 250), FaceColour(11));
    SetWord(words::kSelectionSum, 13);  // a selection game of any kind
    table::RedrawSelectionLine(context, surface.Canvas(), true);
    EXPECT_EQ(WindowPixel(130, 250), Inverted(FaceColour(11)));
}

TEST_F(SelectionRedrawTest, RefreshRepaintsAllAndKeepsTheSelectionLit) {
    board.piles.SetPile(PileListId::kDest, 0, "012");
    surface.SetScrollPosition(20);
    table::RefreshTable(context);
    EXPECT_EQ(surface.ScrollPosition(), 0);
    engine::TableRect place;
    ASSERT_TRUE(layout.FindCardPosition(12, place));
    const int x = place.left + 30;
    const int y = place.top + 50;
    EXPECT_EQ(WindowPixel(x, y), Inverted(FaceColour(11)));
    EXPECT_EQ(BufferPixel(x, y), Inverted(FaceColour(11)));
    ASSERT_TRUE(layout.FindCardPosition(101, place));
    EXPECT_EQ(WindowPixel(place.left + 30, place.top + 50), FaceColour(48));
}

}  // namespace
