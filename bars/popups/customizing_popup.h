#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"

#include <string>

namespace platform {
class IMessages;
}

namespace bars {

class TcbBarSubMenuControl;

// The context menu of a link while the user customizes: "&Reset" (the link's own values go),
// "&Delete", the four paint styles as one radio group (only for buttons), "Begin a &Group"
// (not for the first link), and at design time "&Visible" and "&Most recently used".
TcbBarSubMenuControl* ShowCustomizingPopup(TcbBarItemLink& link, platform::Point screen);

// The name entry's text: a non-empty text becomes the link's own caption; an empty one keeps
// the caption and tells the user (string 39010, with the application's title). Answers
// whether the caption was taken.
bool ApplyCustomizingName(TcbBarItemLink& link, const std::string& text, platform::IMessages& messages,
                          const std::string& applicationTitle);

}  // namespace bars
