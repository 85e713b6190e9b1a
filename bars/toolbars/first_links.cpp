#include "bars/toolbars/first_links.h"

#include "bars/items/bar_item.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "platform/core/ascii_case.h"
#include "platform/core/bar_error.h"
#include "platform/qt/bitmap.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace bars {

namespace {

// A sub item's links can reach sub items only so deep.
constexpr int kMaxDepth = 32;

struct FirstLink {
    std::string item;
    bool beginGroup = false;
    bool visible = true;
    bool mostRecentlyUsed = true;
    TcbBarUserDefines userDefine = 0;
    std::string userCaption;
    platform::Bitmap userGlyph;
    TcbBarPaintStyle userPaintStyle = psStandard;
    int userWidth = 0;
};
using FirstLinkList = std::vector<FirstLink>;

struct Kept {
    std::vector<FirstLinkList> bars;
    std::map<std::string, FirstLinkList> subItems;  // by the item's folded name
};

std::map<const TcbBarManager*, Kept>& KeptLinks() {
    static std::map<const TcbBarManager*, Kept> kept;
    return kept;
}

FirstLinkList Record(const TcbBarItemLinks& links) {
    FirstLinkList list;
    for (int i = 0; i < links.Count(); ++i) {
        const TcbBarItemLink& link = *links.Items(i);
        // Only a named item can be found again.
        if (!link.Item() || link.Item()->Name().empty()) continue;
        list.push_back({link.Item()->Name(), link.OwnBeginGroup(), link.Visible(), link.MostRecentlyUsed(),
                        link.UserDefine(), link.UserCaption(), link.UserGlyph(), link.UserPaintStyle(),
                        link.UserWidth()});
    }
    return list;
}

void Restore(TcbBarManager& manager, const Kept& kept, TcbBarItemLinks& target, const FirstLinkList& list,
             std::set<const TcbBarItemLinks*>& done, int depth) {
    done.insert(&target);
    target.Clear();
    for (const FirstLink& first : list) {
        TcbBarItem* item = manager.ItemByName(first.item);
        if (!item) continue;
        TcbBarItemLink& link = target.Add();
        // In the order a link copies another's, so that the item's own values do not win.
        link.SetUserCaption(first.userCaption);
        link.SetUserGlyph(first.userGlyph);
        link.SetUserPaintStyle(first.userPaintStyle);
        link.SetUserWidth(first.userWidth);
        try {
            link.SetItem(item);
        } catch (const platform::BarError&) {
            // The user has since made the sub item reach this one.
            target.Delete(link);
            continue;
        }
        link.SetUserDefine(first.userDefine);
        link.SetBeginGroup(first.beginGroup);
        link.SetVisible(first.visible);
        link.SetMostRecentlyUsed(first.mostRecentlyUsed);
    }
    // The usage starts again from what the links were given.
    target.AfterLoading(false);
    if (depth >= kMaxDepth) return;
    for (int i = 0; i < target.Count(); ++i) {
        auto* sub = dynamic_cast<TCustomcbBarSubItem*>(target.Items(i)->Item());
        if (!sub || done.contains(&sub->ItemLinks())) continue;
        const auto found = kept.subItems.find(platform::AsciiFolded(sub->Name()));
        if (found != kept.subItems.end()) Restore(manager, kept, sub->ItemLinks(), found->second, done, depth + 1);
    }
}

}  // namespace

void KeepFirstLinks(TcbBarManager& manager) {
    auto& all = KeptLinks();
    if (manager.Description() || all.contains(&manager)) return;
    Kept& kept = all[&manager];
    for (int i = 0; i < manager.Bars().Count(); ++i) kept.bars.push_back(Record(manager.Bars().Items(i)->ItemLinks()));
    for (int i = 0; i < manager.ItemCount(); ++i) {
        const auto* sub = dynamic_cast<const TCustomcbBarSubItem*>(manager.Items(i));
        if (sub && !sub->Name().empty())
            kept.subItems.emplace(platform::AsciiFolded(sub->Name()), Record(sub->ItemLinks()));
    }
    QObject::connect(&manager, &QObject::destroyed, [key = &manager] { KeptLinks().erase(key); });
}

namespace {
const FirstLinkList* KeptFor(const TcbBar& bar) {
    const auto found = KeptLinks().find(&bar.Manager());
    const int index = bar.Index();
    if (found == KeptLinks().end() || index < 0 || index >= static_cast<int>(found->second.bars.size())) return nullptr;
    return &found->second.bars[static_cast<std::size_t>(index)];
}
}  // namespace

bool HasFirstLinks(const TcbBar& bar) { return KeptFor(bar) != nullptr; }

bool RestoreFirstLinks(TcbBar& bar) {
    const FirstLinkList* list = KeptFor(bar);
    if (!list) return false;
    std::set<const TcbBarItemLinks*> done;
    Restore(bar.Manager(), KeptLinks().at(&bar.Manager()), bar.ItemLinks(), *list, done, 0);
    return true;
}

}  // namespace bars
