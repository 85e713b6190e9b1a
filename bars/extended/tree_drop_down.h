#pragma once

#include <QRect>
#include <QWidget>

#include <functional>

class QPainter;

namespace bars {

// Where the drop-down lies beside its field (0 to 3) and what its resizing strip holds, in
// the drop-down's inner area (inside its border).
struct ResizeStrip {
    int direction = 0;
    bool atBottom = false;
    QRect strip;
    QRect grip;
    QRect close;
};

// 0 wholly left and not lower, 1 not lower, 2 wholly left and lower, 3 otherwise.
int DropDownDirection(const QRect& dropDown, const QRect& field);
ResizeStrip LayOutResizeStrip(QSize area, int direction, int stripHeight, int buttonWidth);
// The strip's height: the larger of a horizontal scroll bar + 2 and a small caption, + 1.
int ResizeStripHeight();

// The drop-down window of a tree-view combo: a plain one-pixel border around the tree and,
// while the user may size it, a strip along the edge away from the field holding a close
// button and a size grip, outside the tree and its scroll bars.
class TreeDropDownWindow : public QWidget {
public:
    static constexpr int kMinimumSize = 100;
    static constexpr int kBorder = 1;

    // The content becomes the window's child, laid out inside the border and the strip.
    explicit TreeDropDownWindow(QWidget& content);

    // The strip goes to the side away from the field (screen coordinates); none hides it.
    void PlaceStrip(const QRect& field);
    void RemoveStrip();
    bool HasStrip() const { return !m_strip.strip.isEmpty(); }
    const ResizeStrip& Strip() const { return m_strip; }

    // The mouse on the strip: points in the inner area, the move's in screen coordinates.
    bool StripPress(QPoint p);
    void StripMove(QPoint global);
    void StripRelease(QPoint p);
    void StripLeft();

    // The close button was clicked.
    std::function<void()> OnClose;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class ResizeStripWidget;
    void LayOut();
    void PaintStrip(QPainter& painter) const;
    void UpdateStrip();

    QWidget& m_content;
    QWidget* m_stripWidget = nullptr;
    ResizeStrip m_strip;
    bool m_closeOver = false;
    bool m_closePressed = false;
    bool m_sizing = false;
    QPoint m_sizingFrom;
    QRect m_sizingStart;
};

}  // namespace bars
