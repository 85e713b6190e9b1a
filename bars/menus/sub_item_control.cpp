#include "bars/menus/sub_item_control.h"

#include "bars/controls/glyph_cell.h"
#include "bars/items/bar_sub_item.h"
#include "bars/items/container_items.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/services/bar_window_chain.h"
#include "bars/services/captions.h"
#include "bars/services/shapes.h"
#include "bars/toolbars/bar.h"
#include "bars/windows/toolbar_window.h"
#include "platform/core/system_colours.h"
#include "platform/core/timer_service.h"
#include "platform/qt/timer_service_qt.h"
#include "platform/qt/classic_draw.h"

#include <QImage>

#include <cstdlib>

namespace bars {

namespace {

constexpr int kPlaceMenu = 1;
constexpr int kPlaceVertical = 2;
constexpr int kMenuOpenerLift = 3;

// The one pending hover: its control, its timer and whether it opens or closes.
struct Hover {
    TcbBarSubItemControl* control = nullptr;
    unsigned timer = 0;
    bool opening = false;
};
Hover g_hover;

int TextWidthIn(const platform::CanvasFont& font, const std::string& text) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Canvas canvas(scratch);
    canvas.SetFont(font);
    return canvas.TextWidth(text);
}

int PixelHeight(const platform::CanvasFont& font) {
    constexpr int kDotsPerInch = 96, kPointsPerInch = 72;
    return font.height != 0 ? std::abs(font.height) : font.size * kDotsPerInch / kPointsPerInch;
}

platform::Colour Face() { return platform::SystemColour(platform::COLOR_BTNFACE); }

}  // namespace

TcbBarSubItemControl::TcbBarSubItemControl(TcbBarItemLink& link) : TcbBarItemControl(link) {}

TcbBarSubItemControl::~TcbBarSubItemControl() {
    if (g_hover.control == this) CancelHover();
    TCustomcbBarSubItem* item = SubItem();
    TcbBarSubMenuControl* menu = GetSubMenuControl();
    if (menu && menu->OpeningControl() == this) {
        menu->SetOpeningControl(nullptr);
        if (item && item->BarManager() && !item->BarManager()->IsDestroying()) menu->Release();
    }
}

TCustomcbBarSubItem* TcbBarSubItemControl::SubItem() const { return dynamic_cast<TCustomcbBarSubItem*>(Item()); }

TCustomcbBarControl* TcbBarSubItemControl::Window() const { return dynamic_cast<TCustomcbBarControl*>(BarWindow()); }

bool TcbBarSubItemControl::InMenu() const { return BarWindow() && BarWindow()->IsMenu(); }

bool TcbBarSubItemControl::OnMainMenuBar() const {
    TcbBar* bar = Link().Collection() ? Link().Collection()->Owner().AsBar() : nullptr;
    return bar && bar->IsMainMenu();
}

TcbBarSubMenuControl* TcbBarSubItemControl::GetSubMenuControl() const {
    TCustomcbBarSubItem* item = SubItem();
    auto* menu = item ? dynamic_cast<TcbBarSubMenuControl*>(item->ItemLinks().Window()) : nullptr;
    return menu && IsLiveBarWindow(menu) ? menu : nullptr;
}

TcbBarSubMenuControl* TcbBarSubItemControl::CreateSubMenuControl() {
    if (TCustomcbBarSubItem* item = SubItem()) item->ItemLinks().CreateWindow();
    return GetSubMenuControl();
}

TcbBarSubItemControl* TcbBarSubItemControl::HoverControl() { return g_hover.control; }

void TcbBarSubItemControl::CancelHover() {
    if (g_hover.timer != 0)
        platform::Timers().KillTimer(g_hover.timer);
    g_hover = {};
}

void TcbBarSubItemControl::StartHover(bool opening) {
    CancelHover();
    platform::ITimerService* timers = &platform::Timers();
    g_hover.control = this;
    g_hover.opening = opening;
    g_hover.timer = timers->SetTimer(kSubMenuHoverMs, [](unsigned) {
        TcbBarSubItemControl* control = g_hover.control;
        const bool open = g_hover.opening;
        CancelHover();
        if (!control) return;
        if (open)
            control->Activate(true);
        else
            control->Deactivate(true);
    });
}

void TcbBarSubItemControl::Activate(bool immediate) {
    if (GetSubMenuControl()) {
        TcbBarItemLink* active = SubItem()->ActiveLink();
        if (active && active->Control() && active->Control() != this) {
            active->Control()->Deactivate(true);
        } else {
            if (g_hover.control == this) CancelHover();
            return;
        }
    }
    TcbBarItemControl::Activate(immediate);
    TcbBarManager* manager = Manager();
    if (!GetEnabled() || !manager) return;
    const bool customizing = manager->IsCustomizing();
    if (!InMenu()) {
        auto* toolbar = dynamic_cast<TcbBarControl*>(Window());
        if (!customizing && !(toolbar && toolbar->MenuMode())) return;
    } else if (!immediate && !customizing) {
        if (TcbBarSubItemControl* pending = g_hover.control) {
            CancelHover();
            if (pending != this) pending->Deactivate(true);
        }
        StartHover(true);
        return;
    }
    OpenMenu(false);
}

void TcbBarSubItemControl::OpenMenu(bool byKeyboard) {
    TCustomcbBarSubItem* item = SubItem();
    TCustomcbBarControl* window = Window();
    if (!item || !window) return;
    const auto alive = AliveToken();
    if (auto* sub = dynamic_cast<TcbBarSubItem*>(item); sub && sub->OnPopup) sub->OnPopup(sub);
    if (!*alive) return;
    item->DirectClick();
    if (!*alive) return;
    TcbBarSubMenuControl* menu = CreateSubMenuControl();
    if (!menu) return;
    const platform::Rect rect = window->GetItemRect(this);
    platform::Point point{rect.left, rect.bottom};
    int openerWidth = 0, openerHeight = rect.Height();
    const TcbBarDockingStyle side = window->DockingStyle();
    if (InMenu()) {
        point = {rect.right, rect.top - kMenuOpenerLift};
        openerWidth = rect.Width();
        openerHeight = 0;
    } else if (side == dsLeft || side == dsRight) {
        point = {rect.right, rect.top};
        openerWidth = rect.Width();
        openerHeight = 0;
    }
    menu->SetOpeningControl(this);
    menu->SetParentBarWindow(window);
    menu->SetRequestedPosition(window->ClientToScreenPoint(point));
    menu->SetOpenerExtent(openerWidth, openerHeight);
    if (auto* parentMenu = dynamic_cast<TcbBarSubMenuControl*>(window)) parentMenu->SetChildMenu(menu);
    if (auto* toolbar = dynamic_cast<TcbBarControl*>(window)) {
        Repaint();
        menu->SetKeyboardOpened(toolbar->KeyboardOpened());
        toolbar->SetKeyboardOpened(false);
    }
    menu->SetAnimate(true);
    menu->ShowMenu();
    if (byKeyboard && menu->ItemLinks())
        if (TcbBarItemLink* first = menu->ItemLinks()->FirstSelectable(); first && first->Control())
            menu->SelectControl(first->Control());
}

void TcbBarSubItemControl::Deactivate(bool immediate) {
    TCustomcbBarControl* window = Window();
    TcbBarManager* manager = Manager();
    const bool customizing = manager && manager->IsCustomizing();
    if (InMenu() && !immediate && !g_hover.control && window && IsLiveBarWindow(window) && !window->IsDestroying() &&
        !customizing) {
        StartHover(false);
        return;
    }
    TcbBarSubMenuControl* menu = GetSubMenuControl();
    if (menu && menu->OpeningControl() == this) menu->SetOpeningControl(nullptr);
    TcbBarItemControl::Deactivate(immediate);
    if (g_hover.control) CancelHover();
    if (menu) menu->Release();
    if (!InMenu()) Repaint();
    if (menu)
        if (auto* sub = dynamic_cast<TcbBarSubItem*>(SubItem()); sub && sub->OnCloseUp) sub->OnCloseUp(sub);
}

void TcbBarSubItemControl::BeforeClick(bool byMouse) {
    auto* toolbar = dynamic_cast<TcbBarControl*>(Window());
    if (!GetSubMenuControl()) {
        if (toolbar && byMouse) {
            // A click on a menu title puts the bar into menu mode.
            if (!toolbar->IsActive()) toolbar->BeginKeyboardMode(this);
            toolbar->SetMenuMode(true);
        }
        if (!GetEnabled()) return;
        if (GetSubMenuControl()) return;
        TcbBarItemControl::Activate(true);
        TcbBarManager* manager = Manager();
        if (toolbar && !(toolbar->MenuMode() || (manager && manager->IsCustomizing()))) return;
        OpenMenu(!byMouse);
        return;
    }
    Deactivate(true);
    if (toolbar && byMouse && IsLiveBarWindow(toolbar)) toolbar->CloseAll();
}

// ---- measuring ------------------------------------------------------------------------

int TcbBarSubItemControl::GetDefaultHeight() const {
    TCustomcbBarControl* window = Window();
    TcbBarManager* manager = Manager();
    if (!window || !manager) return 0;
    if (InMenu()) return window->ItemHeight();
    const TCustomcbBarSubItem* item = SubItem();
    const bool caption = item && item->ShowCaption();
    const bool turned = Link().InRotatedVerticalBar();
    if (HasImage() || !caption) {
        const int button = turned ? manager->ButtonWidth() : manager->ButtonHeight();
        return caption ? std::max(button, window->ItemHeight()) : button;
    }
    return window->ItemHeight();
}

int TcbBarSubItemControl::GetDefaultWidth() const {
    TCustomcbBarControl* window = Window();
    TcbBarManager* manager = Manager();
    if (!window || !manager) return 0;
    const platform::CanvasFont font = window->FontHandle();
    const int text = TextWidthIn(font, StripAccelerators(GetCaption()));
    if (InMenu()) return text + 2 * window->ItemHeight() + 3;
    const TCustomcbBarSubItem* item = SubItem();
    const bool caption = item && item->ShowCaption();
    const bool turned = Link().InRotatedVerticalBar();
    int width = caption ? text : 0;
    if (!HasImage() && caption) {
        const int pixels = PixelHeight(font);
        width += pixels - (pixels % 2);
    } else {
        width += (turned ? manager->ButtonHeight() : manager->ButtonWidth()) + (caption ? 4 : 0);
    }
    if (!OnMainMenuBar()) width += window->ItemHeight() / 2;
    return width;
}

// Only a bar that turns its captions runs a title along its length.
int TcbBarSubItemControl::GetWidth() const {
    return Link().InRotatedVerticalBar() ? GetDefaultHeight() : GetDefaultWidth();
}

int TcbBarSubItemControl::GetHeight() const {
    return Link().InRotatedVerticalBar() ? GetDefaultWidth() : GetDefaultHeight();
}

// ---- drawing --------------------------------------------------------------------------

void TcbBarSubItemControl::DrawMenuEntry(platform::Canvas& canvas, const platform::Rect& rect,
                                         const std::string& caption, bool arrow) {
    // Lit as a selected button entry: the glyph column too, or a raised frame round the glyph.
    const bool lit = IsSelected() && arrow;
    const bool enabled = GetEnabled();
    const bool image = HasImage();
    const platform::Rect column{rect.left, rect.top, rect.left + rect.Height(), rect.bottom};
    FillGlyphCell(canvas, column, lit && !image ? CellBackground::Highlight : CellBackground::Bar, Background());
    if (image) DrawControlGlyph(canvas, *this, column, true, 0, CellBackground::Bar);
    if (lit && image) DrawCellFrame(canvas, column, CellFrame::Raised);
    const platform::Rect text{column.right, rect.top, rect.right, rect.bottom};
    canvas.FillSolidRect(text, lit && (enabled || !image) ? platform::SystemColour(platform::COLOR_HIGHLIGHT)
                                                          : Background());
    if (TCustomcbBarControl* window = Window()) canvas.SetFont(window->FontHandle());
    DrawCaption(canvas, caption, {text.left + 3, text.top, text.right, text.bottom}, CaptionAlignment::Left, enabled,
                lit, false);
    if (!arrow) return;
    const int size = std::max(1, rect.Height() / 4);
    const platform::Rect place{rect.right - rect.Height(), rect.top, rect.right - rect.Height() + 2 * size + 2, rect.bottom};
    DrawSubMenuArrow(canvas, place, size, enabled, lit);
}

void TcbBarSubItemControl::Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    if (place == kPlaceMenu) {
        DrawMenuEntry(canvas, rect, GetCaption(), true);
        return;
    }
    TCustomcbBarControl* window = Window();
    TcbBarManager* manager = Manager();
    const bool open = GetSubMenuControl() != nullptr;
    const bool vertical = place == kPlaceVertical;
    // A vertical bar that does not turn its captions lays its titles out as a horizontal one.
    const bool turned = vertical && Link().InRotatedVerticalBar();
    FillGlyphCell(canvas, rect, CellBackground::Bar, Face());
    if (HasImage() && manager) {
        // The glyph's cell is a button wide (high along a turned bar) at the start; it moves
        // with the down look while the menu is open.
        platform::Rect cell = rect;
        if (turned)
            cell.bottom = cell.top + manager->ButtonHeight();
        else
            cell.right = cell.left + manager->ButtonWidth();
        DrawControlGlyph(canvas, *this, cell, false, open ? 1 : 0, CellBackground::Bar);
    }
    if (open)
        DrawCellFrame(canvas, rect, CellFrame::Sunken);
    else if (IsSelected())
        DrawCellFrame(canvas, rect, CellFrame::Raised);
    const TCustomcbBarSubItem* item = SubItem();
    if (window) canvas.SetFont(window->FontHandle());
    if (item && item->ShowCaption()) {
        const int inset = HasImage() ? (turned ? manager->ButtonHeight() : manager->ButtonWidth())
                                     : (window ? PixelHeight(window->FontHandle()) / 2 : 0);
        platform::Rect text = rect;
        if (turned)
            text.top += inset;
        else
            text.left += inset;
        if (open) text = {text.left + 1, text.top + 1, text.right + 1, text.bottom + 1};
        DrawCaption(canvas, GetCaption(), text, CaptionAlignment::Left, GetEnabled(), false, turned);
    }
    if (OnMainMenuBar()) return;
    const int size = HasImage() ? 4 : (window ? PixelHeight(window->FontHandle()) / 2 : 4);
    const platform::Colour colour = platform::SystemColour(GetEnabled() ? platform::COLOR_BTNTEXT : platform::COLOR_BTNSHADOW);
    if (!vertical) {
        const int cx = rect.right - size - 2, top = rect.top + (rect.Height() - size / 2) / 2;
        for (int k = 0; k < size / 2 + 1; ++k) canvas.FillSolidRect({cx - size / 2 + k, top + k, cx + size / 2 - k + 1, top + k + 1}, colour);
    } else if (turned) {
        DrawSubMenuArrow(canvas, {rect.left, rect.bottom - 2 * size - 2, rect.right, rect.bottom}, size / 2 + 1,
                         GetEnabled(), false);
    } else {
        // The menu opens beside the bar: the arrow points right at the title's end.
        DrawSubMenuArrow(canvas, {rect.right - 2 * size - 2, rect.top, rect.right, rect.bottom}, size / 2 + 1,
                         GetEnabled(), false);
    }
}

// ---- container control ----------------------------------------------------------------

TcbBarSubMenuControl* TcbBarContainerItemControl::CreateSubMenuControl() {
    TcbBarManager* manager = Manager();
    auto* container = dynamic_cast<TCustomcbBarContainerItem*>(SubItem());
    if (!manager || !container || manager->IsCustomizing()) return nullptr;
    TcbBarItemLinks& links = container->ItemLinks();
    auto* menu = new TcbBarSubMenuControl(*manager);
    menu->SetItemLinks(&links);
    links.SetWindow(menu);
    container->AddListedItemLinks(links, 0, &Link(), true);
    // The listed entries go when the window closes; the next fill clears the made ones.
    menu->OnCloseUp = [container, &links] {
        container->DeleteListedItemLinks(links, 0);
        container->SetNeedsClearing(true);
    };
    return menu;
}

int TcbBarContainerItemControl::GetDefaultWidth() const {
    TCustomcbBarControl* window = Window();
    if (!window || !InMenu()) return TcbBarSubItemControl::GetDefaultWidth();
    return TextWidthIn(window->FontHandle(), "(" + StripAccelerators(GetCaption()) + ")") + 2 * window->ItemHeight() + 3;
}

void TcbBarContainerItemControl::Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) {
    if (place != kPlaceMenu) {
        TcbBarSubItemControl::Draw(canvas, rect, place);
        return;
    }
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    DrawMenuEntry(canvas, rect, "(" + GetCaption() + ")", false);
}

}  // namespace bars
