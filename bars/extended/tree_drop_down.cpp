#include "bars/extended/tree_drop_down.h"

#include "bars/extended/tree_view_nodes.h"

#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"
#include "platform/qt/classic_draw.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace bars {

namespace {

using platform::SystemColour;

// The classic size grip for the bottom-right corner: three ridges, each a highlight line
// above two shadow lines, running across the corner.
void DrawSizeGrip(platform::Canvas& canvas, int size) {
    constexpr int kRidges = 3, kRidgeStep = 4;
    const platform::Colour light = SystemColour(platform::COLOR_BTNHIGHLIGHT);
    const platform::Colour shadow = SystemColour(platform::COLOR_BTNSHADOW);
    for (int d = 1; d <= kRidges * kRidgeStep && d < 2 * size; ++d) {
        const int phase = (d - 1) % kRidgeStep;
        if (phase == 3) continue;  // the gap between two ridges
        const platform::Colour colour = phase == 2 ? light : shadow;
        // The pixels d steps from the corner along both axes together.
        for (int x = std::max(0, d - size + 1); x <= std::min(d, size - 1); ++x)
            canvas.SetPixel(size - 1 - x, size - 1 - (d - x), colour);
    }
}

}  // namespace

int DropDownDirection(const QRect& d, const QRect& f) {
    const bool left = d.right() + 1 <= f.left();
    const bool notLower = d.bottom() <= f.bottom();
    if (notLower) return left ? 0 : 1;
    return left ? 2 : 3;
}

ResizeStrip LayOutResizeStrip(QSize area, int direction, int stripHeight, int buttonWidth) {
    ResizeStrip s;
    s.direction = direction;
    s.atBottom = direction >= 2;
    const int top = s.atBottom ? area.height() - stripHeight : 0;
    s.strip = QRect(0, top, area.width(), stripHeight);
    const bool gripLeft = direction == 0 || direction == 2;
    const int grip = stripHeight - 1;
    s.grip = QRect(gripLeft ? 0 : area.width() - grip, s.atBottom ? top + 1 : top, grip, grip);
    const int closeHeight = std::min(buttonWidth, stripHeight - 2);
    const int closeTop = top + (stripHeight - closeHeight) / 2 + (s.atBottom ? 1 : 0);
    s.close = QRect(gripLeft ? area.width() - buttonWidth - 1 : 1, closeTop, buttonWidth, closeHeight);
    return s;
}

int ResizeStripHeight() {
    return std::max(platform::SystemMetric(platform::SM_CYHSCROLL) + 2, platform::SystemMetric(platform::SM_CYSMCAPTION)) +
           1;
}

// The strip: it paints itself and hands its mouse to the window.
class ResizeStripWidget : public QWidget {
public:
    explicit ResizeStripWidget(TreeDropDownWindow& window) : QWidget(&window), m_window(window) { setMouseTracking(true); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_window.PaintStrip(painter);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == ::Qt::LeftButton) m_window.StripPress(Inner(*event));
    }
    void mouseMoveEvent(QMouseEvent* event) override { m_window.StripMove(event->globalPosition().toPoint()); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == ::Qt::LeftButton) m_window.StripRelease(Inner(*event));
    }
    void leaveEvent(QEvent*) override { m_window.StripLeft(); }

private:
    QPoint Inner(const QMouseEvent& event) const {
        return event.position().toPoint() + pos() - QPoint(TreeDropDownWindow::kBorder, TreeDropDownWindow::kBorder);
    }
    TreeDropDownWindow& m_window;
};

TreeDropDownWindow::TreeDropDownWindow(QWidget& content) : m_content(content) {
    setWindowFlags(::Qt::Tool | ::Qt::FramelessWindowHint | ::Qt::WindowStaysOnTopHint | ::Qt::WindowDoesNotAcceptFocus |
                   ::Qt::X11BypassWindowManagerHint);
    setAttribute(::Qt::WA_ShowWithoutActivating);
    setMinimumSize(kMinimumSize, kMinimumSize);
    const QSize size = content.size();
    content.setMinimumSize(0, 0);
    content.setParent(this);
    content.show();
    resize(std::max(size.width(), kMinimumSize), std::max(size.height(), kMinimumSize));
    LayOut();
}

void TreeDropDownWindow::PlaceStrip(const QRect& field) {
    const QSize inner = size() - QSize(2 * kBorder, 2 * kBorder);
    m_strip = LayOutResizeStrip(inner, DropDownDirection(geometry(), field), ResizeStripHeight(), ResizeStripHeight() - 2);
    LayOut();
}

void TreeDropDownWindow::RemoveStrip() {
    m_strip = {};
    LayOut();
}

void TreeDropDownWindow::LayOut() {
    const QRect inner = rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
    if (!HasStrip()) {
        if (m_stripWidget) m_stripWidget->hide();
        m_content.setGeometry(inner);
        return;
    }
    m_strip = LayOutResizeStrip(inner.size(), m_strip.direction, ResizeStripHeight(), ResizeStripHeight() - 2);
    if (!m_stripWidget) m_stripWidget = new ResizeStripWidget(*this);
    m_stripWidget->setGeometry(m_strip.strip.translated(inner.topLeft()));
    m_stripWidget->show();
    const int h = m_strip.strip.height();
    m_content.setGeometry(inner.adjusted(0, m_strip.atBottom ? 0 : h, 0, m_strip.atBottom ? -h : 0));
    UpdateStrip();
}

void TreeDropDownWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void TreeDropDownWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(SystemQColor(platform::COLOR_WINDOWFRAME));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TreeDropDownWindow::UpdateStrip() {
    if (m_stripWidget) m_stripWidget->update();
}

bool TreeDropDownWindow::StripPress(QPoint p) {
    if (m_strip.close.contains(p)) {
        m_closePressed = m_closeOver = true;
        UpdateStrip();
        return true;
    }
    if (m_strip.grip.contains(p)) {
        m_sizing = true;
        m_sizingFrom = mapToGlobal(p + QPoint(kBorder, kBorder));
        m_sizingStart = geometry();
        return true;
    }
    return false;
}

void TreeDropDownWindow::StripMove(QPoint global) {
    if (m_sizing) {
        // The grip's corner follows the mouse; the corner at the field stays.
        const QPoint by = global - m_sizingFrom;
        QRect r = m_sizingStart;
        if (m_strip.direction == 0 || m_strip.direction == 2)
            r.setLeft(std::min(r.left() + by.x(), r.right() + 1 - kMinimumSize));
        else
            r.setWidth(std::max(kMinimumSize, r.width() + by.x()));
        if (m_strip.atBottom)
            r.setHeight(std::max(kMinimumSize, r.height() + by.y()));
        else
            r.setTop(std::min(r.top() + by.y(), r.bottom() + 1 - kMinimumSize));
        setGeometry(r);
        return;
    }
    const bool over = m_strip.close.contains(mapFromGlobal(global) - QPoint(kBorder, kBorder));
    if (over != m_closeOver) {
        m_closeOver = over;
        UpdateStrip();
    }
}

void TreeDropDownWindow::StripRelease(QPoint p) {
    m_sizing = false;
    if (!m_closePressed) return;
    m_closePressed = false;
    const bool close = m_strip.close.contains(p) && m_closeOver;
    UpdateStrip();
    if (close && OnClose) OnClose();
}

void TreeDropDownWindow::StripLeft() {
    if (!m_closeOver || m_closePressed) return;
    m_closeOver = false;
    UpdateStrip();
}

void TreeDropDownWindow::PaintStrip(QPainter& painter) const {
    QImage image(m_strip.strip.size(), QImage::Format_RGB32);
    platform::Canvas canvas(image);
    const int w = image.width(), h = image.height();
    canvas.FillSolidRect({0, 0, w, h}, SystemColour(platform::COLOR_BTNFACE));
    const int line = m_strip.atBottom ? 0 : h - 1;
    canvas.FillSolidRect({0, line, w, line + 1}, SystemColour(platform::COLOR_WINDOWFRAME));

    const QRect c = m_strip.close.translated(-m_strip.strip.topLeft());
    const platform::Rect close{c.left(), c.top(), c.right() + 1, c.bottom() + 1};
    const bool pushed = m_closePressed && m_closeOver;
    platform::DrawFrameControl(canvas, close, platform::DFC_CAPTION,
                               platform::DFCS_CAPTIONCLOSE | platform::DFCS_FLAT | (pushed ? platform::DFCS_PUSHED : 0u));
    // The flat control's ring gives way to the edge its state calls for.
    const platform::Colour face = SystemColour(platform::COLOR_BTNFACE);
    canvas.FillSolidRect({close.left, close.top, close.right, close.top + 1}, face);
    canvas.FillSolidRect({close.left, close.bottom - 1, close.right, close.bottom}, face);
    canvas.FillSolidRect({close.left, close.top, close.left + 1, close.bottom}, face);
    canvas.FillSolidRect({close.right - 1, close.top, close.right, close.bottom}, face);
    platform::Rect ring = close;
    if (pushed)
        platform::DrawEdge(canvas, ring, platform::BDR_SUNKENOUTER, platform::BF_RECT);
    else if (m_closePressed || m_closeOver)
        platform::DrawEdge(canvas, ring, platform::BDR_RAISEDINNER, platform::BF_RECT);

    const QRect g = m_strip.grip.translated(-m_strip.strip.topLeft());
    QImage grip(g.size(), QImage::Format_RGB32);
    platform::Canvas gripCanvas(grip);
    gripCanvas.FillSolidRect({0, 0, grip.width(), grip.height()}, face);
    DrawSizeGrip(gripCanvas, std::min(grip.width(), grip.height()));
    // Drawn for the bottom-right corner, turned to the corner away from the field.
    const bool left = m_strip.direction == 0 || m_strip.direction == 2;
    grip = grip.mirrored(left, !m_strip.atBottom);
    canvas.BlockCopy(g.left(), g.top(), g.width(), g.height(), grip, 0, 0);
    painter.drawImage(0, 0, image);
}

}  // namespace bars
