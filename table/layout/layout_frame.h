#pragma once

#include <array>
#include <optional>

namespace table {

// The lines of the table that the layout's row digits and blocks name, computed for one
// pass from the area, the card height and the screen.
struct LayoutFrame {
    int rowGap = 0;  // g
    int r1 = 0;      // rows 1-4
    int r2 = 0;
    int r3 = 0;
    int r4 = 0;
    int bottom = 0;               // RB, row 5
    int middle = 0;               // RM, row 6
    std::array<int, 3> block3{};  // C3[1..3]: three lines centred in the area
    std::array<int, 4> block4{};  // C4[1..4]: four lines centred in the area
    int edge = 0;                 // e, the gap at the left edge

    // row(1) .. row(6); nothing for a digit that names no line.
    std::optional<int> Row(int digit) const;
    // C3[line] and C4[line] counted from 1; nothing beyond the block.
    std::optional<int> Block3(int line) const;
    std::optional<int> Block4(int line) const;
};

struct FrameInputs {
    int top = 0;           // T
    int bottom = 0;        // B
    int windowHeight = 0;  // H
    int width = 0;         // W, already reduced
    int cardHeight = 0;
    int screenHeight = 0;
    int shadowOffset = 0;
    int stockDigit = 0;  // the stock row's digit (-1 when none)
    bool stockStyle003 = false;
    bool tableauStyle015 = false;
    bool stockRowInUse = false;  // p302 > 0
    bool edgeExtra = false;      // stock style 003/004/005/016/019 or third-pile style 004
};

LayoutFrame ComputeLayoutFrame(const FrameInputs& in);

// half(v): v / 2 truncated toward zero.
constexpr int Half(int v) { return v / 2; }

// Trunc(a / b) of a division done in floating point; a zero divisor counts as 1, where
// the division would fail.
int DivTrunc(int a, int b);

}  // namespace table
