#include "table/table_host.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>

#include <optional>

#include "table/mouse/table_mouse.h"

namespace table {

namespace {

std::optional<MouseButton> ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::kLeft;
    case Qt::RightButton:
        return MouseButton::kRight;
    case Qt::MiddleButton:
        return MouseButton::kMiddle;
    default:
        return std::nullopt;
    }
}

ShiftState ShiftOf(Qt::KeyboardModifiers modifiers) {
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
            modifiers.testFlag(Qt::AltModifier)};
}

QRect ToQRect(const engine::TableRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

}  // namespace

TableHost::TableHost(QWidget* parent) : QWidget(parent), m_surface(0, 0) {
    // Moves without a button held matter too: they take the empty-stock mark away.
    setMouseTracking(true);
    // The image covers every pixel; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int TableHost::ScreenWidth() const {
    const QScreen* s = screen();
    return s != nullptr ? s->geometry().width() : width();
}

int TableHost::ScreenHeight() const {
    const QScreen* s = screen();
    return s != nullptr ? s->geometry().height() : height();
}

int TableHost::ScrollBarWidth() const { return style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

void TableHost::InvalidateRect(const engine::TableRect& rect) { m_presenter.Invalidate(ToQRect(rect)); }

void TableHost::InvalidateAll() { m_presenter.Invalidate(rect()); }

void TableHost::UpdateWindow() { Present(); }

void TableHost::Present() { m_presenter.Present(*this, m_context); }

void TableHost::paintEvent(QPaintEvent* event) {
    m_presenter.Paint(m_context, event->region());
    QPainter painter(this);
    const QImage& image = m_surface.Image().Image();
    for (const QRect& r : event->region()) painter.drawImage(r.topLeft(), image, r);
}

void TableHost::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_surface.SetSize(event->size().width(), event->size().height());
    if (m_onResize) m_onResize();
}

void TableHost::Press(QMouseEvent* event) {
    const std::optional<MouseButton> button = ButtonOf(event->button());
    if (m_mouse == nullptr || !button) return;
    const QPoint p = event->position().toPoint();
    m_mouse->TableMouseDown(*button, ShiftOf(event->modifiers()), p.x(), p.y());
}

void TableHost::mousePressEvent(QMouseEvent* event) {
    Press(event);
    Present();
}

void TableHost::mouseMoveEvent(QMouseEvent* event) {
    if (m_mouse == nullptr) return;
    const QPoint p = event->position().toPoint();
    m_mouse->TableMouseMove(p.x(), p.y());
    Present();
}

void TableHost::mouseReleaseEvent(QMouseEvent* event) {
    if (m_mouse == nullptr || !ButtonOf(event->button())) return;
    m_mouse->RestoreTableCursor();
    m_mouse->TableMouseUp();
    Present();
}

// The second press of a double click: the double-click move first, then the press, as
// the platform the game comes from delivers them.
void TableHost::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_mouse != nullptr && event->button() == Qt::LeftButton) m_mouse->TableDoubleClick();
    Press(event);
    Present();
}

}  // namespace table
