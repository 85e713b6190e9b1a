#pragma once

#include <array>
#include <string_view>

// The rectangular tableau blocks "123" to "129": piles step a card and a gap h to the
// right and downward, numbered row by row from the top left.
namespace table::layout_detail {

// How far up the block may start.
enum class BlockMinimum { kNone, kRow1, kTopInset };

enum class ThirdPileWhen { kNever, kWhenInUse, kAlways };

// The block's first x: half(W - cards × CW - gaps × h - extra).
struct BlockWidth {
    int cards;
    int gaps;
    int extra;
};

// The third stock-row pile beside the block: x of pile xPile + h + cards × CW; y of pile
// yPile, half a card and a gap lower when halfStepDown is set.
struct BlockThirdPile {
    ThirdPileWhen when;
    int xPile;
    int cards;
    int yPile;
    bool halfStepDown;
};

struct BlockStyle {
    std::string_view code;
    int rows;
    int columns;
    int gap;               // h on a window 500 pixels high or more
    int gapWithThirdPile;  // the same when p306 is not 0
    int gapSmall;          // h on a lower window
    BlockWidth width;
    BlockWidth widthWithThirdPile;  // when p306 is not 0
    BlockMinimum minimum;
    BlockThirdPile third;
};

inline constexpr std::array<BlockStyle, 6> kBlockStyles = {{
    {"123", 4, 4, 10, 5, 1, {4, 3, 10}, {6, 4, 10}, BlockMinimum::kNone, {ThirdPileWhen::kWhenInUse, 3, 2, 7, true}},
    {"124", 3, 3, 15, 15, 10, {3, 2, 0}, {3, 2, 0}, BlockMinimum::kNone, {ThirdPileWhen::kNever, 0, 0, 0, false}},
    {"125", 5, 5, 3, 3, 1, {5, 3, 0}, {7, 4, 0}, BlockMinimum::kNone, {ThirdPileWhen::kWhenInUse, 4, 2, 10, false}},
    {"127", 4, 1, 5, 5, 2, {8, 6, 0}, {8, 6, 0}, BlockMinimum::kRow1, {ThirdPileWhen::kAlways, 0, 7, 1, true}},
    {"128", 5, 1, 3, 3, 1, {10, 8, 0}, {10, 8, 0}, BlockMinimum::kTopInset, {ThirdPileWhen::kAlways, 0, 9, 2, false}},
    {"129", 3, 1, 5, 5, 2, {6, 4, 0}, {6, 4, 0}, BlockMinimum::kTopInset, {ThirdPileWhen::kAlways, 1, 5, 1, false}},
}};

constexpr const BlockStyle* FindBlockStyle(std::string_view code) {
    for (const BlockStyle& style : kBlockStyles) {
        if (style.code == code) return &style;
    }
    return nullptr;
}

}  // namespace table::layout_detail
