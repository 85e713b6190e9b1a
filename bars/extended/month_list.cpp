#include "bars/extended/month_list.h"

#include "bars/extended/calendar_dates.h"
#include "bars/popups/framework_timers.h"
#include "platform/core/system_colours.h"
#include "platform/core/timer_service.h"
#include "platform/qt/canvas.h"

#include <QLocale>
#include <QPainter>

namespace bars {

TAMonthListBox::TAMonthListBox(int shownMonth, int rowHeight, int width, const platform::CanvasFont& font)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      m_topMonth(AddMonths(FirstOfMonth(shownMonth), -kShownMonths / 2)),
      m_rowHeight(rowHeight),
      m_hot(kNoDate),
      m_font(font) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(width, rowHeight * kShownMonths + 2);
    Repaint();
}

TAMonthListBox::~TAMonthListBox() { StopScroll(); }

unsigned TAMonthListBox::ScrollInterval(int distance, int rowHeight) {
    if (distance <= 0) return 0;
    if (distance <= rowHeight) return 500;
    if (distance <= 2 * rowHeight) return 250;
    return 100;
}

void TAMonthListBox::MouseMoveTo(platform::Point p) {
    const int bottom = height();
    const int distance = p.y < 0 ? -p.y : (p.y >= bottom ? p.y - bottom + 1 : 0);
    const unsigned interval = ScrollInterval(distance, m_rowHeight);
    if (interval == 0) {
        StopScroll();
        const int row = (p.y - 1) / m_rowHeight;
        const bool inside = p.x >= 0 && p.x < width() && row >= 0 && row < kShownMonths;
        const int hot = inside ? AddMonths(m_topMonth, row) : kNoDate;
        if (hot != m_hot) {
            m_hot = hot;
            Repaint();
        }
        return;
    }
    m_hot = kNoDate;
    m_scrollBy = p.y < 0 ? -1 : 1;
    if (interval == m_interval && m_timer != 0) return;
    StopScroll();
    m_interval = interval;
    m_timer = FrameworkTimers().SetTimer(interval, [this](unsigned) { Scroll(m_scrollBy); });
    Scroll(m_scrollBy);
}

void TAMonthListBox::Scroll(int by) {
    m_topMonth = AddMonths(m_topMonth, by);
    Repaint();
}

void TAMonthListBox::StopScroll() {
    if (m_timer != 0)
        if (platform::ITimerService* timers = platform::InstalledTimerService()) timers->KillTimer(m_timer);
    m_timer = 0;
    m_interval = 0;
}

void TAMonthListBox::Repaint() {
    m_surface = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    platform::Canvas canvas(m_surface);
    canvas.FillSolidRect({0, 0, width(), height()}, platform::SystemColour(platform::COLOR_WINDOW));
    canvas.SetFont(m_font);
    canvas.SetBrushStyle(platform::BrushStyle::Clear);
    const QLocale locale;
    for (int row = 0; row < kShownMonths; ++row) {
        const int month = AddMonths(m_topMonth, row);
        const CalendarDay day = DayOf(month);
        const bool hot = month == m_hot;
        const platform::Rect r{1, 1 + row * m_rowHeight, width() - 1, 1 + (row + 1) * m_rowHeight};
        canvas.FillSolidRect(r, platform::SystemColour(hot ? platform::COLOR_HIGHLIGHT : platform::COLOR_WINDOW));
        canvas.SetFontColour(platform::SystemColour(hot ? platform::COLOR_HIGHLIGHTTEXT : platform::COLOR_WINDOWTEXT));
        const std::string text = (locale.standaloneMonthName(day.month) + ' ' + QString::number(day.year)).toStdString();
        canvas.TextOut((width() - canvas.TextWidth(text)) / 2, r.top + (m_rowHeight - canvas.TextHeight(text)) / 2, text);
    }
    update();
}

void TAMonthListBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

}  // namespace bars
