#include "shell/grid/sort_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

#include "platform/qt/controls.h"

namespace shell {

namespace {

constexpr int kCellMargin = 4;
constexpr int kArrowSize = 8;
constexpr platform::Colour kHeadingColour = 0xC0C0C0;
constexpr platform::Colour kMarkedColour = 0x800000;  // navy
constexpr platform::Colour kMarkedTextColour = 0xFFFFFF;
const QColor kLineColour(192, 192, 192);

QColor ToQColor(platform::Colour c) { return QColor(platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c)); }

// A small filled triangle pointing up or down on a transparent square.
QImage MakeArrow(bool up) {
    QImage arrow(kArrowSize, kArrowSize, QImage::Format_ARGB32);
    arrow.fill(Qt::transparent);
    for (int row = 0; row < kArrowSize / 2; ++row) {
        // Row 0 is the triangle's widest line: its foot pointing up, its top pointing down.
        const int y = up ? kArrowSize * 3 / 4 - 1 - row : kArrowSize / 4 + row;
        for (int x = row; x < kArrowSize - row; ++x) arrow.setPixel(x, y, qRgb(0, 0, 0));
    }
    return arrow;
}

Qt::Alignment AlignmentOf(const TFormatOptions& format) {
    Qt::Alignment a;
    switch (format.alignmentHorz) {
        case THorzAlignment::taLeftJustify: a = Qt::AlignLeft; break;
        case THorzAlignment::taRightJustify: a = Qt::AlignRight; break;
        case THorzAlignment::taCenter: a = Qt::AlignHCenter; break;
    }
    switch (format.alignmentVert) {
        case TVertAlignment::taTopJustify: a |= Qt::AlignTop; break;
        case TVertAlignment::taBottomJustify: a |= Qt::AlignBottom; break;
        case TVertAlignment::taMiddle: a |= Qt::AlignVCenter; break;
    }
    return a;
}

}  // namespace

TSortGrid::TSortGrid(QWidget* parent, std::string_view name) : QAbstractScrollArea(parent) {
    setObjectName(platform::ToQString(name));
    // The base window class switches this grid's font with the labels'.
    setProperty("fontFallback", true);
    setFocusPolicy(Qt::StrongFocus);
    UpdateScrollBars();
}

const QImage& TSortGrid::ArrowUp() {
    static const QImage arrow = MakeArrow(true);
    return arrow;
}

const QImage& TSortGrid::ArrowDown() {
    static const QImage arrow = MakeArrow(false);
    return arrow;
}

void TSortGrid::SortByColumn(int col) {
    TSortOptions options = m_grid.SortOptions();
    options.SortCol = col;
    m_grid.SetSortOptions(options);
    m_grid.Sort();
    Changed();
}

void TSortGrid::SetSearchOptions(const TSearchOptions& options) {
    m_grid.SetSearchOptions(options);
    Changed();
}

void TSortGrid::AutoSizeColumns() {
    const QFontMetrics metrics(font());
    for (int col = 0; col < m_grid.ColCount(); ++col) {
        int widest = 0;
        for (const std::string& text : m_grid.Column(col))
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(text)));
        m_grid.SetColWidth(col, widest + 2 * kCellMargin + kArrowSize);
    }
    Changed();
}

int TSortGrid::ColLeft(int col) const {
    int left = -horizontalScrollBar()->value();
    for (int c = 0; c < col; ++c) left += m_grid.ColWidth(c);
    return left;
}

int TSortGrid::TotalWidth() const { return ColLeft(m_grid.ColCount()) + horizontalScrollBar()->value(); }

int TSortGrid::VisibleDataRows() const {
    const int height = viewport()->height() - m_grid.FixedRows() * m_grid.DefaultRowHeight();
    return std::max(1, height / m_grid.DefaultRowHeight());
}

int TSortGrid::RowAt(int y) const {
    const int rowHeight = m_grid.DefaultRowHeight();
    const int fixedHeight = m_grid.FixedRows() * rowHeight;
    const int row = y < fixedHeight ? y / rowHeight
                                    : m_grid.FixedRows() + verticalScrollBar()->value() + (y - fixedHeight) / rowHeight;
    return y >= 0 && row < m_grid.RowCount() ? row : -1;
}

int TSortGrid::ColAt(int x) const {
    for (int col = 0; col < m_grid.ColCount(); ++col)
        if (x >= ColLeft(col) && x < ColLeft(col + 1)) return col;
    return -1;
}

void TSortGrid::UpdateScrollBars() {
    const int dataRows = m_grid.RowCount() - m_grid.FixedRows();
    verticalScrollBar()->setRange(0, std::max(0, dataRows - VisibleDataRows()));
    verticalScrollBar()->setPageStep(VisibleDataRows());
    horizontalScrollBar()->setRange(0, std::max(0, TotalWidth() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void TSortGrid::ScrollToRow(int row) {
    const int first = verticalScrollBar()->value() + m_grid.FixedRows();
    if (row < first)
        verticalScrollBar()->setValue(row - m_grid.FixedRows());
    else if (row >= first + VisibleDataRows())
        verticalScrollBar()->setValue(row - m_grid.FixedRows() - VisibleDataRows() + 1);
}

void TSortGrid::Changed() {
    UpdateScrollBars();
    viewport()->update();
}

void TSortGrid::DrawCell(QPainter& painter, const QRect& rect, int col, int row) {
    TGridDrawState state;
    state.fixed = row < m_grid.FixedRows();
    state.selected = !state.fixed && m_grid.IsRowMarked(row);
    state.focused = row == m_grid.Row() && col == m_col;
    TFormatOptions format;
    format.brushColour = state.fixed ? kHeadingColour : state.selected ? kMarkedColour : m_CellsColor;
    format.fontColour = state.selected ? kMarkedTextColour : 0;
    format.alignmentHorz = AlignmentHorz;
    format.alignmentVert = AlignmentVert;
    format.bevel = state.fixed ? TCellBevelStyle::cbRaised : BevelStyle;
    if (OnGetCellFormat) OnGetCellFormat(col, row, state, format);

    painter.fillRect(rect, ToQColor(format.brushColour));
    if (format.bevel != TCellBevelStyle::cbNone) {
        const bool raised = format.bevel == TCellBevelStyle::cbRaised;
        const QRect r = rect.adjusted(0, 0, -1, -1);
        painter.setPen(raised ? Qt::white : Qt::gray);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(raised ? Qt::gray : Qt::white);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
    QRect textRect = rect.adjusted(kCellMargin, 0, -kCellMargin, 0);
    const TSortOptions& sort = m_grid.SortOptions();
    if (state.fixed && m_grid.IsSorted() && col == sort.SortCol) {
        const QImage& arrow = sort.SortDirection == TSortDirection::sdAscending ? ArrowUp() : ArrowDown();
        painter.drawImage(rect.right() - kCellMargin - kArrowSize, rect.center().y() - kArrowSize / 2, arrow);
        textRect.setRight(textRect.right() - kArrowSize);
    }
    QFont cellFont = font();
    cellFont.setBold(format.bold);
    painter.setFont(cellFont);
    painter.setPen(ToQColor(format.fontColour));
    painter.drawText(textRect, static_cast<int>(AlignmentOf(format)), QString::fromStdString(m_grid.Cell(col, row)));
    painter.setPen(kLineColour);
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    if (state.focused && hasFocus()) painter.drawRect(rect.adjusted(1, 1, -2, -2));
}

void TSortGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().window());
    const int rowHeight = m_grid.DefaultRowHeight();
    int y = 0;
    const auto drawRow = [&](int row) {
        for (int col = 0; col < m_grid.ColCount(); ++col)
            DrawCell(painter, QRect(ColLeft(col), y, m_grid.ColWidth(col), rowHeight), col, row);
        y += rowHeight;
    };
    for (int row = 0; row < m_grid.FixedRows() && row < m_grid.RowCount(); ++row) drawRow(row);
    for (int row = m_grid.FixedRows() + verticalScrollBar()->value();
         row < m_grid.RowCount() && y < viewport()->height(); ++row)
        drawRow(row);
}

void TSortGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int row = RowAt(at.y());
    const int col = ColAt(at.x());
    if (row >= m_grid.FixedRows() && col >= 0) {
        m_col = col;
        if (m_grid.MultiSelect())
            m_grid.ClickRow(row, event->modifiers().testFlag(Qt::ControlModifier));
        else
            m_grid.SetRow(row);
        viewport()->update();
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void TSortGrid::keyPressEvent(QKeyEvent* event) {
    const int first = m_grid.FixedRows();
    const int last = m_grid.RowCount() - 1;
    int row = m_grid.Row();
    switch (event->key()) {
        case Qt::Key_Home: row = first; break;
        case Qt::Key_End: row = last; break;
        case Qt::Key_PageUp: row -= VisibleDataRows(); break;
        case Qt::Key_PageDown: row += VisibleDataRows(); break;
        case Qt::Key_Up: --row; break;
        case Qt::Key_Down: ++row; break;
        case Qt::Key_Left: m_col = std::max(0, m_col - 1); break;
        case Qt::Key_Right: m_col = std::min(m_grid.ColCount() - 1, m_col + 1); break;
        default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    if (last < first) return;
    row = std::clamp(row, first, last);
    m_grid.NavigateTo(row);
    ScrollToRow(row);
    viewport()->update();
}

void TSortGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

}  // namespace shell
