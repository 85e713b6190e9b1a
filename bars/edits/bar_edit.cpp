#include "bars/edits/bar_edit.h"

#include "bars/controls/bar_window.h"
#include "bars/controls/item_control.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/services/captions.h"

namespace bars {

TcbBarEdit::TcbBarEdit(TcbBarManager* manager, QWidget* owner) : TcbBarWindowItem(manager, owner) {}

void TcbBarEdit::SetWidth(int value) {
    value = ClampWidth(value);
    if (value == m_width) return;
    m_width = value;
    if (!IsLoading()) WidthChanged();
}

void TcbBarEdit::WidthChanged() {
    ForEachControl([](TcbBarItemLink& link, TcbBarItemControl& control) {
        if (control.IsWindowControl() && !(link.UserDefine() & udWidth)) control.CaptionChanged();
    });
}

void TcbBarEdit::SetHidesEditor(bool value) {
    if (value == m_hidesEditor) return;
    m_hidesEditor = value;
    RepaintControls();
}

bool TcbBarEdit::CanUseAccelerator(const TcbBarItemLink& link) const {
    const IBarWindow* window = link.Collection() ? link.Collection()->Window() : nullptr;
    return window && window->IsMenu() && TcbBarWindowItem::CanUseAccelerator(link);
}

}  // namespace bars
