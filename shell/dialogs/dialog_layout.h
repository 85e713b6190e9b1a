#pragma once

#include <string_view>

#include "platform/qt/form.h"

class QLabel;
class QWidget;

namespace shell {

// A dialog window as designed: its caption, client size, border and help page; it opens
// centred on the screen in the design font.
struct WindowDesign {
    std::string_view caption;
    int width;
    int height;
    platform::BorderStyle border = platform::BorderStyle::kDialog;
    int helpContext = 0;
};
void DesignWindow(platform::Form& window, const WindowDesign& design);

// Places a word-wrapped label at (x, y), as tall as its text needs at that width; returns
// the y below it.
int PlaceWrapped(QLabel& label, int x, int y, int width);

// Makes the window's client area at least this tall.
void GrowToHeight(QWidget& window, int height);

}  // namespace shell
