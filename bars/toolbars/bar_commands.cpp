// The bar's shortcut search, its assignment from another bar and its reset to the form's design.
#include "bars/controls/bar_window.h"
#include "bars/design/manager_description.h"
#include "bars/items/bar_item.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/toolbars/first_links.h"
#include "platform/core/bar_strings.h"
#include "platform/core/messages.h"

#include <vector>

namespace bars {

namespace {

bool SearchLinks(const TcbBarItemLinks& links, int key) {
    // A copy: a click may change the links.
    const std::vector<TcbBarItemLink*> available = links.AvailableLinks();
    for (TcbBarItemLink* link : available) {
        TcbBarItem* item = link->Item();
        if (!item || !item->Enabled() || !item->CanSelectByKeyboard()) continue;
        if (TCustomcbBarSubItem* sub = dynamic_cast<TCustomcbBarSubItem*>(item)) {
            if (SearchLinks(sub->ItemLinks(), key)) return true;
        } else if (item->ShortCut() == key) {
            item->Click();
            return true;
        }
    }
    return false;
}

// Links whose design-time item is gone are dropped once the assignment is over.
void DropLinksWithoutItem(TcbBarItemLinks& links) {
    for (int i = links.Count() - 1; i >= 0; --i)
        if (TcbBarItemLink* link = links.Items(i); link && !link->Item()) links.Delete(*link);
}

// The links of the fresh copy, with the items looked up by name in the real form; sub items
// reached through them take their fresh links too.
void AssignLinks(TcbBarManager& real, TcbBarItemLinks& target, const TcbBarItemLinks& fresh, int depth = 0) {
    target.Assign(fresh, [&real](TcbBarItem* item) { return item ? real.ItemByName(item->Name()) : nullptr; });
    DropLinksWithoutItem(target);
    target.CopyRecentState(fresh);
    // Sub items cannot reach themselves, but a deep chain still ends.
    if (depth > 32) return;
    for (int i = 0; i < fresh.Count(); ++i) {
        auto* freshSub = dynamic_cast<TCustomcbBarSubItem*>(fresh.Items(i)->Item());
        auto* realSub = freshSub ? dynamic_cast<TCustomcbBarSubItem*>(real.ItemByName(freshSub->Name())) : nullptr;
        if (realSub) AssignLinks(real, realSub->ItemLinks(), freshSub->ItemLinks(), depth + 1);
    }
}

}  // namespace

bool TcbBar::ShortCutSearch(int key) { return key != 0 && SearchLinks(ItemLinks(), key); }

void TcbBar::Assign(const TcbBar& source, const LinksAssigner& assignLinks) {
    if (&source == this) return;
    SetAllowClose(source.AllowClose());
    SetAllowCustomizing(source.AllowCustomizing());
    SetAllowQuickCustomizing(source.AllowQuickCustomizing());
    SetAllowReset(source.AllowReset());
    SetCaption(source.Caption());
    SetDockedDockingStyle(source.DockedDockingStyle());
    SetDockedLeft(source.DockedLeft());
    SetDockedTop(source.DockedTop());
    SetFloatLeft(source.FloatLeft());
    SetFloatTop(source.FloatTop());
    SetFloatClientWidth(source.FloatClientWidth());
    SetFloatClientHeight(source.FloatClientHeight());
    SetHidden(source.Hidden());
    SetIsMainMenu(source.IsMainMenu());
    if (assignLinks)
        assignLinks(ItemLinks(), source.ItemLinks());
    else
        ItemLinks().Assign(source.ItemLinks());
    SetNotDocking(source.NotDocking());
    SetOneOnRow(source.OneOnRow());
    SetRotateWhenVertical(source.RotateWhenVertical());
    SetRow(source.Row());
    SetWholeRow(source.WholeRow());
    SetDockingStyle(source.DockingStyle());
    SetUseRecentItems(source.UseRecentItems());
    SetUseRestSpace(source.UseRestSpace());
    SetFont(source.Font());
    SetUseOwnFont(source.UseOwnFont());
    SetVisible(source.Visible());
}

void TcbBar::ResetWithConfirmation(platform::IMessages& messages, const std::string& applicationTitle) {
    if (messages.ConfirmWarning(platform::FormatBarString(platform::bar_string::kResetToolbarConfirm, Caption()),
                                applicationTitle))
        Reset();
}

void TcbBar::Reset() {
    TcbBarManager& manager = Manager();
    const auto copy = CreateDesignTimeCopy(manager);
    if (!copy) {
        // A manager made in code goes back to the links it was first given.
        if (!HasFirstLinks(*this)) return;
        if (manager.OnBarBeforeReset) manager.OnBarBeforeReset(manager, *this);
        RestoreFirstLinks(*this);
        if (IBarWindow* window = ItemLinks().Window()) window->Rebuild();
        if (manager.OnBarAfterReset) manager.OnBarAfterReset(manager, *this);
        return;
    }
    TcbBar* fresh = copy->Manager().Bars().Items(Index());
    if (!fresh) return;
    if (manager.OnBarBeforeReset) manager.OnBarBeforeReset(manager, *this);
    if (manager.UseFullReset()) {
        const bool wasVisible = Visible();
        const bool wasLocked = manager.IsUpdateLocked();
        SetVisible(false);
        manager.SetLockUpdate(true);
        Assign(*fresh, [&manager](TcbBarItemLinks& target, const TcbBarItemLinks& links) {
            AssignLinks(manager, target, links);
        });
        manager.SetLockUpdate(wasLocked);
        SetVisible(wasVisible);
    } else {
        AssignLinks(manager, ItemLinks(), fresh->ItemLinks());
        if (IBarWindow* window = ItemLinks().Window()) window->Rebuild();
    }
    if (manager.OnBarAfterReset) manager.OnBarAfterReset(manager, *this);
}

}  // namespace bars
