#pragma once

#include "platform/core/canvas.h"

#include <vector>

namespace bars {

// A bar window as its dock area sees it. Lengths and thicknesses leave out the borders,
// which the area adds from the manager's sizes for its side.
class IDockedBar {
public:
    virtual ~IDockedBar() = default;
    virtual int MinLength() const = 0;
    virtual int PreferredLength() const = 0;
    virtual int PreferredThickness() const = 0;
    // Thickness when the bar's links are laid out along the given length.
    virtual int ThicknessFor(int length) const = 0;
    // The end mark shows even when every link fits.
    virtual bool ShowsEndMark() const = 0;
    virtual bool WholeRow() const = 0;
    virtual bool UseRestSpace() const = 0;
    // Links hidden behind the end mark; clearing it also shows every visible link again.
    virtual void SetLinksHidden(bool hidden) = 0;
    // In the area's client coordinates.
    virtual platform::Rect Bounds() const = 0;
    virtual void SetBounds(const platform::Rect& bounds) = 0;
};

// Width of the strip beyond the rows where a moving bar still counts, and the band inside
// each strip that means "a new row here".
constexpr int kDockMargin = 23;
constexpr int kNewRowBand = 5;

struct DockCol {
    IDockedBar* bar = nullptr;
    int along = 0, across = 0;  // remembered position in the area
};

struct DockRow {
    std::vector<DockCol> cols;
};

struct RowChoice {
    int row = 0;
    bool newRow = false;
    bool operator==(const RowChoice&) const = default;
};

struct DockBorders {
    int along = 0, across = 0;
};

struct DockInsert {
    bool restoring = false;  // the bar is being shown: its stored row decides
    int storedRow = 0;
    bool storedOneOnRow = false;
    bool loading = false;
    platform::Point grabOffset;
};

// The rows of one dock area and their layout, with no window: the along axis is x on the
// top and bottom areas and y on the left and right ones.
class DockRows {
public:
    DockRows(bool vertical, bool farEdge) : m_vertical(vertical), m_farEdge(farEdge) {}

    bool IsVertical() const { return m_vertical; }
    const std::vector<DockRow>& Rows() const { return m_rows; }
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int RowIndex(const IDockedBar& bar) const;
    int ColIndex(const IDockedBar& bar) const;
    bool OneOnRow(const IDockedBar& bar) const;

    int RowThickness(int row) const;
    int RowOffset(int row) const;
    // Sum of the rows; a sunken border adds 2 around a non-empty area.
    int Size(bool sunkenBorder) const;
    // Which row a point across the area (client coordinates) falls into.
    RowChoice RowAt(int across) const;

    // Adds the bar at a client point; answers the column's row.
    int Insert(IDockedBar& bar, platform::Point point, const DockInsert& how);
    // Frees the bar's column and a row left empty; false when the bar is in no row.
    bool Remove(const IDockedBar& bar);
    // The column keeps the bar's present place as its remembered position.
    void RememberPlace(const IDockedBar& bar);

    // Places the bars of every row for an area of the given length; a bar being moved
    // keeps the room it asked for in a crowded row.
    void Layout(int areaLength, DockBorders borders, const IDockedBar* moving = nullptr);

private:
    DockCol* Find(const IDockedBar& bar);
    int AcrossSize(const platform::Rect& r) const { return m_vertical ? r.Width() : r.Height(); }
    void LayoutRow(DockRow& row, int offset, int areaLength, DockBorders borders, const IDockedBar* moving);

    bool m_vertical;
    bool m_farEdge;  // right and bottom areas measure the new-row band from the far end
    std::vector<DockRow> m_rows;
};

}  // namespace bars
