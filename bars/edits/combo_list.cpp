#include "bars/edits/combo_list.h"

#include "bars/edits/bar_custom_combo.h"
#include "platform/core/virtual_keys.h"

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
    const int count = static_cast<int>(m_entries.size());
    if (count == 0) return;
    const int page = std::max(1, m_combo.DropDownCount() - 1);
    int index = m_selected;
    switch (key) {
    case platform::VK_UP: index = index < 0 ? 0 : index - 1; break;
    case platform::VK_DOWN: index = index + 1; break;
    case platform::VK_PRIOR: index = index < 0 ? 0 : index - page; break;
    case platform::VK_NEXT: index = index < 0 ? page : index + page; break;
    default: return;
    }
    SetSelected(std::clamp(index, 0, count - 1));
}

void TcbBarComboList::Pick(int index) { m_combo.ListPicked(index); }

}  // namespace bars
