#include "bars/customize/drop_position.h"

#include "bars/controls/item_control.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/windows/bar_window_base.h"

#include <QImage>

#include <vector>

namespace bars {

namespace {

// Coordinates along and across the window's run of links.
int Along(const platform::Rect& r, bool down, bool start) { return down ? (start ? r.top : r.bottom) : (start ? r.left : r.right); }
int Across(const platform::Rect& r, bool down, bool start) { return down ? (start ? r.left : r.right) : (start ? r.top : r.bottom); }

}  // namespace

bool LaysOutDownwards(const TCustomcbBarControl& window) {
    return window.IsMenu() || window.DockingStyle() == dsLeft || window.DockingStyle() == dsRight;
}

DropPosition GetDropPosition(const TCustomcbBarControl& window, platform::Point p) {
    const TcbBarItemLinks* links = window.ItemLinks();
    if (!links) return {};
    if (const auto* menu = dynamic_cast<const TcbBarSubMenuControl*>(&window); menu && !menu->TakesDropAt(p)) return {};
    const bool down = LaysOutDownwards(window);
    const int along = down ? p.y : p.x, across = down ? p.x : p.y;
    TcbBarItemLink* lastOnLine = nullptr;
    TcbBarItemLink* last = nullptr;
    for (TcbBarItemLink* link : links->ShownLinks()) {
        if (!link->Control()) continue;
        const platform::Rect r = window.GetItemRect(link->Control());
        if (r.Width() <= 0 || r.Height() <= 0) continue;
        last = link;
        if (across < Across(r, down, true) || across >= Across(r, down, false)) continue;
        lastOnLine = link;
        if (along < (Along(r, down, true) + Along(r, down, false)) / 2) return {link, false, false};
    }
    if (lastOnLine) return {lastOnLine, true, false};
    if (last) return {last, true, false};
    return {};
}

void InvertInsertionMark(TCustomcbBarControl& window, const DropPosition& position) {
    if (!position.link || !position.link->Control()) return;
    QImage& surface = window.MarkSurface();
    if (surface.isNull()) return;
    const platform::Rect r = window.GetItemRect(position.link->Control());
    const platform::Point client = window.ClientToScreenPoint({0, 0});
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    const int dx = client.x - origin.x(), dy = client.y - origin.y();
    const bool down = LaysOutDownwards(window);
    const int edge = position.after ? Along(r, down, false) : Along(r, down, true);
    const int from = Across(r, down, true) + 1, to = Across(r, down, false) - 1;
    // Two strokes along the edge and a bar of two strokes at each end: an I-beam.
    std::vector<platform::Rect> strokes;
    const auto stroke = [&](int a0, int a1, int c0, int c1) {
        strokes.push_back(down ? platform::Rect{c0, a0, c1, a1} : platform::Rect{a0, c0, a1, c1});
    };
    stroke(edge - 1, edge, from + 2, to - 2);
    stroke(edge, edge + 1, from + 2, to - 2);
    stroke(edge - 3, edge + 3, from, from + 1);
    stroke(edge - 3, edge + 3, from + 1, from + 2);
    stroke(edge - 3, edge + 3, to - 2, to - 1);
    stroke(edge - 3, edge + 3, to - 1, to);
    const platform::Rect bounds{0, 0, surface.width(), surface.height()};
    for (const platform::Rect& s : strokes) {
        for (int y = s.top + dy; y < s.bottom + dy; ++y)
            for (int x = s.left + dx; x < s.right + dx; ++x)
                if (bounds.Contains({x, y}))
                    surface.setPixel(x, y, surface.pixel(x, y) ^ 0x00FFFFFFu);
    }
    window.update();
}

}  // namespace bars
