#pragma once

#include <QCursor>

namespace bars {

// The customizing drag's cursors, drawn here: the arrow with a dotted button (drag), the
// same with a plus box (drag-copy), and the barred circle (no drop). By number 1041-1043.
QCursor DragCursor(int id);

}  // namespace bars
