#pragma once

#include "bars/items/bar_sub_item.h"

namespace bars {

// A sub item whose menu lists the manager's toolbars, each a check entry that shows or
// hides its toolbar.
class TcbBarToolbarsListItem : public TCustomcbBarSubItem {
public:
    static constexpr const char* kClassName = "TcbBarToolbarsListItem";
    using TCustomcbBarSubItem::TCustomcbBarSubItem;

    // Before its menu opens (not while customizing): the entries made for an earlier opening
    // that show nowhere are freed, and the links are made again, one per listed toolbar, the
    // link's data being the toolbar's index.
    void RefillToolbarLinks();
};

}  // namespace bars
