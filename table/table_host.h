#pragma once

#include <QRegion>
#include <QWidget>

#include <functional>

#include "table/layout/table_window.h"
#include "table/draw/table_surface.h"
#include "table/table_presenter.h"

namespace table {

class TableMouse;
struct DrawContext;

// A window whose client area is the card table. The table draws on its persistent image
// at any time (between the frames of a wait too); the window shows that image, repainting at
// once when told to update and after every mouse event it hands on. Presses, moves,
// releases and double clicks of the table go to the table's mouse; a resize resizes the
// image and asks the owner to lay the table out again.
//
// As the table's window it has no panels and no commands of its own: a main window that
// holds it answers those itself and passes the repaint requests on.
class TableHost : public QWidget, public ITableWindow {
public:
    explicit TableHost(QWidget* parent = nullptr);

    ISurface& Surface() { return m_surface; }
    const ImageSurface& Image() const { return m_surface; }

    // The handlers of the mouse events; none: the events are dropped.
    void SetMouse(TableMouse* mouse) { m_mouse = mouse; }
    // The table whose off-screen image fills what is invalidated or exposed.
    void SetContext(DrawContext* context) { m_context = context; }
    // Runs after a resize has resized the image (the owner re-lays the table out).
    void SetResizeHandler(std::function<void()> handler) { m_onResize = std::move(handler); }

    // ITableWindow
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    int WindowWidth() const override { return width(); }
    int WindowHeight() const override { return height(); }
    int ClientHeight() const override { return height(); }
    int ClientWidth() const override { return width(); }
    int ScrollBarWidth() const override;
    int ScrollPosition() const override { return m_surface.ScrollPosition(); }
    bool IsPanelVisible(TablePanel) const override { return false; }
    int PanelBottom(TablePanel) const override { return 0; }
    void SetCommandEnabled(TableCommand, bool) override {}
    void EnableAutoPlayButtons(bool) override {}
    void EnableUndoRedoButtons(bool) override {}
    void InvalidateRect(const engine::TableRect& rect) override;
    void InvalidateAll() override;
    void UpdateWindow() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Press(QMouseEvent* event);
    // Shows what changed on the image now.
    void Present();

    ImageSurface m_surface;
    TableMouse* m_mouse = nullptr;
    DrawContext* m_context = nullptr;
    std::function<void()> m_onResize;
    TablePresenter m_presenter{m_surface};
};

}  // namespace table
