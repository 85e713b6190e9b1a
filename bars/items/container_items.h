#pragma once

#include "bars/items/bar_sub_item.h"

#include <string>
#include <vector>

namespace bars {

class TcbBarButton;

// A sub item whose entries are inserted into the menu that shows its link, instead of
// opening a menu of their own.
class TCustomcbBarContainerItem : public TCustomcbBarSubItem {
public:
    TCustomcbBarContainerItem(TcbBarManager* manager, QWidget* owner);
    ~TCustomcbBarContainerItem() override;

    bool NeedsClearing() const { return m_needsClearing; }
    void SetNeedsClearing(bool value) { m_needsClearing = value; }

    // Puts the entries into the target collection from the index on, standing for the
    // container's link; fire lets OnGetData refill the data first. Answers how many went in.
    virtual int AddListedItemLinks(TcbBarItemLinks& target, int index, TcbBarItemLink* containerLink, bool fire);
    virtual void DeleteListedItemLinks(TcbBarItemLinks& target, int index);
    virtual void ClearItemList() { m_needsClearing = false; }

    platform::NotifyEvent OnGetData;

private:
    bool m_needsClearing = false;
};

// One button per string; "-" makes the next entry begin a group. Choosing an entry sets
// ItemIndex before the list item's own click runs.
class TcbBarListItem : public TCustomcbBarContainerItem {
public:
    static constexpr const char* kClassName = "TcbBarListItem";

    TcbBarListItem(TcbBarManager* manager, QWidget* owner);
    ~TcbBarListItem() override;

    const std::vector<std::string>& Items() const { return m_items; }
    void SetItems(const std::vector<std::string>& items) { m_items = items; }
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int value) { m_itemIndex = value; }
    bool ShowCheck() const { return m_showCheck; }
    void SetShowCheck(bool value) { m_showCheck = value; }
    bool ShowNumbers() const { return m_showNumbers; }
    void SetShowNumbers(bool value) { m_showNumbers = value; }

    int AddListedItemLinks(TcbBarItemLinks& target, int index, TcbBarItemLink* containerLink, bool fire) override;
    void DeleteListedItemLinks(TcbBarItemLinks& target, int index) override;
    void ClearItemList() override;
    void DirectClick() override;

    // The caption of the n-th entry (separators not counted): "&1 " .. "&9 ", "&A " .. "&Z ",
    // and from the 36th entry on the text alone.
    static std::string EntryCaption(int n, const std::string& text, bool numbers);
    const std::vector<TcbBarButton*>& MadeButtons() const { return m_buttons; }

private:
    void EntryClick(platform::Component* sender);

    std::vector<std::string> m_items;
    int m_itemIndex = -1;
    bool m_showCheck = false;
    bool m_showNumbers = true;
    std::vector<TcbBarButton*> m_buttons;
};

// Its own links are copied into the menu that shows its link.
class TcbBarContainerItem : public TCustomcbBarContainerItem {
public:
    static constexpr const char* kClassName = "TcbBarContainerItem";
    using TCustomcbBarContainerItem::TCustomcbBarContainerItem;

    int AddListedItemLinks(TcbBarItemLinks& target, int index, TcbBarItemLink* containerLink, bool fire) override;
    void DeleteListedItemLinks(TcbBarItemLinks& target, int index) override;
};

}  // namespace bars
