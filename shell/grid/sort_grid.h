#pragma once

#include <QAbstractScrollArea>
#include <QImage>

#include <functional>
#include <string_view>

#include "platform/core/canvas.h"
#include "shell/grid/sort_grid_model.h"
#include "shell/grid/sort_types.h"

namespace shell {

struct TGridDrawState {
    bool selected = false;  // the row is marked
    bool focused = false;   // the current cell
    bool fixed = false;     // a heading
};

// How one cell is drawn; OnGetCellFormat may change any of it.
struct TFormatOptions {
    platform::Colour brushColour = 0;
    platform::Colour fontColour = 0;
    bool bold = false;
    THorzAlignment alignmentHorz = THorzAlignment::taLeftJustify;
    TVertAlignment alignmentVert = TVertAlignment::taMiddle;
    TCellBevelStyle bevel = TCellBevelStyle::cbNone;
};

// The sortable text grid as a control: it draws the grid's content with the headings
// fixed at the top, the sort column's heading carrying an arrow for the direction, and
// turns clicks and the navigation keys into the content's selection.
class TSortGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    TSortGrid(QWidget* parent, std::string_view name);

    SortGridModel& Grid() { return m_grid; }
    const SortGridModel& Grid() const { return m_grid; }

    // Sorts by the column with the grid's sort options and shows the result.
    void SortByColumn(int col);
    // Applies the search options and shows the rows that remain.
    void SetSearchOptions(const TSearchOptions& options);
    // Each column as wide as its widest text.
    void AutoSizeColumns();

    // The row and column under a point of the control; -1 off the cells.
    int RowAt(int y) const;
    int ColAt(int x) const;
    int Col() const { return m_col; }

    TPrintOptions PrintOptions;
    THorzAlignment AlignmentHorz = THorzAlignment::taLeftJustify;
    TVertAlignment AlignmentVert = TVertAlignment::taMiddle;
    TCellBevelStyle BevelStyle = TCellBevelStyle::cbNone;
    bool ProportionalScrollBars = false;
    bool ExtendedKeys = false;
    platform::Colour m_CellsColor = 0xFFFFFF;

    std::function<void(int col, int row, TGridDrawState state, TFormatOptions& format)> OnGetCellFormat;

    // The sort-direction marks.
    static const QImage& ArrowUp();
    static const QImage& ArrowDown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void DrawCell(QPainter& painter, const QRect& rect, int col, int row);
    int ColLeft(int col) const;
    int TotalWidth() const;
    int VisibleDataRows() const;
    void UpdateScrollBars();
    void ScrollToRow(int row);
    void Changed();

    SortGridModel m_grid;
    int m_col = 0;
};

}  // namespace shell
