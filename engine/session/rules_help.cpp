#include "engine/session/rules_help.h"

#include <string>

#include "engine/base/decimal_text.h"
#include "engine/model/game_list.h"
#include "engine/ports/help_viewer.h"
#include "engine/model/preference_fields.h"
#include "engine/ports/services.h"
#include "engine/model/settings_block.h"
#include "platform/core/paths.h"

namespace engine {

std::optional<int> RulesHelpContext(int gameId) {
    if (gameId < 0 || gameId >= kFirstCustomGameId) {
        return std::nullopt;
    }
    return gameId + kRulesHelpContextBase;
}

void ShowRulesHelp(const Services& services, const SettingsBlock& settings, IHelpViewer& help, int gameId) {
    if (gameId < 0) {
        // No current game (-1) would ask for a page that belongs to nothing.
        gameId = ReadDecimal(settings.GetField(fields::kGame.position, fields::kGame.width)).value_or(-1);
    }
    const std::optional<int> context = RulesHelpContext(gameId);
    if (!context) {
        return;
    }
    const std::string previous = help.HelpFile();
    help.SetHelpFile(services.paths->Resolve(kHelpFileName).string() + ">" + std::string(kRulesHelpWindow));
    help.ShowHelpContext(*context);
    help.SetHelpFile(previous);
}

}  // namespace engine
