#pragma once

#include <string>
#include <string_view>

namespace engine {

// The main window's menu items, toolbar buttons and panels by their component names
// ("mnuAbout", "tbStat1", "pnlStatusBar"), for the operations that set many of them at
// once. A name the window does not have is ignored: it reads as disabled with an empty
// caption. The shell implements it; tests record it.
class IWindowItems {
public:
    virtual ~IWindowItems() = default;

    virtual std::string ItemCaption(std::string_view item) const = 0;
    virtual void SetItemCaption(std::string_view item, std::string_view caption) = 0;
    virtual bool IsItemEnabled(std::string_view item) const = 0;
    virtual void SetItemEnabled(std::string_view item, bool enabled) = 0;
    virtual void SetItemVisible(std::string_view item, bool visible) = 0;
    // A toolbar button's image: a bitmap of the card resource library, by name.
    virtual void SetItemGlyph(std::string_view item, std::string_view bitmapName) = 0;
};

}  // namespace engine
