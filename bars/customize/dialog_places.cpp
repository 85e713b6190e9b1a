#include "bars/customize/dialog_places.h"

#include <QFontMetrics>
#include <QRect>
#include <QWidget>

#include <algorithm>

namespace bars {

namespace {
// The window menu icon and three caption buttons of a window manager's frame, with their
// margins.
constexpr int kCaptionButtonsWidth = 104;
}  // namespace

platform::Point PlaceBesideDialog(const platform::Rect& dialog, platform::Size frame, const platform::Rect& work) {
    int x = dialog.right + kBesideDialogGap;
    if (x + frame.width > work.right) x = dialog.left - kBesideDialogGap - frame.width;
    x = std::max(work.left, std::min(x, work.right - frame.width));
    const int y = std::max(work.top, std::min(dialog.top, work.bottom - frame.height));
    return {x, y};
}

platform::Rect ScreenRectOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

int CaptionWidth(const QWidget& window) {
    // Window managers draw captions bold.
    QFont font = window.font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kCaptionButtonsWidth;
}

}  // namespace bars
