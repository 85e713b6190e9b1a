#include "shell/dialogs/dialog_layout.h"

#include <QLabel>

#include <algorithm>

namespace shell {

namespace {
// The design font's size: 8 points.
constexpr int kDesignFontPixels = 11;
}  // namespace

void DesignWindow(platform::Form& window, const WindowDesign& design) {
    window.SetCaption(design.caption);
    window.SetClientSize(design.width, design.height);
    window.SetBorderStyle(design.border);
    window.SetPosition(platform::FormPosition::kScreenCenter);
    window.SetHelpContext(design.helpContext);
    window.SetFontName("Tahoma");
    window.SetFontPixelHeight(kDesignFontPixels);
}

int PlaceWrapped(QLabel& label, int x, int y, int width) {
    label.setWordWrap(true);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int height = label.heightForWidth(width);
    label.setGeometry(x, y, width, height);
    return y + height;
}

void GrowToHeight(QWidget& window, int height) { window.resize(window.width(), std::max(window.height(), height)); }

}  // namespace shell
