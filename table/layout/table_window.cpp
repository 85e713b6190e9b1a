#include "table/layout/table_window.h"

namespace table {

void InvalidateTable(ITableWindow& window) {
    window.InvalidateAll();
    window.UpdateWindow();
}

void InvalidateTableRect(ITableWindow& window, const engine::TableRect& rect) {
    window.InvalidateRect(rect);
    window.UpdateWindow();
}

}  // namespace table
