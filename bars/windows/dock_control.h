#pragma once

#include "bars/core/bar_types.h"
#include "bars/windows/dock_rows.h"
#include "platform/core/canvas.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace bars {

class TcbBarControl;

// One of the four dock areas of a form: a child window along one edge that holds the
// docked bars of its side in rows, sizes itself to them and finds the row and place for a
// bar docked at a screen point.
class TcbDockControl : public QWidget {
public:
    TcbDockControl(QWidget* form, TcbBarDockingStyle side, TcbBarManager& manager);
    ~TcbDockControl() override;

    TcbBarDockingStyle Side() const { return m_side; }
    bool IsVertical() const { return m_side == dsLeft || m_side == dsRight; }
    const DockRows& Rows() const { return m_rows; }
    // The width of a side area, the height of a top or bottom one.
    int AreaSize() const { return m_size; }
    void SetAreaSize(int size);

    void InsertBar(TcbBarControl& bar, platform::Point screen, const DockInsert& how, bool relayout = true);
    void RemoveBar(TcbBarControl& bar, bool relayout);
    // Places a bar of this area that the user moves, for the cursor at the point.
    void MoveBar(TcbBarControl& bar, platform::Point screen, platform::Point grabOffset);
    // Where a moving bar may dock: the area's screen rectangle widened by the docking margin.
    platform::Rect DockingZone() const;
    void Relayout();
    // Draws the area again (its colour changed).
    void Repaint() { Paint(); }

    platform::Point ClientToScreenPoint(platform::Point client) const;
    platform::Point ScreenToClientPoint(platform::Point screen) const;
    // The client area less the sunken border.
    platform::Rect ClientRect() const;
    const QImage& Surface() const { return m_surface; }
    // A right click on the area itself (outside customizing).
    void RightClick(platform::Point screen);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool Sunken() const;
    // The client area's size across the side.
    int ClientAcross() const;
    DockBorders Borders() const;
    void Paint();

    TcbBarManager& m_manager;
    TcbBarDockingStyle m_side;
    DockRows m_rows;
    int m_size = 0;
    bool m_layingOut = false;
    QImage m_surface;
};

// The four dock areas of a manager's form, aligned to its edges. Made with the manager's
// bars and gone with the manager.
class DockAreas {
public:
    explicit DockAreas(TcbBarManager& manager);
    ~DockAreas();
    TcbDockControl* Area(TcbBarDockingStyle side) const;
    // Places the four areas along the form's edges (top and bottom span the width).
    void Align();
    // The areas draw themselves again (their colour changed).
    void Repaint();
    // The form's client area inside the four areas.
    platform::Rect InnerRect() const;

private:
    TcbBarManager& m_manager;
    std::array<std::unique_ptr<TcbDockControl>, 5> m_areas;  // by side; none for dsNone
    std::unique_ptr<QObject> m_formWatcher;
};

DockAreas& DockAreasOf(TcbBarManager& manager);
// Whether the manager's areas exist yet (they are made on first use).
bool HasDockAreas(const TcbBarManager& manager);

// What a right click on a dock area or a bar opens (the toolbars pop-up), and what a
// double click on an area opens (the customizing dialog); the later parts set them.
using DockPopupHandler = std::function<void(TcbBarManager& manager, platform::Point screen)>;
void SetToolbarsPopupHandler(DockPopupHandler handler);
const DockPopupHandler& ToolbarsPopupHandler();
void SetCustomizeHandler(DockPopupHandler handler);
const DockPopupHandler& CustomizeHandler();

}  // namespace bars
