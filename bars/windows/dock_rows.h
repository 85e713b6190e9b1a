#pragma once

#include "platform/core/canvas.h"

#include <memory>
#include <optional>
#include <vector>

namespace bars {

class TcbDockControl;
class TcbDockRow;

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

// One bar window's place in a row: the window, its row, and its position in the area's
// client coordinates as remembered when it was placed.
class TcbDockCol {
public:
    TcbDockCol(IDockedBar& bar, TcbDockRow& row, platform::Point position) : m_bar(bar), m_row(row), m_position(position) {}

    IDockedBar& Bar() const { return m_bar; }
    TcbDockRow& Row() const { return m_row; }
    platform::Point Position() const { return m_position; }
    void SetPosition(platform::Point position) { m_position = position; }

private:
    IDockedBar& m_bar;
    TcbDockRow& m_row;
    platform::Point m_position;
};

// One row of a dock area: its columns in order along the side. Freeing a row frees its
// columns.
class TcbDockRow {
public:
    explicit TcbDockRow(TcbDockControl* dockControl) : m_dockControl(dockControl) {}
    TcbDockRow(const TcbDockRow&) = delete;
    TcbDockRow& operator=(const TcbDockRow&) = delete;

    // None for rows kept without a window (tests).
    TcbDockControl* DockControl() const { return m_dockControl; }
    int ColCount() const { return static_cast<int>(m_cols.size()); }
    TcbDockCol& Cols(int index) const { return *m_cols[static_cast<std::size_t>(index)]; }
    int IndexOf(const IDockedBar& bar) const;
    TcbDockCol& InsertCol(int index, IDockedBar& bar, platform::Point position);
    void RemoveCol(int index);

private:
    TcbDockControl* m_dockControl;
    std::vector<std::unique_ptr<TcbDockCol>> m_cols;
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
    // While a bar moves: the area's client size across, from which the right and bottom
    // areas count their rows.
    std::optional<int> areaAcross;
};

// The rows of one dock area and their layout, with no window: the along axis is x on the
// top and bottom areas and y on the left and right ones.
class DockRows {
public:
    DockRows(bool vertical, bool farEdge, TcbDockControl* dockControl = nullptr)
        : m_vertical(vertical), m_farEdge(farEdge), m_dockControl(dockControl) {}

    bool IsVertical() const { return m_vertical; }
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const TcbDockRow& Row(int index) const { return *m_rows[static_cast<std::size_t>(index)]; }
    int RowIndex(const IDockedBar& bar) const;
    int ColIndex(const IDockedBar& bar) const;
    bool OneOnRow(const IDockedBar& bar) const;

    int RowThickness(int row) const;
    int RowOffset(int row) const;
    // Sum of the rows; a sunken border adds 2 around a non-empty area.
    int Size(bool sunkenBorder) const;
    // Which row a point across the area (client coordinates) falls into. With the area's
    // size across, the right and bottom areas count their rows back from their far edge.
    RowChoice RowAt(int across, std::optional<int> areaAcross = {}) const;

    // Adds the bar at a client point; answers the column's row.
    int Insert(IDockedBar& bar, platform::Point point, const DockInsert& how);
    // Places a bar of the area that the user moves to the client point: while the point
    // stays across its own row the bar keeps that row and only slides along it; elsewhere
    // the row bands choose, measured on the rows as they lie before the bar leaves its own.
    int Move(IDockedBar& bar, platform::Point point, platform::Point grabOffset, int areaAcross);
    // Frees the bar's column and a row left empty; false when the bar is in no row.
    bool Remove(const IDockedBar& bar);
    // The column keeps the bar's present place as its remembered position.
    void RememberPlace(const IDockedBar& bar);

    // Places the bars of every row for an area of the given length; a bar being moved
    // keeps the room it asked for in a crowded row.
    void Layout(int areaLength, DockBorders borders, const IDockedBar* moving = nullptr);

private:
    TcbDockCol* Find(const IDockedBar& bar);
    int AcrossSize(const platform::Rect& r) const { return m_vertical ? r.Width() : r.Height(); }
    int Along(platform::Point p) const { return m_vertical ? p.y : p.x; }
    int Across(platform::Point p) const { return m_vertical ? p.x : p.y; }
    platform::Point PointOf(int along, int across) const {
        return m_vertical ? platform::Point{across, along} : platform::Point{along, across};
    }
    // Where a row starts across the area: counted from the area's start, or back from its
    // far edge when the area's size is given on a right or bottom area.
    int RowStart(int row, std::optional<int> areaAcross) const;
    int InsertChoice(IDockedBar& bar, RowChoice choice, int along, int across);
    void LayoutRow(TcbDockRow& row, int offset, int areaLength, DockBorders borders, const IDockedBar* moving);

    bool m_vertical;
    bool m_farEdge;  // right and bottom areas measure the new-row band from the far end
    TcbDockControl* m_dockControl;
    std::vector<std::unique_ptr<TcbDockRow>> m_rows;
};

}  // namespace bars
