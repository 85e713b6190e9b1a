#include "bars/items/container_items.h"

#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/controls/item_control.h"
#include "bars/manager/bar_manager.h"

#include <algorithm>

namespace bars {

namespace {

constexpr const char* kSeparator = "-";
constexpr int kDigitEntries = 9;
constexpr int kLetterEntries = 26;

// A listed link stands for the container's link and counts its uses like it.
void StandFor(TcbBarItemLink& link, TcbBarItemLink* containerLink) {
    link.SetSourceLink(containerLink);
    if (containerLink) link.SetUseCount(containerLink->UseCount());
}

}  // namespace

TCustomcbBarContainerItem::TCustomcbBarContainerItem(TcbBarManager* manager, QWidget* owner)
    : TCustomcbBarSubItem(manager, owner) {}

TCustomcbBarContainerItem::~TCustomcbBarContainerItem() = default;

int TCustomcbBarContainerItem::AddListedItemLinks(TcbBarItemLinks&, int, TcbBarItemLink*, bool fire) {
    if (m_needsClearing) ClearItemList();
    if (fire && OnGetData) OnGetData(this);
    return 0;
}

void TCustomcbBarContainerItem::DeleteListedItemLinks(TcbBarItemLinks&, int) {}

// ---- list item ------------------------------------------------------------------------

TcbBarListItem::TcbBarListItem(TcbBarManager* manager, QWidget* owner) : TCustomcbBarContainerItem(manager, owner) {}

TcbBarListItem::~TcbBarListItem() {
    // The buttons belong to the manager; when it is going it frees them itself.
    if (BarManager() && !BarManager()->IsDestroying()) ClearItemList();
}

std::string TcbBarListItem::EntryCaption(int n, const std::string& text, bool numbers) {
    if (!numbers || n < 0 || n >= kDigitEntries + kLetterEntries) return text;
    const char mark = n < kDigitEntries ? static_cast<char>('1' + n) : static_cast<char>('A' + n - kDigitEntries);
    return std::string("&") + mark + " " + text;
}

int TcbBarListItem::AddListedItemLinks(TcbBarItemLinks& target, int index, TcbBarItemLink* containerLink, bool fire) {
    TCustomcbBarContainerItem::AddListedItemLinks(target, index, containerLink, fire);
    TcbBarManager* manager = BarManager();
    if (!manager) return 0;
    const bool make = m_buttons.empty();
    int n = 0;
    bool group = true;
    for (const std::string& text : m_items) {
        if (text == kSeparator) {
            group = true;
            continue;
        }
        if (make) {
            auto& button = manager->CreateItem<TcbBarButton>();
            if (m_showCheck && n == m_itemIndex) {
                button.SetButtonStyle(bsChecked);
                button.SetDown(true);
            }
            button.SetCaption(EntryCaption(n, text, m_showNumbers));
            button.OnClick = [this](platform::Component* sender) { EntryClick(sender); };
            button.SetEnabled(Enabled());
            m_buttons.push_back(&button);
        }
        if (n < static_cast<int>(m_buttons.size())) {
            TcbBarItemLink& link = target.Insert(index + n);
            link.SetItem(m_buttons[static_cast<std::size_t>(n)]);
            StandFor(link, containerLink);
            link.SetBeginGroup(group);
        }
        group = false;
        ++n;
    }
    return std::min(n, static_cast<int>(m_buttons.size()));
}

void TcbBarListItem::DeleteListedItemLinks(TcbBarItemLinks& target, int) {
    // Only the links of our own buttons go, however the strings changed since the fill.
    for (TcbBarButton* button : m_buttons)
        for (int i = button->LinkCount() - 1; i >= 0; --i)
            if (TcbBarItemLink* link = button->Links(i); link && link->Collection() == &target) target.Delete(*link);
}

void TcbBarListItem::ClearItemList() {
    if (!m_buttons.empty() && m_buttons.front()->LinkCount() == 0 && BarManager()) {
        while (!m_buttons.empty()) {
            TcbBarButton* button = m_buttons.back();
            m_buttons.pop_back();
            BarManager()->FreeItem(*button);
        }
    }
    TCustomcbBarContainerItem::ClearItemList();
}

void TcbBarListItem::DirectClick() {
    for (int i = 0; i < LinkCount(); ++i)
        if (TcbBarItemLink* link = Links(i); link && link->Control() && link->Control()->IsActive()) return;
    TCustomcbBarContainerItem::DirectClick();
}

void TcbBarListItem::EntryClick(platform::Component* sender) {
    // An entry's number is its place among the made buttons.
    for (std::size_t n = 0; n < m_buttons.size(); ++n)
        if (m_buttons[n] == sender) m_itemIndex = static_cast<int>(n);
    TCustomcbBarContainerItem::DirectClick();
}

// ---- container item -------------------------------------------------------------------

int TcbBarContainerItem::AddListedItemLinks(TcbBarItemLinks& target, int index, TcbBarItemLink* containerLink,
                                            bool fire) {
    TCustomcbBarContainerItem::AddListedItemLinks(target, index, containerLink, fire);
    if (&target == &ItemLinks()) return 0;
    const int count = ItemLinks().Count();
    for (int i = 0; i < count; ++i) {
        const TcbBarItemLink& own = *ItemLinks().Items(i);
        TcbBarItemLink& link = target.Insert(index + i);
        link.Assign(own, own.Item());
        StandFor(link, containerLink);
        if (i == 0) link.SetBeginGroup(true);
    }
    return count;
}

void TcbBarContainerItem::DeleteListedItemLinks(TcbBarItemLinks& target, int index) {
    // Shown from a toolbar, the menu holds the own links themselves: nothing was listed.
    if (&target == &ItemLinks()) return;
    const int count = ItemLinks().Count();
    for (int i = 0; i < count; ++i)
        if (TcbBarItemLink* link = target.Items(index)) target.Delete(*link);
}

}  // namespace bars
