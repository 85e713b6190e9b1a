#include "bars/controls/button_control.h"

#include "bars/controls/glyph_cell.h"
#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/popups/popup_menu.h"
#include "bars/services/captions.h"
#include "bars/services/glyphs.h"
#include "bars/services/shapes.h"
#include "bars/toolbars/bar.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/classic_draw.h"
#include "platform/qt/image_list.h"
#include "platform/qt/text_draw.h"

#include <algorithm>

namespace bars {

namespace {

constexpr int kPlaceMenu = 1;
constexpr int kPlaceVertical = 2;

platform::Colour Face() { return platform::SystemColour(platform::COLOR_BTNFACE); }

// A small solid triangle pointing down, centred: rows of 5, 3 and 1 pixels.
void DrawDownArrow(platform::Canvas& canvas, const platform::Rect& r, bool enabled) {
    const platform::Colour colour = platform::SystemColour(enabled ? platform::COLOR_BTNTEXT : platform::COLOR_BTNSHADOW);
    const int x = r.left + (r.Width() - 5) / 2;
    const int y = r.top + (r.Height() - 3) / 2;
    for (int k = 0; k < 3; ++k) canvas.FillSolidRect({x + k, y + k, x + 5 - k, y + k + 1}, colour);
}

platform::Rect Moved(platform::Rect r, int by) { return {r.left + by, r.top + by, r.right + by, r.bottom + by}; }

// Measures text in the font the bar window draws with.
int TextWidthIn(const platform::CanvasFont& font, const std::string& text) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Canvas canvas(scratch);
    canvas.SetFont(font);
    return canvas.TextWidth(text);
}

}  // namespace

TcbBarButtonControl::TcbBarButtonControl(TcbBarItemLink& link) : TcbBarItemControl(link) {}

TcbBarButton* TcbBarButtonControl::Button() const { return dynamic_cast<TcbBarButton*>(Item()); }

TCustomcbBarControl* TcbBarButtonControl::Window() const { return dynamic_cast<TCustomcbBarControl*>(BarWindow()); }

bool TcbBarButtonControl::InMenu() const { return BarWindow() && BarWindow()->IsMenu(); }

bool TcbBarButtonControl::RotatedVertical() const { return Link().InRotatedVerticalBar(); }

int TcbBarButtonControl::GetArrowWidth() const {
    if (InMenu()) return Window() ? Window()->TextHeightThreeQuarters() : 0;
    return Manager() ? Manager()->ArrowWidth() : 0;
}

TcbBarPaintStyle TcbBarButtonControl::EffectivePaintStyle() const {
    const TcbBarPaintStyle style = Link().PaintStyle();
    if (!InMenu() && style == psStandard && !HasImage()) return psCaption;
    return style;
}

bool TcbBarButtonControl::ShowsCaption() const {
    const TcbBarPaintStyle style = EffectivePaintStyle();
    return style == psCaption || style == psCaptionGlyph;
}

int TcbBarButtonControl::CaptionWidth() const {
    const platform::CanvasFont font = Window() ? Window()->FontHandle() : Manager()->Font();
    return TextWidthIn(font, StripAccelerators(GetCaption()));
}

int TcbBarButtonControl::GetDefaultWidth() const {
    TcbBarManager* manager = Manager();
    if (!manager) return 0;
    const int itemHeight = Window() ? Window()->ItemHeight() : 0;
    if (InMenu()) {
        int width = CaptionWidth() + 2 * itemHeight + 6;
        if (GetShortCut() != 0) {
            const platform::CanvasFont font = Window()->FontHandle();
            width += TextWidthIn(font, platform::ShortCutToText(static_cast<platform::ShortCutValue>(GetShortCut()))) +
                     itemHeight - 6;
        }
        return width;
    }
    switch (EffectivePaintStyle()) {
    case psCaption: {
        const platform::CanvasFont font = Window() ? Window()->FontHandle() : manager->Font();
        return CaptionWidth() + font.size;
    }
    case psCaptionGlyph:
        return CaptionWidth() + (RotatedVertical() ? manager->ButtonHeight() : manager->ButtonWidth()) + 4;
    default: return manager->ButtonWidth();
    }
}

int TcbBarButtonControl::GetDefaultHeight() const {
    TcbBarManager* manager = Manager();
    if (!manager) return 0;
    const int itemHeight = Window() ? Window()->ItemHeight() : 0;
    if (InMenu()) return itemHeight;
    if (ShowsCaption())
        return std::max(itemHeight, RotatedVertical() ? manager->ButtonWidth() : manager->ButtonHeight());
    return manager->ButtonHeight();
}

int TcbBarButtonControl::GetWidth() const {
    if (RotatedVertical() && ShowsCaption()) return GetDefaultHeight();
    int width = GetDefaultWidth();
    if (!InMenu() && Button() && Button()->ButtonStyle() == bsDropDown) width += GetArrowWidth();
    return width;
}

int TcbBarButtonControl::GetHeight() const {
    if (RotatedVertical() && ShowsCaption()) {
        int length = GetDefaultWidth();
        if (Button() && Button()->ButtonStyle() == bsDropDown) length += GetArrowWidth();
        return length;
    }
    return GetDefaultHeight();
}

void TcbBarButtonControl::GlyphChanged() {
    const TcbBarPaintStyle style = Link().PaintStyle();
    if (style == psStandard)
        RelayoutWindow();
    else
        Repaint();
}

bool TcbBarButtonControl::IsSelected() const {
    // A button held during its click looks selected even when the selection moved on; the
    // window decides whether it customizes, as a pop-up over the customizing shows a menu.
    const IBarWindow* window = BarWindow();
    TcbBarManager* manager = Manager();
    const bool customizing = window ? window->IsCustomizing() : manager && manager->IsCustomizing();
    if (TcbBarItemControl::IsSelected() && !customizing) return true;
    return ClickHold();
}

bool TcbBarButtonControl::ClosesMenusOnClick() const {
    if (!InMenu()) return true;
    return Button() ? Button()->CloseSubMenuOnClick() : true;
}

bool TcbBarButtonControl::Pushed() const {
    const TCustomcbBarControl* window = Window();
    const bool held = window && window->PressedControl() == this && window->PressedIn() && !m_droppedDown;
    const bool holding = ClickHold() && Button() && Button()->ButtonStyle() != bsChecked;
    return held || holding;
}

void TcbBarButtonControl::BeforeClick(bool byMouse) {
    TcbBarButton* button = Button();
    if (button && button->ButtonStyle() == bsDropDown && byMouse && m_beingClicked && Window()) {
        const platform::Rect rect = Window()->GetItemRect(this);
        const platform::Rect arrow{rect.right - GetArrowWidth(), rect.top, rect.right, rect.bottom};
        if (arrow.Contains(Window()->LastPress())) {
            DropDown(true);
            return;
        }
    }
    if (InMenu() && !(button && button->ButtonStyle() == bsDropDown)) return;
    Repaint();
}

void TcbBarButtonControl::ItemControlClick(bool byMouse) {
    if (m_droppedDown) return;
    // Taken before anything runs: the click may free this control.
    const auto alive = AliveToken();
    if (TcbBarButton* button = Button(); button && button->ButtonStyle() == bsChecked)
        button->SetDown(!button->Down());
    if (!*alive) return;
    Deactivate(true);
    TcbBarItemControl::ItemControlClick(byMouse);
}

void TcbBarButtonControl::Deactivate(bool immediate) {
    TcbBarItemControl::Deactivate(immediate);
    if (!immediate || !m_droppedDown) return;
    TcbBarPopupMenu* popup = Button() ? Button()->DropDownMenu() : nullptr;
    TcbBarSubMenuControl* menu = popup ? popup->MenuWindow() : nullptr;
    if (!menu || menu->OpeningControl() != this) return;
    // Not through the opener's close, which would close the bar's chain too.
    menu->SetOpeningControl(nullptr);
    menu->Release();
}

void TcbBarButtonControl::CloseUp() {
    m_droppedDown = false;
    if (Window()) Window()->SetMarkState(0);
    Repaint();
}

void TcbBarButtonControl::DropDown(bool byMouse) {
    TcbBarButton* button = Button();
    if (m_droppedDown || !GetEnabled() || !button || !button->DropDownEnabled() || !button->DropDownMenu()) return;
    m_droppedDown = true;
    if (!IsActive()) Activate(true);
    Repaint();
    const DropDownHandler& handler = ButtonDropDownHandler();
    if (!handler || !Window()) return;
    const platform::Rect rect = Window()->GetItemRect(this);
    const bool horizontal = !InMenu() && Window()->DockingStyle() != dsLeft && Window()->DockingStyle() != dsRight;
    const platform::Point client = horizontal ? platform::Point{rect.left, rect.bottom}
                                              : platform::Point{rect.right, rect.top - 3};
    handler(*this, Window()->ClientToScreenPoint(client), byMouse);
}

// ---- drawing --------------------------------------------------------------------------

void TcbBarButtonControl::DrawGlyphCell(platform::Canvas& canvas, const platform::Rect& frame,
                                        const platform::Rect& cell, bool inMenu, bool pushed) {
    const TcbBarButton* button = Button();
    const bool down = button && button->Down();
    const bool selected = IsSelected();
    const bool enabled = GetEnabled();
    const bool image = HasImage() && cell.Width() > 0;
    CellBackground background = CellBackground::Bar;
    if (down && !selected && enabled)
        background = CellBackground::Dither;
    else if (inMenu && selected && !image)
        background = CellBackground::Highlight;
    FillGlyphCell(canvas, frame, background, Background());
    if (!image) {
        if (inMenu && down) DrawCheckMark(canvas, cell, Window() && Window()->ItemHeight() - 6 > 15, enabled);
    } else {
        DrawControlGlyph(canvas, *this, cell, inMenu, (down ? 1 : 0) + (pushed ? 1 : 0), background);
    }
    if (down || pushed)
        DrawCellFrame(canvas, frame, CellFrame::Sunken);
    else if (selected && !(inMenu && !image))
        DrawCellFrame(canvas, frame, CellFrame::Raised);
}

void TcbBarButtonControl::DrawMenuEntry(platform::Canvas& canvas, const platform::Rect& rect) {
    const platform::Rect column{rect.left, rect.top, rect.left + rect.Height(), rect.bottom};
    DrawGlyphCell(canvas, column, column, true, false);
    const bool selected = IsSelected();
    const bool enabled = GetEnabled();
    platform::Rect text{column.right, rect.top, rect.right, rect.bottom};
    const TcbBarButton* button = Button();
    if (button && button->ButtonStyle() == bsDropDown) text.right -= GetArrowWidth();
    canvas.FillSolidRect(text, selected && (enabled || !HasImage())
                                   ? platform::SystemColour(platform::COLOR_HIGHLIGHT)
                                   : Background());
    if (Window()) canvas.SetFont(Window()->FontHandle());
    const platform::Rect caption{text.left + 3, text.top, text.right, text.bottom};
    DrawCaption(canvas, GetCaption(), caption, CaptionAlignment::Left, enabled, selected, false);
    if (GetShortCut() != 0) {
        const platform::Rect keys{text.left, text.top, text.right - (rect.Height() + 5), text.bottom};
        DrawCaption(canvas, platform::ShortCutToText(static_cast<platform::ShortCutValue>(GetShortCut())), keys,
                    CaptionAlignment::Right, enabled, selected, false);
    }
    if (button && button->ButtonStyle() == bsDropDown) {
        platform::Rect arrow{text.right, rect.top, rect.right, rect.bottom};
        platform::Rect line{arrow.left, arrow.top + 2, arrow.left + 2, arrow.bottom - 2};
        platform::DrawEdge(canvas, line, platform::EDGE_ETCHED, platform::BF_LEFT);
        DrawSubMenuArrow(canvas, arrow, std::max(1, rect.Height() / 4), enabled, selected);
    }
}

void TcbBarButtonControl::Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    if (place == kPlaceMenu) {
        DrawMenuEntry(canvas, rect);
        return;
    }
    TcbBarManager* manager = Manager();
    const TcbBarButton* button = Button();
    const bool dropDown = button && button->ButtonStyle() == bsDropDown;
    const bool vertical = place == kPlaceVertical;
    platform::Rect part = rect;
    platform::Rect arrow;
    if (dropDown) {
        arrow = {rect.right - GetArrowWidth(), rect.top, rect.right, rect.bottom};
        part.right = arrow.left;
    }
    const bool pushed = Pushed();
    const bool down = button && button->Down();
    const TcbBarPaintStyle style = EffectivePaintStyle();
    // The cell's background and frame take the whole button part; the glyph its cell.
    platform::Rect cell = part;
    if (style == psCaption) cell = {part.left, part.top, part.left, part.bottom};
    if (style == psCaptionGlyph) {
        if (vertical)
            cell.bottom = cell.top + manager->ButtonHeight();
        else
            cell.right = cell.left + manager->ButtonWidth();
    }
    DrawGlyphCell(canvas, part, cell, false, pushed);
    if (style == psCaption || style == psCaptionGlyph) {
        if (Window()) canvas.SetFont(Window()->FontHandle());
        const int inset = style == psCaption ? (Window() ? (Window()->ItemHeight() - 6) / 2 : 0)
                                             : (vertical ? manager->ButtonHeight() : manager->ButtonWidth());
        platform::Rect text = part;
        if (vertical)
            text.top += inset;
        else
            text.left += inset;
        text = Moved(text, (down ? 1 : 0) + (pushed ? 1 : 0));
        DrawCaption(canvas, GetCaption(), text, CaptionAlignment::Left, GetEnabled(), false,
                    vertical && RotatedVertical());
    }
    if (dropDown) {
        canvas.FillSolidRect(arrow, Face());
        platform::Rect edge = arrow;
        if (m_droppedDown)
            platform::DrawEdge(canvas, edge, platform::BDR_SUNKENOUTER, platform::BF_RECT);
        else if (IsSelected())
            platform::DrawEdge(canvas, edge, platform::BDR_RAISEDINNER, platform::BF_RECT);
        const int shift = m_droppedDown && arrow.Width() > 9 ? 1 : 0;
        DrawDownArrow(canvas, Moved(arrow, shift), GetEnabled());
    }
}

}  // namespace bars

namespace bars {

namespace {
DropDownHandler& DropDownSlot() {
    static DropDownHandler handler;
    return handler;
}
}  // namespace

const DropDownHandler& ButtonDropDownHandler() { return DropDownSlot(); }
void SetButtonDropDownHandler(DropDownHandler handler) { DropDownSlot() = std::move(handler); }

}  // namespace bars
