#include "bars/services/captions.h"

#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"
#include "platform/qt/text_draw.h"

#include <algorithm>
#include <vector>

namespace bars {

namespace {

using platform::Colour;
using platform::SystemColour;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// One pass of a caption in one colour, shifted by the offset.
struct CaptionPass {
    Colour colour;
    int offset;
};

void DrawFlat(Canvas& canvas, std::string_view caption, const Rect& rect, CaptionAlignment alignment, int offset) {
    static constexpr unsigned kAlignments[] = {platform::DT_LEFT, platform::DT_CENTER, platform::DT_RIGHT};
    Rect r{rect.left + offset, rect.top + offset, rect.right + offset, rect.bottom + offset};
    platform::DrawText(canvas, caption, r,
                       platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_NOCLIP |
                           kAlignments[static_cast<int>(alignment)]);
}

// Turned text reads from top to bottom (negative escapement) or from bottom to top; its cell
// lies left of the starting point in the first case and right of it in the second.
void DrawTurned(Canvas& canvas, std::string_view caption, const Rect& rect, CaptionAlignment alignment, int offset) {
    const std::string text = StripAccelerators(caption);
    const int length = canvas.TextWidth(text);
    const int breadth = canvas.TextHeight(text);
    const bool downwards = canvas.Font().escapement < 0;
    int along = 0;
    switch (alignment) {
        case CaptionAlignment::Left: along = 0; break;
        case CaptionAlignment::Centre: along = (rect.Height() - length) / 2; break;
        case CaptionAlignment::Right: along = rect.Height() - length; break;
    }
    const int across = (rect.Width() - breadth) / 2;
    const int x = rect.left + across + (downwards ? breadth : 0) + offset;
    const int y = (downwards ? rect.top + along : rect.bottom - along) + offset;
    const platform::CanvasBrush brush = canvas.Brush();
    canvas.SetBrushStyle(platform::BrushStyle::Clear);
    canvas.TextOut(x, y, text);
    canvas.SetBrush(brush);
    const int accelerator = AcceleratorPosition(caption);
    if (accelerator == 0) return;
    // Beside the character, on the side below its baseline.
    const std::size_t index = static_cast<std::size_t>(accelerator - 1);
    std::size_t end = index + 1;
    while (end < text.size() && IsContinuationByte(text[end])) ++end;
    const int from = canvas.TextWidth(text.substr(0, index));
    const int to = canvas.TextWidth(text.substr(0, end));
    const int below = canvas.FontAscent() + 1;
    const Colour colour = canvas.Font().colour;
    if (downwards)
        canvas.FillSolidRect({x - below, y + from, x - below + 1, y + to}, colour);
    else
        canvas.FillSolidRect({x + below, y - to, x + below + 1, y - from}, colour);
}

}  // namespace

std::string StripAccelerators(std::string_view caption) { return platform::ResolvePrefix(caption).text; }

int AcceleratorPosition(std::string_view caption) { return platform::ResolvePrefix(caption).underline + 1; }

std::string FitText(const Canvas& canvas, std::string_view text, int width) {
    std::size_t fitting = 0;
    for (std::size_t end = 1; end <= text.size(); ++end) {
        if (end < text.size() && IsContinuationByte(text[end])) continue;  // whole characters only
        if (canvas.TextWidth(text.substr(0, end)) > width) break;
        fitting = end;
    }
    return std::string(text.substr(0, fitting));
}

void DrawCaption(Canvas& canvas, std::string_view caption, const Rect& rect, CaptionAlignment alignment, bool enabled,
                 bool selected, bool rotated) {
    std::vector<CaptionPass> passes;
    if (enabled)
        passes.push_back({SystemColour(selected ? platform::COLOR_HIGHLIGHTTEXT : platform::COLOR_BTNTEXT), 0});
    else if (selected)
        passes.push_back({SystemColour(platform::COLOR_GRAYTEXT), 0});
    else
        passes = {{SystemColour(platform::COLOR_BTNHIGHLIGHT), 1}, {SystemColour(platform::COLOR_BTNSHADOW), 0}};
    const Colour before = canvas.Font().colour;
    for (const CaptionPass& pass : passes) {
        canvas.SetFontColour(pass.colour);
        if (rotated)
            DrawTurned(canvas, caption, rect, alignment, pass.offset);
        else
            DrawFlat(canvas, caption, rect, alignment, pass.offset);
    }
    canvas.SetFontColour(before);
}

int ClampWidth(int width) { return std::clamp(width, kMinItemWidth, kMaxItemWidth); }

}  // namespace bars
