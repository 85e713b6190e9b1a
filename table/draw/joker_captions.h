#pragma once

#include <cstdint>

namespace table {

struct DrawContext;

// A caption box is this big; it sits above the foundations, centred on a card.
inline constexpr int kCaptionWidth = 59;
inline constexpr int kCaptionHeight = 14;
// JokerCaptionKey while no caption shows (65535 as the 16-bit word holds it).
inline constexpr int kNoCaptionKey = 65535;
// A caption value that shows nothing: the box is erased.
inline constexpr int kNoCaptionValue = 14;

// The joker a caption tells about: the first foundation holding one, its key
// ((foundation + 1) * 100 + the joker's character position), and the card it stands for.
// foundation -1 and kNoCaptionKey when no foundation holds a joker.
struct JokerCaption {
    int foundation = -1;
    int key = kNoCaptionKey;
    int suit = 0;
    int value = kNoCaptionValue;
};
JokerCaption FindJokerCaption(const DrawContext& context);

// The key as TMainGame.JokerCaptionKey stores it.
std::int16_t CaptionKeyWord(int key);

// DrawJokerCaptions: shows which card the joker on a foundation stands for above that
// foundation and erases every other caption, on the window and in the off-screen table.
// Nothing is drawn while the caption on show is still right.
void DrawJokerCaptions(DrawContext& context);

// One caption at the foundation: "Joker = " and the rank with the suit's image for a value
// of 1 to 13 (the caption on show becomes key), or its box erased for any other value.
void DrawJokerCaption(DrawContext& context, int foundation, int y, int suit, int key, int value);

// The caption's white box with a dark edge along its bottom and right, on the window and
// in the off-screen table.
void DrawCaptionBox(DrawContext& context, int left, int top, int right, int bottom);

}  // namespace table
