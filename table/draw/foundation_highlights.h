#pragma once

namespace table {

struct DrawContext;

inline constexpr int kAllFoundations = -1;

// Marks every completed foundation (kAllFoundations) or only the one given, in the
// off-screen table and on the window, with the style and colour of the preference file.
// A foundation that is not complete is left as it is.
void DrawFoundationHighlights(DrawContext& context, int foundation);

}  // namespace table
