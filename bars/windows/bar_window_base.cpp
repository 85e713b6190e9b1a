#include "bars/windows/bar_window_base.h"

#include "bars/controls/button_control.h"
#include "bars/controls/item_control.h"
#include "bars/controls/win_control.h"
#include "bars/customize/customizing_drag.h"
#include "bars/items/bar_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/popups/bar_hints.h"
#include "bars/services/bar_window_chain.h"
#include "bars/services/mouse_leave_tracking.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/logical_fonts.h"
#include "platform/core/input_hooks.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_list.h"
#include "platform/qt/window_handles.h"

#include <QMouseEvent>
#include <QPainter>

namespace bars {

namespace {

TCustomcbBarControl*& ActiveSlot() {
    static TCustomcbBarControl* active = nullptr;
    return active;
}

constexpr platform::Rect kNoRect{};
constexpr int kCustomizingFrameWidth = 2;

bool& FullMenusSlot() {
    static bool full = false;
    return full;
}

SelectionMoveHandler& SelectionMoveSlot() {
    static SelectionMoveHandler handler;
    return handler;
}

}  // namespace

TCustomcbBarControl::TCustomcbBarControl(TcbBarManager& manager, QWidget* parent)
    : QWidget(parent), m_manager(manager), m_managerAlive(&manager) {
    LiveBarWindows::Instance().Add(this);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setGeometry(100, 100, 50, 30);
    UpdateFont();
    CalcMetrics();
}

TCustomcbBarControl::~TCustomcbBarControl() {
    m_destroying = true;
    if (ManagerAlive()) ForgetManagerSelection();
    if (ActiveSlot() == this) ActiveSlot() = IsLive(m_previousActive) ? m_previousActive : nullptr;
    if (ManagerAlive() && m_itemLinks && m_itemLinks->Window() == this) m_itemLinks->SetWindow(nullptr);
    if (IsTrackingMouseLeave(Handle())) EndMouseLeaveTracking(Handle());
    LiveBarWindows::Instance().Remove(this);
}

platform::WindowHandle TCustomcbBarControl::Handle() const { return platform::HandleOf(this); }

TCustomcbBarControl* TCustomcbBarControl::ActiveBarControl() { return ActiveSlot(); }

bool TCustomcbBarControl::IsLive(const TCustomcbBarControl* window) { return IsLiveBarWindow(window); }

bool TCustomcbBarControl::FullMenus() { return FullMenusSlot(); }

void TCustomcbBarControl::SetFullMenus(bool value) { FullMenusSlot() = value; }

platform::Rect TCustomcbBarControl::ClientArea() const { return {0, 0, width(), height()}; }

platform::Rect TCustomcbBarControl::ClientRect() const {
    const platform::Rect area = ClientArea();
    return {0, 0, area.Width(), area.Height()};
}

bool TCustomcbBarControl::InClient(platform::Point p) const {
    return ClientRect().Contains(p);
}

platform::Point TCustomcbBarControl::ClientToScreenPoint(platform::Point client) const {
    const platform::Rect area = ClientArea();
    return platform::ClientToScreen(this, {client.x + area.left, client.y + area.top});
}

platform::Point TCustomcbBarControl::WindowToClient(platform::Point p) const {
    const platform::Rect area = ClientArea();
    return {p.x - area.left, p.y - area.top};
}

platform::CanvasFont TCustomcbBarControl::FontHandle() const { return m_manager.Font(); }

void TCustomcbBarControl::UpdateFont() {}

void TCustomcbBarControl::CalcMetrics() {
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Canvas canvas(scratch);
    canvas.SetFont(FontHandle());
    m_itemHeight = canvas.TextHeight("0") + 6;
    m_doubleZeroWidth = 2 * canvas.TextWidth("0") - 1;
    canvas.SetFont(m_manager.Font());
    m_managerItemHeight = canvas.TextHeight("0") + 6;
    m_threeQuarters = (m_itemHeight / 4) * 3 + 1;
}

void TCustomcbBarControl::CreateControls() {
    if (!m_itemLinks) return;
    m_building = true;
    for (TcbBarItemLink* link : m_itemLinks->VisibleLinks()) link->CreateControl();
    m_building = false;
}

void TCustomcbBarControl::ForgetManagerSelection() {
    if (!m_itemLinks || !m_manager.SelectedItemControl()) return;
    for (TcbBarItemLink* link : m_itemLinks->VisibleLinks())
        if (link->Control() && link->Control() == m_manager.SelectedItemControl()) m_manager.SetSelectedItemControl(nullptr);
}

void TCustomcbBarControl::DestroyControls() {
    if (!m_itemLinks) return;
    const bool was = m_destroying;
    m_destroying = true;
    // The manager remembers a control of ours: it must not outlive it.
    ForgetManagerSelection();
    for (TcbBarItemLink* link : m_itemLinks->VisibleLinks()) link->DestroyControl();
    m_destroying = was;
    m_selected = nullptr;
    m_pressedControl = nullptr;
}

bool TCustomcbBarControl::CanCustomizeHere() const { return m_manager.IsDesigning(); }

bool TCustomcbBarControl::IsCustomizing() const { return m_manager.IsCustomizing() || m_manager.IsDesigning(); }

platform::Rect TCustomcbBarControl::GetItemRect(const TcbBarItemControl* control) const {
    return control ? control->Link().ItemRect() : kNoRect;
}

bool TCustomcbBarControl::IsParentOf(const TCustomcbBarControl* window) const {
    for (; window != nullptr; window = IsLive(window->m_parentBarWindow) ? window->m_parentBarWindow : nullptr)
        if (window == this) return true;
    return false;
}

TcbBarItemControl* TCustomcbBarControl::ItemAtPos(platform::Point p) const {
    if (!m_itemLinks) return nullptr;
    const bool customizing = IsCustomizing();
    if (customizing && !CanCustomizeHere()) return nullptr;
    for (TcbBarItemLink* link : m_itemLinks->ShownLinks()) {
        TcbBarItemControl* control = link->Control();
        if (!control) continue;
        const platform::Rect r = GetItemRect(control);
        if (!r.Contains(p)) continue;
        if (customizing && link->Item()->BarManager() != &m_manager) continue;
        return control;
    }
    return nullptr;
}

bool TCustomcbBarControl::IsSamePos(platform::Point screen) const {
    return IsCustomizing() || screen == m_lastCursor;
}

bool TCustomcbBarControl::Selectable(const TcbBarItemControl* control) const {
    return control && control->Item() && control->Item()->CanSelectByKeyboard();
}

void TCustomcbBarControl::RepaintSelection(TcbBarItemControl*) {
    // The surface is drawn whole; both controls come out right.
    if (!m_destroying) Repaint();
}

void TCustomcbBarControl::SetDockingStyle(TcbBarDockingStyle side) { m_dockingStyle = side; }

void TCustomcbBarControl::SetActive(bool active) {
    BarHints::Instance().Hide();
    if (m_active == active) return;
    if (active) {
        if (!ActiveSlot()) FullMenusSlot() = IsCustomizing();
        m_active = true;
        m_previousActive = ActiveSlot();
        ActiveSlot() = this;
        return;
    }
    if (IsCustomizing())
        m_selected = nullptr;
    else
        SelectControl(nullptr);
    m_active = false;
    if (ActiveSlot() == this)
        ActiveSlot() = IsLive(m_previousActive) && m_previousActive->m_active ? m_previousActive : nullptr;
    m_previousActive = nullptr;
}

void TCustomcbBarControl::SelectControl(TcbBarItemControl* control) {
    if (control == m_selected) return;
    if (m_selected && m_selected->IsActive()) m_selected->Deactivate(true);
    if (IsLive(this)) SetSelected(control);
}

void TCustomcbBarControl::SetSelected(TcbBarItemControl* control) {
    if (control == m_selected) return;
    // A copy: the handler may replace itself.
    if (const SelectionMoveHandler moved = SelectionMoveSlot()) {
        moved(*this, control);
        if (!IsLive(this) || m_destroying) return;
    }
    TcbBarItemControl* old = m_selected;
    m_selected = control;
    // While customizing, a window letting go of a control the manager no longer holds (another
    // bar took the selection) leaves the manager's selection alone, and so does a pop-up
    // opened over the customizing.
    const bool managerCustomizing = m_manager.IsCustomizing() || m_manager.IsDesigning();
    if (!managerCustomizing || (IsCustomizing() && (control || m_manager.SelectedItemControl() == old)))
        m_manager.SetSelectedItemControl(control);
    RepaintSelection(old);
    m_lastCursor = platform::Point{-1, -1};
    if (!control) unsetCursor();
    if (control || IsMenu() || m_markState == 0) BarHints::Instance().Request(m_manager, true);
    m_hintText.clear();
    if (control && (control->GetEnabled() || m_manager.ShowHintForDisabledItems())) {
        const std::string hint = control->GetHint();
        const auto bar = hint.find('|');
        m_hintText = bar == std::string::npos ? hint : hint.substr(bar + 1);
    }
}

TcbBarWinControl* TCustomcbBarControl::EditingControl() const {
    auto* field = dynamic_cast<TcbBarWinControl*>(m_selected);
    return field && field->Focused() ? field : nullptr;
}

void TCustomcbBarControl::HotTrack(TcbBarItemControl* control) {
    if (!IsLive(this) || control == m_selected) return;
    // The mouse passing over the bar must not take the field, and its text, from the user.
    if (EditingControl()) return;
    if (m_selected && m_selected->IsActive()) m_selected->Deactivate(false);
    SetSelected(control);
    if (control) control->Activate(false);
}

void TCustomcbBarControl::CloseAll() {
    TCustomcbBarControl* parent = m_parentBarWindow;
    SetActive(false);
    if (IsLive(parent)) parent->CloseAll();
}

void TCustomcbBarControl::CloseMenusAndDeselect() {
    // A dropped sub item closes its menu as it is deselected; while customizing leaving the
    // chain alone would keep it open.
    SelectControl(nullptr);
    if (IsLive(this) && m_active) CloseAll();
}

void TCustomcbBarControl::DropSelectionFor(TcbBarItemControl* next) {
    TCustomcbBarControl* root = ChainRoot(this);
    auto* nextWindow = next ? dynamic_cast<TCustomcbBarControl*>(next->BarWindow()) : nullptr;
    if (IsLive(nextWindow) && ChainRoot(nextWindow) == root) return;
    if (IsLive(root)) root->SelectControl(nullptr);
    if (this != root && IsLive(this)) SelectControl(nullptr);
}

void TCustomcbBarControl::Relayout() {
    if (m_destroying) return;
    CalcLayout();
    Repaint();
}

void TCustomcbBarControl::RepaintControl(TcbBarItemControl&) {
    if (!m_destroying) Repaint();
}

void TCustomcbBarControl::PostRebuild() {
    QMetaObject::invokeMethod(
        this, [this] { Rebuild(); }, Qt::QueuedConnection);
}

void TCustomcbBarControl::PrepareItemPaint(platform::Canvas& canvas, TcbBarItemControl& control) {
    m_itemBackground = platform::SystemColour(platform::COLOR_BTNFACE);
    const platform::Rect rect = GetItemRect(&control);
    control.Draw(canvas, rect, DrawPlace());
    PaintCustomizingSelection(canvas, control, rect);
}

void TCustomcbBarControl::PaintCustomizingSelection(platform::Canvas& canvas, const TcbBarItemControl& control,
                                                    const platform::Rect& rect) const {
    if (!IsCustomizing() || m_manager.SelectedItemControl() != &control) return;
    const platform::Colour ink = platform::SystemColour(platform::COLOR_BTNTEXT);
    for (int inset = 0; inset < kCustomizingFrameWidth; ++inset) {
        const platform::Rect r{rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset};
        canvas.FillSolidRect({r.left, r.top, r.right, r.top + 1}, ink);
        canvas.FillSolidRect({r.left, r.bottom - 1, r.right, r.bottom}, ink);
        canvas.FillSolidRect({r.left, r.top, r.left + 1, r.bottom}, ink);
        canvas.FillSolidRect({r.right - 1, r.top, r.right, r.bottom}, ink);
    }
}

void TCustomcbBarControl::PaintClient(platform::Canvas& canvas) {
    canvas.FillSolidRect(ClientRect(), platform::SystemColour(platform::COLOR_BTNFACE));
}

void TCustomcbBarControl::Repaint() {
    if (m_destroying || width() <= 0 || height() <= 0) return;
    if (m_surface.size() != size()) m_surface = QImage(width(), height(), QImage::Format_RGB32);
    platform::Canvas frame(m_surface);
    PaintFrame(frame);
    const platform::Rect area = ClientArea();
    if (area.Width() > 0 && area.Height() > 0) {
        // The client canvas is a view into the surface at the client area's corner.
        uchar* corner = m_surface.bits() + area.top * m_surface.bytesPerLine() + area.left * 4;
        QImage client(corner, area.Width(), area.Height(), m_surface.bytesPerLine(), QImage::Format_RGB32);
        platform::Canvas canvas(client);
        PaintClient(canvas);
    }
    update();
}

void TCustomcbBarControl::paintEvent(QPaintEvent*) {
    if (m_surface.size() != size()) Repaint();
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

void TCustomcbBarControl::resizeEvent(QResizeEvent*) { Relayout(); }

// ---- mouse ----------------------------------------------------------------------------

void TCustomcbBarControl::LButtonDown(platform::Point p) {
    if (m_ignoreNextRelease || !m_itemLinks || m_itemLinks->ShownLinks().empty()) return;
    m_pressPoint = p;
    TcbBarItemControl* control = InClient(p) ? ItemAtPos(p) : nullptr;
    if (IsCustomizing()) {
        // A click on the selected link opens or closes what it drops down (a sub item's menu).
        if (control && control == m_selected) {
            if (control->IsActive())
                control->Deactivate(true);
            else
                control->Activate(true);
            if (!IsLive(this)) return;
            control->Repaint();
        }
        HotTrack(control);
        if (control) ArmDesignDrag(*this, p, *control);
        return;
    }
    if (control && (!control->GetEnabled() || !Selectable(control))) control = nullptr;
    if (!control) return;
    SelectControl(control);
    auto* button = dynamic_cast<TcbBarButtonControl*>(control);
    if (button) button->SetBeingClicked(true);
    // The click may close this window and free the control (a second click on the sub item
    // of a drop-down whose menu is open): nothing of either is touched then.
    const auto alive = control->AliveToken();
    const QPointer<TCustomcbBarControl> self(this);
    control->BeforeClick(true);
    if (!*alive || !self || !IsLive(this) || m_destroying) return;
    if (button) button->SetBeingClicked(false);
    // A window the press opened (a combo's list) may have taken the mouse to follow the press.
    const platform::WindowHandle holder = platform::GetCapture();
    const bool takenElsewhere = holder != platform::kNoWindow && holder != Handle();
    if (!IsMenu() && !(button && button->DroppedDown()) && !control->IsSubItemControl() && !takenElsewhere) {
        m_pressedControl = control;
        m_pressedIn = true;
        platform::SetCapture(Handle());
        Repaint();
    }
}

void TCustomcbBarControl::LButtonUp(platform::Point p) {
    if (m_ignoreNextRelease) {
        m_ignoreNextRelease = false;
        return;
    }
    if (DisarmDesignDrag(*this)) return;
    const bool pressed = m_pressedControl != nullptr;
    if (pressed) {
        m_pressedControl = nullptr;
        platform::ReleaseCapture();
    }
    // A plain toolbar takes part in clicks through its press, outside keyboard mode.
    if (InClient(p) && (m_active || pressed)) {
        TcbBarItemControl* control = ItemAtPos(p);
        if (!IsCustomizing() && Selectable(control)) {
            if (!control->GetEnabled() || control != m_selected) {
                auto* dropped = dynamic_cast<TcbBarButtonControl*>(m_selected);
                if (!IsMenu() && !(dropped && dropped->DroppedDown())) CloseAll();
            } else {
                // The click may free this window (its bar hidden by OnClick): look again after.
                control->ItemControlClick(true);
            }
        }
    }
    if (pressed && IsLive(this)) {
        CloseAll();
        if (IsLive(this)) {
            m_pressedIn = false;
            Repaint();
        }
    }
}

void TCustomcbBarControl::MouseMove(platform::Point p) {
    if (m_destroying) return;
    if (ArmedDesignDragMoved(*this, p)) return;
    if (m_pressedControl) {
        const bool in = ItemAtPos(p) == m_pressedControl;
        if (in != m_pressedIn) {
            m_pressedIn = in;
            Repaint();
        }
    }
    if (!InClient(p)) return;
    const platform::Point screen = ClientToScreenPoint(p);
    if (IsSamePos(screen)) return;
    m_lastCursor = screen;
    TcbBarItemControl* control = ItemAtPos(p);
    if (TCustomcbBarControl* active = ActiveBarControl(); !active || active == this) UpdateCursor(control, p);
    if (EditingControl()) return;
    if (!IsTrackingMouseLeave(Handle())) {
        TrackMouseLeave(Handle());
        if (m_selected) Repaint();
    }
    if (control && !Selectable(control)) control = nullptr;
    if (!control && m_active && !IsMenu()) return;
    if (!m_pressedControl) HotTrack(control);
}

void TCustomcbBarControl::MouseLeave() {
    if (m_markState == 1) SetMarkState(0);
    if (m_pressedControl || IsCustomizing()) return;
    auto* dropped = dynamic_cast<TcbBarButtonControl*>(m_selected);
    if (dropped && dropped->DroppedDown()) return;
    // A field being worked on stays open while the mouse is away (in its drop-down list, say).
    if (EditingControl()) return;
    if (!m_active) HotTrack(nullptr);
    unsetCursor();
}

void TCustomcbBarControl::UpdateCursor(const TcbBarItemControl* control, platform::Point client) {
    const auto* field = dynamic_cast<const TcbBarWinControl*>(control);
    const TcbBarWinControl* editing = EditingControl();
    if (field && field->GetEnabled() && !field->RunsItemClick() && field->EditRect().Contains(client) && (!editing || editing == field))
        setCursor(Qt::IBeamCursor);
    else
        unsetCursor();
}

void TCustomcbBarControl::WindowPress(platform::Point window, bool) { LButtonDown(WindowToClient(window)); }
void TCustomcbBarControl::WindowRelease(platform::Point window) { LButtonUp(WindowToClient(window)); }
void TCustomcbBarControl::WindowMove(platform::Point window) { MouseMove(WindowToClient(window)); }

namespace {
// Mouse messages of windows outside the active chain are dropped.
bool Dropped(const TCustomcbBarControl* window) {
    TCustomcbBarControl* active = TCustomcbBarControl::ActiveBarControl();
    return active && active != window && !window->IsParentOf(active);
}
// While the button is held after a press here the mouse keeps coming to this window; dragged
// into a menu this window opened, it goes to that menu, so a release on an entry runs it.
TCustomcbBarControl* DragTarget(const TCustomcbBarControl* window, const QMouseEvent* event) {
    if (window->rect().contains(event->position().toPoint())) return nullptr;
    const QPoint at = event->globalPosition().toPoint();
    for (QWidget* w = platform::WindowList::Instance().WindowFromPoint({at.x(), at.y()}); w; w = w->parentWidget())
        if (auto* other = dynamic_cast<TCustomcbBarControl*>(w))
            return other != window && window->IsParentOf(other) ? other : nullptr;
    return nullptr;
}
platform::Point LocalOf(const QWidget* widget, const QMouseEvent* event) {
    const QPoint p = widget->mapFromGlobal(event->globalPosition().toPoint());
    return {p.x(), p.y()};
}
}  // namespace

namespace {
LinkPopupHandler& CustomizingPopupSlot() {
    static LinkPopupHandler handler;
    return handler;
}
}  // namespace

void SetCustomizingPopupHandler(LinkPopupHandler handler) { CustomizingPopupSlot() = std::move(handler); }
const LinkPopupHandler& CustomizingPopupHandler() { return CustomizingPopupSlot(); }
void SetSelectionMoveHandler(SelectionMoveHandler handler) { SelectionMoveSlot() = std::move(handler); }

void TCustomcbBarControl::mousePressEvent(QMouseEvent* event) {
    if (Dropped(this)) return;
    if (event->button() == Qt::RightButton && IsCustomizing()) {
        TcbBarItemControl* control = ItemAtPos(WindowToClient(platform::EventPoint(*event)));
        if (!control || !CustomizingPopupHandler()) return;
        HotTrack(control);
        const QPoint screen = event->globalPosition().toPoint();
        CustomizingPopupHandler()(control->Link(), {screen.x(), screen.y()});
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    WindowPress(platform::EventPoint(*event), false);
}

void TCustomcbBarControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (Dropped(this) || event->button() != Qt::LeftButton) return;
    WindowPress(platform::EventPoint(*event), true);
}

void TCustomcbBarControl::mouseReleaseEvent(QMouseEvent* event) {
    if (Dropped(this) || event->button() != Qt::LeftButton) return;
    if (TCustomcbBarControl* target = DragTarget(this, event)) {
        target->WindowRelease(LocalOf(target, event));
        return;
    }
    WindowRelease(platform::EventPoint(*event));
}

void TCustomcbBarControl::mouseMoveEvent(QMouseEvent* event) {
    if (Dropped(this)) return;
    if (TCustomcbBarControl* target = DragTarget(this, event)) {
        target->WindowMove(LocalOf(target, event));
        return;
    }
    WindowMove(platform::EventPoint(*event));
}

void TCustomcbBarControl::leaveEvent(QEvent*) { MouseLeft(); }

void TCustomcbBarControl::MouseLeft() {
    if (IsTrackingMouseLeave(Handle())) EndMouseLeaveTracking(Handle());
    MouseLeave();
}

// ---- keyboard -------------------------------------------------------------------------

void TCustomcbBarControl::KeyWalk(TcbBarItemLink* link) {
    if (!link || !link->Control()) return;
    SelectControl(link->Control());
    if (m_tabbed) {
        m_tabbed = false;
        // An edit item reached by Tab starts editing.
        if (link->Control()->IsWindowControl()) link->Control()->Click(false);
    }
}

bool TCustomcbBarControl::KeyDown(int key) {
    if (!ActiveBarControl() || !m_itemLinks) return false;
    const bool shift = platform::KeyStates::Instance().IsDown(platform::VK_SHIFT);
    if (IsMenu()) {
        if (key == platform::VK_LEFT || key == platform::VK_RIGHT) return false;
        if (key == platform::VK_UP) key = platform::VK_LEFT;
        if (key == platform::VK_DOWN) key = platform::VK_RIGHT;
    }
    if (key == platform::VK_TAB) {
        key = shift ? platform::VK_LEFT : platform::VK_RIGHT;
        m_tabbed = true;
    }
    TcbBarItemLink* current = m_selected ? &m_selected->Link() : nullptr;
    switch (key) {
    case platform::VK_RIGHT:
        KeyWalk(current ? m_itemLinks->NextSelectable(current) : m_itemLinks->FirstSelectable());
        return true;
    case platform::VK_LEFT:
        KeyWalk(current ? m_itemLinks->PreviousSelectable(current) : m_itemLinks->FirstSelectable());
        return true;
    case platform::VK_HOME: KeyWalk(m_itemLinks->FirstSelectable()); return true;
    case platform::VK_END: KeyWalk(m_itemLinks->LastSelectable()); return true;
    case platform::VK_MENU: CloseAll(); return true;
    case platform::VK_F10:
        if (!m_manager.UseF10ForMenu()) break;
        CloseAll();
        return true;
    default: break;
    }
    m_tabbed = false;
    if ((key >= platform::VK_A && key <= platform::VK_Z) || (key >= platform::VK_0 && key <= platform::VK_9))
        return AcceleratorKey(key);
    return false;
}

bool TCustomcbBarControl::AcceleratorKey(int key) {
    const unsigned shift = platform::KeyStates::Instance().Modifiers();
    const TcbBarItemLink* start = m_selected ? &m_selected->Link() : nullptr;
    TcbBarItemLink* found = m_itemLinks->FindByAccelerator(key, shift, start);
    if (!found || !found->Item() || !found->Item()->Enabled() || !found->Control()) return false;
    const bool unique = m_itemLinks->FindByAccelerator(key, shift, found) == found;
    if (IsMenu() && m_manager.Style() == bmsEnhanced && (!unique || !found->Control()->ClosesMenusOnClick()))
        SetMarkState(2);
    SelectControl(found->Control());
    if (unique) KeyDown(platform::VK_RETURN);
    return true;
}

}  // namespace bars
