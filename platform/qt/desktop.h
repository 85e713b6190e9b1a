#pragma once

#include "platform/core/font_catalog.h"
#include "platform/core/shell_open.h"

namespace platform {

// Result codes of opening through the desktop: above 32 means it opened.
inline constexpr int kShellOpened = 42;
inline constexpr int kShellFileNotFound = 2;
inline constexpr int kShellNoAssociation = 31;

// Opens addresses (http:, https:, mailto:, ...) and files with the desktop's default handler.
class DesktopShellOpen : public IShellOpen {
public:
    // A name without a scheme is a file, relative to the folder when it is not absolute.
    // The parameters and the show mode have no meaning for the desktop and are ignored.
    int Open(const std::string& file, const std::string& parameters, const std::string& folder, int showMode) override;
};

// The font families the font database knows.
class FontCatalog : public IFontCatalog {
public:
    std::vector<std::string> FontFamilies() const override;
};

}  // namespace platform
