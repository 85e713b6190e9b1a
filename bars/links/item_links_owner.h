#pragma once

#include "bars/core/bar_types.h"

namespace platform {
struct CanvasFont;
}

namespace bars {

// What owns a link collection: a bar, a sub item, a pop-up menu, or one of the framework's
// own pop-ups.
class TcbBarItemLinksOwner {
public:
    virtual ~TcbBarItemLinksOwner() = default;

    virtual TcbBar* AsBar() { return nullptr; }
    virtual TCustomcbBarSubItem* AsSubItem() { return nullptr; }
    virtual bool IsPopupMenu() const { return false; }
    virtual bool IsFrameworkPopup() const { return false; }
    // A font of the owner's own for its menu window (a pop-up menu's); none: the usual one.
    virtual const platform::CanvasFont* OwnFont() const { return nullptr; }
    // The links changed: a pop-up menu marks its form modified, the others mark the
    // manager as changed.
    virtual void LinksChanged() = 0;
};

}  // namespace bars
