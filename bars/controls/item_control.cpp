#include "bars/controls/item_control.h"

#include "bars/controls/bar_window.h"
#include "bars/items/bar_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"

namespace bars {

TcbBarItemControl::TcbBarItemControl(TcbBarItemLink& link)
    : m_link(link), m_barWindow(link.Collection() ? link.Collection()->Window() : nullptr) {}

TcbBarItemControl::~TcbBarItemControl() {
    *m_alive = false;
    if (TcbBarItem* item = Item(); item && item->BarManager()) {
        item->BarManager()->ForgetItemControl(this);
    }
    if (m_barWindow && m_barWindow->SelectedControl() == this) {
        m_barWindow->ClearSelection();
    }
}

TcbBarItem* TcbBarItemControl::Item() const { return m_link.Item(); }

platform::Colour TcbBarItemControl::Background() const {
    return m_barWindow ? m_barWindow->ItemBackground() : platform::SystemColour(platform::COLOR_BTNFACE);
}

void TcbBarItemControl::Activate(bool) { m_active = true; }

void TcbBarItemControl::Deactivate(bool) { m_active = false; }

void TcbBarItemControl::RelayoutWindow() {
    if (m_barWindow && !m_barWindow->IsDestroying()) {
        m_barWindow->Relayout();
    }
}

void TcbBarItemControl::BeginGroupChanged() { RelayoutWindow(); }

void TcbBarItemControl::CaptionChanged() { RelayoutWindow(); }

void TcbBarItemControl::EnabledChanged() {
    if (!GetEnabled() && m_barWindow && m_barWindow->SelectedControl() == this) {
        m_barWindow->ClearSelection();
    }
    Repaint();
}

void TcbBarItemControl::GlyphChanged() { Repaint(); }

void TcbBarItemControl::ShortCutChanged() {
    // Shortcut texts are shown in menus only.
    if (m_barWindow && m_barWindow->IsMenu()) {
        RelayoutWindow();
    }
}

void TcbBarItemControl::ItemVisibleChanged() { RelayoutWindow(); }

TcbBarPaintStyle TcbBarItemControl::EffectivePaintStyle() const { return m_link.PaintStyle(); }

bool TcbBarItemControl::GetEnabled() const { return Item() != nullptr && Item()->Enabled(); }

void TcbBarItemControl::Repaint() {
    if (m_barWindow && !m_barWindow->IsDestroying()) {
        m_barWindow->RepaintControl(*this);
    }
}

}  // namespace bars
