#include "bars/services/bar_fonts.h"

#include "platform/qt/logical_fonts.h"

namespace bars {

void CreateBarFont(const CanvasFont& font, std::optional<CanvasFont>& target, bool scaled) {
    target.reset();
    if (!scaled) {
        target = CopyFont(font);
        return;
    }
    CanvasFont bar = platform::IconTitleFont();
    if (bar.height == 0) bar.height = platform::HeightFromPoints(bar.size);
    if (bar.height > kMinScaledFontHeight) bar.height = kMinScaledFontHeight;
    bar.size = platform::PointsFromHeight(bar.height);
    bar.name = font.name;
    bar.colour = font.colour;
    target = bar;
}

CanvasFont CopyFont(const CanvasFont& font) { return font; }

}  // namespace bars
