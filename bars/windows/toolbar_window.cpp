#include "bars/windows/toolbar_window.h"

#include "bars/controls/button_control.h"
#include "bars/controls/item_control.h"
#include "bars/customize/customizing_site.h"
#include "bars/hooks/mdi_merge.h"
#include "bars/items/bar_button.h"
#include "bars/items/bar_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/popups/bar_hints.h"
#include "bars/popups/framework_timers.h"
#include "bars/services/bar_window_chain.h"
#include "bars/services/framework_services.h"
#include "bars/services/mouse_leave_tracking.h"
#include "bars/toolbars/bar.h"
#include "bars/windows/bar_move.h"
#include "bars/windows/bar_sizes.h"
#include "bars/windows/dock_control.h"
#include "platform/core/bar_strings.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/core/window_messages.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"
#include "platform/qt/work_area.h"

#include <QApplication>

#include <algorithm>
#include <utility>

namespace bars {

namespace {

constexpr int kRotatedEscapement = -900;

bool IsVertical(TcbBarDockingStyle side) { return side == dsLeft || side == dsRight; }

MarkHandler& MarkSlot() {
    static MarkHandler handler;
    return handler;
}

}  // namespace

const MarkHandler& EndMarkHandler() { return MarkSlot(); }
void SetEndMarkHandler(MarkHandler handler) { MarkSlot() = std::move(handler); }

TcbBarControl::TcbBarControl(TcbBarManager& manager, TcbBar& bar) : TCustomcbBarControl(manager), m_bar(bar) {
    SetItemLinks(&bar.ItemLinks());
    // The controls take their window from the links when they are made.
    bar.ItemLinks().SetWindow(this);
    CreateControls();
}

TcbBarControl::~TcbBarControl() {
    StopMarkPoll();
    if (m_captionButtonTracking) platform::MessageRouter::Instance().Unregister(Handle());
    const bool released = m_destroying;
    m_destroying = true;
    if (released || !ManagerAlive()) return;
    BarMove::Instance().Forget(*this);
    EndKeyboardMode();
    if (TcbDockControl* area = DockArea()) area->RemoveBar(*this, false);
    DestroyControls();
}

BarOrientation TcbBarControl::Orientation() const {
    if (m_dockingStyle == dsNone) return BarOrientation::Floating;
    return IsVertical(m_dockingStyle) ? BarOrientation::Vertical : BarOrientation::Horizontal;
}

TcbDockControl* TcbBarControl::DockArea() const {
    if (m_dockingStyle == dsNone || !ManagerAlive() || !HasDockAreas(Manager())) return nullptr;
    return DockAreasOf(Manager()).Area(m_dockingStyle);
}

// ---- showing, hiding, places ----------------------------------------------------------

void TcbBarControl::Reparent(TcbBarDockingStyle side) {
    const bool wasVisible = isVisible();
    hide();
    if (side == dsNone) {
        setParent(Manager().OwnerForm(), Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                             Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint);
    } else {
        setParent(DockAreasOf(Manager()).Area(side), Qt::Widget);
    }
    m_dockingStyle = side;
    if (wasVisible) show();
}

void TcbBarControl::ShowAtStoredPlace() {
    const TcbBarDockingStyle side = m_bar.DockingStyle();
    Reparent(side);
    SetDockingStyle(side);
    if (side != dsNone) {
        TcbDockControl* area = DockArea();
        DockInsert how;
        how.restoring = true;
        how.storedRow = m_bar.Row();
        how.storedOneOnRow = m_bar.OneOnRow();
        how.loading = Manager().IsLoading();
        area->InsertBar(*this, area->ClientToScreenPoint({m_bar.DockedLeft(), m_bar.DockedTop()}), how);
        show();
        return;
    }
    const platform::Size size = SizeForSide(dsNone);
    const platform::Rect stored{m_bar.FloatLeft(), m_bar.FloatTop(), m_bar.FloatLeft() + size.width,
                                m_bar.FloatTop() + size.height};
    // A place stored on a screen that has gone, or off every screen, comes back within reach.
    const platform::Rect placed =
        KeepReachable(stored, platform::WorkArea({(stored.left + stored.right) / 2, (stored.top + stored.bottom) / 2}));
    setGeometry(placed.left, placed.top, size.width, size.height);
    CalcLayout();
    // Shown for the form the user works in, and while the customizing window is open (which
    // is then the active window, not the form).
    QWidget* form = Manager().OwnerForm();
    if (form && form->isVisible() &&
        (form->isActiveWindow() || QApplication::activeWindow() == nullptr || CustomizingSite() != nullptr)) {
        show();
        platform::WindowList::Instance().BringToTop(this);
    }
}

void TcbBarControl::SavePlace() {
    if (m_dockingStyle != dsNone) {
        TcbDockControl* area = DockArea();
        m_bar.SetDockedDockingStyle(m_dockingStyle);
        if (area && area->Rows().RowIndex(*this) >= 0) {
            m_bar.SetRow(area->Rows().RowIndex(*this));
            m_bar.SetOneOnRow(area->Rows().OneOnRow(*this));
            const platform::Rect r = Bounds();
            m_bar.SetDockedLeft(r.left);
            m_bar.SetDockedTop(r.top);
        }
    } else {
        m_bar.SetFloatLeft(geometry().x());
        m_bar.SetFloatTop(geometry().y());
        const platform::Rect client = ClientRect();
        m_bar.SetFloatClientWidth(client.Width());
        m_bar.SetFloatClientHeight(client.Height());
    }
}

void TcbBarControl::Release() {
    if (m_destroying) return;
    StopMarkPoll();
    EndCaptionButtonHold();
    // The drop-down of the mark goes with the window.
    if (m_markState == 2) {
        m_markState = 0;
        if (EndMarkHandler()) EndMarkHandler()(*this, 0);
    }
    SavePlace();
    BarMove::Instance().Forget(*this);
    EndKeyboardMode();
    m_destroying = true;
    if (TcbDockControl* area = DockArea()) area->RemoveBar(*this, true);
    DestroyControls();
    if (ItemLinks() && ItemLinks()->Window() == this) ItemLinks()->SetWindow(nullptr);
    // The links may be going (a deleted bar releases its window): the window outlives them
    // until its deferred delete, so it must not reach them again.
    SetItemLinks(nullptr);
    LiveBarWindows::Instance().Remove(this);
    hide();
    if (Manager().IsDestroying()) {
        delete this;
        return;
    }
    // The release may come from this window's own click: it goes once the event is over.
    deleteLater();
}

void TcbBarControl::SetDockingStyle(TcbBarDockingStyle side) {
    TCustomcbBarControl::SetDockingStyle(side);
    UpdateFont();
    CalcMetrics();
    // Edits and combos show as buttons on a side that turns captions, and as fields elsewhere.
    if (!ItemLinks()) return;
    for (TcbBarItemLink* link : ItemLinks()->VisibleLinks()) {
        if (link->Control() && link->Control()->IsWindowControl() == link->ShowsAsButton()) {
            DestroyControls();
            CreateControls();
            return;
        }
    }
}

// ---- sizes ----------------------------------------------------------------------------

FrameInsets TcbBarControl::Insets() const {
    if (m_dockingStyle == dsNone)
        return FloatingInsets(FrameWidth(), FrameHeight(), m_captionPresent ? SmallCaptionHeight() : 0);
    return DockedInsets(IsVertical(m_dockingStyle), Manager().GripSize());
}

platform::Rect TcbBarControl::ClientArea() const { return bars::ClientRect({width(), height()}, Insets()); }

bool TcbBarControl::ShowsEndMark() const {
    return Manager().Style() == bmsEnhanced && m_bar.AllowQuickCustomizing();
}

bool TcbBarControl::HasEndMark() const { return m_dockingStyle != dsNone && (m_linksHidden || ShowsEndMark()); }

std::vector<LinkMetrics> TcbBarControl::Metrics(bool visibleLinks) const {
    std::vector<LinkMetrics> metrics;
    if (!ItemLinks()) return metrics;
    const auto& links = visibleLinks ? ItemLinks()->VisibleLinks() : ItemLinks()->ShownLinks();
    for (TcbBarItemLink* link : links) {
        if (!link->Control()) link->CreateControl();
        const TcbBarItemControl* control = link->Control();
        if (!control) continue;
        metrics.push_back({control->GetWidth(), control->GetHeight(), link->BeginGroup(), false});
    }
    return metrics;
}

BarSizeInput TcbBarControl::SizeInput(const std::vector<LinkMetrics>& metrics) const {
    BarSizeInput input;
    input.orientation = IsVertical(m_dockingStyle) ? BarOrientation::Vertical : BarOrientation::Horizontal;
    input.links = metrics;
    input.captionButtons = CaptionButtonsSize();
    input.endMark = HasEndMark();
    input.button = {Manager().ButtonWidth(), Manager().ButtonHeight()};
    return input;
}

int TcbBarControl::MinLength() const {
    const auto metrics = Metrics(true);
    return MinimumLength(SizeInput(metrics));
}

int TcbBarControl::PreferredLength() const {
    const auto metrics = Metrics(true);
    return bars::PreferredLength(SizeInput(metrics));
}

int TcbBarControl::PreferredThickness() const {
    const auto metrics = Metrics(true);
    return bars::PreferredThickness(SizeInput(metrics));
}

int TcbBarControl::ThicknessFor(int length) const {
    const auto metrics = Metrics(true);
    BarSizeInput input = SizeInput(metrics);
    // The dock asks before it hides links: the length alone decides whether the mark shows.
    input.endMark = ShowsEndMark();
    return ThicknessForLength(input, length);
}

bool TcbBarControl::WholeRow() const { return m_bar.WholeRow(); }

bool TcbBarControl::UseRestSpace() const { return m_bar.UseRestSpace(); }

void TcbBarControl::SetLinksHidden(bool hidden) {
    m_linksHidden = hidden;
    if (!hidden && ItemLinks() && ItemLinks()->ShownLimit() != -1) ItemLinks()->SetShownLimit(-1);
}

// Docked bounds are in the area's client coordinates (inside its sunken border).
platform::Rect TcbBarControl::Bounds() const {
    const TcbDockControl* area = DockArea();
    const platform::Rect client = area ? area->ClientRect() : platform::Rect{};
    return {x() - client.left, y() - client.top, x() - client.left + width(), y() - client.top + height()};
}

void TcbBarControl::SetBounds(const platform::Rect& bounds) {
    const TcbDockControl* area = DockArea();
    const platform::Rect client = area ? area->ClientRect() : platform::Rect{};
    setGeometry(bounds.left + client.left, bounds.top + client.top, bounds.Width(), bounds.Height());
    CalcLayout();
    Repaint();
}

platform::Size TcbBarControl::FloatingClientSize(int clientWidth) const {
    return FloatingSizeForWidth(Metrics(false), clientWidth);
}

platform::Size TcbBarControl::SizeForSide(TcbBarDockingStyle side) const {
    const platform::Size extra = Manager().BarExtraSize(side);
    if (side == dsNone) {
        platform::Size client = FloatingClientSize(m_bar.FloatClientWidth());
        if (client.width == 0) client = {Manager().ButtonWidth(), Manager().ButtonHeight()};
        return {client.width + extra.width, client.height + extra.height};
    }
    const auto metrics = Metrics(true);
    BarSizeInput input = SizeInput(metrics);
    input.orientation = IsVertical(side) ? BarOrientation::Vertical : BarOrientation::Horizontal;
    const int length = bars::PreferredLength(input), thickness = bars::PreferredThickness(input);
    return IsVertical(side) ? platform::Size{thickness + extra.width, length + extra.height}
                            : platform::Size{length + extra.width, thickness + extra.height};
}

// ---- layout ---------------------------------------------------------------------------

void TcbBarControl::CalcLayout() {
    if (!ItemLinks() || m_destroying) return;
    for (int i = 0; i < ItemLinks()->Count(); ++i) ItemLinks()->Items(i)->SetItemRect({});
    const auto& shown = ItemLinks()->ShownLinks();
    std::vector<LinkMetrics> metrics;
    std::vector<TcbBarItemLink*> placed;
    for (TcbBarItemLink* link : shown) {
        if (!link->Control()) link->CreateControl();
        if (!link->Control()) continue;
        metrics.push_back({link->Control()->GetWidth(), link->Control()->GetHeight(), link->BeginGroup(), false});
        placed.push_back(link);
    }
    const platform::Rect client = ClientRect();
    BarLayoutInput input;
    input.orientation = Orientation();
    input.client = {client.Width(), client.Height()};
    input.endMark = HasEndMark();
    input.captionButtons = CaptionButtonsSize();
    const BarLayout layout = CalcBarLayout(input, metrics);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        placed[i]->SetItemRect(layout.places[i].rect);
        placed[i]->SetRowHeight(layout.places[i].lineBreadth);
    }
}

void TcbBarControl::Relayout() {
    if (m_destroying) return;
    if (m_dockingStyle != dsNone && !Manager().IsUpdateLocked()) {
        if (TcbDockControl* area = DockArea()) {
            const platform::Rect before = Bounds();
            area->Relayout();
            // The area lays out only the bars it moves or sizes.
            if (!m_destroying && Bounds() == before) TCustomcbBarControl::Relayout();
            return;
        }
    }
    // A floating bar takes the size its links now need for its client width, unless the user
    // is sizing it; the more-buttons drop-down, without a caption, places itself.
    if (m_dockingStyle == dsNone && m_captionPresent && m_sizing == SizingEdge::None && !Manager().IsUpdateLocked()) {
        const platform::Size size = SizeForSide(dsNone);
        if (size.width != width() || size.height != height()) resize(size.width, size.height);
    }
    TCustomcbBarControl::Relayout();
}

void TcbBarControl::FontChanged() {
    CalcMetrics();
    Rebuild();
}

void TcbBarControl::Rebuild() {
    if (m_destroying || Manager().IsUpdateLocked()) return;
    DestroyControls();
    CreateControls();
    if (m_dockingStyle != dsNone) {
        if (TcbDockControl* area = DockArea()) area->Relayout();
    } else {
        const platform::Size size = SizeForSide(dsNone);
        resize(size.width, size.height);
    }
    CalcLayout();
    Repaint();
}

platform::Rect TcbBarControl::GetItemRect(const TcbBarItemControl* control) const {
    if (!control) return {};
    platform::Rect r = control->Link().ItemRect();
    if (r.Width() <= 0 || r.Height() <= 0) return r;
    const platform::Rect client = ClientRect();
    switch (Orientation()) {
    case BarOrientation::Vertical: r.left = 0, r.right = client.Width(); break;
    case BarOrientation::Horizontal: r.top = 0, r.bottom = client.Height(); break;
    case BarOrientation::Floating: {
        const int line = control->Link().RowHeight();
        const int top = r.top - (line - r.Height()) / 2;
        r.top = top;
        r.bottom = top + line;
        break;
    }
    }
    return r;
}

int TcbBarControl::DrawPlace() const { return IsVertical(m_dockingStyle) ? 2 : 0; }

bool TcbBarControl::CanCustomizeHere() const {
    return TCustomcbBarControl::CanCustomizeHere() || m_bar.AllowCustomizing();
}

platform::CanvasFont TcbBarControl::FontHandle() const {
    platform::CanvasFont font = m_bar.UseOwnFont() ? m_bar.Font() : Manager().Font();
    // Captions on a left or right dock read from top to bottom.
    if (IsVertical(m_dockingStyle) && m_bar.RotateWhenVertical()) font.escapement = kRotatedEscapement;
    return font;
}

bool TcbBarControl::IsSamePos(platform::Point screen) const {
    // Docked bars light up only for the form the user works in: not under a dialog of it,
    // nor while another program is active.
    if (m_dockingStyle != dsNone) {
        const QWidget* form = Manager().OwnerForm();
        const bool mdiFrame = form && MdiAreaOf(*form) != nullptr;
        const bool active = mdiFrame ? QApplication::activeWindow() != nullptr : form && form->isActiveWindow();
        if (!active) return true;
    }
    return TCustomcbBarControl::IsSamePos(screen);
}

// ---- keyboard and activity ------------------------------------------------------------

void TcbBarControl::SelectControl(TcbBarItemControl* control) {
    const bool changes = control != SelectedControl();
    TCustomcbBarControl::SelectControl(control);
    if (changes && control && !IsCustomizing() && !control->IsActive()) {
        if (control->IsSubItemControl())
            control->BeforeClick(false);
        else
            control->Activate(true);
    }
}

bool TcbBarControl::KeyDown(int key) {
    if (!ActiveBarControl()) return false;
    TcbBarItemControl* selected = SelectedControl();
    switch (key) {
    case platform::VK_ESCAPE: CloseAll(); return true;
    case platform::VK_RETURN:
    case platform::VK_UP:
    case platform::VK_DOWN: {
        auto* button = dynamic_cast<TcbBarButtonControl*>(selected);
        if (key != platform::VK_RETURN && button && button->Button() &&
            button->Button()->ButtonStyle() == bsDropDown) {
            button->DropDown(false);
            return true;
        }
        if (selected && selected->IsSubItemControl() && selected->GetEnabled()) {
            m_keyboardOpened = true;
            m_menuMode = true;
            selected->Click(false);
            return true;
        }
        if (selected && key == platform::VK_RETURN) selected->Click(false);
        return true;
    }
    default: break;
    }
    return TCustomcbBarControl::KeyDown(key);
}

void TcbBarControl::BeginKeyboardMode(TcbBarItemControl* control) {
    TcbBarItemLink* first = ItemLinks() ? ItemLinks()->FirstSelectable() : nullptr;
    if (!first || !first->Control()) return;
    // The keyboard has the bars now: another bar under the mouse stops following it and lets
    // its hot item go.
    if (TcbBarControl* under = ToolbarUnderCursor(); under && under != this) {
        if (IsTrackingMouseLeave(under->Handle())) EndMouseLeaveTracking(under->Handle());
        under->MouseLeave();
    }
    QWidget* form = Manager().OwnerForm();
    if (form) {
        // Whatever the form was tracking with the mouse stops.
        const platform::WindowHandle handle = platform::HandleOf(form);
        platform::MessageRouter::Instance().Send(handle, platform::WM_CANCELMODE);
        if (platform::GetCapture() == handle) platform::ReleaseCapture();
    }
    m_keyboardFocus = QApplication::focusWidget();
    if (form && !IsCustomizing()) {
        form->raise();
        platform::WindowList::Instance().BringToTop(form);
    }
    SelectControl(control ? control : first->Control());
    SetActive(true);
    Manager().SetKeyboardBar(this);
}

void TcbBarControl::EndKeyboardMode() {
    if (Manager().KeyboardBar() != this) return;
    Manager().SetKeyboardBar(nullptr);
    SelectControl(nullptr);
    SetActive(false);
    m_lastCursor = platform::Point{-1, -1};
    // Hot-tracking resumes at once where the mouse rests, without waiting for it to move.
    if (TcbBarControl* under = ToolbarUnderCursor()) {
        under->m_lastCursor = platform::Point{-1, -1};
        const QPointer<TcbBarControl> target = under;
        QMetaObject::invokeMethod(
            under,
            [target] {
                if (!target || !IsLive(target) || target->m_destroying) return;
                target->WindowMove(platform::ScreenToClient(target, platform::CursorPos()));
            },
            Qt::QueuedConnection);
    }
    const QPointer<QWidget> focus = std::exchange(m_keyboardFocus, nullptr);
    if (focus && focus->isVisible() && QApplication::activeWindow() != nullptr) focus->setFocus();
}

TcbBarControl* TcbBarControl::ToolbarUnderCursor() {
    const platform::Point cursor = platform::CursorPos();
    // Our floating windows first, then the forms with their docked bars.
    QWidget* at = platform::WindowList::Instance().WindowFromPoint(cursor);
    if (!at) at = QApplication::widgetAt(cursor.x, cursor.y);
    for (QWidget* w = at; w; w = w->parentWidget())
        if (auto* bar = dynamic_cast<TcbBarControl*>(w)) return IsLive(bar) ? bar : nullptr;
    return nullptr;
}

void TcbBarControl::SetActive(bool active) {
    if (!active) {
        if (IsCustomizing()) m_selected = nullptr;
        auto* dropped = dynamic_cast<TcbBarButtonControl*>(SelectedControl());
        if (IsActive() && dropped && dropped->DroppedDown()) dropped->Deactivate(true);
        m_keyboardOpened = false;
        m_menuMode = false;
        if (!IsCustomizing()) EndKeyboardMode();
    }
    TCustomcbBarControl::SetActive(active);
}

void TcbBarControl::CloseAll() {
    EndKeyboardMode();
    TCustomcbBarControl::CloseAll();
}

void TcbBarControl::SetMarkState(int state) {
    if (IsCustomizing() || state == m_markState) return;
    StopMarkPoll();
    TCustomcbBarControl::SetMarkState(state);
    if (state == 1 && IsFloating())
        FrameworkTimers().SetWindowTimer(Handle(), kMarkPollTimer, kMarkPollMs, [this](unsigned) { PollMark(); });
    if (state == 1)
        BarHints::Instance().Request(Manager(), true, std::string(platform::BarString(platform::bar_string::kMoreButtons)));
    else if (state == 0 && !SelectedControl())
        BarHints::Instance().Request(Manager(), false);
    const MarkHandler& handler = EndMarkHandler();
    if (handler) handler(*this, state);
    Repaint();
}

}  // namespace bars
