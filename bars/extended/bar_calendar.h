#pragma once

#include "bars/edits/drop_down.h"
#include "bars/extended/calendar_dates.h"
#include "platform/core/canvas.h"
#include "platform/qt/canvas.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

namespace bars {

class TAMonthListBox;

// A calendar's state: the first date, the selection (start and end, kNoDate for none) and
// the selection recorded at the last press, with the mouse rules of every calendar.
class TcbBarCustomCalendar : public QWidget {
public:
    using DateChosenEvent = std::function<void(TcbBarCustomCalendar& sender)>;

    explicit TcbBarCustomCalendar(QWidget* parent = nullptr);

    int FirstDate() const { return m_firstDate; }
    int SelStart() const { return m_selStart; }
    int SelFinish() const { return m_selFinish; }
    int SelLower() const;
    int SelUpper() const;
    bool Border() const { return m_border; }
    virtual void SetBorder(bool value);

    virtual int FirstShownDate() const { return m_firstDate; }
    virtual int LastShownDate() const { return LastDate(); }
    virtual int LastDate() const = 0;
    virtual void SetFirstDate(int value);
    virtual void SelectDate(int date);
    virtual void SetSelFinish(int date);
    virtual void MakeSelectionVisible() = 0;
    virtual int DateAtPos(platform::Point client) const = 0;

    // The mouse, in client coordinates.
    virtual void LButtonDown(platform::Point p, bool doubleClick);
    virtual void MouseMove(platform::Point p, bool leftDown);
    virtual void LButtonUp(platform::Point p, bool doubleClick);
    // The capture went elsewhere: as a release at (-1, -1).
    virtual void CancelTracking();

    DateChosenEvent OnDateChosen;
    // Outside the drop-down: a double click on a day (the dialog takes it as OK).
    DateChosenEvent OnDayDoubleClick;

protected:
    void RestoreSelection(int recorded);
    void DateChosen();
    // Draws into the surface and shows it.
    virtual void Paint(platform::Canvas& canvas) = 0;
    void Repaint();
    // The frame around the client area: 1 for the sunken border, 2 for the client edge, and
    // outside them a dialog frame of this width.
    virtual int FrameInset() const { return 0; }
    virtual int DialogFrame() const { return 0; }
    platform::Point ClientSize() const { return {width() - 2 * FrameInset(), height() - 2 * FrameInset()}; }
    bool InClient(platform::Point p) const { return p.x >= 0 && p.y >= 0 && p.x < ClientSize().x && p.y < ClientSize().y; }
    QPoint ClientToGlobal(platform::Point p) const { return mapToGlobal(QPoint(p.x + FrameInset(), p.y + FrameInset())); }
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    int m_recordedLower = kNoDate;
    bool m_tracking = false;
    bool m_pressWasDouble = false;
    QImage m_surface;

private:
    int m_firstDate = 0;
    int m_selStart = kNoDate;
    int m_selFinish = kNoDate;
    bool m_border = true;
};

// The month grid of the date combo's drop-down and of the "Select the date" dialog.
class TcbBarDateNavigator : public TcbBarCustomCalendar, public IComboDropDown {
public:
    static constexpr unsigned kArrowRepeat = 170;
    enum class Part { None, LeftArrow, RightArrow, MonthName, Day, TodayButton, ClearButton, ButtonStrip };

    struct Metrics {
        int columnWidth = 0, sideMargin = 0, rowHeight = 0, headerHeight = 0, dayNameHeight = 0;
        int todayWidth = 0, clearWidth = 0, buttonGap = 0, buttonHeight = 0, stripHeight = 0;
    };

    explicit TcbBarDateNavigator(QWidget* parent = nullptr);
    ~TcbBarDateNavigator() override;

    bool DropDownMode() const { return m_dropDownMode; }
    void SetDropDownMode(bool value);
    bool ShowToday() const { return m_showToday; }
    void SetShowToday(bool value);
    bool ShowClear() const { return m_showClear; }
    void SetShowClear(bool value);
    // The first day of the week, 0 Sunday .. 6 Saturday.
    int FirstDay() const { return m_firstDay; }
    void SetFirstDay(int value);
    void SetCalendarFont(const platform::CanvasFont& font);
    const Metrics& GetMetrics() const { return m_metrics; }
    TAMonthListBox* MonthList() const { return m_monthList.get(); }
    bool ArrowTimerRunning() const { return m_timer != 0; }

    int FirstShownDate() const override;
    int LastShownDate() const override { return FirstShownDate() + 41; }
    int LastDate() const override { return bars::LastOfMonth(FirstDate()); }
    void SetFirstDate(int value) override;
    void SetSelFinish(int date) override;
    void MakeSelectionVisible() override;
    int DateAtPos(platform::Point p) const override;

    // Geometry in client coordinates.
    platform::Rect LeftArrowRect() const;
    platform::Rect RightArrowRect() const;
    platform::Rect MonthNameRect() const;
    platform::Rect CellRect(int row, int column) const;
    platform::Rect TodayButtonRect() const;
    platform::Rect ClearButtonRect() const;
    bool HasButtonStrip() const { return m_dropDownMode && (m_showToday || m_showClear); }
    Part PartAt(platform::Point p) const;
    // Width and height of the whole window for the metrics, frame included.
    platform::Size WantedSize() const;

    void LButtonDown(platform::Point p, bool doubleClick) override;
    void MouseMove(platform::Point p, bool leftDown) override;
    void LButtonUp(platform::Point p, bool doubleClick) override;
    void CancelTracking() override;
    // The keys of an open calendar; true when taken.
    bool KeyDown(int key, unsigned shift);
    void StepMonth(int by);

    // IComboDropDown.
    platform::Size WindowSize() const override { return WantedSize(); }
    void MoveTo(platform::Point screen) override;
    void ShowWithoutActivation() override;
    void HideWindow() override;
    bool IsShown() const override { return m_shown; }
    void Key(int key, unsigned shift) override { KeyDown(key, shift); }

    // The header and the frame depend on the border flag.
    void SetBorder(bool value) override;

protected:
    void Paint(platform::Canvas& canvas) override;

private:
    // The drop-down has the dialog frame; the dialog's calendar has its own.
    int DialogFrame() const override;
    int FrameInset() const override { return DialogFrame() + (Border() ? 1 : 2); }
    int BlockTop() const;
    int CellsTop() const;
    void CalcMetrics();
    void UpdateSize();
    void StopTimer();
    void PaintButton(platform::Canvas& canvas, const platform::Rect& r, const std::string& caption, bool pressed);

    Metrics m_metrics;
    platform::CanvasFont m_font;
    bool m_dropDownMode = false;
    bool m_showToday = true;
    bool m_showClear = false;
    bool m_todayPressed = false, m_todayOver = false;
    bool m_clearPressed = false, m_clearOver = false;
    unsigned m_timer = 0;
    int m_timerDirection = 0;
    platform::Point m_lastMouse{-1, -1};
    int m_firstDay = 0;
    bool m_shown = false;
    std::unique_ptr<TAMonthListBox> m_monthList;
};

}  // namespace bars
