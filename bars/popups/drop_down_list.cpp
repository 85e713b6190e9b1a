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
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"

#include <QMouseEvent>
#include <QPainter>

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
    platform::MessageRouter::Instance().Register(platform::HandleOf(this), [this](const platform::WindowMessage& m) {
        return Message(m.message, m.lParam);
    });
}

TcbBarDropDownListBox::~TcbBarDropDownListBox() {
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

void TcbBarDropDownListBox::SetTopIndex(int index) {
    const int last = std::max(0, static_cast<int>(m_items.size()) - VisibleLines());
    m_topIndex = std::clamp(index, 0, last);
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
    if (client.x < kFrame || client.x >= width() - kFrame || client.y < kFrame || client.y >= height() - kFrame)
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
    if (const int index = IndexAt(client); index >= 0) SetItemIndex(index);
}

void TcbBarDropDownListBox::LButtonDown(platform::Point client) {
    if (const int index = IndexAt(client); index >= 0) SetItemIndex(index);
}

void TcbBarDropDownListBox::LButtonUp() {
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
        platform::Rect line{kFrame, kFrame + (i - m_topIndex) * m_itemHeight, width() - kFrame,
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
