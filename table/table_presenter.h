#pragma once

#include <QRegion>

class QWidget;

namespace table {

class ImageSurface;
struct DrawContext;

// What a window must show anew of the table's image: the rectangles the table invalidated,
// which first take the off-screen table's pixels, and every part drawn on the image since
// the last time. Between a table's mouse events and the frames of its animations only
// those parts reach the screen, never the whole window.
class TablePresenter {
public:
    // The surface's canvas starts noting where it draws.
    explicit TablePresenter(ImageSurface& surface);

    void Invalidate(const QRect& rect) { m_invalid += rect; }

    // Repaints the window now where the image changed: the invalid parts are copied from
    // the off-screen table first, but for the lifted cards' image and its shadow, which the
    // table draws on the window alone (those parts stay invalid until the cards are let go).
    // Without a table (none yet, or freed) the invalid parts are shown as the image holds
    // them. A window that does not show keeps the changes until it does. True when it
    // repainted.
    bool Present(QWidget& window, DrawContext* context);
    // From the window's paint event: a paint that no present asked for is an expose from
    // the window system, and the off-screen table is copied over the region first, as
    // around the lifted cards' image above.
    void Paint(DrawContext* context, const QRegion& region);

private:
    QRegion TakeChanges(DrawContext* context);

    ImageSurface& m_surface;
    QRegion m_invalid;
    bool m_presenting = false;
};

}  // namespace table
