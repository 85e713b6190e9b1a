#include "bars/extended/colour_table.h"

#include "platform/core/bar_strings.h"
#include "platform/core/system_colours.h"

namespace bars {

std::string ComboColourName(int index) {
    return std::string(platform::BarString(platform::bar_string::kColourNameFirst + index));
}

bool IsValidColour(platform::Colour colour) {
    using platform::kSystemColourFlag;
    if (colour & kSystemColourFlag)
        return static_cast<int>(colour & 0xFF) < platform::kSystemColourCount && (colour & 0x7FFFFF00) == 0;
    return (colour & 0xFF000000) == 0;
}

platform::Colour ResolvedColour(platform::Colour colour) {
    if (colour & platform::kSystemColourFlag) return platform::SystemColour(static_cast<int>(colour & 0xFF));
    return colour & 0xFFFFFF;
}

platform::Colour ColourEntries::ColourOf(int index, platform::Colour fallback) const {
    if (index < 0 || index >= Count()) return fallback;
    if (showAuto && index == 0) return autoColour;
    return kComboColours[static_cast<std::size_t>(index - (showAuto ? 1 : 0))];
}

int ColourEntries::IndexOf(platform::Colour colour) const {
    if (showAuto && colour == autoColour) return 0;
    const platform::Colour rgb = ResolvedColour(colour);
    for (std::size_t i = 0; i < kComboColours.size(); ++i)
        if (kComboColours[i] == rgb) return static_cast<int>(i) + (showAuto ? 1 : 0);
    return -1;
}

}  // namespace bars
