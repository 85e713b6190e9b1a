#include "table/layout/layout_frame.h"

#include <algorithm>

namespace table {

namespace {

constexpr int kSmallWindowHeight = 500;
constexpr int kSmallRowGap = 5;
constexpr int kRowGap = 10;
constexpr int kStockRowHeadroom = 15;     // extra room over or under a stock row
constexpr double kTallWindowShare = 0.8;  // of the screen height
constexpr int kScreenBottomMargin = 30;
constexpr int kWindowBottomMargin = 50;
constexpr int kStyle015Top = 15;
constexpr int kStyle015Gap = 5;
constexpr int kBlockLineGap = 10;
constexpr int kBlock3Spacing = 20;  // the two gaps inside a three-line block
constexpr int kBlock4Spacing = 30;  // the three gaps inside a four-line block
constexpr int kBlockMinimumTop = 2;
constexpr int kNarrowWidth = 650;
constexpr int kNarrowEdge = 3;
constexpr int kEdge = 10;
constexpr int kEdgeExtra = 15;

enum RowDigit { kRow1 = 1, kRow2, kRow3, kRow4, kRowBottom, kRowMiddle };

}  // namespace

int DivTrunc(int a, int b) { return a / (b == 0 ? 1 : b); }

std::optional<int> LayoutFrame::Row(int digit) const {
    switch (digit) {
        case kRow1:
            return r1;
        case kRow2:
            return r2;
        case kRow3:
            return r3;
        case kRow4:
            return r4;
        case kRowBottom:
            return bottom;
        case kRowMiddle:
            return middle;
        default:
            return std::nullopt;
    }
}

std::optional<int> LayoutFrame::Block3(int line) const {
    if (line < 1 || line > static_cast<int>(block3.size())) return std::nullopt;
    return block3[static_cast<std::size_t>(line - 1)];
}

std::optional<int> LayoutFrame::Block4(int line) const {
    if (line < 1 || line > static_cast<int>(block4.size())) return std::nullopt;
    return block4[static_cast<std::size_t>(line - 1)];
}

LayoutFrame ComputeLayoutFrame(const FrameInputs& in) {
    LayoutFrame f;
    const int ch = in.cardHeight;
    f.rowGap = in.windowHeight < kSmallWindowHeight ? kSmallRowGap : kRowGap;
    f.r1 = in.top + f.rowGap + (in.stockDigit == kRow1 ? kStockRowHeadroom : 0);
    f.r2 = f.r1 + f.rowGap + ch + (in.stockDigit == kRow2 || in.stockStyle003 ? kStockRowHeadroom : 0);
    f.r3 = f.r2 + f.rowGap + ch;
    f.r4 = f.r3 + f.rowGap + ch;
    if (in.windowHeight <= kTallWindowShare * in.screenHeight)
        f.bottom = in.screenHeight - kScreenBottomMargin - ch;
    else
        f.bottom = in.windowHeight - kWindowBottomMargin - ch;
    f.middle = f.r2 + Half(f.r3 - f.r2);
    if (in.tableauStyle015) {
        f.r1 = in.top + kStyle015Top;
        f.r2 = f.r1 + kStyle015Gap + ch;
        f.r3 = f.r2 + kStyle015Gap + ch;
    }

    const int area = in.bottom - in.top;
    f.block3[0] = std::max(in.top + Half(area - (3 * ch + kBlock3Spacing)), in.top + kBlockMinimumTop);
    for (std::size_t i = 1; i < f.block3.size(); ++i) f.block3[i] = f.block3[i - 1] + ch + kBlockLineGap;
    f.block4[0] = std::max(in.top + Half(area - (4 * ch + kBlock4Spacing)), in.top + kBlockMinimumTop);
    for (std::size_t i = 1; i < f.block4.size(); ++i) f.block4[i] = f.block4[i - 1] + ch + kBlockLineGap;

    f.edge = in.width < kNarrowWidth ? kNarrowEdge : kEdge;
    if (in.stockRowInUse) {
        f.edge += in.shadowOffset;
        if (in.edgeExtra) f.edge += kEdgeExtra;
    }
    return f;
}

}  // namespace table
