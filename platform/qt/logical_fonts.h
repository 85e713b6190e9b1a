#pragma once

#include "platform/qt/canvas.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The face that stands in for the original platform's interface faces ("Tahoma",
// "MS Sans Serif"), so text measures the same on every machine.
inline constexpr std::string_view kInterfaceFace = "DejaVu Sans";
// The face a font name is drawn with: the interface faces map to kInterfaceFace.
std::string MappedFace(std::string_view face);

// The logical height (negative: characters' height in pixels) of a size in points at 96 dots
// per inch, and back.
int HeightFromPoints(int points);
int PointsFromHeight(int height);

// The system's fonts, fixed: "Tahoma" at -11 pixels, not anti-aliased.
CanvasFont IconTitleFont();
CanvasFont MenuFont();
CanvasFont StatusFont();
// Tests stand in for a desktop whose menu font changed (none: the fixed one again).
void OverrideMenuFont(std::optional<CanvasFont> font);

}  // namespace platform
