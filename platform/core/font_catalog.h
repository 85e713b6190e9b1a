#pragma once

#include <string>
#include <vector>

namespace platform {

// The screen fonts installed on this machine.
class IFontCatalog {
public:
    virtual ~IFontCatalog() = default;
    // Face names as the system spells them.
    virtual std::vector<std::string> FontFamilies() const = 0;
};

}  // namespace platform
