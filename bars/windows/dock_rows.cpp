#include "bars/windows/dock_rows.h"

#include "bars/windows/bar_layout.h"

#include <algorithm>

namespace bars {

namespace {

// Raised to lo first, then lowered to hi: when the two cross, hi wins.
int RaiseThenLower(int value, int lo, int hi) { return std::min(std::max(value, lo), hi); }

struct ColPlan {
    int min = 0, pref = 0, pos = 0, length = 0, thickness = 0;
    bool squeezed = false, hidden = false;
};

}  // namespace

int DockRows::RowIndex(const IDockedBar& bar) const {
    for (std::size_t r = 0; r < m_rows.size(); ++r)
        for (const DockCol& col : m_rows[r].cols)
            if (col.bar == &bar) return static_cast<int>(r);
    return -1;
}

int DockRows::ColIndex(const IDockedBar& bar) const {
    for (const DockRow& row : m_rows)
        for (std::size_t c = 0; c < row.cols.size(); ++c)
            if (row.cols[c].bar == &bar) return static_cast<int>(c);
    return -1;
}

bool DockRows::OneOnRow(const IDockedBar& bar) const {
    const int row = RowIndex(bar);
    return row >= 0 && m_rows[row].cols.size() == 1;
}

DockCol* DockRows::Find(const IDockedBar& bar) {
    for (DockRow& row : m_rows)
        for (DockCol& col : row.cols)
            if (col.bar == &bar) return &col;
    return nullptr;
}

int DockRows::RowThickness(int row) const {
    int thickest = 0;
    for (const DockCol& col : m_rows[row].cols) thickest = std::max(thickest, AcrossSize(col.bar->Bounds()));
    return thickest;
}

int DockRows::RowOffset(int row) const {
    int offset = 0;
    for (int r = 0; r < row; ++r) offset += RowThickness(r);
    return offset;
}

int DockRows::Size(bool sunkenBorder) const {
    if (m_rows.empty()) return 0;
    return RowOffset(RowCount()) + (sunkenBorder ? 2 : 0);
}

RowChoice DockRows::RowAt(int across) const {
    const int count = RowCount();
    constexpr int kBandStart = (kDockMargin - kNewRowBand) / 2;
    int start = -kDockMargin;
    if (across < start) return {0, true};
    // Part 0 is the margin before the first row, part count + 1 the margin after the last.
    for (int part = 0; part <= count + 1; ++part) {
        const int size = part == 0 || part == count + 1 ? kDockMargin : RowThickness(part - 1);
        const int end = start + size;
        if (across < end) {
            const int band = m_farEdge ? end - kBandStart - kNewRowBand : start + kBandStart;
            const int row = part - 1;
            if (across >= band && across < band + kNewRowBand) return {std::min(row + 1, count), true};
            const int chosen = across < band ? row : row + 1;
            if (chosen < 0) return {0, true};
            if (chosen >= count) return {count, true};
            return {chosen, false};
        }
        start = end;
    }
    return {count, true};
}

int DockRows::Insert(IDockedBar& bar, platform::Point point, const DockInsert& how) {
    const platform::Point corner{point.x - how.grabOffset.x, point.y - how.grabOffset.y};
    const int along = m_vertical ? corner.y : corner.x;
    const int across = m_vertical ? corner.x : corner.y;
    RowChoice choice = how.restoring ? RowChoice{how.storedRow, how.storedOneOnRow} : RowAt(across);
    if (bar.WholeRow()) choice.newRow = true;
    if (how.loading) {
        // Rows keep their stored indexes while the form loads.
        while (RowCount() < choice.row) m_rows.emplace_back();
    }
    choice.row = std::clamp(choice.row, 0, RowCount());
    if (choice.row == RowCount()) choice.newRow = true;
    if (!choice.newRow)
        for (const DockCol& col : m_rows[choice.row].cols)
            if (col.bar != &bar && col.bar->WholeRow()) choice.newRow = true;
    // A placeholder row left by loading is filled rather than pushed aside.
    if (choice.row < RowCount() && m_rows[choice.row].cols.empty()) choice.newRow = false;

    const DockCol col{&bar, along, std::max(0, across)};
    if (choice.newRow) {
        m_rows.insert(m_rows.begin() + choice.row, DockRow{{col}});
    } else {
        auto& cols = m_rows[choice.row].cols;
        const auto beyond = std::find_if(cols.begin(), cols.end(),
                                         [&](const DockCol& c) { return c.along > along; });
        cols.insert(beyond, col);
    }
    return choice.row;
}

bool DockRows::Remove(const IDockedBar& bar) {
    for (auto row = m_rows.begin(); row != m_rows.end(); ++row) {
        const auto col = std::find_if(row->cols.begin(), row->cols.end(),
                                      [&](const DockCol& c) { return c.bar == &bar; });
        if (col == row->cols.end()) continue;
        row->cols.erase(col);
        if (row->cols.empty()) m_rows.erase(row);
        return true;
    }
    return false;
}

void DockRows::RememberPlace(const IDockedBar& bar) {
    if (DockCol* col = Find(bar)) {
        const platform::Rect bounds = bar.Bounds();
        col->along = m_vertical ? bounds.top : bounds.left;
        col->across = m_vertical ? bounds.left : bounds.top;
    }
}

void DockRows::Layout(int areaLength, DockBorders borders, const IDockedBar* moving) {
    std::erase_if(m_rows, [](const DockRow& row) { return row.cols.empty(); });
    int offset = 0;
    for (DockRow& row : m_rows) {
        LayoutRow(row, offset, areaLength, borders, moving);
        offset += AcrossSize(row.cols.front().bar->Bounds());
    }
}

void DockRows::LayoutRow(DockRow& row, int offset, int areaLength, DockBorders borders, const IDockedBar* moving) {
    auto& cols = row.cols;
    const int n = static_cast<int>(cols.size());
    std::vector<ColPlan> plan(n);
    std::vector<int> minBefore(n + 1, 0), prefBefore(n + 1, 0);
    for (int i = 0; i < n; ++i) {
        IDockedBar& bar = *cols[i].bar;
        bar.SetLinksHidden(false);
        ColPlan& p = plan[i];
        p.min = bar.MinLength() + borders.along;
        p.pref = bar.PreferredLength() + borders.along;
        // Room for the mark once links must hide.
        if (!bar.ShowsEndMark() && p.min != p.pref) p.min += kEndMarkLength;
        minBefore[i + 1] = minBefore[i] + p.min;
        prefBefore[i + 1] = prefBefore[i] + p.pref;
    }

    if (cols.front().bar->WholeRow()) {
        ColPlan& p = plan[0];
        p.length = std::max(areaLength, p.min);
        p.hidden = p.length < p.pref;
        p.thickness = cols[0].bar->ThicknessFor(p.length - borders.along);
    } else if (areaLength < prefBefore[n]) {
        int avail = areaLength;
        for (int i = n - 1; i >= 0; --i) {
            ColPlan& p = plan[i];
            IDockedBar& bar = *cols[i].bar;
            int pos = RaiseThenLower(cols[i].along, minBefore[i], prefBefore[i]);
            if (i > 0 && cols[i - 1].bar == moving) {
                pos = std::min(pos, std::max(cols[i - 1].along, minBefore[i - 1]) + plan[i - 1].pref);
                cols[i].along = pos;
            }
            const int len = avail - pos;
            if (len < p.pref) {
                p.length = std::max(p.min, len);
                p.squeezed = true;
                p.hidden = p.pref != p.min;
                p.thickness = bar.ThicknessFor(p.length - borders.along);
            } else {
                p.length = p.pref;
                p.thickness = bar.PreferredThickness();
            }
            if (i == 0) p.length = std::max(p.length, avail);
            p.pos = RaiseThenLower(avail - p.length, minBefore[i], prefBefore[i]);
            avail -= p.length;
        }
    } else {
        int limit = areaLength;
        for (int i = n - 1; i >= 0; --i) {
            ColPlan& p = plan[i];
            p.length = p.pref;
            p.thickness = cols[i].bar->PreferredThickness();
            p.pos = cols[i].along;
            if (p.pos + p.length > limit) p.pos = limit - p.length;
            p.pos = std::max(p.pos, prefBefore[i]);
            limit = p.pos;
        }
    }

    for (int i = 0; i < n; ++i) {
        if (!cols[i].bar->UseRestSpace()) continue;
        ColPlan& p = plan[i];
        p.pos = i == 0 ? 0 : plan[i - 1].pos + plan[i - 1].length;
        const int end = i == n - 1 ? areaLength : plan[i + 1].pos;
        p.length = std::max(end - p.pos, p.min);
    }

    int thickness = 0;
    for (const ColPlan& p : plan) thickness = std::max(thickness, p.thickness);
    thickness += borders.across;
    for (int i = 0; i < n; ++i) {
        ColPlan& p = plan[i];
        if (i == n - 1 && p.squeezed) p.length = std::max(areaLength - p.pos, p.min);
        IDockedBar& bar = *cols[i].bar;
        if (p.hidden) bar.SetLinksHidden(true);
        const platform::Rect bounds = m_vertical ? platform::Rect{offset, p.pos, offset + thickness, p.pos + p.length}
                                                 : platform::Rect{p.pos, offset, p.pos + p.length, offset + thickness};
        if (bar.Bounds() != bounds) bar.SetBounds(bounds);
    }
}

}  // namespace bars
