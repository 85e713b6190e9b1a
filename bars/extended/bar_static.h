#pragma once

#include "bars/controls/item_control.h"
#include "bars/items/bar_item.h"

namespace bars {

// A text on a bar or in a menu: never clicked, selected or chosen by its accelerator.
class TcbBarStatic : public TcbBarItem {
public:
    static constexpr const char* kClassName = "TcbBarStatic";
    using TcbBarItem::TcbBarItem;

    bool IsClickable() const override { return false; }
    bool CanSelectByKeyboard() const override { return false; }
    bool CanUseAccelerator(const TcbBarItemLink&) const override { return false; }
};

class TcbBarStaticControl : public TcbBarItemControl {
public:
    using TcbBarItemControl::TcbBarItemControl;

    bool RunsItemClick() const override { return false; }
    bool ClosesMenusOnClick() const override { return false; }
    bool IsSelected() const override { return false; }
    int GetWidth() const override;
    int GetHeight() const override;
    void Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) override;

private:
    bool RotatedVertical() const;
    int Length() const;
};

}  // namespace bars
