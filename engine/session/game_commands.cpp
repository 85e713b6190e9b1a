#include "engine/session/game_commands.h"

#include <array>
#include <string_view>

#include "engine/play/autoplay_buttons.h"
#include "engine/ports/services.h"
#include "engine/undo/undo_buttons.h"
#include "engine/ports/window_items.h"

namespace engine {

namespace {

constexpr std::array<std::string_view, 5> kLeadingButtons = {"tbNew", "tbNew1", "tbRestart", "tbRestart1", "tbSave1"};
constexpr std::array<std::string_view, 2> kRulesButtons = {"tbRules", "tbRules1"};
constexpr std::array<std::string_view, 14> kGameMenuItems = {
    "mnuNew", "mnuRestartGame", "mnuSelect", "mnuQuitGame", "mnuSave", "mnuSnapshotPosition", "mnuUndoToSnapshot",
    "mnuUndo", "mnuRedo", "mnuPause", "mnuAutoPlay", "mnuCustomizeRules", "mnuRules", "mnuGameInformation",
};

template <std::size_t N>
void SetEnabled(IWindowItems& items, const std::array<std::string_view, N>& names, bool enabled) {
    for (const std::string_view name : names) items.SetItemEnabled(name, enabled);
}

}  // namespace

void EnableGameCommands(const Services& services, bool enabled) {
    IWindowItems* items = services.windowItems;
    if (items != nullptr) SetEnabled(*items, kLeadingButtons, enabled);
    if (services.shellPort != nullptr) EnableUndoRedoButtons(*services.shellPort, enabled);
    if (items == nullptr) return;
    EnableAutoPlayButtons(*items, enabled);
    SetEnabled(*items, kRulesButtons, enabled);
    SetEnabled(*items, kGameMenuItems, enabled);
}

}  // namespace engine
