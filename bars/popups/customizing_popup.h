#pragma once

#include "bars/core/bar_types.h"
#include "bars/popups/popup_entries.h"
#include "platform/core/canvas.h"

#include <memory>
#include <string>

namespace platform {
class IMessages;
}

namespace bars {

// The context menu of a link while the user customizes: "&Reset" (the link's own values go),
// "&Delete", "&Name:", the four paint styles as one radio group (only for buttons that can
// show a glyph), "Begin a &Group" (not for the first link), and at design time "&Visible" and
// "&Most recently used". Esc closes it.
class TcbBarCustomizingPopup : public PopupEntryMenu {
public:
    // Made with the entries for the link.
    explicit TcbBarCustomizingPopup(TcbBarItemLink& link);
    ~TcbBarCustomizingPopup() override;
    // None once an entry (or anything else) freed it.
    TcbBarItemLink* Link() const;

private:
    std::shared_ptr<TcbBarItemLink*> m_target;
    // While the user customizes, keys do not reach menus: Esc is taken here.
    unsigned m_escapeHook = 0;
};

// Answers the menu window; none when the link went before it opened.
TcbBarSubMenuControl* ShowCustomizingPopup(TcbBarItemLink& link, platform::Point screen);

// The name entry's text: a non-empty text becomes the link's own caption; an empty one keeps
// the caption and tells the user (string 39010, with the application's title). Answers
// whether the caption was taken.
bool ApplyCustomizingName(TcbBarItemLink& link, const std::string& text, platform::IMessages& messages,
                          const std::string& applicationTitle);

}  // namespace bars
