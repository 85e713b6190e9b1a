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

int TcbDockRow::IndexOf(const IDockedBar& bar) const {
    for (std::size_t c = 0; c < m_cols.size(); ++c)
        if (&m_cols[c]->Bar() == &bar) return static_cast<int>(c);
    return -1;
}

TcbDockCol& TcbDockRow::InsertCol(int index, IDockedBar& bar, platform::Point position) {
    const auto at = m_cols.begin() + std::clamp(index, 0, ColCount());
    return **m_cols.insert(at, std::make_unique<TcbDockCol>(bar, *this, position));
}

void TcbDockRow::RemoveCol(int index) { m_cols.erase(m_cols.begin() + index); }

int DockRows::RowIndex(const IDockedBar& bar) const {
    for (int r = 0; r < RowCount(); ++r)
        if (Row(r).IndexOf(bar) >= 0) return r;
    return -1;
}

int DockRows::ColIndex(const IDockedBar& bar) const {
    const int row = RowIndex(bar);
    return row < 0 ? -1 : Row(row).IndexOf(bar);
}

bool DockRows::OneOnRow(const IDockedBar& bar) const {
    const int row = RowIndex(bar);
    return row >= 0 && Row(row).ColCount() == 1;
}

TcbDockCol* DockRows::Find(const IDockedBar& bar) {
    const int row = RowIndex(bar);
    return row < 0 ? nullptr : &Row(row).Cols(Row(row).IndexOf(bar));
}

int DockRows::RowThickness(int row) const {
    int thickest = 0;
    const TcbDockRow& r = Row(row);
    for (int c = 0; c < r.ColCount(); ++c) thickest = std::max(thickest, AcrossSize(r.Cols(c).Bar().Bounds()));
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

int DockRows::RowStart(int row, std::optional<int> areaAcross) const {
    // The area grows and shrinks at its inner edge: rows counted from the form's edge stay
    // where they are on the screen.
    if (m_farEdge && areaAcross) return *areaAcross - (RowOffset(RowCount()) - RowOffset(row));
    return RowOffset(row);
}

RowChoice DockRows::RowAt(int across, std::optional<int> areaAcross) const {
    const int count = RowCount();
    constexpr int kBandStart = (kDockMargin - kNewRowBand) / 2;
    int start = RowStart(0, areaAcross) - kDockMargin;
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
    // The row comes from the point itself; the grab offset only places the bar.
    RowChoice choice =
        how.restoring ? RowChoice{how.storedRow, how.storedOneOnRow} : RowAt(Across(point), how.areaAcross);
    if (how.loading) {
        // Rows keep their stored indexes while the form loads.
        while (RowCount() < choice.row) m_rows.push_back(std::make_unique<TcbDockRow>(m_dockControl));
    }
    return InsertChoice(bar, choice, Along(point) - Along(how.grabOffset), Across(point) - Across(how.grabOffset));
}

int DockRows::Move(IDockedBar& bar, platform::Point point, platform::Point grabOffset, int areaAcross) {
    const int own = RowIndex(bar);
    if (own < 0) {
        DockInsert how;
        how.grabOffset = grabOffset;
        how.areaAcross = areaAcross;
        return Insert(bar, point, how);
    }
    const int at = Across(point);
    const int start = RowStart(own, areaAcross);
    // Across its own row the bar stays in it, so that a small move never rearranges the rows.
    RowChoice choice{own, false};
    if (at < start || at >= start + RowThickness(own)) choice = RowAt(at, areaAcross);
    const bool alone = Row(own).ColCount() == 1;
    Remove(bar);
    if (alone) {
        // Its row went with it: the rows after it move up by one, and its own place is a new row.
        if (choice.row > own)
            --choice.row;
        else if (choice.row == own)
            choice.newRow = true;
    }
    return InsertChoice(bar, choice, Along(point) - Along(grabOffset), at - Across(grabOffset));
}

int DockRows::InsertChoice(IDockedBar& bar, RowChoice choice, int along, int across) {
    if (bar.WholeRow()) choice.newRow = true;
    choice.row = std::clamp(choice.row, 0, RowCount());
    if (choice.row == RowCount()) choice.newRow = true;
    if (!choice.newRow) {
        const TcbDockRow& row = Row(choice.row);
        for (int c = 0; c < row.ColCount(); ++c)
            if (&row.Cols(c).Bar() != &bar && row.Cols(c).Bar().WholeRow()) choice.newRow = true;
    }
    // A placeholder row left by loading is filled rather than pushed aside.
    if (choice.row < RowCount() && Row(choice.row).ColCount() == 0) choice.newRow = false;

    const platform::Point position = PointOf(along, std::max(0, across));
    if (choice.newRow) {
        auto row = std::make_unique<TcbDockRow>(m_dockControl);
        row->InsertCol(0, bar, position);
        m_rows.insert(m_rows.begin() + choice.row, std::move(row));
    } else {
        TcbDockRow& row = *m_rows[static_cast<std::size_t>(choice.row)];
        int beyond = 0;
        while (beyond < row.ColCount() && Along(row.Cols(beyond).Position()) <= along) ++beyond;
        row.InsertCol(beyond, bar, position);
    }
    return choice.row;
}

bool DockRows::Remove(const IDockedBar& bar) {
    const int r = RowIndex(bar);
    if (r < 0) return false;
    TcbDockRow& row = *m_rows[static_cast<std::size_t>(r)];
    row.RemoveCol(row.IndexOf(bar));
    if (row.ColCount() == 0) m_rows.erase(m_rows.begin() + r);
    return true;
}

void DockRows::RememberPlace(const IDockedBar& bar) {
    if (TcbDockCol* col = Find(bar)) {
        const platform::Rect bounds = bar.Bounds();
        col->SetPosition({bounds.left, bounds.top});
    }
}

void DockRows::Layout(int areaLength, DockBorders borders, const IDockedBar* moving) {
    std::erase_if(m_rows, [](const std::unique_ptr<TcbDockRow>& row) { return row->ColCount() == 0; });
    int offset = 0;
    for (const auto& row : m_rows) {
        LayoutRow(*row, offset, areaLength, borders, moving);
        offset += AcrossSize(row->Cols(0).Bar().Bounds());
    }
}

void DockRows::LayoutRow(TcbDockRow& row, int offset, int areaLength, DockBorders borders, const IDockedBar* moving) {
    const int n = row.ColCount();
    const auto bar = [&row](int i) -> IDockedBar& { return row.Cols(i).Bar(); };
    const auto remembered = [&](int i) { return Along(row.Cols(i).Position()); };
    std::vector<ColPlan> plan(n);
    std::vector<int> minBefore(n + 1, 0), prefBefore(n + 1, 0);
    for (int i = 0; i < n; ++i) {
        bar(i).SetLinksHidden(false);
        ColPlan& p = plan[i];
        p.min = bar(i).MinLength() + borders.along;
        p.pref = bar(i).PreferredLength() + borders.along;
        // Room for the mark once links must hide.
        if (!bar(i).ShowsEndMark() && p.min != p.pref) p.min += kEndMarkLength;
        minBefore[i + 1] = minBefore[i] + p.min;
        prefBefore[i + 1] = prefBefore[i] + p.pref;
    }

    if (bar(0).WholeRow()) {
        ColPlan& p = plan[0];
        p.length = std::max(areaLength, p.min);
        p.hidden = p.length < p.pref;
        p.thickness = bar(0).ThicknessFor(p.length - borders.along);
    } else if (areaLength < prefBefore[n]) {
        int avail = areaLength;
        for (int i = n - 1; i >= 0; --i) {
            ColPlan& p = plan[i];
            int pos = RaiseThenLower(remembered(i), minBefore[i], prefBefore[i]);
            if (i > 0 && &bar(i - 1) == moving) {
                pos = std::min(pos, std::max(remembered(i - 1), minBefore[i - 1]) + plan[i - 1].pref);
                row.Cols(i).SetPosition(PointOf(pos, Across(row.Cols(i).Position())));
            }
            const int len = avail - pos;
            if (len < p.pref) {
                p.length = std::max(p.min, len);
                p.squeezed = true;
                p.hidden = p.pref != p.min;
                p.thickness = bar(i).ThicknessFor(p.length - borders.along);
            } else {
                p.length = p.pref;
                p.thickness = bar(i).PreferredThickness();
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
            p.thickness = bar(i).PreferredThickness();
            p.pos = remembered(i);
            if (p.pos + p.length > limit) p.pos = limit - p.length;
            p.pos = std::max(p.pos, prefBefore[i]);
            limit = p.pos;
        }
    }

    for (int i = 0; i < n; ++i) {
        if (!bar(i).UseRestSpace()) continue;
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
        if (p.hidden) bar(i).SetLinksHidden(true);
        const platform::Rect bounds = m_vertical ? platform::Rect{offset, p.pos, offset + thickness, p.pos + p.length}
                                                 : platform::Rect{p.pos, offset, p.pos + p.length, offset + thickness};
        if (bar(i).Bounds() != bounds) bar(i).SetBounds(bounds);
    }
}

}  // namespace bars
