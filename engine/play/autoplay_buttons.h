#pragma once

#include <string_view>

namespace engine {

class IWindowItems;

// The glyphs of the small toolbar's AutoPlay button, by bitmap name.
inline constexpr std::string_view kAutoPlayGlyph = "TB_AUTOPLAY";
inline constexpr std::string_view kAutoPlayDisabledGlyph = "TB_AUTOPLAY_DIS";

// Enables or disables the AutoPlay menu item and both toolbars' buttons together, with the
// small toolbar's glyph to match. Nothing when both buttons already are as asked.
void EnableAutoPlayButtons(IWindowItems& items, bool enabled);

}  // namespace engine
