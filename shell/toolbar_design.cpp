#include "shell/toolbar_design.h"

#include <QWidget>

#include "platform/qt/controls.h"

namespace shell {

namespace {

constexpr int kFirstButtonLeft = 4;
constexpr int kSeparatorWidth = 8;

}  // namespace

void LayOutToolbarButtons(QWidget& form) {
    for (const ToolbarDesign& design : kToolbars) {
        auto* bar = form.findChild<platform::Panel*>(platform::ToQString(design.panel));
        if (bar == nullptr) continue;
        int left = kFirstButtonLeft;
        for (const ToolbarButtonDesign& b : design.buttons) {
            if (b.name.empty()) continue;
            QWidget* control = bar->findChild<QWidget*>(platform::ToQString(b.name), Qt::FindDirectChildrenOnly);
            if (control == nullptr || control->isHidden()) continue;
            if (b.separator) {
                control->setGeometry(left + 2, 3, 4, bar->height() - 6);
                left += kSeparatorWidth;
                continue;
            }
            control->move(left, control->y());
            left += control->width();
        }
    }
}

}  // namespace shell
