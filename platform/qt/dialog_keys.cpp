#include "platform/qt/dialog_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

#include <functional>

namespace platform {

namespace {

bool CanPress(const QAbstractButton* button) { return button != nullptr && button->isVisible() && button->isEnabled(); }

// The button Return presses: the push button that has the focus, else the default button.
QAbstractButton* ReturnButton(const QWidget& window, QAbstractButton* defaultButton) {
    auto* focused = qobject_cast<QPushButton*>(window.focusWidget());
    return CanPress(focused) ? focused : defaultButton;
}

void Bind(QWidget& window, QKeySequence key, std::function<QAbstractButton*()> target) {
    auto* shortcut = new QShortcut(key, &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, [target = std::move(target)] {
        if (QAbstractButton* button = target(); CanPress(button)) button->click();
    });
}

}  // namespace

void SetDialogButtons(QWidget& window, QAbstractButton* defaultButton, QAbstractButton* cancelButton) {
    QPointer<QAbstractButton> designed(defaultButton);
    auto pressedByReturn = [&window, designed] { return ReturnButton(window, designed); };
    Bind(window, QKeySequence(Qt::Key_Return), pressedByReturn);
    Bind(window, QKeySequence(Qt::Key_Enter), pressedByReturn);
    if (cancelButton != nullptr) {
        QPointer<QAbstractButton> cancel(cancelButton);
        Bind(window, QKeySequence(Qt::Key_Escape), [cancel] { return cancel.data(); });
    }

    // The default frame goes with the focus, so it always marks the button Return presses.
    auto markDefault = [&window, pressedByReturn] {
        QAbstractButton* target = pressedByReturn();
        for (QPushButton* button : window.findChildren<QPushButton*>()) button->setDefault(button == target);
    };
    markDefault();
    QObject::connect(qApp, &QApplication::focusChanged, &window, [&window, markDefault](QWidget*, QWidget* now) {
        if (now != nullptr && now->window() == &window) markDefault();
    });
}

}  // namespace platform
