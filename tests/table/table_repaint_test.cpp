#include "table/draw/table_repaint.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/model/game_words.h"
#include "engine/model/preference_fields.h"
#include "table/draw/card_drawing.h"
#include "table/table_view.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::BackgroundColourAt;
using drawing_test::FaceColour;
using drawing_test::kBackColour;
using drawing_test::kCw;
using drawing_test::MarkColour;
using engine::PileListId;
namespace words = engine::words;

struct Slide {
    int card, fromX, fromY, toX, toY;
    bool toBuffer, fineSteps, shadowAdjust, lift;
};

// A stock, two foundations and three tableau piles, one of them empty.
class RepaintTest : public drawing_test::DrawingTest {
protected:
    RepaintTest() {
        SetWord(words::kTableauCount, 3);
        SetWord(words::kFoundationCount, 2);
        SetWord(words::kStockFaceDown, 1);
        SetWord(words::kTableauFanMode, 1);
        PlaceStockRow(0, 20, 20);
        for (int i = 0; i < 2; ++i) {
            mainGame.SetFoundationX(i, static_cast<std::int16_t>(300 + 100 * i));
            mainGame.SetFoundationY(i, 20);
        }
        for (int i = 0; i < 3; ++i) PlaceTableau(i, 100 + 100 * i, 200);
        SetPile(PileListId::kMazzo, 0, {-40, -41, -42, -43});
        SetPile(PileListId::kFila, 0, {-1, 2});
        SetPile(PileListId::kFila, 1, {3});
        SetPile(PileListId::kDest, 0, {14});
        context.slideCard = [this](int card, int fromX, int fromY, int toX, int toY, bool toBuffer, bool fine,
                                   bool adjust, bool lift) {
            slides.push_back({card, fromX, fromY, toX, toY, toBuffer, fine, adjust, lift});
        };
    }
    std::vector<Slide> slides;
};

TEST_F(RepaintTest, DrawsEveryPile) {
    surface.SetScrollPosition(30);
    table::RepaintTable(context, buffers.BufferCanvas(), false);
    EXPECT_EQ(surface.ScrollPosition(), 0);
    EXPECT_EQ(BufferPixel(40, 40), kBackColour);  // stock, two pixels up and left
    EXPECT_EQ(mainGame.GetStockX(0), 18);
    EXPECT_EQ(BufferPixel(330, 60), FaceColour(13));  // foundation 0
    EXPECT_EQ(BufferPixel(430, 60), MarkColour("005"));  // empty foundation 1
    EXPECT_EQ(BufferPixel(130, 202), kBackColour);
    EXPECT_EQ(BufferPixel(130, 250), FaceColour(1));
    EXPECT_EQ(BufferPixel(230, 250), FaceColour(2));
    EXPECT_EQ(BufferPixel(330, 250), MarkColour("_TABLEAU"));
    EXPECT_TRUE(slides.empty());
}

TEST_F(RepaintTest, NothingWithoutAGameInProgress) {
    registers.SetFlag(engine::flag::kGameInProgress, 0);
    table::RepaintTable(context, buffers.BufferCanvas(), false);
    EXPECT_EQ(BufferPixel(130, 250), BackgroundColourAt(130, 250));
}

TEST_F(RepaintTest, MarksCompleteFoundationsWhenAsked) {
    fake.Folder().WriteFile("DATA/CFG.DAT", "[Preference]\nHighLights_Foundations_Mark=2\nHighLights_Foundations_Color=3\n");
    mainGame.FoundationMarkStyle = 2;
    gameDef.SetAt(words::kFoundationFullCount, 0, 1);
    table::RepaintTable(context, buffers.BufferCanvas(), false);
    EXPECT_EQ(BufferPixel(330, 60), 0x00FF00u);
}

TEST_F(RepaintTest, TheDealFliesFromTheStockRowByRow) {
    table::RepaintTable(context, buffers.BufferCanvas(), true);
    // Row 0: pile 0's back and pile 1's card; row 1: pile 0's top card.
    ASSERT_EQ(slides.size(), 3u);
    const int sx = 10, sy = 14;  // a seventh of a card
    EXPECT_EQ(slides[0].card, -1);
    EXPECT_EQ(slides[0].fromX, 18 + sx);
    EXPECT_EQ(slides[0].fromY, 18 + sy);
    EXPECT_EQ(slides[0].toX, 100);
    EXPECT_EQ(slides[0].toY, 200);
    EXPECT_TRUE(slides[0].toBuffer && slides[0].fineSteps && slides[0].lift);
    EXPECT_FALSE(slides[0].shadowAdjust);
    EXPECT_EQ(slides[1].card, 3);
    EXPECT_EQ(slides[1].toX, 200);
    EXPECT_EQ(slides[2].card, 2);
    EXPECT_EQ(slides[2].toY, 204);
    // Waits: 100 ms at the source, then 5 ms per face-up card and 3 ms per back.
    EXPECT_EQ(fake.Clock().TotalDelayed(), 100u + 3u + 5u + 5u);
    // The cards end in the buffer, and the empty pile shows its mark there and on the window.
    EXPECT_EQ(BufferPixel(130, 250), FaceColour(1));
    EXPECT_EQ(BufferPixel(330, 250), MarkColour("_TABLEAU"));
    EXPECT_EQ(WindowPixel(330, 250), MarkColour("_TABLEAU"));
    // The stock keeps its back.
    EXPECT_EQ(BufferPixel(40, 40), kBackColour);
}

TEST_F(RepaintTest, DealByPileDrawsPileAfterPile) {
    SetWord(words::kDealByPile, 1);
    table::RepaintTable(context, buffers.BufferCanvas(), true);
    ASSERT_EQ(slides.size(), 3u);
    EXPECT_EQ(slides[0].card, -1);
    EXPECT_EQ(slides[1].card, 2);
    EXPECT_EQ(slides[2].card, 3);
}

TEST_F(RepaintTest, WithoutAStockTheDealComesFromTheFirstFoundation) {
    mainGame.SetStockX(0, engine::kAbsentPileX);
    board.piles.SetPile(PileListId::kMazzo, 0, "");
    table::RepaintTable(context, buffers.BufferCanvas(), true);
    ASSERT_FALSE(slides.empty());
    EXPECT_EQ(slides[0].fromX, 300 + 10);
    // The source shows its own top card again at the end.
    EXPECT_EQ(WindowPixel(330, 60), FaceColour(13));
}

TEST_F(RepaintTest, TheViewRedrawsTheWholeTable) {
    SetField(engine::fields::kBackgroundDef, "Y");
    table::TableView view(context, {registers, fake.Random(), {}});
    view.PaintBackground();
    view.RepaintTable();
    view.CopyBufferToScreen();
    EXPECT_EQ(WindowPixel(5, 5), 0x006000u);
    EXPECT_EQ(WindowPixel(230, 250), FaceColour(2));
    EXPECT_EQ(view.CardWidth(), kCw);
    EXPECT_EQ(view.Geometry(), &layout);
}

}  // namespace
