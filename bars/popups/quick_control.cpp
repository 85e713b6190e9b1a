#include "bars/popups/quick_control.h"

#include "bars/items/bar_button.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/links/item_links_owner.h"
#include "bars/manager/bar_manager.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/popups/popup_entries.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/dock_control.h"
#include "bars/windows/toolbar_window.h"
#include "platform/core/bar_strings.h"
#include "platform/core/window_messages.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"

#include <QPointer>

#include <memory>

namespace bars {

namespace {

QPointer<TcbBarSubMenuControl>& OpenSlot() {
    static QPointer<TcbBarSubMenuControl> open;
    return open;
}

QPointer<TcbBarControl>& ToolbarSlot() {
    static QPointer<TcbBarControl> toolbar;
    return toolbar;
}

// The toolbar whose mark took a left press while its drop-down was open. That press closes the
// drop-down before it reaches the mark, and must not open it again there.
QPointer<TcbBarControl>& PressOnOpenMarkSlot() {
    static QPointer<TcbBarControl> toolbar;
    return toolbar;
}

bool DidNotFit(const TcbBarItemLink& link) {
    const platform::Rect& r = link.ItemRect();
    return link.CanShow() && (r.Width() <= 0 || r.Height() <= 0);
}

void AddCheckEntries(TcbBarManager& manager, TcbBar& bar, TcbBarItemLinks& into) {
    QPointer<TcbBarManager> alive(&manager);
    for (int i = 0; i < bar.ItemLinks().Count(); ++i) {
        TcbBarItemLink& source = *bar.ItemLinks().Items(i);
        if (!source.Item()) continue;
        TcbBarButton& entry = NewPopupEntry(manager, source.Caption());
        entry.SetButtonStyle(bsChecked);
        entry.SetDown(source.Visible());
        entry.SetGlyph(source.Glyph());
        entry.SetHint(source.Item()->Hint());
        entry.SetShortCut(source.Item()->ShortCut());
        TcbBarItemLinks* links = &bar.ItemLinks();
        entry.OnClick = [alive, links, &source](platform::Component*) {
            if (alive && links->IndexOf(source) >= 0) source.SetVisible(!source.Visible());
        };
        AddPopupEntryLink(into, entry, i, false);
    }
}

}  // namespace

TcbBarSubMenuControl* OpenQuickControl() { return OpenSlot(); }

TcbBarControl* QuickControlToolbar() { return OpenSlot() ? ToolbarSlot().data() : nullptr; }

void CloseQuickControlForMouse(unsigned message, platform::WindowHandle window, platform::Point screen) {
    if (message == platform::WM_MOUSEMOVE || message == platform::WM_NCMOUSEMOVE) return;
    PressOnOpenMarkSlot() = nullptr;
    TcbBarSubMenuControl* open = OpenSlot();
    TcbBarControl* toolbar = QuickControlToolbar();
    if (!open || !toolbar) return;
    QWidget* widget = platform::WidgetOf(window);
    if (widget && (widget == open || open->isAncestorOf(widget))) return;
    // The mark toggles the drop-down itself.
    const platform::Rect mark = toolbar->EndMarkRect();
    const platform::Point from = toolbar->ClientToScreenPoint({mark.left, mark.top});
    const platform::Point to = toolbar->ClientToScreenPoint({mark.right, mark.bottom});
    if (widget == toolbar && message != platform::WM_RBUTTONDOWN && screen.x >= from.x && screen.x < to.x &&
        screen.y >= from.y && screen.y < to.y) {
        if (message == platform::WM_LBUTTONDOWN || message == platform::WM_LBUTTONDBLCLK) PressOnOpenMarkSlot() = toolbar;
        return;
    }
    if (toolbar->MarkState() == 2) {
        toolbar->SetMarkState(0);
    } else {
        CloseQuickControl();
    }
}

void CloseQuickControl() {
    if (TcbBarSubMenuControl* open = OpenSlot()) open->CloseAll();
}

TcbBarSubMenuControl* ShowQuickControl(TcbBarControl& toolbar) {
    CloseQuickControl();
    PopupEntries::Instance().Purge();
    TcbBarManager& manager = toolbar.Manager();
    TcbBar& bar = toolbar.Bar();
    auto popup = std::make_shared<PopupEntryLinks>(manager);
    TcbBarItemLinks& links = popup->Links();
    for (int i = 0; i < bar.ItemLinks().Count(); ++i) {
        TcbBarItemLink& source = *bar.ItemLinks().Items(i);
        if (!source.Item() || !DidNotFit(source)) continue;
        TcbBarItemLink& copy = links.Add();
        copy.SetItem(source.Item());
        copy.SetSourceLink(&source);
    }
    auto& more = NewPopupEntry<TcbBarSubItem>(manager, std::string(platform::BarString(platform::bar_string::kAddOrRemoveButtons)));
    more.SetEnabled(bar.AllowQuickCustomizing());
    AddPopupEntryLink(links, more, 0, links.Count() > 0);
    AddCheckEntries(manager, bar, more.ItemLinks());
    QPointer<TcbBarManager> alive(&manager);
    const bool reset = manager.AllowReset() && bar.AllowReset();
    if (reset) {
        TcbBarButton& entry = NewPopupEntry(manager, std::string(platform::BarString(platform::bar_string::kResetToolbarEntry)));
        TcbBar* target = &bar;
        entry.OnClick = [alive, target](platform::Component*) {
            if (alive && alive->Bars().IndexOf(*target) >= 0) target->Reset();
        };
        AddPopupEntryLink(more.ItemLinks(), entry, 0, true);
    }
    if (manager.CanCustomize()) {
        const platform::Rect mark = toolbar.EndMarkRect();
        TcbBarButton& customize = NewCustomizeEntry(manager, toolbar.ClientToScreenPoint({mark.left, mark.bottom}));
        AddPopupEntryLink(more.ItemLinks(), customize, kCustomizeEntryData, !reset);
    }
    links.CreateWindow();
    auto* menu = dynamic_cast<TcbBarSubMenuControl*>(links.Window());
    if (!menu) return nullptr;
    const platform::Rect mark = toolbar.EndMarkRect();
    const bool vertical = toolbar.DockingStyle() == dsLeft || toolbar.DockingStyle() == dsRight;
    menu->SetRequestedPosition(toolbar.ClientToScreenPoint(vertical ? platform::Point{mark.right, mark.top}
                                                                    : platform::Point{mark.left, mark.bottom}));
    menu->SetOpenerExtent(vertical ? mark.Width() : 0, vertical ? 0 : mark.Height());
    QPointer<TcbBarControl> parent(&toolbar);
    // The links live as long as the menu window; the mark comes back up when it closes.
    menu->OnCloseUp = [popup, parent] {
        if (parent && parent->MarkState() == 2) parent->SetMarkState(0);
    };
    OpenSlot() = menu;
    ToolbarSlot() = &toolbar;
    menu->ShowMenu();
    return menu;
}

void InstallQuickControl() {
    SetEndMarkHandler([](TcbBarControl& toolbar, int state) {
        if (state == 2 && PressOnOpenMarkSlot() == &toolbar) {
            PressOnOpenMarkSlot() = nullptr;
            toolbar.SetMarkState(1);
        } else if (state == 2) {
            ShowQuickControl(toolbar);
        } else {
            CloseQuickControl();
        }
    });
}

void RemoveQuickControl() {
    CloseQuickControl();
    SetEndMarkHandler(nullptr);
}

}  // namespace bars
