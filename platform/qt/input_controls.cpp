#include "platform/qt/input_controls.h"

#include <QMouseEvent>

namespace platform {

CheckBox::CheckBox(QWidget* parent, std::string_view name, std::string_view caption, bool checked)
    : QCheckBox(ToQString(caption), parent) {
    setObjectName(ToQString(name));
    setChecked(checked);
    connect(this, &QCheckBox::clicked, this, [this] {
        if (onClick) onClick();
    });
}

void CheckBox::Click() {
    if (isEnabled()) click();
}

ComboBox::ComboBox(QWidget* parent, std::string_view name) : QComboBox(parent) {
    setObjectName(ToQString(name));
    setEditable(false);
}

Edit::Edit(QWidget* parent, std::string_view name) : QLineEdit(parent) { setObjectName(ToQString(name)); }

Memo::Memo(QWidget* parent, std::string_view name) : QPlainTextEdit(parent) {
    setObjectName(ToQString(name));
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

LinkLabel::LinkLabel(QWidget* parent, std::string_view name, std::string_view caption)
    : Label(parent, name, caption) {
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setStyleSheet(QStringLiteral("color: #000080;"));
}

void LinkLabel::Click() {
    if (isEnabled() && onClick) onClick();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Click();
    event->accept();
}

}  // namespace platform
