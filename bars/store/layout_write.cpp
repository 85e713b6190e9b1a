#include "bars/items/bar_item.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/store/layout_medium.h"
#include "bars/store/layout_names.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"

namespace bars {

namespace names = layout_names;

namespace {

bool KeepsRecentUse(const TcbBarManager& manager, const TcbBarItemLinks& links) {
    return manager.Style() == bmsEnhanced && links.UseRecentItems();
}

void WriteItemLinks(LayoutMedium& medium, const std::string& container, const TcbBarItemLinks& links) {
    const TcbBarManager& manager = links.Manager();
    const bool barLinks = links.Owner().AsBar() != nullptr;
    const bool recent = KeepsRecentUse(manager, links);
    medium.WriteInteger(container, names::kItemLinkCount, links.Count());
    for (int j = 0; j < links.Count(); ++j) {
        const TcbBarItemLink& link = *links.Items(j);
        // A link of an unnamed item could not find its item again: it leaves a gap.
        if (!link.Item() || link.Item()->Name().empty()) continue;
        const std::string linkContainer = medium.LinkContainer(container, j);
        const TcbBarUserDefines userDefine = link.UserDefine();
        medium.WriteString(linkContainer, names::kItemName, link.Item()->Name());
        medium.WriteBoolean(linkContainer, names::kBeginGroup, link.OwnBeginGroup());
        medium.WriteUserDefine(linkContainer, userDefine);
        if (userDefine & udCaption) medium.WriteString(linkContainer, names::kUserCaption, link.UserCaption());
        if (userDefine & udGlyph) medium.WriteUserGlyph(linkContainer, link.UserGlyph());
        if (userDefine & udPaintStyle) medium.WriteInteger(linkContainer, names::kUserPaintStyle, link.UserPaintStyle());
        if (userDefine & udWidth) medium.WriteInteger(linkContainer, names::kUserWidth, link.UserWidth());
        if (barLinks) medium.WriteBoolean(linkContainer, names::kVisible, link.Visible());
        if (recent) {
            medium.WriteInteger(linkContainer, names::kUseCount, link.UseCount());
            medium.WriteInteger(linkContainer, names::kRecentIndex, link.RecentIndex());
        }
    }
}

void WriteBar(LayoutMedium& medium, const std::string& container, const TcbBar& bar) {
    medium.WriteString(container, names::kCaption, bar.Caption());
    medium.WriteInteger(container, names::kDockedDockingStyle, bar.DockedDockingStyle());
    medium.WriteInteger(container, names::kDockedLeft, bar.DockedLeft());
    medium.WriteInteger(container, names::kDockedTop, bar.DockedTop());
    medium.WriteBoolean(container, names::kOneOnRow, bar.OneOnRow());
    medium.WriteInteger(container, names::kRow, bar.Row());
    medium.WriteInteger(container, names::kFloatLeft, bar.FloatLeft());
    medium.WriteInteger(container, names::kFloatTop, bar.FloatTop());
    medium.WriteInteger(container, names::kFloatClientWidth, bar.FloatClientWidth());
    medium.WriteInteger(container, names::kFloatClientHeight, bar.FloatClientHeight());
    medium.WriteInteger(container, names::kDockingStyle, bar.DockingStyle());
    medium.WriteBoolean(container, names::kVisible, bar.Visible());
    WriteItemLinks(medium, container, bar.ItemLinks());
}

}  // namespace

void WriteLayout(TcbBarManager& manager, LayoutMedium& medium) {
    const std::string main = medium.MainContainer();
    if (manager.Style() == bmsEnhanced) {
        medium.WriteBoolean(main, names::kMenusShowRecentItemsFirst, manager.MenusShowRecentItemsFirst());
        medium.WriteBoolean(main, names::kShowFullMenusAfterDelay, manager.ShowFullMenusAfterDelay());
    }
    medium.WriteBoolean(main, names::kLargeIcons, manager.LargeIcons());
    medium.WriteInteger(main, names::kMenuAnimations, manager.MenuAnimations());
    medium.WriteBoolean(main, names::kShowHint, manager.ShowHint());
    medium.WriteBoolean(main, names::kShowShortCutInHint, manager.ShowShortCutInHint());
    const TcbBars& bars = manager.Bars();
    medium.WriteInteger(main, names::kBarCount, bars.Count());
    for (int i = 0; i < bars.Count(); ++i) {
        WriteBar(medium, medium.TopContainer(names::kBarPrefix + std::to_string(i)), *bars.Items(i));
    }
    for (int i = 0; i < manager.ItemCount(); ++i) {
        auto* subItem = dynamic_cast<TCustomcbBarSubItem*>(manager.Items(i));
        if (!subItem || subItem->Name().empty()) continue;
        WriteItemLinks(medium, medium.TopContainer(names::kSubItemPrefix + subItem->Name()), subItem->ItemLinks());
    }
}

}  // namespace bars
