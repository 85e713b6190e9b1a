#pragma once

#include "platform/core/canvas.h"
#include "platform/qt/canvas.h"

#include <QImage>
#include <QWidget>

namespace bars {

// The pop-up list of months that the calendar's header opens: seven months around the shown
// one; holding the mouse above or below scrolls it a month at a time, faster further away.
class TAMonthListBox : public QWidget {
public:
    static constexpr int kShownMonths = 7;

    TAMonthListBox(int shownMonth, int rowHeight, int width, const platform::CanvasFont& font);
    ~TAMonthListBox() override;

    int TopMonth() const { return m_topMonth; }
    // The month under the mouse (its first day), kNoDate for none.
    int Month() const { return m_hot; }
    // The mouse in the list's own coordinates (the calendar passes its moves on).
    void MouseMoveTo(platform::Point p);
    // The scroll interval for a mouse that far above or below the list; 0 inside.
    static unsigned ScrollInterval(int distance, int rowHeight);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Scroll(int by);
    void StopScroll();
    void Repaint();

    int m_topMonth;
    int m_rowHeight;
    int m_hot;
    int m_scrollBy = 0;
    unsigned m_interval = 0;
    unsigned m_timer = 0;
    platform::CanvasFont m_font;
    QImage m_surface;
};

}  // namespace bars
