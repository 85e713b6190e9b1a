#pragma once

#include "platform/qt/canvas.h"

#include <optional>

namespace bars {

using platform::CanvasFont;

// Heights of scaled bar fonts are at least 11 pixels: logical heights above -11 become -11.
inline constexpr int kMinScaledFontHeight = -11;

// The bar font made from a font into the target (what it held before is replaced). Scaled:
// the system icon-title font's attributes, at least 11 pixels high, with the given font's face;
// otherwise a copy of the given font.
void CreateBarFont(const CanvasFont& font, std::optional<CanvasFont>& target, bool scaled);
CanvasFont CopyFont(const CanvasFont& font);

}  // namespace bars
