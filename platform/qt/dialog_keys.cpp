#include "platform/qt/dialog_keys.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QShortcut>

namespace platform {

namespace {

void Bind(QWidget& window, QAbstractButton* button, QKeySequence key) {
    if (button == nullptr) return;
    auto* shortcut = new QShortcut(key, &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled()) button->click();
    });
}

}  // namespace

void SetDialogButtons(QWidget& window, QAbstractButton* defaultButton, QAbstractButton* cancelButton) {
    if (auto* push = qobject_cast<QPushButton*>(defaultButton)) push->setDefault(true);
    Bind(window, defaultButton, QKeySequence(Qt::Key_Return));
    Bind(window, defaultButton, QKeySequence(Qt::Key_Enter));
    Bind(window, cancelButton, QKeySequence(Qt::Key_Escape));
}

}  // namespace platform
