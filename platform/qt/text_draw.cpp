#include "platform/qt/text_draw.h"

#include "platform/qt/canvas.h"

#include <QImage>

#include <optional>

namespace platform {

namespace {

constexpr char kPrefix = '&';
constexpr std::string_view kEllipsis = "...";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The text cut to whole characters so that it and the ellipsis fit the width.
std::string WithEllipsis(const Canvas& canvas, const std::string& text, int width) {
    std::size_t length = text.size();
    while (length > 0) {
        do {
            --length;
        } while (length > 0 && IsContinuationByte(text[length]));
        const std::string candidate = text.substr(0, length) + std::string(kEllipsis);
        if (canvas.TextWidth(candidate) <= width) return candidate;
    }
    return std::string(kEllipsis);
}

}  // namespace

PrefixedText ResolvePrefix(std::string_view text) {
    PrefixedText result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != kPrefix || i + 1 == text.size()) {
            result.text += text[i];
            continue;
        }
        ++i;  // the "&" goes; the character after it stays
        if (text[i] != kPrefix) result.underline = static_cast<int>(result.text.size());
        result.text += text[i];
    }
    return result;
}

int DrawText(Canvas& canvas, std::string_view text, Rect& rect, unsigned format) {
    PrefixedText line = (format & DT_NOPREFIX) ? PrefixedText{std::string(text), -1} : ResolvePrefix(text);
    if ((format & DT_END_ELLIPSIS) && canvas.TextWidth(line.text) > rect.Width()) {
        line.text = WithEllipsis(canvas, line.text, rect.Width());
        if (line.underline >= static_cast<int>(line.text.size()) - static_cast<int>(kEllipsis.size())) line.underline = -1;
    }
    const Size extent = canvas.TextExtent(line.text);
    if (format & DT_CALCRECT) {
        rect.right = rect.left + extent.width;
        rect.bottom = rect.top + extent.height;
        return extent.height;
    }
    int x = rect.left;
    if (format & DT_CENTER)
        x = rect.left + (rect.Width() - extent.width) / 2;
    else if (format & DT_RIGHT)
        x = rect.right - extent.width;
    int y = rect.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = rect.top + (rect.Height() - extent.height) / 2;
        else if (format & DT_BOTTOM)
            y = rect.bottom - extent.height;
    }

    // Clipping: draw on a copy of the rectangle's pixels and put them back.
    Canvas* target = &canvas;
    QImage clip;
    std::optional<Canvas> clipCanvas;
    Point origin{0, 0};
    if (!(format & DT_NOCLIP)) {
        if (rect.Width() <= 0 || rect.Height() <= 0) return extent.height;
        clip = canvas.Image().copy(rect.left, rect.top, rect.Width(), rect.Height());
        clipCanvas.emplace(clip);
        clipCanvas->SetFont(canvas.Font());
        target = &*clipCanvas;
        origin = {rect.left, rect.top};
    }
    const CanvasBrush brush = target->Brush();
    target->SetBrushStyle(BrushStyle::Clear);
    target->TextOut(x - origin.x, y - origin.y, line.text);
    if (line.underline >= 0 && !(format & DT_HIDEPREFIX)) {
        const auto index = static_cast<std::size_t>(line.underline);
        std::size_t end = index + 1;
        while (end < line.text.size() && IsContinuationByte(line.text[end])) ++end;
        const int left = x + target->TextWidth(line.text.substr(0, index));
        const int right = x + target->TextWidth(line.text.substr(0, end));
        const int baseline = y + target->FontAscent() + 1;
        target->FillSolidRect({left - origin.x, baseline - origin.y, right - origin.x, baseline + 1 - origin.y},
                              target->Font().colour);
    }
    target->SetBrush(brush);
    if (clipCanvas) canvas.BlockCopy(rect.left, rect.top, clip.width(), clip.height(), clip, 0, 0);
    return extent.height;
}

}  // namespace platform
