// The measuring, drawing and click side of the item control base.
#include "bars/controls/button_control.h"
#include "bars/controls/item_control.h"
#include "bars/items/bar_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/services/bar_window_chain.h"
#include "bars/services/menu_sounds.h"
#include "bars/windows/bar_window_base.h"
#include "platform/qt/image_list.h"

namespace bars {

namespace {

constexpr int kMenuCommandSound = 1;

bool ManagerHoldsItem(const TcbBarManager* manager, const TcbBarItem* item) {
    if (!manager) return false;
    for (int i = 0; i < manager->ItemCount(); ++i)
        if (manager->Items(i) == item) return true;
    return false;
}

}  // namespace

TcbBarManager* TcbBarItemControl::Manager() const {
    return Link().Collection() ? &Link().Collection()->Manager() : nullptr;
}

std::string TcbBarItemControl::GetCaption() const { return Item() ? Link().Caption() : std::string(); }

std::string TcbBarItemControl::GetHint() const { return Item() ? Item()->Hint() : std::string(); }

int TcbBarItemControl::GetShortCut() const { return Item() ? Item()->ShortCut() : 0; }

const platform::Bitmap& TcbBarItemControl::GetGlyph() const { return Link().Glyph(); }

int TcbBarItemControl::GetImageIndex() const { return Item() ? Item()->ImageIndex() : -1; }

bool TcbBarItemControl::HasImage() const {
    if (!GetGlyph().IsEmpty()) return true;
    const platform::ImageList* images = Manager() ? Manager()->Images() : nullptr;
    const int index = GetImageIndex();
    return images && index >= 0 && index < images->Count();
}

bool TcbBarItemControl::HasHint() const {
    // Menu entries show no hint window.
    return !GetHint().empty() && BarWindow() && !BarWindow()->IsMenu();
}

bool TcbBarItemControl::IsSelected() const {
    return BarWindow() && BarWindow()->SelectedControl() == this && (GetEnabled() || !m_enabledOnlySelected);
}

void TcbBarItemControl::ClickHoldChanged() { Repaint(); }

void TcbBarItemControl::Click(bool byMouse) {
    if (!GetEnabled()) return;
    BeforeClick(byMouse);
    ItemControlClick(byMouse);
}

void TcbBarItemControl::ItemControlClick(bool byMouse) {
    (void)byMouse;
    // Everything the click needs is taken first: closing the menus and the item's own
    // click may free this control, its window and even the item.
    const auto alive = AliveToken();
    IBarWindow* window = BarWindow();
    auto* barWindow = dynamic_cast<TCustomcbBarControl*>(window);
    if (window && window->IsMenu() && dynamic_cast<TcbBarButtonControl*>(this)) PlayMenuSound(kMenuCommandSound);
    TcbBarItemLink* link = &Link();
    TcbBarItemLink* source = &link->RepresentedLink();
    TcbBarItem* item = link->Item();
    TcbBarManager* manager = Manager();
    const bool runs = RunsItemClick();
    const bool closes = ClosesMenusOnClick();
    if (closes) {
        if (source->Collection()) source->Collection()->UseLink(*source, true);
        if (source != link && link->Collection()) link->Collection()->UseLink(*link, true);
    }
    const bool toolbar = window && !window->IsMenu() && !window->IsQuickControl();
    const bool hold = item && item->UnclickAfterDoing() && (!closes || toolbar);
    if (hold) {
        m_clickHold = true;
        ClickHoldChanged();
    }
    if (closes && barWindow && IsLiveBarWindow(barWindow)) barWindow->CloseAll();
    if (runs && item) {
        item->SetClickedLink(source);
        try {
            item->DirectClick();
        } catch (...) {
            if (ManagerHoldsItem(manager, item)) item->SetClickedLink(nullptr);
            throw;
        }
        if (ManagerHoldsItem(manager, item)) item->SetClickedLink(nullptr);
    }
    if (hold && *alive && IsLiveBarWindow(barWindow)) {
        m_clickHold = false;
        ClickHoldChanged();
    } else if (hold && *alive) {
        m_clickHold = false;
    }
}

}  // namespace bars
