#pragma once

#include "bars/menus/sub_item_control.h"

namespace bars {

// The toolbars list item's control: a sub item's, whose menu lists the toolbars as they are
// when it opens.
class TcbBarToolbarsListItemControl : public TcbBarSubItemControl {
public:
    using TcbBarSubItemControl::TcbBarSubItemControl;

    TcbBarSubMenuControl* CreateSubMenuControl() override;
};

}  // namespace bars
