#include "platform/qt/logical_fonts.h"

#include "platform/core/ascii_case.h"

#include <array>

namespace platform {

namespace {

constexpr std::array<std::string_view, 2> kInterfaceFaces{"Tahoma", "MS Sans Serif"};
constexpr int kDotsPerInch = 96;
constexpr int kPointsPerInch = 72;
constexpr int kSystemFontHeight = -11;

std::optional<CanvasFont> g_menuFont;

CanvasFont SystemFont() {
    CanvasFont font;
    font.name = "Tahoma";
    font.size = PointsFromHeight(kSystemFontHeight);
    font.height = kSystemFontHeight;
    font.antialiased = false;
    return font;
}

}  // namespace

std::string MappedFace(std::string_view face) {
    for (std::string_view known : kInterfaceFaces)
        if (EqualsIgnoreCase(face, known)) return std::string(kInterfaceFace);
    return std::string(face);
}

int HeightFromPoints(int points) {
    return -((points * kDotsPerInch + kPointsPerInch / 2) / kPointsPerInch);
}

int PointsFromHeight(int height) {
    const int pixels = height < 0 ? -height : height;
    return (pixels * kPointsPerInch + kDotsPerInch / 2) / kDotsPerInch;
}

CanvasFont IconTitleFont() { return SystemFont(); }
CanvasFont MenuFont() { return g_menuFont.value_or(SystemFont()); }
CanvasFont StatusFont() { return SystemFont(); }

void OverrideMenuFont(std::optional<CanvasFont> font) { g_menuFont = std::move(font); }

}  // namespace platform
