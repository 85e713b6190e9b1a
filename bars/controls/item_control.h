#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"

#include <memory>
#include <string>

namespace platform {
class Bitmap;
class Canvas;
}  // namespace platform

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

    // Measuring, drawing and clicking, filled in by the concrete controls.
    TcbBarManager* Manager() const;
    virtual int GetWidth() const { return 0; }
    virtual int GetHeight() const { return 0; }
    // Place: 0 a horizontal bar, 1 a menu, 2 a vertical bar.
    virtual void Draw(platform::Canvas&, const platform::Rect&, int) {}
    virtual bool RunsItemClick() const { return true; }
    virtual bool ClosesMenusOnClick() const { return true; }
    virtual bool IsWindowControl() const { return false; }
    // Sub items open a menu instead of being pressed.
    virtual bool IsSubItemControl() const { return false; }
    // With the item enabled: BeforeClick, then the click path.
    void Click(bool byMouse);
    virtual void BeforeClick(bool) {}
    virtual void ItemControlClick(bool byMouse);
    virtual bool IsSelected() const;
    bool ClickHold() const { return m_clickHold; }
    virtual void ClickHoldChanged();
    std::string GetCaption() const;
    std::string GetHint() const;
    int GetShortCut() const;
    const platform::Bitmap& GetGlyph() const;
    int GetImageIndex() const;
    bool HasImage() const;
    // Only toolbars show hints; menu entries never do.
    bool HasHint() const;
    // False once the control is gone: a click holds it across the item's own click.
    std::shared_ptr<const bool> AliveToken() const { return m_alive; }

protected:
    void RelayoutWindow();
    // A click of the control's own (a field's extra button) holds it pressed meanwhile.
    void SetClickHold(bool value) {
        if (value == m_clickHold) return;
        m_clickHold = value;
        ClickHoldChanged();
    }

private:
    TcbBarItemLink& m_link;
    IBarWindow* m_barWindow;
    bool m_active = false;
    bool m_clickHold = false;
    bool m_enabledOnlySelected = false;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

// A reference to a control that may be freed under it (an item hidden, a bar rebuilt while
// a drop-down is open): it reads as none once the control is gone.
template <class Control>
class GuardedControl {
public:
    GuardedControl() = default;
    explicit GuardedControl(Control* control)
        : m_control(control), m_alive(control ? control->AliveToken() : nullptr) {}
    Control* Get() const { return m_alive && *m_alive ? m_control : nullptr; }

private:
    Control* m_control = nullptr;
    std::shared_ptr<const bool> m_alive;
};

}  // namespace bars
