#pragma once

#include "bars/core/bar_types.h"

#include <array>
#include <memory>
#include <vector>

namespace bars {

// The manager's bars, and the sizes of its four dock areas (the dock area windows take
// them when they are made; a description stores them as "DockControlHeights").
class TcbBars {
public:
    static constexpr int kDockingMargin = 23;

    explicit TcbBars(TcbBarManager& manager);
    ~TcbBars();

    TcbBarManager& Manager() const { return m_manager; }
    int Count() const { return static_cast<int>(m_bars.size()); }
    // None out of range.
    TcbBar* Items(int index) const;
    int IndexOf(const TcbBar& bar) const;
    TcbBar& Add();
    void Delete(int index);
    void Clear();

    // The width of the left and right areas, the height of the top and bottom ones.
    int DockControlSize(TcbBarDockingStyle side) const;
    void SetDockControlSize(TcbBarDockingStyle side, int size);
    // "DockControlHeights": left, right, top, bottom.
    std::array<int, 4> DockControlHeights() const;
    void SetDockControlHeights(const std::array<int, 4>& sizes);

private:
    TcbBarManager& m_manager;
    std::vector<std::unique_ptr<TcbBar>> m_bars;
    std::array<int, 5> m_dockSizes{};  // by TcbBarDockingStyle
};

}  // namespace bars
