#include "bars/windows/toolbar_frame.h"

namespace bars {

FrameInsets DockedInsets(bool vertical, int gripSize) {
    FrameInsets insets{kDockedInset, kDockedInset, kDockedInset, kDockedInset};
    (vertical ? insets.top : insets.left) += gripSize;
    return insets;
}

FrameInsets FloatingInsets(int frameWidth, int frameHeight, int smallCaptionHeight) {
    return {frameWidth + 4, frameHeight + smallCaptionHeight + 2, frameWidth + 4, frameHeight + 1};
}

platform::Rect ClientRect(platform::Size window, const FrameInsets& insets) {
    return {insets.left, insets.top, window.width - insets.right, window.height - insets.bottom};
}

std::vector<platform::Rect> GripBars(platform::Size window, bool vertical, bool standardStyle) {
    constexpr int kBarWidth = 3;
    const int start = kDockedInset + (standardStyle ? 2 : 1);
    const int shorten = standardStyle ? 0 : 1;
    std::vector<platform::Rect> bars;
    for (int n = 0; n < (standardStyle ? 2 : 1); ++n) {
        const int along = start + n * kBarWidth;
        if (vertical)
            bars.push_back({kDockedInset + shorten, along, window.width - kDockedInset - shorten, along + kBarWidth});
        else
            bars.push_back({along, kDockedInset + shorten, along + kBarWidth, window.height - kDockedInset - shorten});
    }
    return bars;
}

platform::Rect CaptionStrip(platform::Size window, int frameWidth, int frameHeight, int smallCaptionHeight) {
    return {frameWidth, frameHeight, window.width - frameWidth, frameHeight + smallCaptionHeight};
}

platform::Rect CaptionCloseButton(const platform::Rect& caption, platform::Size button) {
    const int top = caption.top + (caption.Height() - button.height) / 2;
    return {caption.right - 2 - button.width, top, caption.right - 2, top + button.height};
}

SizingEdge FloatingSizingEdge(platform::Size window, platform::Point p, int frameWidth, int frameHeight) {
    if (p.x < 0 || p.y < 0 || p.x >= window.width || p.y >= window.height) return SizingEdge::None;
    const bool left = p.x < frameWidth, right = p.x >= window.width - frameWidth;
    const bool top = p.y < frameHeight, bottom = p.y >= window.height - frameHeight;
    if (top) return SizingEdge::Top;
    if (bottom) return SizingEdge::Bottom;
    if (left) return SizingEdge::Left;
    if (right) return SizingEdge::Right;
    return SizingEdge::None;
}

platform::Point ScaleGrabOffset(platform::Point offset, platform::Size oldSize, platform::Size newSize) {
    auto mulDiv = [](int a, int b, int c) {
        if (c == 0) return 0;
        const long long product = static_cast<long long>(a) * b;
        // Rounded to the nearest, halves away from zero.
        const long long half = (c > 0 ? c : -c) / 2;
        return static_cast<int>((product + (product >= 0 ? half : -half)) / c);
    };
    return {mulDiv(newSize.width, offset.x, oldSize.width), mulDiv(newSize.height, offset.y, oldSize.height)};
}

platform::Rect KeepReachable(const platform::Rect& window, const platform::Rect& work) {
    platform::Rect r = window;
    auto shift = [&](int dx, int dy) { r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; };
    if (r.right <= work.left) shift(work.left - r.left, 0);
    if (r.bottom <= work.top) shift(0, work.top - r.top);
    if (r.left >= work.right) shift(work.right - r.right, 0);
    if (r.top >= work.bottom) shift(0, work.bottom - r.bottom);
    return r;
}

}  // namespace bars
