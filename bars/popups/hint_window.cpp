#include "bars/popups/hint_window.h"

#include "bars/manager/bar_manager.h"
#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"
#include "platform/qt/classic_draw.h"
#include "platform/qt/logical_fonts.h"
#include "platform/qt/text_draw.h"
#include "platform/qt/window_list.h"
#include "platform/qt/work_area.h"

#include <QPainter>

#include <algorithm>
#include <sstream>

namespace bars {

namespace {

constexpr unsigned kTextFormat = platform::DT_LEFT | platform::DT_NOPREFIX | platform::DT_NOCLIP;

}  // namespace

TcbBarHintWindow::TcbBarHintWindow() {
    // A disabled window: a click on it goes to the window below, a menu entry it lies over.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                   Qt::X11BypassWindowManagerHint | Qt::WindowTransparentForInput);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

std::vector<std::string> TcbBarHintWindow::WrapLines(const std::string& text, const platform::CanvasFont& font,
                                                     int width) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Canvas canvas(scratch);
    canvas.SetFont(font);
    std::vector<std::string> lines;
    std::istringstream paragraphs(text);
    for (std::string paragraph; std::getline(paragraphs, paragraph);) {
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
        std::istringstream words(paragraph);
        std::string line;
        for (std::string word; words >> word;) {
            const std::string longer = line.empty() ? word : line + ' ' + word;
            if (!line.empty() && canvas.TextWidth(longer) > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = longer;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

void TcbBarHintWindow::ActivateHint(platform::Point point, const std::string& text, const TcbBarManager& manager) {
    m_text = text;
    m_font = manager.UseSystemFont() ? platform::StatusFont() : manager.Font();
    m_font.colour = platform::clInfoText;
    const platform::Rect work = platform::WorkArea(point);
    m_lines = WrapLines(text, m_font, work.Width());
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Canvas canvas(scratch);
    canvas.SetFont(m_font);
    int width = 0;
    for (const std::string& line : m_lines) width = std::max(width, canvas.TextWidth(line));
    const int lineHeight = canvas.TextHeight("0");
    width += kExtra;
    const int height = lineHeight * static_cast<int>(m_lines.size()) + kExtra;

    int left = point.x, top = point.y;
    if (left + width > work.right) left = work.right - width;
    if (top + height > work.bottom) top = point.y - kRaiseAboveBottom;
    left = std::max(left, work.left);
    top = std::max(top, work.top);
    setGeometry(left, top, width, height);
    Paint();
    show();
    platform::WindowList::Instance().BringToTop(this);
}

void TcbBarHintWindow::Paint() {
    if (width() <= 0 || height() <= 0) return;
    m_surface = QImage(width(), height(), QImage::Format_RGB32);
    platform::Canvas canvas(m_surface);
    platform::Rect rect{0, 0, width(), height()};
    canvas.FillSolidRect(rect, platform::SystemColour(platform::COLOR_INFOBK));
    platform::DrawEdge(canvas, rect, platform::BDR_RAISEDOUTER, platform::BF_RECT);
    canvas.SetFont(m_font);
    const int lineHeight = canvas.TextHeight("0");
    // Inside the edge, then two more pixels at the left and top.
    platform::Rect text{1 + 2, 1 + 2, width() - 1, height() - 1};
    for (const std::string& line : m_lines) {
        platform::Rect lineRect = text;
        platform::DrawText(canvas, line, lineRect, kTextFormat);
        text.top += lineHeight;
    }
    update();
}

void TcbBarHintWindow::paintEvent(QPaintEvent*) {
    if (m_surface.size() != size()) Paint();
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

}  // namespace bars
