#pragma once

#include <optional>
#include <string_view>

namespace engine {

struct Services;
class IHelpViewer;
class SettingsBlock;

inline constexpr std::string_view kHelpFileName = "quendrix.hlp";
inline constexpr std::string_view kRulesHelpWindow = "rules";
// A game's rules page has the context number game id + this.
inline constexpr int kRulesHelpContextBase = 3000;

// The context of a game's rules page; nothing for customized games and negative ids.
std::optional<int> RulesHelpContext(int gameId);

// Opens the rules page of a game (a negative id: the current game, settings field 62/4)
// in the help file's "rules" window, then gives the application its help file back.
// Customized games, and no current game, show nothing.
void ShowRulesHelp(const Services& services, const SettingsBlock& settings, IHelpViewer& help, int gameId);

}  // namespace engine
