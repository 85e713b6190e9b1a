#pragma once

#include "platform/core/canvas.h"
#include "platform/qt/canvas.h"

#include <QImage>
#include <QWidget>

class QScrollBar;

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bars {

// The drop-down list of a combo item: a top-level list of lines under the combo, inside a
// two-pixel raised frame, that follows the mouse while the click that opened it is still
// held, and chooses the line under the mouse when the button comes up. Qt's mouse events and
// the capture changes of its window come to the message handlers below.
class TcbBarDropDownListBox : public QWidget {
public:
    static constexpr int kFrame = 2;
    // Dragged past its top or bottom edge, the list scrolls a line this often.
    static constexpr unsigned kAutoScrollMs = 50;
    // Lines a notch of the mouse wheel scrolls.
    static constexpr int kWheelLines = 3;

    TcbBarDropDownListBox();
    ~TcbBarDropDownListBox() override;

    void SetItems(std::vector<std::string> items);
    const std::vector<std::string>& Items() const { return m_items; }
    // The combo's font, drawn in the window-text colour.
    void SetListFont(const platform::CanvasFont& font);
    int ItemHeight() const { return m_itemHeight; }
    // The combo's own line height (its MeasureItem), instead of the font's.
    void SetItemHeight(int height) { m_itemHeight = std::max(1, height); }
    int TopIndex() const { return m_topIndex; }
    void SetTopIndex(int index);
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    // Shown below the combo, without activation.
    void DropDown(platform::Point screen, int width, int visibleLines);
    // The click that opened the list is still down: the list takes the capture and follows it.
    void TrackMouse();
    bool OpeningClick() const { return m_openingClick; }

    // The list's messages, points in client coordinates.
    void CaptureChanged();
    void MouseMove(platform::Point client);
    void LButtonDown(platform::Point client);
    void LButtonUp();
    // Answers whether the key was the list's (a walking key or Enter).
    bool KeyDown(int key);
    // Whole notches of the wheel, away from the user positive.
    void Wheel(int notches);
    // More lines than show: a scroll bar along the right side.
    QScrollBar* ScrollBar() const { return m_scrollBar; }

    // The selection moved (the combo's control hears it); a line was chosen (the combo takes
    // it as its ItemIndex, the menus close).
    std::function<void(int index)> OnSelectionChange;
    std::function<void(int index)> OnChoose;
    // When set, the combo draws each line (a colour's swatch, a font's mark) instead of the
    // plain text.
    std::function<void(platform::Canvas& canvas, int index, const platform::Rect& line, bool selected)> OnDrawItem;

    const QImage& Surface() const { return m_surface; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::intptr_t Message(unsigned message, std::intptr_t lParam);
    int IndexAt(platform::Point client) const;
    int VisibleLines() const;
    // The right edge of the lines: the scroll bar stands beside them.
    int LinesRight() const;
    void UpdateScrollBar();
    // With the button held above or below the lines, one line further and its entry selected.
    void DragScroll(platform::Point client);
    void StopDragScroll();
    void Paint();

    std::vector<std::string> m_items;
    platform::CanvasFont m_font;
    int m_itemHeight = 16;
    int m_topIndex = 0;
    int m_itemIndex = -1;
    bool m_openingClick = false;
    // The left button went down in the list and is still held.
    bool m_dragging = false;
    unsigned m_dragTimer = 0;
    QScrollBar* m_scrollBar = nullptr;
    QImage m_surface;
};

}  // namespace bars
