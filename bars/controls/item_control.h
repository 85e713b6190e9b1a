#pragma once

#include "bars/core/bar_types.h"

namespace bars {

class IBarWindow;

// The visual half of one link that is on screen: a plain object owned by its link, drawing
// on the window of the link's collection. Items push every change of a property here; the
// base reacts by asking the window to lay out or repaint, the concrete controls (buttons,
// sub items, edits) refine it.
class TcbBarItemControl {
public:
    explicit TcbBarItemControl(TcbBarItemLink& link);
    TcbBarItemControl(const TcbBarItemControl&) = delete;
    TcbBarItemControl& operator=(const TcbBarItemControl&) = delete;
    virtual ~TcbBarItemControl();

    TcbBarItemLink& Link() const { return m_link; }
    TcbBarItem* Item() const;
    // The window of the link's collection when the control was made (none in a model
    // without windows).
    IBarWindow* BarWindow() const { return m_barWindow; }

    bool IsActive() const { return m_active; }
    virtual void Activate(bool immediate);
    virtual void Deactivate(bool immediate);

    // Change notices from the item and the link.
    virtual void BeginGroupChanged();
    virtual void CaptionChanged();
    virtual void EnabledChanged();
    virtual void GlyphChanged();
    virtual void ShortCutChanged();
    virtual void ItemVisibleChanged();
    // Button notices; other controls ignore them.
    virtual void ButtonStyleChanged() {}
    virtual void DownChanged() {}
    virtual void DropDownEnabledChanged() {}
    virtual void PaintStyleChanged() {}

    // The paint style the control draws with (buttons without an image show their
    // caption on toolbars).
    virtual TcbBarPaintStyle EffectivePaintStyle() const;

    // The item's Enabled as read; false without an item.
    bool GetEnabled() const;
    virtual void Repaint();

protected:
    void RelayoutWindow();

private:
    TcbBarItemLink& m_link;
    IBarWindow* m_barWindow;
    bool m_active = false;
};

}  // namespace bars
