#include "bars/extended/bar_calendar.h"

#include "bars/extended/extended_support.h"
#include "bars/extended/month_list.h"
#include "bars/popups/framework_timers.h"
#include "platform/core/bar_strings.h"
#include "platform/core/system_colours.h"
#include "platform/core/timer_service.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/canvas.h"
#include "platform/qt/classic_draw.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace bars {

namespace {
using platform::SystemColour;
constexpr platform::Colour kTodayFrame = 0x000080;  // dark red

std::string BarText(int id) { return std::string(platform::BarString(id)); }
}  // namespace

// ---- base calendar --------------------------------------------------------------------

TcbBarCustomCalendar::TcbBarCustomCalendar(QWidget* parent) : QWidget(parent) {
    const int today = Today();
    m_firstDate = today;
    m_selStart = m_selFinish = today;
}

int TcbBarCustomCalendar::SelLower() const {
    return m_selFinish != kNoDate && m_selFinish <= m_selStart ? m_selFinish : m_selStart;
}

int TcbBarCustomCalendar::SelUpper() const { return std::max(m_selStart, m_selFinish); }

void TcbBarCustomCalendar::SetBorder(bool value) {
    m_border = value;
    Repaint();
}

void TcbBarCustomCalendar::SetFirstDate(int value) { m_firstDate = std::clamp(value, kFirstValidDate, kLastValidDate); }

void TcbBarCustomCalendar::SelectDate(int date) {
    if (date != kNoDate && !IsValidDate(date)) return;
    m_selStart = date;
    m_selFinish = kNoDate;
    SetSelFinish(date);
}

void TcbBarCustomCalendar::SetSelFinish(int date) {
    if (date == m_selFinish || (date != kNoDate && !IsValidDate(date))) return;
    MakeSelectionVisible();
    m_selFinish = date;
    if (dynamic_cast<TcbBarDateNavigator*>(this)) m_selStart = date;
    MakeSelectionVisible();
    Repaint();
}

void TcbBarCustomCalendar::RestoreSelection(int recorded) {
    if (recorded == kNoDate || recorded == SelUpper()) return;
    const int before = m_selFinish;
    SetSelFinish(recorded);
    if (m_selFinish == before) Repaint();
}

void TcbBarCustomCalendar::DateChosen() {
    if (OnDateChosen) OnDateChosen(*this);
}

void TcbBarCustomCalendar::LButtonDown(platform::Point p, bool doubleClick) {
    m_pressWasDouble = doubleClick;
    m_tracking = true;
    if (doubleClick) return;
    m_recordedLower = SelLower();
    const int date = DateAtPos(p);
    if (date != kNoDate) SelectDate(date);
}

void TcbBarCustomCalendar::MouseMove(platform::Point p, bool leftDown) {
    if (!leftDown || !m_tracking) return;
    const int date = DateAtPos(p);
    if (date != kNoDate)
        SetSelFinish(date);
    else if (!InClient(p))
        RestoreSelection(m_recordedLower);
    Repaint();
}

void TcbBarCustomCalendar::LButtonUp(platform::Point, bool) { m_tracking = false; }

void TcbBarCustomCalendar::CancelTracking() {
    if (m_tracking) LButtonUp({-1, -1}, false);
}

void TcbBarCustomCalendar::Repaint() {
    const platform::Point client = ClientSize();
    QImage clientImage(std::max(1, client.x), std::max(1, client.y), QImage::Format_RGB32);
    {
        platform::Canvas canvas(clientImage);
        Paint(canvas);
    }
    m_surface = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    if (FrameInset() > 0) {
        platform::Canvas canvas(m_surface);
        platform::Rect frame{0, 0, width(), height()};
        if (const int dialog = DialogFrame(); dialog > 0) {
            // A raised edge, then button face up to the frame's width.
            canvas.FillSolidRect(frame, SystemColour(platform::COLOR_BTNFACE));
            platform::DrawEdge(canvas, frame, platform::EDGE_RAISED, platform::BF_RECT);
            frame = {dialog, dialog, width() - dialog, height() - dialog};
        }
        const int inset = FrameInset() - DialogFrame();
        platform::DrawEdge(canvas, frame, inset == 1 ? platform::BDR_SUNKENOUTER : platform::EDGE_SUNKEN, platform::BF_RECT);
    }
    QPainter(&m_surface).drawImage(FrameInset(), FrameInset(), clientImage);
    update();
}

void TcbBarCustomCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

void TcbBarCustomCalendar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const platform::Point p = platform::EventPoint(*event);
    LButtonDown({p.x - FrameInset(), p.y - FrameInset()}, false);
}

void TcbBarCustomCalendar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const platform::Point p = platform::EventPoint(*event);
    LButtonDown({p.x - FrameInset(), p.y - FrameInset()}, true);
}

void TcbBarCustomCalendar::mouseMoveEvent(QMouseEvent* event) {
    const platform::Point p = platform::EventPoint(*event);
    MouseMove({p.x - FrameInset(), p.y - FrameInset()}, (event->buttons() & Qt::LeftButton) != 0);
}

void TcbBarCustomCalendar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const platform::Point p = platform::EventPoint(*event);
    LButtonUp({p.x - FrameInset(), p.y - FrameInset()}, m_pressWasDouble);
}

// ---- navigator ------------------------------------------------------------------------

TcbBarDateNavigator::TcbBarDateNavigator(QWidget* parent) : TcbBarCustomCalendar(parent) {
    hide();
    resize(20, 20);
    TcbBarCustomCalendar::SetFirstDate(FirstOfMonth(Today()));
    CalcMetrics();
}

TcbBarDateNavigator::~TcbBarDateNavigator() { StopTimer(); }

void TcbBarDateNavigator::SetDropDownMode(bool value) {
    if (value == m_dropDownMode) return;
    m_dropDownMode = value;
    if (value) {
        setParent(nullptr);
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
    UpdateSize();
}

int TcbBarDateNavigator::DialogFrame() const {
    return m_dropDownMode ? platform::SystemMetric(platform::SM_CXDLGFRAME) : 0;
}

void TcbBarDateNavigator::SetShowToday(bool value) {
    m_showToday = value;
    UpdateSize();
}

void TcbBarDateNavigator::SetShowClear(bool value) {
    m_showClear = value;
    UpdateSize();
}

void TcbBarDateNavigator::SetFirstDay(int value) {
    m_firstDay = std::clamp(value, 0, 6);
    Repaint();
}

void TcbBarDateNavigator::SetCalendarFont(const platform::CanvasFont& font) {
    m_font = font;
    m_font.colour = SystemColour(platform::COLOR_WINDOWTEXT);
    CalcMetrics();
}

void TcbBarDateNavigator::SetBorder(bool value) {
    TcbBarCustomCalendar::SetBorder(value);
    CalcMetrics();
}

void TcbBarDateNavigator::CalcMetrics() {
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Canvas canvas(scratch);
    canvas.SetFont(m_font);
    const platform::Size zero = canvas.TextExtent("0");
    Metrics& m = m_metrics;
    m.columnWidth = 3 * zero.width;
    m.sideMargin = 2 * zero.width;
    m.rowHeight = zero.height + 2;
    m.headerHeight = m.rowHeight + 2 + (Border() ? 1 : 0);
    m.dayNameHeight = m.rowHeight + 1;
    m.todayWidth = canvas.TextWidth(BarText(platform::bar_string::kToday)) + m.columnWidth;
    m.clearWidth = canvas.TextWidth(BarText(platform::bar_string::kClear)) + m.columnWidth;
    m.buttonGap = m_font.size / 2;
    m.buttonHeight = static_cast<int>(std::lround(m_font.size * 5.0 / 2.0));
    m.stripHeight = m_font.size * 3 / 4 + m.buttonGap + m.buttonHeight;
    UpdateSize();
}

platform::Size TcbBarDateNavigator::WantedSize() const {
    const Metrics& m = m_metrics;
    const int frame = 2 * FrameInset();
    const int b = Border() ? 0 : 1;
    int h = frame + b + m.headerHeight + m.dayNameHeight + 6 * m.rowHeight + 1;
    if (HasButtonStrip()) h += m.stripHeight;
    return {frame + 2 * m.sideMargin + 7 * m.columnWidth, h};
}

void TcbBarDateNavigator::UpdateSize() {
    const platform::Size size = WantedSize();
    resize(size.width, size.height);
    Repaint();
}

int TcbBarDateNavigator::FirstShownDate() const { return bars::FirstShownDate(FirstDate(), m_firstDay); }

void TcbBarDateNavigator::SetFirstDate(int value) { TcbBarCustomCalendar::SetFirstDate(FirstOfMonth(value)); }

void TcbBarDateNavigator::SetSelFinish(int date) { TcbBarCustomCalendar::SetSelFinish(date); }

void TcbBarDateNavigator::MakeSelectionVisible() {
    const int start = SelStart();
    if (start == kNoDate) return;
    if (start < FirstShownDate()) SetFirstDate(AddMonths(start, -1));
    if (start > LastShownDate()) SetFirstDate(start);
}

int TcbBarDateNavigator::BlockTop() const { return m_metrics.headerHeight + (Border() ? 0 : 1); }
int TcbBarDateNavigator::CellsTop() const { return BlockTop() + m_metrics.dayNameHeight; }

platform::Rect TcbBarDateNavigator::LeftArrowRect() const {
    return {1, 1, m_metrics.columnWidth - 1, m_metrics.headerHeight - 1};
}

platform::Rect TcbBarDateNavigator::RightArrowRect() const {
    const int b = Border() ? 0 : 1;
    return {ClientSize().x - m_metrics.columnWidth, 1, ClientSize().x - 1 - b, m_metrics.headerHeight - 1};
}

platform::Rect TcbBarDateNavigator::MonthNameRect() const {
    const int b = Border() ? 0 : 1;
    return {m_metrics.columnWidth, 1, ClientSize().x - b - m_metrics.columnWidth, m_metrics.headerHeight - 1};
}

platform::Rect TcbBarDateNavigator::CellRect(int row, int column) const {
    const int x = m_metrics.sideMargin + column * m_metrics.columnWidth;
    const int y = CellsTop() + row * m_metrics.rowHeight;
    return {x, y, x + m_metrics.columnWidth, y + m_metrics.rowHeight};
}

platform::Rect TcbBarDateNavigator::TodayButtonRect() const {
    if (!HasButtonStrip() || !m_showToday) return {};
    const int top = ClientSize().y - m_metrics.stripHeight + m_metrics.buttonGap;
    const int spare = ClientSize().x - m_metrics.todayWidth - (m_showClear ? m_metrics.clearWidth : 0);
    const int left = m_showClear ? spare / 3 : spare / 2;
    return {left, top, left + m_metrics.todayWidth, top + m_metrics.buttonHeight};
}

platform::Rect TcbBarDateNavigator::ClearButtonRect() const {
    if (!HasButtonStrip() || !m_showClear) return {};
    const int top = ClientSize().y - m_metrics.stripHeight + m_metrics.buttonGap;
    const int spare = ClientSize().x - m_metrics.clearWidth - (m_showToday ? m_metrics.todayWidth : 0);
    const int right = m_showToday ? ClientSize().x - spare / 3 : (spare / 2) + m_metrics.clearWidth;
    return {right - m_metrics.clearWidth, top, right, top + m_metrics.buttonHeight};
}

int TcbBarDateNavigator::DateAtPos(platform::Point p) const {
    if (!InClient(p)) return kNoDate;
    const int top = CellsTop();
    if (p.x < m_metrics.sideMargin || p.x >= ClientSize().x - m_metrics.sideMargin || p.y < top ||
        p.y >= top + 6 * m_metrics.rowHeight || m_metrics.columnWidth <= 0 || m_metrics.rowHeight <= 0)
        return kNoDate;
    const int row = (p.y - top) / m_metrics.rowHeight;
    const int column = (p.x - m_metrics.sideMargin) / m_metrics.columnWidth;
    return FirstShownDate() + 7 * row + column;
}

TcbBarDateNavigator::Part TcbBarDateNavigator::PartAt(platform::Point p) const {
    if (HasButtonStrip()) {
        if (TodayButtonRect().Contains(p)) return Part::TodayButton;
        if (ClearButtonRect().Contains(p)) return Part::ClearButton;
        if (p.y >= ClientSize().y - m_metrics.stripHeight && InClient(p)) return Part::ButtonStrip;
    }
    if (LeftArrowRect().Contains(p)) return Part::LeftArrow;
    if (RightArrowRect().Contains(p)) return Part::RightArrow;
    if (MonthNameRect().Contains(p)) return Part::MonthName;
    return DateAtPos(p) != kNoDate ? Part::Day : Part::None;
}

void TcbBarDateNavigator::StepMonth(int by) {
    SetFirstDate(AddMonths(FirstDate(), by));
    Repaint();
}

void TcbBarDateNavigator::StopTimer() {
    if (m_timer != 0)
        if (platform::ITimerService* timers = platform::InstalledTimerService()) timers->KillTimer(m_timer);
    m_timer = 0;
}

void TcbBarDateNavigator::LButtonDown(platform::Point p, bool doubleClick) {
    m_lastMouse = p;
    const Part part = PartAt(p);
    if (m_dropDownMode && !doubleClick) {
        if (part == Part::TodayButton || part == Part::ClearButton) {
            (part == Part::TodayButton ? m_todayPressed : m_clearPressed) = true;
            (part == Part::TodayButton ? m_todayOver : m_clearOver) = true;
            m_tracking = true;
            Repaint();
            return;
        }
        if (part == Part::ButtonStrip) return;
    }
    TcbBarCustomCalendar::LButtonDown(p, doubleClick);
    if (doubleClick) return;
    switch (part) {
    case Part::MonthName: {
        const platform::Rect r = MonthNameRect();
        m_monthList = std::make_unique<TAMonthListBox>(FirstDate(), m_metrics.rowHeight, r.Width(), m_font);
        const QPoint at = ClientToGlobal({r.left, r.top});
        m_monthList->move(at.x(), at.y() - m_metrics.rowHeight * (TAMonthListBox::kShownMonths / 2));
        m_monthList->show();
        break;
    }
    case Part::LeftArrow:
    case Part::RightArrow: {
        const int by = part == Part::LeftArrow ? -1 : 1;
        StepMonth(by);
        if (m_timer == 0) {
            m_timerDirection = by;
            m_timer = FrameworkTimers().SetTimer(kArrowRepeat, [this](unsigned) {
                const platform::Rect arrow = m_timerDirection < 0 ? LeftArrowRect() : RightArrowRect();
                if (arrow.Contains(m_lastMouse)) StepMonth(m_timerDirection);
            });
        }
        break;
    }
    default: break;
    }
}

void TcbBarDateNavigator::MouseMove(platform::Point p, bool leftDown) {
    m_lastMouse = p;
    if (m_timer != 0) return;
    if (m_monthList) {
        const QPoint global = ClientToGlobal(p);
        const QPoint local = m_monthList->mapFromGlobal(global);
        m_monthList->MouseMoveTo({local.x(), local.y()});
        return;
    }
    if (m_todayPressed || m_clearPressed) {
        bool& over = m_todayPressed ? m_todayOver : m_clearOver;
        const bool now = (m_todayPressed ? TodayButtonRect() : ClearButtonRect()).Contains(p);
        if (now != over) {
            over = now;
            Repaint();
        }
        return;
    }
    TcbBarCustomCalendar::MouseMove(p, leftDown);
}

void TcbBarDateNavigator::LButtonUp(platform::Point p, bool doubleClick) {
    m_tracking = false;
    if (m_timer != 0) {
        StopTimer();
        return;
    }
    if (m_monthList) {
        const int month = m_monthList->Month();
        m_monthList.reset();
        if (month != kNoDate) {
            SetFirstDate(month);
            Repaint();
        }
        return;
    }
    bool chosen = false;
    if (m_todayPressed) {
        m_todayPressed = false;
        const bool over = m_todayOver;
        m_todayOver = false;
        Repaint();
        if (!over) return;
        SelectDate(Today());
        chosen = true;
    } else if (m_clearPressed) {
        m_clearPressed = false;
        const bool over = m_clearOver;
        m_clearOver = false;
        Repaint();
        if (!over) return;
        SelectDate(kNoDate);
        Repaint();
        chosen = true;
    }
    if (doubleClick) {
        // A double click on a day closes the "Select the date" dialog.
        if (!m_dropDownMode && DateAtPos(p) != kNoDate && OnDayDoubleClick) OnDayDoubleClick(*this);
        return;
    }
    if (chosen || DateAtPos(p) != kNoDate) {
        DateChosen();
        return;
    }
    RestoreSelection(m_recordedLower);
}

void TcbBarDateNavigator::CancelTracking() {
    StopTimer();
    m_monthList.reset();
    m_todayPressed = m_clearPressed = false;
    m_todayOver = m_clearOver = false;
    TcbBarCustomCalendar::CancelTracking();
}

bool TcbBarDateNavigator::KeyDown(int key, unsigned shift) {
    if (!m_dropDownMode) return false;
    if (key == platform::VK_RETURN) {
        if (!m_monthList) DateChosen();
        return true;
    }
    CalendarKey move;
    switch (key) {
    case platform::VK_LEFT: move = CalendarKey::Left; break;
    case platform::VK_RIGHT: move = CalendarKey::Right; break;
    case platform::VK_UP: move = CalendarKey::Up; break;
    case platform::VK_DOWN: move = CalendarKey::Down; break;
    case platform::VK_HOME: move = CalendarKey::Home; break;
    case platform::VK_END: move = CalendarKey::End; break;
    case platform::VK_PRIOR: move = CalendarKey::PageUp; break;
    case platform::VK_NEXT: move = CalendarKey::PageDown; break;
    default: return false;
    }
    // Without a selected date (after "Clear") the keys start from today.
    const int from = SelLower() == kNoDate ? Today() : SelLower();
    SelectDate(KeyTarget(from, move, shift == platform::kShiftCtrl, m_firstDay));
    return true;
}

void TcbBarDateNavigator::MoveTo(platform::Point screen) { move(screen.x, screen.y); }

void TcbBarDateNavigator::ShowWithoutActivation() {
    m_shown = true;
    Repaint();
    show();
}

void TcbBarDateNavigator::HideWindow() {
    m_shown = false;
    CancelTracking();
    hide();
}

// ---- painting -------------------------------------------------------------------------

void TcbBarDateNavigator::PaintButton(platform::Canvas& canvas, const platform::Rect& r, const std::string& caption,
                                      bool pressed) {
    const platform::Colour face = SystemColour(platform::COLOR_BTNFACE);
    if (pressed) {
        platform::Rect edge = r;
        platform::DrawEdge(canvas, edge, platform::EDGE_SUNKEN, platform::BF_RECT);
    } else {
        const platform::Colour text = SystemColour(platform::COLOR_BTNTEXT);
        canvas.FillSolidRect({r.left, r.bottom - 1, r.right, r.bottom}, text);
        canvas.FillSolidRect({r.right - 1, r.top, r.right, r.bottom}, text);
        canvas.FillSolidRect({r.left, r.top, r.right - 1, r.top + 1}, face);
        canvas.FillSolidRect({r.left, r.top, r.left + 1, r.bottom - 1}, face);
        const platform::Colour shadow = SystemColour(platform::COLOR_BTNSHADOW);
        canvas.FillSolidRect({r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1}, shadow);
        canvas.FillSolidRect({r.right - 2, r.top + 1, r.right - 1, r.bottom - 1}, shadow);
        const platform::Colour light = SystemColour(platform::COLOR_BTNHIGHLIGHT);
        canvas.FillSolidRect({r.left + 1, r.top + 1, r.right - 2, r.top + 2}, light);
        canvas.FillSolidRect({r.left + 1, r.top + 1, r.left + 2, r.bottom - 2}, light);
        canvas.SetPixel(r.right - 2, r.top + 1, face);
    }
    const platform::Rect inside{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    canvas.FillSolidRect(inside, face);
    canvas.SetFontColour(SystemColour(platform::COLOR_BTNTEXT));
    const platform::Size size = canvas.TextExtent(caption);
    const int shift = pressed ? 1 : 0;
    canvas.TextOut(inside.left + (inside.Width() - size.width) / 2 + shift,
                   inside.top + (inside.Height() - size.height) / 2 + shift, caption);
}

void TcbBarDateNavigator::Paint(platform::Canvas& canvas) {
    const int w = ClientSize().x, h = ClientSize().y;
    const Metrics& m = m_metrics;
    canvas.SetFont(m_font);
    // Every text lies on a fill of its own: none may paint a box behind its letters.
    canvas.SetBrushStyle(platform::BrushStyle::Clear);
    canvas.FillSolidRect({0, 0, w, h}, SystemColour(platform::COLOR_WINDOW));
    const platform::Colour face = SystemColour(platform::COLOR_BTNFACE);
    const platform::Colour buttonText = SystemColour(platform::COLOR_BTNTEXT);
    // Header with its arrows and the month's name.
    platform::Rect header{0, 0, w, m.headerHeight};
    if (!Border()) {
        canvas.FillSolidRect({0, header.bottom, w, header.bottom + 1}, buttonText);
        canvas.FillSolidRect({w - 1, 0, w, header.bottom}, buttonText);
        header.right -= 1;
    }
    canvas.FillSolidRect(header, face);
    platform::Rect edge = header;
    platform::DrawEdge(canvas, edge, platform::BDR_RAISEDINNER, platform::BF_RECT);
    int arrow = (m.headerHeight - 2) / 2;
    if (arrow % 2 == 0) arrow += 1;
    const int centre = m.headerHeight / 2;
    for (int k = 0; k <= arrow / 2; ++k) {
        const int left = 1 + m.sideMargin - 1 - k;
        canvas.FillSolidRect({left, centre - (arrow / 2 - k), left + 1, centre + (arrow / 2 - k) + 1}, buttonText);
        const int right = w - 1 - m.sideMargin + k;
        canvas.FillSolidRect({right, centre - (arrow / 2 - k), right + 1, centre + (arrow / 2 - k) + 1}, buttonText);
    }
    const CalendarDay shown = DayOf(FirstDate());
    const QLocale locale;
    const std::string caption = (locale.standaloneMonthName(shown.month) + ' ' + QString::number(shown.year)).toStdString();
    canvas.SetFontColour(buttonText);
    const platform::Size captionSize = canvas.TextExtent(caption);
    canvas.TextOut((w - captionSize.width) / 2, (m.headerHeight - captionSize.height) / 2, caption);
    // Day names, first letters, from the first day of the week.
    const int block = BlockTop();
    canvas.SetFontColour(SystemColour(platform::COLOR_WINDOWTEXT));
    for (int c = 0; c < 7; ++c) {
        const int weekday = (m_firstDay + c) % 7;
        const QString name = locale.dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat).left(1);
        const std::string letter = name.toStdString();
        const platform::Size size = canvas.TextExtent(letter);
        const int right = m.sideMargin + (c + 1) * m.columnWidth - 3;
        canvas.TextOut(right - size.width, block + (m.dayNameHeight - size.height) / 2, letter);
    }
    const int line = block + m.dayNameHeight - 1;
    canvas.FillSolidRect({m.sideMargin, line, w - m.sideMargin, line + 1}, SystemColour(platform::COLOR_BTNSHADOW));
    // The cells.
    const int first = FirstShownDate(), today = Today();
    const int lower = SelLower(), upper = SelUpper();
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            const int date = first + 7 * row + column;
            const platform::Rect cell = CellRect(row, column);
            const bool selected = lower != kNoDate && lower <= date && date <= upper;
            canvas.FillSolidRect(cell, selected ? (Border() ? face : SystemColour(platform::COLOR_HIGHLIGHT))
                                                : SystemColour(platform::COLOR_WINDOW));
            if (date == today) FrameRectIn(canvas, cell, kTodayFrame);
            const bool inMonth = date >= FirstDate() && date <= LastDate();
            canvas.SetFontColour(SystemColour(selected  ? platform::COLOR_HIGHLIGHTTEXT
                                              : inMonth ? platform::COLOR_WINDOWTEXT
                                                        : platform::COLOR_GRAYTEXT));
            const std::string day = std::to_string(DayOf(date).day);
            const platform::Size size = canvas.TextExtent(day);
            canvas.TextOut(cell.right - 3 - size.width, cell.top + (cell.Height() - size.height) / 2, day);
        }
    }
    if (!HasButtonStrip()) return;
    const int stripTop = h - m.stripHeight;
    canvas.FillSolidRect({m.sideMargin, stripTop - 1, w - m.sideMargin, stripTop},
                         SystemColour(platform::COLOR_BTNSHADOW));
    if (m_showToday)
        PaintButton(canvas, TodayButtonRect(), BarText(platform::bar_string::kToday), m_todayPressed && m_todayOver);
    if (m_showClear)
        PaintButton(canvas, ClearButtonRect(), BarText(platform::bar_string::kClear), m_clearPressed && m_clearOver);
}

}  // namespace bars
