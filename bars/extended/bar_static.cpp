#include "bars/extended/bar_static.h"

#include "bars/extended/extended_support.h"
#include "bars/services/captions.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"

namespace bars {

bool TcbBarStaticControl::RotatedVertical() const { return IsRotatedVertical(*this); }

int TcbBarStaticControl::Length() const {
    const TCustomcbBarControl* window = BarWindowOf(*this);
    const int itemHeight = window ? window->ItemHeight() : 0;
    const int text = TextSizeIn(FontOf(*this), StripAccelerators(GetCaption())).width;
    return text + (IsInMenu(*this) ? 2 * itemHeight : itemHeight / 2);
}

int TcbBarStaticControl::GetWidth() const {
    const TCustomcbBarControl* window = BarWindowOf(*this);
    return RotatedVertical() ? (window ? window->ItemHeight() : 0) : Length();
}

int TcbBarStaticControl::GetHeight() const {
    const TCustomcbBarControl* window = BarWindowOf(*this);
    return RotatedVertical() ? Length() : (window ? window->ItemHeight() : 0);
}

void TcbBarStaticControl::Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    // The bar's own background: the lighter shade among a personalized menu's rare entries.
    canvas.FillSolidRect(rect, Background());
    canvas.SetFont(FontOf(*this));
    const bool turned = place == 2 && RotatedVertical();
    const platform::Rect text = turned ? rect : platform::Rect{rect.left + 2, rect.top, rect.right, rect.bottom};
    DrawCaption(canvas, GetCaption(), text, turned ? CaptionAlignment::Centre : CaptionAlignment::Left, GetEnabled(),
                false, turned);
}

}  // namespace bars
