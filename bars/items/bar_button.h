#pragma once

#include "bars/items/bar_item.h"

#include <QPointer>

namespace bars {

class TcbBarPopupMenu;

// The command item: a toolbar button and a menu entry at once. A check button can belong to
// a group of mutually exclusive buttons (same GroupIndex in one manager), and a button can
// carry a drop-down menu on an arrow part.
class TcbBarButton : public TcbBarItem {
public:
    static constexpr const char* kClassName = "TcbBarButton";

    TcbBarButton(TcbBarManager* manager, QWidget* owner);

    bool AllowAllUp() const { return m_allowAllUp; }
    // Copied at once to every button of the same group.
    void SetAllowAllUp(bool value);
    TcbBarButtonStyle ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(TcbBarButtonStyle value);
    bool CloseSubMenuOnClick() const { return m_closeSubMenuOnClick; }
    void SetCloseSubMenuOnClick(bool value) { m_closeSubMenuOnClick = value; }
    bool Down() const { return m_down; }
    // Only a check button goes down; in a group one button stays down unless AllowAllUp.
    void SetDown(bool value);
    bool DropDownEnabled() const { return m_dropDownEnabled; }
    void SetDropDownEnabled(bool value);
    // None once the menu is freed.
    TcbBarPopupMenu* DropDownMenu() const;
    void SetDropDownMenu(TcbBarPopupMenu* value);
    int GroupIndex() const { return m_groupIndex; }
    // Only a check button keeps a group; changing it releases the button.
    void SetGroupIndex(int value);
    TcbBarPaintStyle PaintStyle() const { return m_paintStyle; }
    void SetPaintStyle(TcbBarPaintStyle value);

    TcbBarPaintStyle LinkPaintStyle() const override { return m_paintStyle; }
    bool CanUseAccelerator(const TcbBarItemLink& link) const override;
    // A check button toggles before the click runs, so OnClick sees the new state.
    void Click() override;
    void ActionChange(platform::Action& action, bool checkDefaults) override;
    void AssignTo(platform::Action& action) const override;

    virtual void ButtonStyleChanged();
    // Whether the button's links may show a glyph, so that their paint style means anything.
    virtual bool CanShowGlyph() const { return true; }
    virtual void DownChanged();
    virtual void DropDownEnabledChanged();
    virtual void PaintStyleChanged();

private:
    // Releases without the group rule (a button that leaves its group or style).
    void ReleaseDown();
    std::vector<TcbBarButton*> Group() const;

    bool m_allowAllUp = false;
    TcbBarButtonStyle m_buttonStyle = bsDefault;
    bool m_closeSubMenuOnClick = true;
    bool m_down = false;
    bool m_dropDownEnabled = true;
    QPointer<QObject> m_dropDownMenu;
    int m_groupIndex = 0;
    TcbBarPaintStyle m_paintStyle = psStandard;
};

}  // namespace bars
