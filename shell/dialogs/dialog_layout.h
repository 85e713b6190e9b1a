#pragma once

class QLabel;
class QWidget;

namespace shell {

// Places a word-wrapped label at (x, y), as tall as its text needs at that width; returns
// the y below it.
int PlaceWrapped(QLabel& label, int x, int y, int width);

// Makes the window's client area at least this tall.
void GrowToHeight(QWidget& window, int height);

}  // namespace shell
