#include "bars/popups/drop_down_list.h"

#include "bars/edits/drop_down.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/core/window_messages.h"
#include "platform/qt/classic_draw.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/logical_fonts.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/text_draw.h"
#include "platform/qt/timer_service_qt.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace bars {

namespace {
constexpr int kLineGap = 2;
}  // namespace

TcbBarDropDownListBox::TcbBarDropDownListBox() {
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                   Qt::X11BypassWindowManagerHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    // The line under the mouse is selected without a button down, as in a menu.
    setMouseTracking(true);
    SetListFont(platform::MenuFont());
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    m_scrollBar->hide();
    QObject::connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (value != m_topIndex) SetTopIndex(value);
    });
    platform::MessageRouter::Instance().Register(platform::HandleOf(this), [this](const platform::WindowMessage& m) {
        return Message(m.message, m.lParam);
    });
}

TcbBarDropDownListBox::~TcbBarDropDownListBox() {
    StopDragScroll();
    platform::MessageRouter::Instance().Unregister(platform::HandleOf(this));
    if (platform::GetCapture() == platform::HandleOf(this)) platform::ReleaseCapture();
}

std::intptr_t TcbBarDropDownListBox::Message(unsigned message, std::intptr_t lParam) {
    switch (message) {
    case platform::WM_CAPTURECHANGED: CaptureChanged(); return 0;
    case platform::WM_NCHITTEST: {
        // The frame is the non-client part.
        const QPoint p = mapFromGlobal(QPoint(platform::LowWord(lParam), platform::HighWord(lParam)));
        const bool client = p.x() >= kFrame && p.x() < width() - kFrame && p.y() >= kFrame && p.y() < height() - kFrame;
        return client ? platform::HTCLIENT : platform::HTBORDER;
    }
    default: return 0;
    }
}

void TcbBarDropDownListBox::SetItems(std::vector<std::string> items) {
    m_items = std::move(items);
    m_itemIndex = std::min(m_itemIndex, static_cast<int>(m_items.size()) - 1);
    m_topIndex = 0;
    UpdateScrollBar();
    Paint();
}

void TcbBarDropDownListBox::SetListFont(const platform::CanvasFont& font) {
    m_font = font;
    m_font.colour = platform::clWindowText;
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Canvas canvas(scratch);
    canvas.SetFont(m_font);
    m_itemHeight = canvas.TextHeight("0") + kLineGap;
}

int TcbBarDropDownListBox::VisibleLines() const {
    return std::max(1, (height() - 2 * kFrame) / std::max(1, m_itemHeight));
}

int TcbBarDropDownListBox::LinesRight() const {
    return width() - kFrame - (m_scrollBar->isVisibleTo(this) ? m_scrollBar->width() : 0);
}

void TcbBarDropDownListBox::UpdateScrollBar() {
    const int count = static_cast<int>(m_items.size());
    const int lines = VisibleLines();
    if (count <= lines) {
        m_scrollBar->hide();
        return;
    }
    const int breadth = platform::SystemMetric(platform::SM_CXVSCROLL);
    m_scrollBar->setGeometry(width() - kFrame - breadth, kFrame, breadth, height() - 2 * kFrame);
    const QSignalBlocker quiet(m_scrollBar);
    m_scrollBar->setRange(0, count - lines);
    m_scrollBar->setPageStep(lines);
    m_scrollBar->setValue(m_topIndex);
    m_scrollBar->show();
}

void TcbBarDropDownListBox::SetTopIndex(int index) {
    const int last = std::max(0, static_cast<int>(m_items.size()) - VisibleLines());
    m_topIndex = std::clamp(index, 0, last);
    if (m_scrollBar->value() != m_topIndex) {
        const QSignalBlocker quiet(m_scrollBar);
        m_scrollBar->setValue(m_topIndex);
    }
    Paint();
}

void TcbBarDropDownListBox::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(m_items.size()) || index == m_itemIndex) return;
    m_itemIndex = index;
    if (index >= 0 && index < m_topIndex) SetTopIndex(index);
    if (index >= m_topIndex + VisibleLines()) SetTopIndex(index - VisibleLines() + 1);
    Paint();
    if (OnSelectionChange) OnSelectionChange(index);
}

void TcbBarDropDownListBox::DropDown(platform::Point screen, int width, int visibleLines) {
    const int lines = std::clamp(visibleLines, 1, std::max(1, static_cast<int>(m_items.size())));
    setGeometry(screen.x, screen.y, width, lines * m_itemHeight + 2 * kFrame);
    UpdateScrollBar();
    show();
    platform::WindowList::Instance().BringToTop(this);
    Paint();
}

void TcbBarDropDownListBox::TrackMouse() {
    if (!isVisible()) return;
    platform::SetCapture(platform::HandleOf(this));
    m_openingClick = true;
}

int TcbBarDropDownListBox::IndexAt(platform::Point client) const {
    if (client.x < kFrame || client.x >= LinesRight() || client.y < kFrame || client.y >= height() - kFrame)
        return -1;
    const int index = m_topIndex + (client.y - kFrame) / m_itemHeight;
    return index < static_cast<int>(m_items.size()) ? index : -1;
}

void TcbBarDropDownListBox::CaptureChanged() { m_openingClick = false; }

void TcbBarDropDownListBox::MouseMove(platform::Point client) {
    // The click that opened the list becomes the list's own once the mouse enters it.
    if (m_openingClick && IndexAt(client) >= 0) {
        m_openingClick = false;
        LButtonDown(client);
    }
    if (const int index = IndexAt(client); index >= 0) {
        StopDragScroll();
        SetItemIndex(index);
        return;
    }
    if (m_dragging) DragScroll(client);
}

void TcbBarDropDownListBox::LButtonDown(platform::Point client) {
    if (const int index = IndexAt(client); index >= 0) {
        m_dragging = true;
        SetItemIndex(index);
    }
}

void TcbBarDropDownListBox::DragScroll(platform::Point client) {
    const bool above = client.y < kFrame;
    const bool below = client.y >= height() - kFrame;
    if (!above && !below) {
        StopDragScroll();
        return;
    }
    const int top = m_topIndex + (above ? -1 : 1);
    SetTopIndex(top);
    SetItemIndex(above ? m_topIndex : std::min(static_cast<int>(m_items.size()), m_topIndex + VisibleLines()) - 1);
    // Held still past the edge, the list goes on scrolling.
    if (m_dragTimer == 0)
        m_dragTimer = platform::Timers().SetTimer(kAutoScrollMs, [this](unsigned) {
            if (!m_dragging || !isVisible()) {
                StopDragScroll();
                return;
            }
            DragScroll(platform::ScreenToClient(this, platform::CursorPos()));
        });
}

void TcbBarDropDownListBox::StopDragScroll() {
    if (m_dragTimer != 0) platform::Timers().KillTimer(m_dragTimer);
    m_dragTimer = 0;
}

void TcbBarDropDownListBox::Wheel(int notches) { SetTopIndex(m_topIndex - notches * kWheelLines); }

void TcbBarDropDownListBox::LButtonUp() {
    m_dragging = false;
    StopDragScroll();
    if (m_openingClick) {
        m_openingClick = false;
        platform::ReleaseCapture();
        return;
    }
    if (m_itemIndex != -1 && OnChoose) OnChoose(m_itemIndex);
}

bool TcbBarDropDownListBox::KeyDown(int key) {
    // With nothing selected the top line is taken first, then the key does its part.
    if (m_itemIndex == -1 && !m_items.empty()) SetItemIndex(m_topIndex);
    if (m_itemIndex == -1) return false;
    if (key == platform::VK_RETURN) {
        if (OnChoose) OnChoose(m_itemIndex);
        return true;
    }
    const int count = static_cast<int>(m_items.size());
    const int index = ListKeyStep(key, m_itemIndex, m_topIndex, count, VisibleLines() - 1);
    if (index >= 0) SetItemIndex(index);
    return index >= 0;
}

void TcbBarDropDownListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) LButtonDown(platform::EventPoint(*event));
}

void TcbBarDropDownListBox::mouseMoveEvent(QMouseEvent* event) { MouseMove(platform::EventPoint(*event)); }

void TcbBarDropDownListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) LButtonUp();
}

void TcbBarDropDownListBox::wheelEvent(QWheelEvent* event) {
    constexpr int kNotch = 120;
    if (const int notches = event->angleDelta().y() / kNotch; notches != 0) Wheel(notches);
    event->accept();
}

void TcbBarDropDownListBox::hideEvent(QHideEvent* event) {
    m_dragging = false;
    StopDragScroll();
    QWidget::hideEvent(event);
}

void TcbBarDropDownListBox::Paint() {
    if (width() <= 0 || height() <= 0) return;
    m_surface = QImage(width(), height(), QImage::Format_RGB32);
    platform::Canvas canvas(m_surface);
    platform::Rect frame{0, 0, width(), height()};
    canvas.FillSolidRect(frame, platform::SystemColour(platform::COLOR_WINDOW));
    platform::DrawEdge(canvas, frame, platform::EDGE_RAISED, platform::BF_RECT);
    canvas.SetFont(m_font);
    const int last = std::min(static_cast<int>(m_items.size()), m_topIndex + VisibleLines());
    for (int i = m_topIndex; i < last; ++i) {
        platform::Rect line{kFrame, kFrame + (i - m_topIndex) * m_itemHeight, LinesRight(),
                            kFrame + (i - m_topIndex + 1) * m_itemHeight};
        const bool selected = i == m_itemIndex;
        if (OnDrawItem) {
            OnDrawItem(canvas, i, line, selected);
            continue;
        }
        canvas.FillSolidRect(line, platform::SystemColour(selected ? platform::COLOR_HIGHLIGHT : platform::COLOR_WINDOW));
        canvas.SetFontColour(selected ? platform::clHighlightText : platform::clWindowText);
        platform::Rect text{line.left + 2, line.top, line.right, line.bottom};
        platform::DrawText(canvas, m_items[static_cast<std::size_t>(i)], text,
                           platform::DT_LEFT | platform::DT_VCENTER | platform::DT_SINGLELINE | platform::DT_NOPREFIX);
    }
    update();
}

void TcbBarDropDownListBox::paintEvent(QPaintEvent*) {
    if (m_surface.size() != size()) Paint();
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

}  // namespace bars
