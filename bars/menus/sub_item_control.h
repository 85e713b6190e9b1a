#pragma once

#include "bars/controls/item_control.h"

namespace bars {

class TCustomcbBarSubItem;
class TCustomcbBarControl;
class TcbBarSubMenuControl;

// Menus open and close 400 ms after the mouse comes to rest on a sub item's entry.
inline constexpr unsigned kSubMenuHoverMs = 400;

// The control of a sub item: on a bar a menu title, in a menu an entry with an arrow. It
// opens its item's menu beside itself (at once on bars, after the hover delay in menus) and
// closes it again.
class TcbBarSubItemControl : public TcbBarItemControl {
public:
    explicit TcbBarSubItemControl(TcbBarItemLink& link);
    ~TcbBarSubItemControl() override;

    TCustomcbBarSubItem* SubItem() const;
    // The open menu of the item's links; none when closed.
    TcbBarSubMenuControl* GetSubMenuControl() const;
    virtual TcbBarSubMenuControl* CreateSubMenuControl();
    virtual int GetDefaultWidth() const;
    virtual int GetDefaultHeight() const;

    void GlyphChanged() override { RelayoutWindow(); }
    bool RunsItemClick() const override { return false; }
    bool ClosesMenusOnClick() const override { return false; }
    bool IsSubItemControl() const override { return true; }
    void Activate(bool immediate) override;
    void Deactivate(bool immediate) override;
    void BeforeClick(bool byMouse) override;
    // Opening the menu is the click; the item's own click never runs here.
    void ItemControlClick(bool) override {}
    int GetWidth() const override;
    int GetHeight() const override;
    void Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) override;

    // The control whose hover timer is pending; none when no timer runs.
    static TcbBarSubItemControl* HoverControl();

protected:
    TCustomcbBarControl* Window() const;
    bool InMenu() const;
    bool OnMainMenuBar() const;
    void DrawMenuEntry(platform::Canvas& canvas, const platform::Rect& rect, const std::string& caption, bool arrow);

private:
    void StartHover(bool opening);
    void OpenMenu(bool byKeyboard);
    static void CancelHover();
};

// A container item's control: on bars it opens a menu of the container's entries; in a menu
// (only while customizing, otherwise the entries stand in its place) it shows "(caption)".
class TcbBarContainerItemControl : public TcbBarSubItemControl {
public:
    using TcbBarSubItemControl::TcbBarSubItemControl;
    TcbBarSubMenuControl* CreateSubMenuControl() override;
    int GetDefaultWidth() const override;
    void Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) override;
};

}  // namespace bars
