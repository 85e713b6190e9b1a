#include "bars/extended/extended_support.h"

#include "bars/controls/item_control.h"

#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/toolbars/bar.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"

#include <QImage>

namespace bars {

TCustomcbBarControl* BarWindowOf(const TcbBarItemControl& control) {
    return dynamic_cast<TCustomcbBarControl*>(control.BarWindow());
}

bool IsInMenu(const TcbBarItemControl& control) { return control.BarWindow() && control.BarWindow()->IsMenu(); }

bool IsRotatedVertical(const TcbBarItemControl& control) { return control.Link().InRotatedVerticalBar(); }

platform::CanvasFont FontOf(const TcbBarItemControl& control) {
    if (const TCustomcbBarControl* window = BarWindowOf(control)) return window->FontHandle();
    return control.Manager() ? control.Manager()->Font() : platform::CanvasFont{};
}

platform::Size TextSizeIn(const platform::CanvasFont& font, std::string_view text) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Canvas canvas(scratch);
    canvas.SetFont(font);
    return canvas.TextExtent(text);
}

platform::Colour FillListEntry(platform::Canvas& canvas, const platform::Rect& rect, bool selected) {
    canvas.FillSolidRect(rect, platform::SystemColour(selected ? platform::COLOR_HIGHLIGHT : platform::COLOR_WINDOW));
    // The entry's text goes onto this fill, not onto a box of the canvas's brush.
    canvas.SetBrushStyle(platform::BrushStyle::Clear);
    return platform::SystemColour(selected ? platform::COLOR_HIGHLIGHTTEXT : platform::COLOR_WINDOWTEXT);
}

void FrameRectIn(platform::Canvas& canvas, const platform::Rect& r, platform::Colour colour) {
    canvas.FillSolidRect({r.left, r.top, r.right, r.top + 1}, colour);
    canvas.FillSolidRect({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    canvas.FillSolidRect({r.left, r.top, r.left + 1, r.bottom}, colour);
    canvas.FillSolidRect({r.right - 1, r.top, r.right, r.bottom}, colour);
}

}  // namespace bars
