#include "table/table_presenter.h"

#include <QWidget>

#include "engine/model/table_object.h"
#include "platform/qt/canvas.h"
#include "table/draw/drag_image.h"
#include "table/draw/draw_context.h"
#include "table/draw/table_surface.h"

namespace table {

namespace {

// A region is shown as its bounding rectangle while that is at most this many times as large.
constexpr qint64 kMostOverdraw = 2;

qint64 Area(const QRect& r) { return qint64{r.width()} * r.height(); }
qint64 Area(const QRegion& region) {
    qint64 area = 0;
    for (const QRect& r : region) area += Area(r);
    return area;
}

// The lifted cards' image with its shadow, on the window: the off-screen table does not hold it.
QRegion LiftedImage(const DrawContext& context) {
    if (context.mainGame.LiftedCard == 0) return {};
    const platform::Rect area = DragImageArea(context);
    return QRegion(area.left, area.top, area.Width(), area.Height());
}

// Copies the off-screen table (from row S) over the region of the window's image, but for
// the lifted image; returns what it left.
QRegion CopyAroundLiftedImage(DrawContext& context, const QRegion& region) {
    const QRegion lifted = LiftedImage(context);
    const QRegion copied = region - lifted;
    platform::Canvas& window = context.Window();
    const QImage& buffer = context.Buffer().Image();
    for (const QRect& r : copied)
        window.BlockCopy(r.x(), r.y(), r.width(), r.height(), buffer, r.x(), r.y() + context.ScrollOffset());
    return region & lifted;
}

}  // namespace

TablePresenter::TablePresenter(ImageSurface& surface) : m_surface(surface) {
    m_surface.Canvas().KeepTrackOfDrawnAreas();
}

QRegion TablePresenter::TakeChanges(DrawContext* context) {
    QRegion changes;
    if (context != nullptr) {
        m_invalid = CopyAroundLiftedImage(*context, m_invalid);
    } else {
        changes = m_invalid;
        m_invalid = QRegion();
    }
    for (const platform::Rect& r : m_surface.Canvas().TakeDrawnAreas())
        changes += QRect(r.left, r.top, r.Width(), r.Height());
    // A moved image leaves a frame of thin strips around it: one rectangle, a little larger,
    // reaches the screen in one piece instead of many.
    if (changes.rectCount() > 1) {
        const QRect bounds = changes.boundingRect();
        if (Area(bounds) <= kMostOverdraw * Area(changes)) changes = bounds;
    }
    return changes;
}

bool TablePresenter::Present(QWidget& window, DrawContext* context) {
    if (!window.isVisible()) return false;
    const QRegion changes = TakeChanges(context);
    if (changes.isEmpty()) return false;
    m_presenting = true;
    window.repaint(changes);
    m_presenting = false;
    return true;
}

void TablePresenter::Paint(DrawContext* context, const QRegion& region) {
    if (!m_presenting && context != nullptr) CopyAroundLiftedImage(*context, region);
}

}  // namespace table
