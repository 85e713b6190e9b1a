#include "bars/items/bar_window_item.h"

#include "bars/controls/win_control.h"
#include "bars/links/item_link.h"

namespace bars {

TcbBarWindowItem::TcbBarWindowItem(TcbBarManager* manager, QWidget* owner) : TcbBarItem(manager, owner) {}

void TcbBarWindowItem::SetText(const std::string& value) {
    if (m_text == value) {
        return;
    }
    m_text = value;
    RepaintControls();
    DoChange();
    RepaintControls();
}

TcbBarWinControl* TcbBarWindowItem::OpenField() const {
    const TcbBarItemLink* link = ActiveLink();
    auto* control = link ? dynamic_cast<TcbBarWinControl*>(link->Control()) : nullptr;
    return control && control->Focused() ? control : nullptr;
}

std::string TcbBarWindowItem::CurText() const {
    const TcbBarWinControl* control = OpenField();
    return control ? control->GetText() : m_text;
}

void TcbBarWindowItem::SetCurText(const std::string& value) {
    if (TcbBarWinControl* control = OpenField())
        control->SetText(value);
    else
        SetText(value);
}

void TcbBarWindowItem::DoChange() {
    if (!IsLoading()) {
        OnChange(this);
    }
}

void TcbBarWindowItem::DoCurChange() { OnCurChange(this); }

void TcbBarWindowItem::DoEnter() { OnEnter(this); }

void TcbBarWindowItem::DoExit() { OnExit(this); }

void TcbBarWindowItem::KeyDown(int& key, unsigned shift) {
    if (OnKeyDown) {
        OnKeyDown(*this, key, shift);
    }
}

void TcbBarWindowItem::KeyPress(char& key) {
    if (OnKeyPress) {
        OnKeyPress(*this, key);
    }
}

void TcbBarWindowItem::KeyUp(int& key, unsigned shift) {
    if (OnKeyUp) {
        OnKeyUp(*this, key, shift);
    }
}

}  // namespace bars
