// Drawing of a toolbar window: its frame, links, separators, end mark and caption button.
#include "bars/windows/toolbar_window.h"

#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/services/framework_services.h"
#include "bars/toolbars/bar.h"
#include "bars/windows/toolbar_paint.h"
#include "platform/core/system_colours.h"
#include "platform/qt/classic_draw.h"

namespace bars {

namespace {
bool IsVertical(TcbBarDockingStyle side) { return side == dsLeft || side == dsRight; }
}  // namespace

// ---- painting -------------------------------------------------------------------------

platform::Rect TcbBarControl::EndMarkRect() const {
    const platform::Rect client = ClientRect();
    const bool standard = Manager().Style() == bmsStandard;
    const platform::Size buttons = CaptionButtonsSize();
    if (IsVertical(m_dockingStyle)) {
        const int bottom = client.bottom - buttons.height;
        const int left = standard ? client.right - kStandardMarkBreadth : client.left;
        return {left, bottom - kEndMarkLength, client.right, bottom};
    }
    const int right = client.right - buttons.width;
    const int bottom = standard ? client.top + kStandardMarkBreadth : client.bottom;
    return {right - kEndMarkLength, client.top, right, bottom};
}

platform::Rect TcbBarControl::CloseButtonRect() const {
    return CaptionCloseButton(CaptionStrip({width(), height()}, FrameWidth(), FrameHeight(), SmallCaptionHeight()),
                              CaptionButtonSize());
}

void TcbBarControl::PaintFrame(platform::Canvas& canvas) {
    const FrameInsets insets = Insets();
    if (m_dockingStyle != dsNone) {
        DrawDockedFrame(canvas, {width(), height()}, insets, IsVertical(m_dockingStyle),
                        Manager().Style() == bmsStandard);
        return;
    }
    if (!m_captionPresent) {
        DrawFloatingFrame(canvas, {width(), height()}, insets, {}, {});
        return;
    }
    FloatingCaption caption;
    caption.text = m_bar.Caption();
    caption.endMark = ShowsEndMark();
    caption.closeButton = m_bar.CanClose();
    caption.closePressed = m_closePressed;
    caption.buttonSize = CaptionButtonSize();
    DrawFloatingFrame(canvas, {width(), height()}, insets,
                      CaptionStrip({width(), height()}, FrameWidth(), FrameHeight(), SmallCaptionHeight()), caption);
}

void TcbBarControl::PaintSeparators(platform::Canvas& canvas) {
    const bool floating = m_dockingStyle == dsNone;
    const bool vertical = IsVertical(m_dockingStyle);
    const platform::Rect client = ClientRect();
    int firstLineTop = -1;
    for (TcbBarItemLink* link : ItemLinks()->ShownLinks()) {
        const platform::Rect r = link->ItemRect();
        if (r.Width() <= 0 || r.Height() <= 0) continue;
        if (firstLineTop < 0) firstLineTop = r.top - (floating ? (link->RowHeight() - r.Height()) / 2 : 0);
        if (!link->BeginGroup()) continue;
        const int half = floating ? (link->RowHeight() - r.Height()) / 2 : 0;
        const bool onFirstLine = r.top - half == firstLineTop;
        if (!vertical && (r.left != 0 || onFirstLine)) {
            const int line = floating ? link->RowHeight() : client.Height();
            const int top = floating ? r.top - half : 0;
            DrawGroupSeparator(canvas, {r.left - kSeparatorStrip, top, r.left, top + line}, false);
        } else {
            const int top = r.top - half - kSeparatorStrip;
            DrawGroupSeparator(canvas, {0, top, client.Width(), top + kSeparatorStrip}, true);
        }
    }
}

void TcbBarControl::PaintClient(platform::Canvas& canvas) {
    TCustomcbBarControl::PaintClient(canvas);
    if (!ItemLinks()) return;
    CalcLayout();
    for (TcbBarItemLink* link : ItemLinks()->ShownLinks())
        if (TcbBarItemControl* control = link->Control(); control && link->ItemRect().Width() > 0)
            PrepareItemPaint(canvas, *control);
    PaintSeparators(canvas);
    if (HasEndMark())
        DrawEndMark(canvas, EndMarkRect(), static_cast<bars::MarkState>(m_markState), m_linksHidden,
                    Manager().Style() == bmsEnhanced, IsVertical(m_dockingStyle));
    PaintCaptionButtons(canvas);
}

}  // namespace bars
