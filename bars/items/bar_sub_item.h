#pragma once

#include "bars/items/bar_item.h"
#include "bars/links/item_links_owner.h"

#include <memory>

namespace bars {

// An item that opens a menu of its own links: a top-level menu of the menu bar, or an
// entry with an arrow inside a menu. Its own click never runs (opening the menu does).
class TCustomcbBarSubItem : public TcbBarItem, public TcbBarItemLinksOwner {
public:
    TCustomcbBarSubItem(TcbBarManager* manager, QWidget* owner);
    ~TCustomcbBarSubItem() override;

    TcbBarItemLinks& ItemLinks() const { return *m_itemLinks; }
    bool ShowCaption() const { return m_showCaption; }
    void SetShowCaption(bool value);

    bool IsClickable() const override { return false; }
    bool IsSubItem() const override { return true; }
    TCustomcbBarSubItem* AsSubItem() override { return this; }
    void LinksChanged() override;
    void Loaded() override;
    void Release() override;

private:
    std::unique_ptr<TcbBarItemLinks> m_itemLinks;
    bool m_showCaption = true;
};

class TcbBarSubItem : public TCustomcbBarSubItem {
public:
    static constexpr const char* kClassName = "TcbBarSubItem";

    TcbBarSubItem(TcbBarManager* manager, QWidget* owner);

    bool AllowCustomizing() const { return m_allowCustomizing; }
    void SetAllowCustomizing(bool value) { m_allowCustomizing = value; }

    platform::NotifyEvent OnCloseUp;
    platform::NotifyEvent OnPopup;

private:
    bool m_allowCustomizing = true;
};

}  // namespace bars
