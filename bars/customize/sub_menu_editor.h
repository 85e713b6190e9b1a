#pragma once

#include "bars/windows/bar_window_base.h"

namespace bars {

class TCustomcbBarSubItem;

// A window that shows one sub-menu's links as a menu for editing: commands and links are
// dragged into it and out of it like on any bar while customizing. Made once, reused; wide
// enough for its caption.
class TcbBarSubMenuEditor : public TCustomcbBarControl {
public:
    static constexpr int kMinimumWidth = 120;

    explicit TcbBarSubMenuEditor(TcbBarManager& manager);
    ~TcbBarSubMenuEditor() override;

    // Takes the sub item's links, and shows them.
    void Hold(TCustomcbBarSubItem& item);
    void Edit(TCustomcbBarSubItem& item);
    TCustomcbBarSubItem* SubItem() const { return m_subItem; }

    bool IsMenu() const override { return true; }
    bool CanCustomizeHere() const override { return true; }
    // The links' collection goes (its sub item freed): the editor shows nothing.
    void Release() override;
    void Rebuild() override;

protected:
    void CalcLayout() override;
    void PaintClient(platform::Canvas& canvas) override;
    int DrawPlace() const override { return 1; }

private:
    void Detach();

    TCustomcbBarSubItem* m_subItem = nullptr;
};

// The process's sub-menu editor (none until first opened): opening it switches customizing
// on for the item's manager and shows the customizing window's Commands page.
TcbBarSubMenuEditor* ShowSubMenuEditor(TCustomcbBarSubItem& item);
TcbBarSubMenuEditor* SubMenuEditor();
void FreeSubMenuEditor();

}  // namespace bars
