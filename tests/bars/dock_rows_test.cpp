#include "bars/windows/dock_rows.h"

#include <gtest/gtest.h>

namespace bars {
namespace {

using platform::Rect;

class FakeBar : public IDockedBar {
public:
    FakeBar(int min, int pref, int thickness) : m_min(min), m_pref(pref), m_thickness(thickness) {}
    int MinLength() const override { return m_min; }
    int PreferredLength() const override { return m_pref; }
    int PreferredThickness() const override { return m_thickness; }
    int ThicknessFor(int) const override { return m_thickness; }
    bool ShowsEndMark() const override { return m_endMark; }
    bool WholeRow() const override { return m_wholeRow; }
    bool UseRestSpace() const override { return m_restSpace; }
    void SetLinksHidden(bool hidden) override { m_hidden = hidden; }
    Rect Bounds() const override { return m_bounds; }
    void SetBounds(const Rect& bounds) override { m_bounds = bounds; }

    int m_min, m_pref, m_thickness;
    bool m_endMark = true, m_wholeRow = false, m_restSpace = false, m_hidden = false;
    Rect m_bounds;
};

constexpr DockBorders kTopBorders{13, 4};

DockInsert Restore(int row, bool oneOnRow) { return {true, row, oneOnRow, false, {}, {}}; }

TEST(DockRows, AreaSizeIsTheSumOfTheRows) {
    DockRows rows(false, false);
    EXPECT_EQ(rows.Size(false), 0);
    EXPECT_EQ(rows.Size(true), 0);
    FakeBar a(30, 100, 19), b(30, 100, 22);
    rows.Insert(a, {0, 0}, Restore(0, true));
    rows.Insert(b, {150, 0}, Restore(0, false));
    rows.Layout(400, kTopBorders);
    EXPECT_EQ(rows.RowCount(), 1);
    EXPECT_EQ(a.Bounds().Height(), 26);
    EXPECT_EQ(rows.Size(false), 26);
    rows.Remove(b);
    rows.Insert(b, {0, 30}, Restore(1, true));
    rows.Layout(400, kTopBorders);
    EXPECT_EQ(rows.Size(false), 23 + 26);
    EXPECT_EQ(rows.Size(true), 51);
    EXPECT_EQ(b.Bounds().top, 23);
    // The only bar of a row leaves: the row goes and the area shrinks by it.
    EXPECT_TRUE(rows.Remove(a));
    EXPECT_FALSE(rows.Remove(a));
    rows.Layout(400, kTopBorders);
    EXPECT_EQ(rows.RowCount(), 1);
    EXPECT_EQ(rows.Size(false), 26);
}

TEST(DockRows, AWholeRowBarNeverSharesItsRow) {
    DockRows rows(false, false);
    FakeBar menu(30, 200, 19), tools(30, 100, 22);
    menu.m_wholeRow = true;
    rows.Insert(menu, {0, 0}, Restore(0, false));
    rows.Layout(500, kTopBorders);
    EXPECT_EQ(menu.Bounds(), (Rect{0, 0, 500, 23}));
    EXPECT_FALSE(menu.m_hidden);
    EXPECT_EQ(rows.Insert(tools, {300, 5}, {}), 0);
    EXPECT_EQ(rows.RowCount(), 2);
    EXPECT_EQ(rows.RowIndex(menu), 1);
    rows.Layout(150, kTopBorders);
    EXPECT_TRUE(menu.m_hidden);  // squeezed below its preferred length
    EXPECT_EQ(menu.Bounds().Width(), 150);
}

TEST(DockRows, RowChoiceByBands) {
    DockRows rows(false, false);
    FakeBar a(30, 100, 19), b(30, 100, 19);
    rows.Insert(a, {0, 0}, Restore(0, true));
    rows.Insert(b, {0, 0}, Restore(1, true));
    rows.Layout(400, kTopBorders);  // rows at 0..23 and 23..46
    EXPECT_EQ(rows.RowAt(-30), (RowChoice{0, true}));
    EXPECT_EQ(rows.RowAt(-20), (RowChoice{0, true}));
    EXPECT_EQ(rows.RowAt(-12), (RowChoice{0, true}));  // the band before row 0
    EXPECT_EQ(rows.RowAt(-5), (RowChoice{0, false}));
    EXPECT_EQ(rows.RowAt(3), (RowChoice{0, false}));
    EXPECT_EQ(rows.RowAt(10), (RowChoice{1, true}));   // between rows 0 and 1
    EXPECT_EQ(rows.RowAt(20), (RowChoice{1, false}));
    EXPECT_EQ(rows.RowAt(40), (RowChoice{2, true}));
    EXPECT_EQ(rows.RowAt(100), (RowChoice{2, true}));
    // A 26-pixel row: the band lies 9 from its start at the top, 9 from its end at the bottom.
    FakeBar thick(30, 100, 22);
    DockRows top(false, false), bottom(false, true);
    top.Insert(thick, {0, 0}, Restore(0, true));
    top.Layout(400, kTopBorders);
    EXPECT_EQ(top.RowAt(10), (RowChoice{1, true}));
    top.Remove(thick);
    bottom.Insert(thick, {0, 0}, Restore(0, true));
    bottom.Layout(400, kTopBorders);
    EXPECT_EQ(bottom.RowAt(10), (RowChoice{0, false}));
    EXPECT_EQ(bottom.RowAt(13), (RowChoice{1, true}));
}

TEST(DockRows, JoiningARowOrdersBarsAlongAndKeepsTheirPlaces) {
    DockRows rows(false, false);
    FakeBar a(30, 100, 19), b(30, 120, 19), c(30, 50, 19);
    rows.Insert(a, {0, 0}, Restore(0, true));
    rows.Layout(500, kTopBorders);
    rows.Insert(b, {450, 5}, {});
    rows.Insert(c, {150, 5}, {});
    EXPECT_EQ(rows.ColIndex(c), 1);
    EXPECT_EQ(rows.ColIndex(b), 2);
    rows.Layout(500, kTopBorders);
    EXPECT_EQ(a.Bounds().left, 0);
    EXPECT_EQ(c.Bounds().left, 150);
    // b asked for 450 but is moved back so that its 133 pixels end at the area's end.
    EXPECT_EQ(b.Bounds(), (Rect{500 - 133, 0, 500, 23}));
    EXPECT_FALSE(rows.OneOnRow(a));
}

TEST(DockRows, ACrowdedRowSqueezesItsLastBarsAndHidesTheirLinks) {
    DockRows rows(false, false);
    FakeBar a(23, 200, 19), b(23, 200, 19);
    b.m_endMark = false;  // gains room for the mark when squeezed
    rows.Insert(a, {0, 0}, Restore(0, true));
    rows.Insert(b, {300, 0}, Restore(0, false));
    rows.Layout(300, kTopBorders);
    EXPECT_EQ(a.Bounds(), (Rect{0, 0, 213, 23}));
    EXPECT_EQ(b.Bounds(), (Rect{213, 0, 300, 23}));
    EXPECT_TRUE(b.m_hidden);
    EXPECT_FALSE(a.m_hidden);
    rows.Layout(100, kTopBorders);
    EXPECT_EQ(b.Bounds().Width(), 23 + 13 + 11);  // never below its minimum
    EXPECT_TRUE(a.m_hidden);
}

TEST(DockRows, RestSpaceBarStretchesToItsNeighbour) {
    DockRows rows(true, false);
    FakeBar a(20, 60, 23), b(20, 60, 23);
    a.m_restSpace = true;
    rows.Insert(a, {0, 0}, Restore(0, true));
    rows.Insert(b, {0, 200}, Restore(0, false));
    rows.Layout(400, {4, 13});
    EXPECT_EQ(a.Bounds(), (Rect{0, 0, 36, 200}));
    EXPECT_EQ(b.Bounds(), (Rect{0, 200, 36, 264}));
}

TEST(DockRows, LoadingKeepsStoredRowIndexes) {
    DockRows rows(false, false);
    FakeBar a(30, 100, 19);
    DockInsert how = Restore(2, true);
    how.loading = true;
    EXPECT_EQ(rows.Insert(a, {0, 0}, how), 2);
    EXPECT_EQ(rows.RowCount(), 3);
    rows.Layout(400, kTopBorders);  // placeholders go with the first layout
    EXPECT_EQ(rows.RowIndex(a), 0);
    EXPECT_EQ(rows.Insert(a, {0, 0}, Restore(-3, false)), 0);
}

// The four areas: along x on top and bottom, along y on the sides; the right and bottom
// ones count their rows from the far edge.
struct AreaKind {
    bool vertical, farEdge;
    const char* name;
};

void PrintTo(const AreaKind& c, std::ostream* out) { *out << c.name; }

class DockRowsMoving : public ::testing::TestWithParam<AreaKind> {
public:
    DockRowsMoving() : rows(GetParam().vertical, GetParam().farEdge) {
        rows.Insert(a, {0, 0}, Restore(0, true));
        rows.Insert(b, {0, 0}, Restore(1, true));
        Relayout();  // rows of 23 across: a at 0, b at 23
    }
    void Relayout() { rows.Layout(400, kTopBorders); }
    platform::Point At(int along, int across) const {
        return GetParam().vertical ? platform::Point{across, along} : platform::Point{along, across};
    }
    int AcrossOf(const FakeBar& bar) const { return GetParam().vertical ? bar.Bounds().left : bar.Bounds().top; }
    // The user holds `bar` at `grab` (across its row) and the cursor goes `delta` across.
    int MoveBy(FakeBar& bar, int grab, int delta) {
        const int row = rows.Move(bar, At(40, AcrossOf(bar) + grab + delta), At(5, grab), rows.Size(false));
        Relayout();
        rows.RememberPlace(bar);
        return row;
    }

    DockRows rows;
    FakeBar a{30, 100, 19}, b{30, 100, 19};
};

TEST_P(DockRowsMoving, OutsideItsRowTheBandsOfThePointDecide) {
    const bool far = GetParam().farEdge;
    // Into the other row, short of its band: the bar joins it, and its own row goes.
    EXPECT_EQ(MoveBy(a, 11, far ? 17 : 14), 0);
    EXPECT_EQ(rows.RowCount(), 1);
    EXPECT_EQ(rows.ColIndex(a), 1);
    // Beyond the last row it opens a row of its own there; before the first, a row 0.
    EXPECT_EQ(MoveBy(a, 11, 30), 1);
    EXPECT_EQ(rows.RowCount(), 2);
    EXPECT_EQ(MoveBy(a, 11, -54), 0);
    EXPECT_EQ(rows.RowIndex(b), 1);
    // The band inside b's row means a new row between the two: a goes to b's far side.
    const int band = far ? 23 + 23 - 14 : 23 + 9;
    EXPECT_EQ(MoveBy(a, 0, band - AcrossOf(a)), 1);
    EXPECT_EQ(rows.RowCount(), 2);
    EXPECT_EQ(rows.RowIndex(b), 0);
    // A whole-row bar never joins a row.
    b.m_wholeRow = true;
    EXPECT_EQ(MoveBy(b, 11, 14), 0);
    EXPECT_EQ(rows.RowCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(AllFourAreas, DockRowsMoving,
                         ::testing::Values(AreaKind{false, false, "top"}, AreaKind{true, false, "left"},
                                           AreaKind{true, true, "right"}, AreaKind{false, true, "bottom"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DockRows, WhileABarMovesTheFarAreasCountTheirRowsFromTheFarEdge) {
    FakeBar bar(30, 100, 19);
    DockRows bottom(false, true), top(false, false);
    for (DockRows* rows : {&bottom, &top}) {
        rows->Insert(bar, {0, 0}, Restore(0, true));
        rows->Layout(400, kTopBorders);
        // The area is still 46 high: a bottom area's row lies at its far end, 23..46.
        EXPECT_EQ(rows->RowAt(25, 46), (RowChoice{rows == &bottom ? 0 : 1, rows == &top}));
        rows->Remove(bar);
    }
}

}  // namespace
}  // namespace bars
