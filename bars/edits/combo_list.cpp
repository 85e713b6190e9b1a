#include "bars/edits/combo_list.h"

#include "bars/edits/bar_custom_combo.h"

#include <algorithm>

namespace bars {

namespace {
TcbBarComboList::ViewFactory& ViewSlot() {
    static TcbBarComboList::ViewFactory factory = DropDownListViews();
    return factory;
}
}  // namespace

void TcbBarComboList::SetViewFactory(ViewFactory factory) { ViewSlot() = std::move(factory); }

TcbBarComboList::TcbBarComboList(TcbBarCustomCombo& combo) : m_combo(combo) {}

TcbBarComboList::~TcbBarComboList() = default;

void TcbBarComboList::Changed() {
    if (!m_view && m_shown && ViewSlot()) m_view = ViewSlot()(*this);
    if (m_view) m_view->ListChanged(*this);
}

void TcbBarComboList::SetEntries(const std::vector<std::string>& entries) {
    m_entries = entries;
    m_selected = -1;
    m_topIndex = 0;
    Changed();
}

void TcbBarComboList::SetWindowSize(platform::Size size) {
    m_size = size;
    Changed();
}

void TcbBarComboList::SetSelected(int index) {
    m_selected = index >= 0 && index < static_cast<int>(m_entries.size()) ? index : -1;
    Changed();
}

void TcbBarComboList::ScrollTo(int index) {
    m_topIndex = std::clamp(index, 0, std::max(0, static_cast<int>(m_entries.size()) - 1));
    Changed();
}

void TcbBarComboList::MoveTo(platform::Point screen) {
    m_position = screen;
    Changed();
}

void TcbBarComboList::ShowWithoutActivation() {
    m_shown = true;
    Changed();
}

void TcbBarComboList::HideWindow() {
    m_shown = false;
    Changed();
}

void TcbBarComboList::Key(int key, unsigned) {
    if (m_view) {
        m_view->KeyDown(key);
        return;
    }
    const int page = std::max(1, m_combo.DropDownCount() - 1);
    const int index = ListKeyStep(key, m_selected, m_topIndex, static_cast<int>(m_entries.size()), page);
    if (index >= 0) SetSelected(index);
}

void TcbBarComboList::TrackMouse() {
    if (m_view) m_view->TrackMouse();
}

void TcbBarComboList::Pick(int index) { m_combo.ListPicked(index); }

void TcbBarComboList::ViewSelected(int index, int topIndex) {
    m_selected = index;
    m_topIndex = topIndex;
    m_combo.ListSelected(index);
}

}  // namespace bars
