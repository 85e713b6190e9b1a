#include "bars/items/bar_window_item.h"

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
