#include "bars/items/bar_sub_item.h"

#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"

namespace bars {

TCustomcbBarSubItem::TCustomcbBarSubItem(TcbBarManager* manager, QWidget* owner)
    : TcbBarItem(manager, owner), m_itemLinks(std::make_unique<TcbBarItemLinks>(*manager, *this)) {}

TCustomcbBarSubItem::~TCustomcbBarSubItem() { Release(); }

void TCustomcbBarSubItem::SetShowCaption(bool value) {
    m_showCaption = value;
    RelayoutBars();
}

void TCustomcbBarSubItem::LinksChanged() {
    if (BarManager()) {
        BarManager()->MarkChanged();
    }
}

void TCustomcbBarSubItem::Loaded() {
    m_itemLinks->AfterLoading(true);
    TcbBarItem::Loaded();
}

void TCustomcbBarSubItem::Release() {
    TcbBarItem::Release();
    m_itemLinks->Clear();
}

TcbBarSubItem::TcbBarSubItem(TcbBarManager* manager, QWidget* owner) : TCustomcbBarSubItem(manager, owner) {}

}  // namespace bars
