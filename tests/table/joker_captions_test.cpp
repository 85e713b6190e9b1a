#include "table/draw/joker_captions.h"

#include <gtest/gtest.h>

#include "engine/model/game_words.h"
#include "engine/model/table_object.h"
#include "table/draw/card_drawing.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::BackgroundColourAt;
using engine::PileListId;
namespace words = engine::words;

constexpr platform::Colour kWhite = platform::Rgb(255, 255, 255);
constexpr platform::Colour kSuitColour = platform::Rgb(9, 99, 199);
constexpr int kJoker = 105;

// Three foundations at y 130; their captions' boxes lie at y 112, x = foundation x + 7.
class JokerCaptionTest : public drawing_test::DrawingTest {
protected:
    JokerCaptionTest() {
        SetWord(words::kFoundationCount, 3);
        for (int i = 0; i < 3; ++i) {
            mainGame.SetFoundationX(i, static_cast<std::int16_t>(100 + 100 * i));
            mainGame.SetFoundationY(i, 130);
        }
        mainGame.JokerCaptionKey = engine::kNoJokerCaption;
        library.AddBitmap("SUIT_SPADES", drawing_test::SolidPng(9, 9, kSuitColour));
        library.AddBitmap("SUIT_HEARTS", drawing_test::SolidPng(9, 9, kSuitColour));
        table::CopyBufferToScreen(context);
    }

    static int BoxX(int foundation) { return 100 + 100 * foundation + 7; }
    static constexpr int kBoxY = 112;

    table::JokerCaption Caption() { return table::FindJokerCaption(context); }
};

TEST_F(JokerCaptionTest, TheJokerStandsForTheCardItReplaces) {
    // Above a run: one more than the card below, in the suit of the foundation's first card.
    SetPile(PileListId::kDest, 1, {27, 28, kJoker});  // clubs Ace, 2, joker
    table::JokerCaption c = Caption();
    EXPECT_EQ(c.foundation, 1);
    EXPECT_EQ(c.key, 207);
    EXPECT_EQ(c.value, 3);
    EXPECT_EQ(c.suit, engine::kClubs);
    // At the bottom: one less than the card above it, in that card's suit.
    SetPile(PileListId::kDest, 1, {kJoker, 43});
    c = Caption();
    EXPECT_EQ(c.key, 201);
    EXPECT_EQ(c.value, 3);
    // After a King the joker is an Ace until the foundation has gone round.
    SetPile(PileListId::kDest, 0, {13, kJoker});
    c = Caption();
    EXPECT_EQ(c.foundation, 0);
    EXPECT_EQ(c.value, 1);
    EXPECT_EQ(c.suit, engine::kHearts);
}

TEST_F(JokerCaptionTest, NoJokerGivesTheNoneKey) {
    SetPile(PileListId::kDest, 0, {1, 2});
    EXPECT_EQ(Caption().foundation, -1);
    EXPECT_EQ(Caption().key, table::kNoCaptionKey);
    EXPECT_EQ(table::CaptionKeyWord(table::kNoCaptionKey), engine::kNoJokerCaption);
}

TEST_F(JokerCaptionTest, ACaptionIsDrawnOnBothImagesAndRemembered) {
    SetPile(PileListId::kDest, 2, {50, 51, kJoker});
    table::DrawJokerCaptions(context);
    EXPECT_EQ(mainGame.JokerCaptionKey, 307);
    const int x = BoxX(2);
    EXPECT_EQ(WindowPixel(x + 1, kBoxY + 1), kWhite);
    EXPECT_EQ(BufferPixel(x + 1, kBoxY + 1), kWhite);
    EXPECT_EQ(WindowPixel(x + 51, kBoxY + 5), kSuitColour);
    EXPECT_EQ(WindowPixel(x + 58, kBoxY + 6), platform::Rgb(0, 0, 0));  // the box's dark right edge
    // Drawn again only when the joker moves.
    surface.Canvas().SetPixel(x + 1, kBoxY + 1, 0x123456);
    table::DrawJokerCaptions(context);
    EXPECT_EQ(WindowPixel(x + 1, kBoxY + 1), 0x123456u);
}

TEST_F(JokerCaptionTest, StaleCaptionsAreErasedOnceWhenTheJokerLeaves) {
    SetPile(PileListId::kDest, 0, {1, kJoker});
    table::DrawJokerCaptions(context);
    const int x = BoxX(0);
    ASSERT_EQ(WindowPixel(x + 1, kBoxY + 1), kWhite);
    SetPile(PileListId::kDest, 0, {1, 2});
    table::DrawJokerCaptions(context);
    EXPECT_EQ(WindowPixel(x + 1, kBoxY + 1), BackgroundColourAt(x + 1, kBoxY + 1));
    EXPECT_EQ(BufferPixel(x + 1, kBoxY + 1), BackgroundColourAt(x + 1, kBoxY + 1));
    EXPECT_EQ(mainGame.JokerCaptionKey, engine::kNoJokerCaption);
    // Nothing left to erase: the next update draws nothing.
    surface.Canvas().SetPixel(x + 1, kBoxY + 1, 0x123456);
    table::DrawJokerCaptions(context);
    EXPECT_EQ(WindowPixel(x + 1, kBoxY + 1), 0x123456u);
}

TEST_F(JokerCaptionTest, AJokerAloneOnItsFoundationShowsNoCaption) {
    SetPile(PileListId::kDest, 1, {kJoker});
    table::DrawJokerCaptions(context);
    EXPECT_EQ(WindowPixel(BoxX(1) + 1, kBoxY + 1), BackgroundColourAt(BoxX(1) + 1, kBoxY + 1));
    EXPECT_EQ(mainGame.JokerCaptionKey, engine::kNoJokerCaption);
    // A card played onto it brings the caption: the joker now stands for the card below.
    SetPile(PileListId::kDest, 1, {kJoker, 5});
    table::DrawJokerCaptions(context);
    EXPECT_EQ(mainGame.JokerCaptionKey, 201);
    EXPECT_EQ(WindowPixel(BoxX(1) + 1, kBoxY + 1), kWhite);
}

TEST_F(JokerCaptionTest, TheCanvasesKeepTheirPenAndBrush) {
    surface.Canvas().SetBrushColour(0x0000FF);
    surface.Canvas().SetPenStyle(platform::PenStyle::Solid);
    SetPile(PileListId::kDest, 0, {1, kJoker});
    table::DrawJokerCaptions(context);
    EXPECT_EQ(surface.Canvas().Brush().colour, 0x0000FFu);
    EXPECT_EQ(surface.Canvas().Pen().style, platform::PenStyle::Solid);
}

}  // namespace
