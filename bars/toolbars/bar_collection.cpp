#include "bars/toolbars/bar_collection.h"

#include "bars/manager/bar_manager.h"
#include "bars/toolbars/bar.h"

namespace bars {

TcbBars::TcbBars(TcbBarManager& manager) : m_manager(manager) {}

TcbBars::~TcbBars() { Clear(); }

TcbBar* TcbBars::Items(int index) const {
    return (index >= 0 && index < Count()) ? m_bars[static_cast<std::size_t>(index)].get() : nullptr;
}

int TcbBars::IndexOf(const TcbBar& bar) const {
    for (int i = 0; i < Count(); ++i) {
        if (m_bars[static_cast<std::size_t>(i)].get() == &bar) {
            return i;
        }
    }
    return -1;
}

TcbBar& TcbBars::Add() {
    m_bars.push_back(std::make_unique<TcbBar>(*this));
    TcbBar& bar = *m_bars.back();
    if (!m_manager.IsLoading()) {
        m_manager.BarAdded(bar);
        m_manager.MarkChanged();
    }
    return bar;
}

void TcbBars::Delete(int index) {
    if (index < 0 || index >= Count()) {
        return;
    }
    // Out of the list first, so that the bar's destruction sees a consistent collection.
    auto bar = std::move(m_bars[static_cast<std::size_t>(index)]);
    m_bars.erase(m_bars.begin() + index);
}

void TcbBars::Clear() {
    while (!m_bars.empty()) {
        Delete(Count() - 1);
    }
}

int TcbBars::DockControlSize(TcbBarDockingStyle side) const { return m_dockSizes[side]; }

void TcbBars::SetDockControlSize(TcbBarDockingStyle side, int size) {
    if (side != dsNone) {
        m_dockSizes[side] = size;
    }
}

std::array<int, 4> TcbBars::DockControlHeights() const {
    return {m_dockSizes[dsLeft], m_dockSizes[dsRight], m_dockSizes[dsTop], m_dockSizes[dsBottom]};
}

void TcbBars::SetDockControlHeights(const std::array<int, 4>& sizes) {
    m_dockSizes[dsLeft] = sizes[0];
    m_dockSizes[dsRight] = sizes[1];
    m_dockSizes[dsTop] = sizes[2];
    m_dockSizes[dsBottom] = sizes[3];
}

}  // namespace bars
