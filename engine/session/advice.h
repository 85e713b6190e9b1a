#pragma once

#include <string>
#include <string_view>

namespace engine {

class SettingsBlock;
struct Services;

// The modal advice box: a text, a picture page and a "don't show again" tick box.
class IAdviceBox {
public:
    virtual ~IAdviceBox() = default;
    // Shows the box until the player closes it; true when the tick box was ticked.
    virtual bool ShowAdvice(const std::string& text, int page) = 0;
};

inline constexpr std::string_view kShowMessagesKey = "Show_Messages";

// Shows the advice unless key Show_Messages of the section of the preference file is
// "N"; a player who ticks the box turns it to "N", so the advice never comes again.
void ShowAdvice(const Services& services, const SettingsBlock& settings, const std::string& text,
                std::string_view section, int page);

}  // namespace engine
