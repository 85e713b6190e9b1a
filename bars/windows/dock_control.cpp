#include "bars/windows/dock_control.h"

#include "bars/manager/bar_manager.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/toolbar_window.h"
#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"
#include "platform/qt/classic_draw.h"
#include "platform/qt/window_list.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <map>

namespace bars {

namespace {

std::map<const TcbBarManager*, std::unique_ptr<DockAreas>>& AreasByManager() {
    static std::map<const TcbBarManager*, std::unique_ptr<DockAreas>> areas;
    return areas;
}

// The window is the more-buttons drop-down or a menu opened from it.
bool InQuickControlChain(const TCustomcbBarControl* window) {
    for (; window && TCustomcbBarControl::IsLive(window); window = window->ParentBarWindow())
        if (window->IsQuickControl()) return true;
    return false;
}

DockPopupHandler& PopupSlot() {
    static DockPopupHandler handler;
    return handler;
}

DockPopupHandler& CustomizeSlot() {
    static DockPopupHandler handler;
    return handler;
}

constexpr std::array<TcbBarDockingStyle, 4> kSides{dsLeft, dsTop, dsRight, dsBottom};

// Follows the form's size so that the areas stay on its edges, and its colour, which they
// take unless given their own.
class FormWatcher : public QObject {
public:
    FormWatcher(QWidget* form, DockAreas& areas) : m_areas(areas) { form->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) m_areas.Align();
        if (event->type() == QEvent::PaletteChange) m_areas.Repaint();
        return false;
    }

private:
    DockAreas& m_areas;
};

}  // namespace

void SetToolbarsPopupHandler(DockPopupHandler handler) { PopupSlot() = std::move(handler); }
const DockPopupHandler& ToolbarsPopupHandler() { return PopupSlot(); }
void SetCustomizeHandler(DockPopupHandler handler) { CustomizeSlot() = std::move(handler); }
const DockPopupHandler& CustomizeHandler() { return CustomizeSlot(); }

// ---- one area -------------------------------------------------------------------------

TcbDockControl::TcbDockControl(QWidget* form, TcbBarDockingStyle side, TcbBarManager& manager)
    : QWidget(form),
      m_manager(manager),
      m_side(side),
      m_rows(side == dsLeft || side == dsRight, side == dsRight || side == dsBottom, this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    m_size = manager.Bars().DockControlSize(side);
    show();
}

TcbDockControl::~TcbDockControl() = default;

bool TcbDockControl::Sunken() const { return m_manager.SunkenBorder(); }

platform::Rect TcbDockControl::ClientRect() const {
    const int border = Sunken() && m_rows.RowCount() > 0 ? 1 : 0;
    return {border, border, width() - border, height() - border};
}

DockBorders TcbDockControl::Borders() const {
    const platform::Size extra = m_manager.BarExtraSize(m_side);
    return IsVertical() ? DockBorders{extra.height, extra.width} : DockBorders{extra.width, extra.height};
}

void TcbDockControl::SetAreaSize(int size) {
    if (size == m_size) return;
    m_size = size;
    if (m_manager.IsDestroying()) return;
    m_manager.Bars().SetDockControlSize(m_side, size);
    if (HasDockAreas(m_manager)) DockAreasOf(m_manager).Align();
}

platform::Point TcbDockControl::ClientToScreenPoint(platform::Point client) const {
    const platform::Rect c = ClientRect();
    return platform::ClientToScreen(this, {client.x + c.left, client.y + c.top});
}

platform::Point TcbDockControl::ScreenToClientPoint(platform::Point screen) const {
    const platform::Point p = platform::ScreenToClient(this, screen);
    const platform::Rect c = ClientRect();
    return {p.x - c.left, p.y - c.top};
}

platform::Rect TcbDockControl::DockingZone() const {
    const platform::Rect r = platform::ScreenRect(this);
    constexpr int m = kDockMargin;
    if (IsVertical()) return {r.left - m, r.top, r.right + m, r.bottom};
    return {r.left - m, r.top - m, r.right + m, r.bottom + m};
}

int TcbDockControl::ClientAcross() const {
    const platform::Rect client = ClientRect();
    return IsVertical() ? client.Width() : client.Height();
}

void TcbDockControl::InsertBar(TcbBarControl& bar, platform::Point screen, const DockInsert& how, bool relayout) {
    if (bar.parentWidget() != this) bar.setParent(this);
    DockInsert placing = how;
    if (bar.IsMoving()) placing.areaAcross = ClientAcross();
    m_rows.Insert(bar, ScreenToClientPoint(screen), placing);
    if (!relayout) return;
    Relayout();
    if (!m_manager.IsLoading()) m_rows.RememberPlace(bar);
}

void TcbDockControl::RemoveBar(TcbBarControl& bar, bool relayout) {
    if (!m_rows.Remove(bar)) return;
    if (relayout) Relayout();
}

void TcbDockControl::MoveBar(TcbBarControl& bar, platform::Point screen, platform::Point grabOffset) {
    m_rows.Move(bar, ScreenToClientPoint(screen), grabOffset, ClientAcross());
    Relayout();
    m_rows.RememberPlace(bar);
}

void TcbDockControl::Relayout() {
    // While the manager loads, its Loaded lays the areas out once everything is in.
    if (m_layingOut || m_manager.IsUpdateLocked() || m_manager.IsDestroying() || m_manager.IsLoading()) return;
    m_layingOut = true;
    if (m_rows.RowCount() > 0) {
        raise();
        const platform::Rect client = ClientRect();
        const TcbBarControl* moving = nullptr;
        for (int r = 0; r < m_rows.RowCount(); ++r)
            for (int c = 0; c < m_rows.Row(r).ColCount(); ++c)
                if (auto* bar = dynamic_cast<const TcbBarControl*>(&m_rows.Row(r).Cols(c).Bar()); bar && bar->IsMoving())
                    moving = bar;
        m_rows.Layout(IsVertical() ? client.Height() : client.Width(), Borders(), moving);
    }
    const int size = m_rows.Size(Sunken());
    m_layingOut = false;
    if (size != m_size) {
        SetAreaSize(size);
        // The menus of a chain would hang in the air where the area was; the more-buttons
        // drop-down stays, since ticking a button in its list may resize the area.
        TCustomcbBarControl* active = TCustomcbBarControl::ActiveBarControl();
        if (active && !InQuickControlChain(active)) active->CloseAll();
    }
    Paint();
}

void TcbDockControl::Paint() {
    if (width() <= 0 || height() <= 0) return;
    if (m_surface.size() != size()) m_surface = QImage(width(), height(), QImage::Format_RGB32);
    platform::Canvas canvas(m_surface);
    canvas.FillSolidRect({0, 0, width(), height()}, platform::ResolveColour(m_manager.DockColor()));
    if (Sunken() && m_rows.RowCount() > 0) {
        platform::Rect edge{0, 0, width(), height()};
        platform::DrawEdge(canvas, edge, platform::BDR_SUNKENOUTER, platform::BF_RECT);
    }
    update();
}

void TcbDockControl::paintEvent(QPaintEvent*) {
    if (m_surface.size() != size()) Paint();
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

void TcbDockControl::RightClick(platform::Point screen) {
    if (m_manager.IsCustomizing() || m_manager.IsDesigning()) return;
    if (ToolbarsPopupHandler()) ToolbarsPopupHandler()(m_manager, screen);
}

void TcbDockControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    const QPoint p = event->globalPosition().toPoint();
    RightClick({p.x(), p.y()});
}

void TcbDockControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_manager.CanCustomize() || !CustomizeHandler()) return;
    const QPoint p = event->globalPosition().toPoint();
    CustomizeHandler()(m_manager, {p.x(), p.y()});
}

// ---- the four areas -------------------------------------------------------------------

DockAreas::DockAreas(TcbBarManager& manager) : m_manager(manager) {
    QWidget* form = manager.OwnerForm();
    for (TcbBarDockingStyle side : kSides) m_areas[side] = std::make_unique<TcbDockControl>(form, side, manager);
    if (form) m_formWatcher = std::make_unique<FormWatcher>(form, *this);
    Align();
}

DockAreas::~DockAreas() = default;

TcbDockControl* DockAreas::Area(TcbBarDockingStyle side) const { return side == dsNone ? nullptr : m_areas[side].get(); }

void DockAreas::Align() {
    const QWidget* form = m_manager.OwnerForm();
    if (!form) return;
    const int w = form->width(), h = form->height();
    const int top = m_areas[dsTop]->AreaSize(), bottom = m_areas[dsBottom]->AreaSize();
    const int left = m_areas[dsLeft]->AreaSize(), right = m_areas[dsRight]->AreaSize();
    const int middle = std::max(0, h - top - bottom);
    const auto place = [](TcbDockControl& area, int x, int y, int width, int height) {
        if (area.geometry() == QRect(x, y, width, height)) return;
        area.setGeometry(x, y, width, height);
        area.Relayout();
    };
    place(*m_areas[dsTop], 0, 0, w, top);
    place(*m_areas[dsBottom], 0, h - bottom, w, bottom);
    place(*m_areas[dsLeft], 0, top, left, middle);
    place(*m_areas[dsRight], w - right, top, right, middle);
}

void DockAreas::Repaint() {
    for (TcbBarDockingStyle side : kSides) m_areas[side]->Repaint();
}

platform::Rect DockAreas::InnerRect() const {
    const QWidget* form = m_manager.OwnerForm();
    if (!form) return {};
    return {m_areas[dsLeft]->AreaSize(), m_areas[dsTop]->AreaSize(), form->width() - m_areas[dsRight]->AreaSize(),
            form->height() - m_areas[dsBottom]->AreaSize()};
}

DockAreas& DockAreasOf(TcbBarManager& manager) {
    auto& all = AreasByManager();
    auto it = all.find(&manager);
    if (it == all.end()) {
        it = all.emplace(&manager, std::make_unique<DockAreas>(manager)).first;
        // The areas go with the manager.
        QObject::connect(&manager, &QObject::destroyed, [key = &manager] { AreasByManager().erase(key); });
    }
    return *it->second;
}

bool HasDockAreas(const TcbBarManager& manager) { return AreasByManager().contains(&manager); }

}  // namespace bars
