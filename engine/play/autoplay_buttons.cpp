#include "engine/play/autoplay_buttons.h"

#include <array>

#include "engine/ports/window_items.h"

namespace engine {

namespace {

constexpr std::string_view kAutoPlayButton = "tbAutoPlay";
constexpr std::string_view kAutoPlaySmallButton = "tbAutoPlay1";
constexpr std::array<std::string_view, 3> kAutoPlayItems = {"mnuAutoPlay", kAutoPlayButton, kAutoPlaySmallButton};

}  // namespace

void EnableAutoPlayButtons(IWindowItems& items, bool enabled) {
    if (items.IsItemEnabled(kAutoPlayButton) == enabled && items.IsItemEnabled(kAutoPlaySmallButton) == enabled)
        return;
    items.SetItemGlyph(kAutoPlaySmallButton, enabled ? kAutoPlayGlyph : kAutoPlayDisabledGlyph);
    for (const std::string_view item : kAutoPlayItems) items.SetItemEnabled(item, enabled);
}

}  // namespace engine
