#include "platform/qt/controls.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTabBar>
#include <QToolTip>

#include "platform/qt/popup_menu.h"

namespace platform {

namespace {

// The classic three-dimensional edge: light on the top and left, shadow below and right.
void DrawEdge(QPainter& p, const QRect& r, bool raised) {
    const QColor light(255, 255, 255);
    const QColor shadow(128, 128, 128);
    p.setPen(raised ? light : shadow);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(raised ? shadow : light);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void Name(QObject& object, std::string_view name) { object.setObjectName(ToQString(name)); }

}  // namespace

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void SetFontFamily(QWidget& widget, std::string_view family) {
    QFont f = widget.font();
    f.setFamily(ToQString(family));
    widget.setFont(f);
}

Panel::Panel(QWidget* parent, std::string_view name) : QFrame(parent) {
    Name(*this, name);
    setAutoFillBackground(true);
}

void Panel::SetBevel(bool raised) {
    setFrameShape(raised ? QFrame::Panel : QFrame::NoFrame);
    setFrameShadow(QFrame::Raised);
    setLineWidth(1);
}

void Panel::mousePressEvent(QMouseEvent* event) { event->accept(); }
void Panel::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void Panel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void Panel::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) {
        const QPoint p = event->position().toPoint();
        onMouseMove(p.x(), p.y());
    }
    event->accept();
}

void Panel::contextMenuEvent(QContextMenuEvent* event) {
    if (m_popup == nullptr) {
        QFrame::contextMenuEvent(event);
        return;
    }
    m_popup->Popup(event->globalPos().x(), event->globalPos().y());
}

Label::Label(QWidget* parent, std::string_view name, std::string_view caption) : QLabel(parent) {
    Name(*this, name);
    setText(ToQString(caption));
    // Labels let the mouse through to what lies under them, as the panels' handlers expect.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Label::SetRightAligned(bool right) {
    setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

Button::Button(QWidget* parent, std::string_view name, std::string_view caption)
    : QPushButton(ToQString(caption), parent) {
    Name(*this, name);
}

GroupBox::GroupBox(QWidget* parent, std::string_view name, std::string_view caption)
    : QGroupBox(ToQString(caption), parent) {
    Name(*this, name);
}

Notebook::Notebook(QWidget* parent, std::string_view name) : QTabWidget(parent) { Name(*this, name); }

QFont Notebook::TabFont() const { return tabBar()->font(); }

void Notebook::SetTabFont(const QFont& font) { tabBar()->setFont(font); }

ScrollBar::ScrollBar(QWidget* parent, std::string_view name) : QScrollBar(Qt::Vertical, parent) { Name(*this, name); }

SpeedButton::SpeedButton(QWidget* parent, std::string_view name) : QAbstractButton(parent) {
    Name(*this, name);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

QPixmap KeyedGlyph(const QImage& image, int scale) {
    if (image.isNull()) return {};
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1);
    for (int y = 0; y < keyed.height(); ++y)
        for (int x = 0; x < keyed.width(); ++x)
            if (keyed.pixel(x, y) == key) keyed.setPixel(x, y, qRgba(0, 0, 0, 0));
    if (scale > 1) keyed = keyed.scaled(keyed.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return QPixmap::fromImage(keyed);
}

void SpeedButton::SetKeyedGlyph(const QImage& image, int scale) {
    if (image.isNull()) return;
    SetGlyph(KeyedGlyph(image, scale));
}

void SpeedButton::SetDown(bool down) {
    if (down && m_groupIndex > 0 && parentWidget() != nullptr) {
        for (SpeedButton* other : parentWidget()->findChildren<SpeedButton*>(Qt::FindDirectChildrenOnly))
            if (other != this && other->m_groupIndex == m_groupIndex) other->m_down = false, other->update();
    }
    m_down = down;
    update();
}

void SpeedButton::Latch() {
    if (m_groupIndex <= 0) return;
    if (!m_down) {
        SetDown(true);
    } else if (m_allowAllUp) {
        SetDown(false);
    }
}

void SpeedButton::Click() {
    if (!isEnabled()) return;
    Latch();
    if (onClick) onClick();
}

void SpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    QAbstractButton::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && inside) Click();
}

bool SpeedButton::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::HoverEnter:
        m_hover = true;
        update();
        break;
    case QEvent::HoverLeave:
        m_hover = false;
        update();
        break;
    case QEvent::ToolTip:
        if (!m_showHint) return true;
        break;
    default:
        break;
    }
    return QAbstractButton::event(event);
}

void SpeedButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    const bool pressed = m_down || isDown();
    if (pressed) {
        if (m_down && !isDown()) p.fillRect(rect().adjusted(1, 1, -1, -1), QColor(224, 224, 224));
        DrawEdge(p, r, false);
    } else if (!m_flat || (m_hover && isEnabled())) {
        DrawEdge(p, r, true);
    }
    const int shift = pressed ? 1 : 0;
    const int captionHeight = text().isEmpty() ? 0 : fontMetrics().height();
    if (!isEnabled()) p.setOpacity(0.35);
    if (!m_glyph.isNull()) {
        const QPoint at((width() - m_glyph.width()) / 2 + shift,
                        (height() - captionHeight - m_glyph.height()) / 2 + shift);
        p.drawPixmap(at, m_glyph);
    }
    if (captionHeight > 0) {
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(QRect(shift, height() - captionHeight - 2 + shift, width(), captionHeight), Qt::AlignCenter, text());
    }
}

}  // namespace platform
