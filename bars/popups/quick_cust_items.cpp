#include "bars/popups/quick_cust_items.h"

#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "platform/core/system_colours.h"
#include "platform/qt/classic_draw.h"

namespace bars {

namespace {
constexpr int kCheckBoxSize = 13;
}  // namespace

TcbBarQuickCustItem::TcbBarQuickCustItem(TcbBarManager* manager, QWidget* owner) : TcbBarButton(manager, owner) {
    SetCloseSubMenuOnClick(false);
}

void TcbBarQuickCustItem::BindSource(TcbBar& bar, TcbBarItemLink& link) {
    m_sourceBar = &bar;
    m_sourceLink = &link;
    SetCaption(link.Caption());
    SetGlyph(link.Glyph());
    if (const TcbBarItem* item = link.Item()) {
        SetImageIndex(item->ImageIndex());
        SetHint(item->Hint());
        SetShortCut(item->ShortCut());
    }
}

TcbBarItemLink* TcbBarQuickCustItem::SourceLink() const {
    TcbBarManager* manager = BarManager();
    if (!manager || !m_sourceLink) return nullptr;
    // Only addresses are compared until the bar is known to stand.
    for (int i = 0; i < manager->Bars().Count(); ++i) {
        if (manager->Bars().Items(i) != m_sourceBar) continue;
        const TcbBarItemLinks& links = m_sourceBar->ItemLinks();
        for (int j = 0; j < links.Count(); ++j)
            if (links.Items(j) == m_sourceLink) return m_sourceLink;
    }
    return nullptr;
}

void TcbBarQuickCustItem::DoClick() {
    if (TcbBarItemLink* link = SourceLink()) link->SetVisible(!link->Visible());
    TcbBarButton::DoClick();
}

int TcbBarQuickCustExtButtonControl::ColumnWidth() const { return GetHeight(); }

int TcbBarQuickCustExtButtonControl::GetWidth() const { return TcbBarButtonControl::GetWidth() + ColumnWidth(); }

void TcbBarQuickCustExtButtonControl::Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    const platform::Rect column{rect.left, rect.top, rect.left + rect.Height(), rect.bottom};
    canvas.FillSolidRect(column, platform::SystemColour(platform::COLOR_BTNFACE));
    DrawColumn(canvas, column);
    TcbBarButtonControl::Draw(canvas, {column.right, rect.top, rect.right, rect.bottom}, place);
}

void TcbBarQuickCustExtButtonControl::DrawColumn(platform::Canvas&, const platform::Rect&) {}

void TcbBarQuickCustItemControl::DrawColumn(platform::Canvas& canvas, const platform::Rect& column) {
    const auto* entry = dynamic_cast<const TcbBarQuickCustItem*>(Item());
    const TcbBarItemLink* source = entry ? entry->SourceLink() : nullptr;
    const int left = column.left + (column.Width() - kCheckBoxSize) / 2;
    const int top = column.top + (column.Height() - kCheckBoxSize) / 2;
    unsigned state = platform::DFCS_BUTTONCHECK | platform::DFCS_FLAT;
    if (source && source->Visible()) state |= platform::DFCS_CHECKED;
    if (!GetEnabled()) state |= platform::DFCS_INACTIVE;
    platform::DrawFrameControl(canvas, {left, top, left + kCheckBoxSize, top + kCheckBoxSize}, platform::DFC_BUTTON,
                               state);
}

void TcbBarQuickCustItemControl::ItemControlClick(bool byMouse) {
    const auto alive = AliveToken();
    TcbBarQuickCustExtButtonControl::ItemControlClick(byMouse);
    // The list stays open: the tick follows the link at once.
    if (*alive) Repaint();
}

}  // namespace bars
