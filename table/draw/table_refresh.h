#pragma once

namespace table {

struct DrawContext;

// RefreshTable: lays the table out again and repaints all of it (background, piles and
// the selection's highlights) into the off-screen table and onto the window.
void RefreshTable(DrawContext& context);

}  // namespace table
