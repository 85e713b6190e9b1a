#include "platform/qt/main_form.h"

#include <QPointer>
#include <QWidget>

namespace platform {

namespace {
QPointer<QWidget>& MainFormSlot() {
    static QPointer<QWidget> form;
    return form;
}
}  // namespace

QWidget* MainForm() { return MainFormSlot().data(); }

void SetMainForm(QWidget* form) { MainFormSlot() = form; }

}  // namespace platform
