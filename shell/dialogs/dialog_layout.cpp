#include "shell/dialogs/dialog_layout.h"

#include <QLabel>

#include <algorithm>

namespace shell {

int PlaceWrapped(QLabel& label, int x, int y, int width) {
    label.setWordWrap(true);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int height = label.heightForWidth(width);
    label.setGeometry(x, y, width, height);
    return y + height;
}

void GrowToHeight(QWidget& window, int height) { window.resize(window.width(), std::max(window.height(), height)); }

}  // namespace shell
