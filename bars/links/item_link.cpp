#include "bars/links/item_link.h"

#include "bars/controls/bar_window.h"
#include "bars/controls/item_control.h"
#include "bars/items/bar_button.h"
#include "bars/items/bar_item.h"
#include "bars/items/bar_sub_item.h"
#include "bars/items/bar_window_item.h"
#include "bars/links/item_links.h"
#include "bars/links/item_links_owner.h"
#include "bars/manager/bar_manager.h"
#include "bars/registry/item_class_registry.h"
#include "bars/services/captions.h"
#include "bars/toolbars/bar.h"
#include "platform/core/bar_error.h"
#include "platform/core/bar_strings.h"

#include <algorithm>

namespace bars {

TcbBarItemLink::TcbBarItemLink(TcbBarItemLinks& collection)
    : m_collection(&collection), m_useCount(collection.Manager().RecentItemsThreshold()) {}

TcbBarItemLink::~TcbBarItemLink() {
    if (!m_collection) {
        return;
    }
    TcbBarManager& manager = m_collection->Manager();
    if (!manager.IsDestroying()) {
        manager.ItemLinkDeleted(*this);
    }
    TcbBarItemLink* regroup = manager.DragLink() == this ? LinkToRegroup() : nullptr;
    if (manager.DragLink() == this) {
        manager.SetDragLink(nullptr);
    }
    DestroyControl();
    if (m_item) {
        m_item->RemoveLink(*this);
    }
    m_collection->Forget(*this);
    if (regroup) {
        regroup->m_beginGroup = !regroup->m_beginGroup;
    }
}

// A link dragged away hands its group start on: a first link's follower loses the start it
// would no longer need, and a removed start passes to the next link.
TcbBarItemLink* TcbBarItemLink::LinkToRegroup() const {
    const auto& visible = m_collection->VisibleLinks();
    int position = VisibleIndex();
    if (!m_item || position < 0 || position + 1 >= static_cast<int>(visible.size())) {
        return nullptr;
    }
    TcbBarItemLink* next = visible[static_cast<std::size_t>(position + 1)];
    bool nextStarts = next->BeginGroup();
    if ((position == 0 && nextStarts) || (BeginGroup() && !nextStarts)) {
        return next;
    }
    return nullptr;
}

void TcbBarItemLink::Free() { m_collection->Delete(*this); }

void TcbBarItemLink::Assign(const TcbBarItemLink& source, TcbBarItem* item) {
    m_data = source.m_data;
    SetUserCaption(source.m_userCaption);
    SetUserGlyph(source.m_userGlyph);
    SetUserPaintStyle(source.m_userPaintStyle);
    SetUserWidth(source.m_userWidth);
    SetItem(item);
    SetUserDefine(source.m_userDefine);
    SetBeginGroup(source.BeginGroup());
    SetVisible(source.m_visible);
}

bool TcbBarItemLink::BeginGroup() const {
    const auto& shown = m_collection->ShownLinks();
    int position = m_collection->ShownIndexOf(*this);
    if (position < 0) {
        return m_beginGroup;
    }
    if (position == 0) {
        return false;
    }
    if (m_beginGroup) {
        return true;
    }
    // A group start on a link that is not shown passes to the next shown link.
    const auto& available = m_collection->AvailableLinks();
    int from = m_collection->AvailableIndexOf(*shown[static_cast<std::size_t>(position - 1)]);
    int to = m_collection->AvailableIndexOf(*this);
    for (int i = from + 1; i < to; ++i) {
        if (available[static_cast<std::size_t>(i)]->m_beginGroup) {
            return true;
        }
    }
    return false;
}

void TcbBarItemLink::SetBeginGroup(bool value) {
    m_beginGroup = value;
    if (m_control) {
        m_control->BeginGroupChanged();
    }
    Notify();
}

bool TcbBarItemLink::ReachesOwnerSubItem(TcbBarItem& item) const {
    TCustomcbBarSubItem* owner = m_collection->Owner().AsSubItem();
    if (!owner) {
        return false;
    }
    if (&item == owner) {
        return true;
    }
    auto* subItem = dynamic_cast<TCustomcbBarSubItem*>(&item);
    return subItem && subItem->ItemLinks().Reaches(*owner);
}

void TcbBarItemLink::SetItem(TcbBarItem* item) {
    if (m_item == item) {
        return;
    }
    DestroyControl();
    if (m_item) {
        m_item->RemoveLink(*this);
    }
    m_item = item;
    if (!item) {
        Free();
        return;
    }
    if (ReachesOwnerSubItem(*item)) {
        // Cleared directly: through the setter a missing item would free the link while
        // the caller still holds it.
        m_item = nullptr;
        m_collection->Refresh();
        throw platform::BarError(platform::bar_string::kRecursiveSubItems);
    }
    item->AddLink(*this);
    m_collection->Refresh();
    Notify();
}

void TcbBarItemLink::SetMostRecentlyUsed(bool value) {
    m_mostRecentlyUsed = value;
    if (value) {
        m_useCount = m_collection->Manager().RecentItemsThreshold();
        m_collection->UseLink(*this, false);
    } else {
        m_useCount = 0;
        m_collection->MoveToRecentEnd(*this);
    }
    if (IBarWindow* window = m_collection->Window()) {
        window->Rebuild();
    }
    Notify();
}

void TcbBarItemLink::RelayoutControl() {
    if (m_control && m_control->BarWindow() && !m_control->BarWindow()->IsDestroying()) {
        m_control->BarWindow()->Relayout();
    }
}

void TcbBarItemLink::SetUserCaption(const std::string& value) {
    m_userCaption = value;
    m_userDefine |= udCaption;
    RelayoutControl();
    Notify();
}

void TcbBarItemLink::SetUserGlyph(const platform::Bitmap& value) {
    m_userGlyph = value;
    m_userDefine |= udGlyph;
    if (m_control) {
        m_control->Repaint();
    }
    Notify();
}

void TcbBarItemLink::SetUserPaintStyle(TcbBarPaintStyle value) {
    if (value == PaintStyle()) {
        return;
    }
    m_userPaintStyle = value;
    m_userDefine |= udPaintStyle;
    if (m_control) {
        m_control->PaintStyleChanged();
    }
    Notify();
}

void TcbBarItemLink::SetUserWidth(int value) {
    value = ClampWidth(value);
    if (value == Width()) {
        return;
    }
    m_userWidth = value;
    m_userDefine |= udWidth;
    RelayoutControl();
    Notify();
}

void TcbBarItemLink::SetUserDefine(TcbBarUserDefines value) {
    m_userDefine = value;
    if (!(value & udCaption)) {
        m_userCaption.clear();
    }
    if (!(value & udGlyph)) {
        m_userGlyph.Clear();
    }
    if (!(value & udPaintStyle)) {
        m_userPaintStyle = psStandard;
    }
    if (!(value & udWidth)) {
        m_userWidth = 0;
    }
    RelayoutControl();
    if (m_control) {
        m_control->Repaint();
    }
    Notify();
}

void TcbBarItemLink::SetVisible(bool value) {
    if (m_collection->Manager().IsLoading() || m_collection->IsAssigning()) {
        m_pendingVisible = value;
        return;
    }
    if (m_visible == value) {
        return;
    }
    m_visible = value;
    m_collection->Refresh();
    if (m_collection->Manager().IsCustomizing()) {
        return;
    }
    if (value) {
        if (m_collection->Window()) {
            CreateControl();
        }
        m_collection->UseLink(*this, false);
    } else {
        DestroyControl();
        m_collection->MoveToRecentEnd(*this);
    }
    if (IBarWindow* window = m_collection->Window()) {
        window->Rebuild();
    }
    Notify();
}

std::string TcbBarItemLink::Caption() const {
    if (m_userDefine & udCaption) {
        return m_userCaption;
    }
    return m_item ? m_item->Caption() : std::string();
}

const platform::Bitmap& TcbBarItemLink::Glyph() const {
    static const platform::Bitmap kNone;
    if (m_userDefine & udGlyph) {
        return m_userGlyph;
    }
    return m_item ? m_item->Glyph() : kNone;
}

TcbBarPaintStyle TcbBarItemLink::PaintStyle() const {
    if (m_userDefine & udPaintStyle) {
        return m_userPaintStyle;
    }
    return m_item ? m_item->LinkPaintStyle() : psStandard;
}

int TcbBarItemLink::Width() const {
    if (m_userDefine & udWidth) {
        return m_userWidth;
    }
    return m_item ? m_item->LinkWidth() : 0;
}

int TcbBarItemLink::Index() const { return m_collection->IndexOf(*this); }

int TcbBarItemLink::VisibleIndex() const { return m_collection->VisibleIndexOf(*this); }

int TcbBarItemLink::RecentIndex() const { return m_collection->RecentIndexOf(*this); }

bool TcbBarItemLink::CanShow() const { return m_item && m_item->IsVisibleNow() && m_visible; }

bool TcbBarItemLink::InRotatedVerticalBar() const {
    const IBarWindow* window = m_collection ? m_collection->Window() : nullptr;
    if (!window || window->IsMenu()) return false;
    if (window->DockingStyle() != dsLeft && window->DockingStyle() != dsRight) return false;
    const TcbBar* bar = m_collection->Owner().AsBar();
    return bar && bar->RotateWhenVertical();
}

bool TcbBarItemLink::ShowsAsButton() const {
    return dynamic_cast<const TcbBarWindowItem*>(m_item) != nullptr && InRotatedVerticalBar();
}

void TcbBarItemLink::CreateControl() {
    if (m_control || !m_item) {
        return;
    }
    const TcbBarItemClassRegistry& classes = BarItemClasses();
    const BarItemControlFactory* makeControl =
        ShowsAsButton() ? classes.ControlClassOf(typeid(TcbBarButton)) : classes.ControlClassOf(*m_item);
    if (makeControl) {
        m_control = (*makeControl)(*this);
    }
}

void TcbBarItemLink::DestroyControl() {
    // Released first, so that the control's end never sees itself as the link's control.
    auto control = std::move(m_control);
    control.reset();
}

void TcbBarItemLink::Notify() {
    TcbBarManager& manager = m_collection->Manager();
    if (IBarWindow* window = m_collection->Window(); window && !window->IsBuilding()) {
        m_collection->Owner().LinksChanged();
    }
    if (!manager.IsLoading()) {
        manager.ItemLinkChanged(*this);
    }
}

}  // namespace bars
