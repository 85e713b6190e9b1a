#pragma once

#include "bars/controls/item_control.h"
#include "platform/core/canvas.h"

#include <functional>

namespace bars {

class TCustomcbBarControl;
class TcbBarButtonControl;

// Opens a button's drop-down menu at a screen point; the pop-up menus set it.
using DropDownHandler = std::function<void(TcbBarButtonControl& control, platform::Point screen, bool byMouse)>;
const DropDownHandler& ButtonDropDownHandler();
void SetButtonDropDownHandler(DropDownHandler handler);

// The control of a button on a toolbar, the menu bar or in a menu: its size by paint
// style, its look (glyph cell, frame, caption, check mark, drop-down arrow part) and its
// click, which toggles a check button before the item's click runs.
class TcbBarButtonControl : public TcbBarItemControl {
public:
    explicit TcbBarButtonControl(TcbBarItemLink& link);

    TcbBarButton* Button() const;
    // The drop-down arrow part's width: drawn, measured and pressed alike.
    virtual int GetArrowWidth() const;
    int GetDefaultWidth() const;
    int GetDefaultHeight() const;
    int GetWidth() const override;
    int GetHeight() const override;
    void Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) override;

    void GlyphChanged() override;
    void ButtonStyleChanged() override { RelayoutWindow(); }
    void DownChanged() override { Repaint(); }
    void DropDownEnabledChanged() override { Repaint(); }
    void PaintStyleChanged() override { RelayoutWindow(); }
    TcbBarPaintStyle EffectivePaintStyle() const override;

    void BeforeClick(bool byMouse) override;
    void ItemControlClick(bool byMouse) override;
    bool IsSelected() const override;
    bool ClosesMenusOnClick() const override;

    bool DroppedDown() const { return m_droppedDown; }
    // Leaving the button by a key (Esc in its menu, a walk to another entry) closes its menu.
    void Deactivate(bool immediate) override;
    void CloseUp();
    void DropDown(bool byMouse);
    // Set by the bar window around a press, so that BeforeClick knows the mouse is down.
    void SetBeingClicked(bool value) { m_beingClicked = value; }

private:
    TCustomcbBarControl* Window() const;
    bool InMenu() const;
    bool RotatedVertical() const;
    bool ShowsCaption() const;
    int CaptionWidth() const;
    bool Pushed() const;
    void DrawMenuEntry(platform::Canvas& canvas, const platform::Rect& rect);
    // Background and frame over `frame`, the glyph (or a menu's check mark) centred in `cell`.
    void DrawGlyphCell(platform::Canvas& canvas, const platform::Rect& frame, const platform::Rect& cell, bool inMenu,
                       bool pushed);

    bool m_droppedDown = false;
    bool m_beingClicked = false;
};

}  // namespace bars
