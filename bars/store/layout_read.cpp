#include "bars/items/bar_item.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/store/layout_medium.h"
#include "bars/store/layout_names.h"
#include "bars/store/layout_store.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/toolbars/first_links.h"
#include "platform/core/ascii_case.h"
#include "platform/core/bar_error.h"

#include <algorithm>
#include <unordered_map>

namespace bars {

namespace names = layout_names;

namespace {

// Stored places and sizes stay within what a screen could hold, so that nothing adding to
// them overflows.
constexpr int kCoordinateLimit = 32767;
constexpr TcbBarUserDefines kUserDefineBits = udCaption | udGlyph | udPaintStyle | udWidth;
constexpr int kDefaultUserWidth = 100;

// A value of a bar or link that could not be read: the rest of that bar or link is skipped.
struct ValueFailed {};

int Coordinate(int value) { return std::clamp(value, -kCoordinateLimit, kCoordinateLimit); }

std::optional<TcbBarDockingStyle> DockingStyleOf(int value) {
    if (value < dsNone || value > dsBottom) return std::nullopt;
    return static_cast<TcbBarDockingStyle>(value);
}

// A bar shown by a layout read into a running manager takes its stored row and place as the
// manager's Loaded shows it; the rows are laid out once, after the last bar.
class LoadingMark {
public:
    explicit LoadingMark(TcbBarManager& manager) : m_manager(manager), m_marked(!manager.IsLoading()) {
        if (m_marked) m_manager.BeginLoading();
    }
    ~LoadingMark() {
        if (m_marked) m_manager.EndLoading();
    }
    LoadingMark(const LoadingMark&) = delete;
    LoadingMark& operator=(const LoadingMark&) = delete;

private:
    TcbBarManager& m_manager;
    bool m_marked;
};

// The links' lists are brought up to date once, after the last link is read.
class ReadingLinks {
public:
    explicit ReadingLinks(TcbBarItemLinks& links) : m_links(links) { m_links.SetReading(true); }
    ~ReadingLinks() { Done(); }
    ReadingLinks(const ReadingLinks&) = delete;
    ReadingLinks& operator=(const ReadingLinks&) = delete;
    void Done() { m_links.SetReading(false); }

private:
    TcbBarItemLinks& m_links;
};

class LayoutReading {
public:
    LayoutReading(TcbBarManager& manager, const LayoutMedium& medium) : m_manager(manager), m_medium(medium) {
        // Thousands of links may name items: each is found at once, the first of a name
        // (without regard to case) as the manager would find it.
        for (int i = 0; i < manager.ItemCount(); ++i) {
            TcbBarItem* item = manager.Items(i);
            m_itemsByName.emplace(platform::AsciiFolded(item->Name()), item);
        }
    }

    void ManagerValues();
    void Bars();
    void SubItems();

private:
    template <class T>
    T Required(std::optional<T> value, T fallback) const {
        if (value) return *value;
        if (m_medium.MissingValueFails()) throw ValueFailed{};
        return fallback;
    }
    int Integer(const std::string& container, const char* name, int fallback) const {
        return Required(m_medium.ReadInteger(container, name), fallback);
    }
    bool Boolean(const std::string& container, const char* name, bool fallback) const {
        return Required(m_medium.ReadBoolean(container, name), fallback);
    }
    // Answers the stored Visible, which the caller assigns last.
    bool BarValues(const std::string& container, TcbBar& bar) const;
    void ItemLinks(const std::string& container, TcbBarItemLinks& links) const;
    void LinkValues(const std::string& container, TcbBarItemLink& link, bool barLink, bool recent) const;

    TcbBarManager& m_manager;
    const LayoutMedium& m_medium;
    std::unordered_map<std::string, TcbBarItem*> m_itemsByName;
};

void LayoutReading::ManagerValues() {
    const std::string main = m_medium.MainContainer();
    auto apply = [&](const char* name, auto setter) {
        if (auto value = m_medium.ReadBoolean(main, name)) (m_manager.*setter)(*value);
    };
    if (m_manager.Style() == bmsEnhanced) {
        apply(names::kMenusShowRecentItemsFirst, &TcbBarManager::SetMenusShowRecentItemsFirst);
        apply(names::kShowFullMenusAfterDelay, &TcbBarManager::SetShowFullMenusAfterDelay);
    }
    apply(names::kLargeIcons, &TcbBarManager::SetLargeIcons);
    if (auto animations = m_medium.ReadInteger(main, names::kMenuAnimations);
        animations && *animations >= maNone && *animations <= maSlide) {
        m_manager.SetMenuAnimations(static_cast<TcbBarMenuAnimations>(*animations));
    }
    apply(names::kShowHint, &TcbBarManager::SetShowHint);
    apply(names::kShowShortCutInHint, &TcbBarManager::SetShowShortCutInHint);
}

void LayoutReading::Bars() {
    const auto count = m_medium.ReadInteger(m_medium.MainContainer(), names::kBarCount);
    // A count beyond the limit is ignored with everything it would have made.
    if (!count || *count < 0 || *count > kMaxStoredBars) return;
    TcbBars& bars = m_manager.Bars();
    for (int i = 0; i < bars.Count(); ++i) bars.Items(i)->SetVisible(false);
    for (int i = 0; i < *count; ++i) {
        const std::string container = m_medium.TopContainer(names::kBarPrefix + std::to_string(i));
        if (!m_medium.BarPresent(container)) continue;
        if (auto row = m_medium.ReadInteger(container, names::kRow); row && *row > kMaxStoredRow) continue;
        // Bars up to the stored index, none skipped. One added while the manager's Loaded runs
        // has missed its loading step: it takes its values as the others do.
        while (bars.Count() <= i) {
            TcbBar& added = bars.Add();
            if (m_manager.IsLoading()) added.Loaded();
        }
        TcbBar& bar = *bars.Items(i);
        ItemLinks(container, bar.ItemLinks());
        bool visible = true;
        try {
            visible = BarValues(container, bar);
        } catch (const ValueFailed&) {
            // A bar whose values could not all be read is shown with what was read.
        }
        const LoadingMark mark(m_manager);
        bar.SetVisible(visible);
    }
}

bool LayoutReading::BarValues(const std::string& container, TcbBar& bar) const {
    bar.SetCaption(Required(m_medium.ReadString(container, names::kCaption), bar.Caption()));
    if (auto side = DockingStyleOf(Integer(container, names::kDockedDockingStyle, bar.DockedDockingStyle())))
        bar.SetDockedDockingStyle(*side);
    bar.SetDockedLeft(std::min(Integer(container, names::kDockedLeft, bar.DockedLeft()), kCoordinateLimit));
    bar.SetDockedTop(std::min(Integer(container, names::kDockedTop, bar.DockedTop()), kCoordinateLimit));
    bar.SetOneOnRow(Boolean(container, names::kOneOnRow, bar.OneOnRow()));
    bar.SetRow(std::min(Integer(container, names::kRow, bar.Row()), kMaxStoredRow));
    bar.SetFloatLeft(Coordinate(Integer(container, names::kFloatLeft, bar.FloatLeft())));
    bar.SetFloatTop(Coordinate(Integer(container, names::kFloatTop, bar.FloatTop())));
    bar.SetFloatClientWidth(std::clamp(Integer(container, names::kFloatClientWidth, bar.FloatClientWidth()), 0, kCoordinateLimit));
    bar.SetFloatClientHeight(
        std::clamp(Integer(container, names::kFloatClientHeight, bar.FloatClientHeight()), 0, kCoordinateLimit));
    if (auto side = DockingStyleOf(Integer(container, names::kDockingStyle, bar.DockingStyle())))
        bar.SetDockingStyle(*side);
    return Boolean(container, names::kVisible, bar.Visible());
}

void LayoutReading::ItemLinks(const std::string& container, TcbBarItemLinks& links) const {
    links.Clear();
    int count = m_medium.ReadInteger(container, names::kItemLinkCount).value_or(0);
    if (count < 0 || count > kMaxStoredLinks) count = 0;
    const bool barLinks = links.Owner().AsBar() != nullptr;
    const bool recent = m_manager.Style() == bmsEnhanced && links.UseRecentItems();
    ReadingLinks reading(links);
    for (int j = 0; j < count; ++j) {
        const std::string linkContainer = m_medium.LinkContainer(container, j);
        if (!m_medium.LinkPresent(linkContainer)) continue;
        // A link whose item is gone is dropped; the others keep their order.
        const auto name = m_medium.ReadString(linkContainer, names::kItemName);
        const auto found = name ? m_itemsByName.find(platform::AsciiFolded(*name)) : m_itemsByName.end();
        TcbBarItem* item = found != m_itemsByName.end() ? found->second : nullptr;
        if (!item) continue;
        TcbBarItemLink& link = links.Add();
        try {
            link.SetItem(item);
            LinkValues(linkContainer, link, barLinks, recent);
        } catch (const ValueFailed&) {
            links.Delete(link);
        } catch (const platform::BarError&) {
            // A sub item that would reach itself.
            if (links.IndexOf(link) >= 0) links.Delete(link);
        }
    }
    reading.Done();
    links.AfterLoading(m_manager.IsLoading());
}

void LayoutReading::LinkValues(const std::string& container, TcbBarItemLink& link, bool barLink, bool recent) const {
    link.SetBeginGroup(Boolean(container, names::kBeginGroup, false));
    const auto userDefine =
        static_cast<TcbBarUserDefines>(Required(m_medium.ReadUserDefine(container), std::uint8_t{0}) & kUserDefineBits);
    link.SetUserDefine(userDefine);
    if (userDefine & udCaption)
        link.SetUserCaption(Required(m_medium.ReadString(container, names::kUserCaption), std::string()));
    // A glyph that is missing or beyond the limits leaves the mark without data.
    if (userDefine & udGlyph) {
        if (auto glyph = m_medium.ReadUserGlyph(container)) link.SetUserGlyph(*glyph);
    }
    if (userDefine & udPaintStyle) {
        const int style = Integer(container, names::kUserPaintStyle, psStandard);
        if (style >= psStandard && style <= psCaptionGlyph) link.SetUserPaintStyle(static_cast<TcbBarPaintStyle>(style));
    }
    if (userDefine & udWidth) link.SetUserWidth(Integer(container, names::kUserWidth, kDefaultUserWidth));
    if (barLink) {
        if (auto visible = m_medium.ReadBoolean(container, names::kVisible)) link.SetVisible(*visible);
    }
    if (recent) {
        const int useCount = m_medium.ReadInteger(container, names::kUseCount).value_or(0);
        const int recentIndex = m_medium.ReadInteger(container, names::kRecentIndex).value_or(-1);
        link.SetSavedRecent(std::max(recentIndex, -1), std::max(useCount, 0));
    }
}

void LayoutReading::SubItems() {
    for (int i = 0; i < m_manager.ItemCount(); ++i) {
        auto* subItem = dynamic_cast<TCustomcbBarSubItem*>(m_manager.Items(i));
        if (!subItem || subItem->Name().empty()) continue;
        const std::string container = m_medium.TopContainer(names::kSubItemPrefix + subItem->Name());
        if (m_medium.SubItemLinksPresent(container)) ItemLinks(container, subItem->ItemLinks());
    }
}

}  // namespace

void ReadLayout(TcbBarManager& manager, const LayoutMedium& medium) {
    KeepFirstLinks(manager);
    const bool wasLocked = manager.IsUpdateLocked();
    manager.SetLockUpdate(true);
    LayoutReading reading(manager, medium);
    reading.ManagerValues();
    reading.Bars();
    reading.SubItems();
    manager.SetLockUpdate(wasLocked);
}

}  // namespace bars
