#include "bars/windows/toolbar_window.h"

#include "bars/controls/button_control.h"
#include "bars/controls/item_control.h"
#include "bars/items/bar_button.h"
#include "bars/items/bar_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/services/framework_services.h"
#include "bars/toolbars/bar.h"
#include "bars/windows/bar_move.h"
#include "bars/windows/bar_sizes.h"
#include "bars/windows/dock_control.h"
#include "bars/windows/toolbar_paint.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/cursor_position.h"
#include "bars/services/bar_window_chain.h"
#include "platform/core/window_messages.h"
#include "platform/qt/classic_draw.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_list.h"

#include <QApplication>

#include <algorithm>

namespace bars {

namespace {

constexpr int kSizingTopLimit = -15;

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
    setGeometry(m_bar.FloatLeft(), m_bar.FloatTop(), size.width, size.height);
    CalcLayout();
    QWidget* form = Manager().OwnerForm();
    if (form && form->isVisible() && (form->isActiveWindow() || QApplication::activeWindow() == nullptr)) {
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
        m_bar.SetFloatLeft(x());
        m_bar.SetFloatTop(y());
        const platform::Rect client = ClientRect();
        m_bar.SetFloatClientWidth(client.Width());
        m_bar.SetFloatClientHeight(client.Height());
    }
}

void TcbBarControl::Release() {
    if (m_destroying) return;
    SavePlace();
    BarMove::Instance().Forget(*this);
    EndKeyboardMode();
    m_destroying = true;
    if (TcbDockControl* area = DockArea()) area->RemoveBar(*this, true);
    DestroyControls();
    if (ItemLinks() && ItemLinks()->Window() == this) ItemLinks()->SetWindow(nullptr);
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
}

// ---- sizes ----------------------------------------------------------------------------

FrameInsets TcbBarControl::Insets() const {
    if (m_dockingStyle == dsNone) return FloatingInsets(FrameWidth(), FrameHeight(), SmallCaptionHeight());
    return DockedInsets(IsVertical(m_dockingStyle), Manager().GripSize());
}

platform::Rect TcbBarControl::ClientArea() const { return bars::ClientRect({width(), height()}, Insets()); }

bool TcbBarControl::ShowsEndMark() const {
    return Manager().Style() == bmsEnhanced && m_bar.AllowQuickCustomizing();
}

bool TcbBarControl::HasEndMark() const { return m_dockingStyle != dsNone && (m_linksHidden || ShowsEndMark()); }

bool TcbBarControl::HasCaptionButtons() const { return m_bar.IsMainMenu() && Manager().ShowCloseButton(); }

platform::Size TcbBarControl::CaptionButtonSize() const {
    return {platform::SystemMetric(platform::SM_CXSMSIZE) - 2, platform::SystemMetric(platform::SM_CYSMSIZE) - 4};
}

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
    input.captionButtons = HasCaptionButtons() ? CaptionButtonSize() : platform::Size{};
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

int TcbBarControl::ThicknessFor(int) const { return PreferredThickness(); }

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
    input.captionButtons = HasCaptionButtons() ? CaptionButtonSize() : platform::Size{};
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
            area->Relayout();
            return;
        }
    }
    TCustomcbBarControl::Relayout();
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

platform::CanvasFont TcbBarControl::FontHandle() const { return Manager().Font(); }

bool TcbBarControl::IsSamePos(platform::Point screen) const {
    if (m_dockingStyle != dsNone) {
        const QWidget* form = Manager().OwnerForm();
        if (form && !form->isActiveWindow() && QApplication::activeWindow() != nullptr) return true;
    }
    return TCustomcbBarControl::IsSamePos(screen);
}

// ---- painting -------------------------------------------------------------------------

platform::Rect TcbBarControl::EndMarkRect() const {
    const platform::Rect client = ClientRect();
    const bool standard = Manager().Style() == bmsStandard;
    const platform::Size buttons = HasCaptionButtons() ? CaptionButtonSize() : platform::Size{};
    if (IsVertical(m_dockingStyle)) {
        const int bottom = client.bottom - buttons.height;
        const int left = standard ? client.right - kStandardMarkBreadth : client.left;
        return {left, bottom - kEndMarkLength, client.right, bottom};
    }
    const int right = client.right - buttons.width;
    const int bottom = standard ? client.top + kStandardMarkBreadth : client.bottom;
    return {right - kEndMarkLength, client.top, right, bottom};
}

platform::Rect TcbBarControl::CloseButtonRect() const {
    return CaptionCloseButton(CaptionStrip({width(), height()}, FrameWidth(), FrameHeight(), SmallCaptionHeight()),
                              CaptionButtonSize());
}

void TcbBarControl::PaintFrame(platform::Canvas& canvas) {
    const FrameInsets insets = Insets();
    if (m_dockingStyle != dsNone) {
        DrawDockedFrame(canvas, {width(), height()}, insets, IsVertical(m_dockingStyle),
                        Manager().Style() == bmsStandard);
        return;
    }
    FloatingCaption caption;
    caption.text = m_bar.Caption();
    caption.endMark = ShowsEndMark();
    caption.closeButton = m_bar.CanClose();
    caption.closePressed = m_closePressed;
    caption.buttonSize = CaptionButtonSize();
    DrawFloatingFrame(canvas, {width(), height()}, insets,
                      CaptionStrip({width(), height()}, FrameWidth(), FrameHeight(), SmallCaptionHeight()), caption);
}

void TcbBarControl::PaintSeparators(platform::Canvas& canvas) {
    const bool floating = m_dockingStyle == dsNone;
    const bool vertical = IsVertical(m_dockingStyle);
    const platform::Rect client = ClientRect();
    int firstLineTop = -1;
    for (TcbBarItemLink* link : ItemLinks()->ShownLinks()) {
        const platform::Rect r = link->ItemRect();
        if (r.Width() <= 0 || r.Height() <= 0) continue;
        if (firstLineTop < 0) firstLineTop = r.top - (floating ? (link->RowHeight() - r.Height()) / 2 : 0);
        if (!link->BeginGroup()) continue;
        const int half = floating ? (link->RowHeight() - r.Height()) / 2 : 0;
        const bool onFirstLine = r.top - half == firstLineTop;
        if (!vertical && (r.left != 0 || onFirstLine)) {
            const int line = floating ? link->RowHeight() : client.Height();
            const int top = floating ? r.top - half : 0;
            DrawGroupSeparator(canvas, {r.left - kSeparatorStrip, top, r.left, top + line}, false);
        } else {
            const int top = r.top - half - kSeparatorStrip;
            DrawGroupSeparator(canvas, {0, top, client.Width(), top + kSeparatorStrip}, true);
        }
    }
}

void TcbBarControl::PaintClient(platform::Canvas& canvas) {
    TCustomcbBarControl::PaintClient(canvas);
    if (!ItemLinks()) return;
    CalcLayout();
    for (TcbBarItemLink* link : ItemLinks()->ShownLinks())
        if (TcbBarItemControl* control = link->Control(); control && link->ItemRect().Width() > 0)
            PrepareItemPaint(canvas, *control);
    PaintSeparators(canvas);
    if (HasEndMark())
        DrawEndMark(canvas, EndMarkRect(), static_cast<bars::MarkState>(m_markState), m_linksHidden,
                    Manager().Style() == bmsEnhanced, IsVertical(m_dockingStyle));
    if (HasCaptionButtons()) {
        const platform::Size size = CaptionButtonSize();
        const platform::Rect client = ClientRect();
        platform::Rect button = IsVertical(m_dockingStyle)
                                    ? platform::Rect{(client.Width() - size.width) / 2, client.bottom - size.height,
                                                     (client.Width() + size.width) / 2, client.bottom}
                                    : platform::Rect{client.right - size.width, (client.Height() - size.height) / 2,
                                                     client.right, (client.Height() + size.height) / 2};
        platform::DrawFrameControl(canvas, button, platform::DFC_CAPTION,
                                   platform::DFCS_CAPTIONCLOSE | (Manager().FlatCloseButton() ? platform::DFCS_FLAT : 0));
    }
}

// ---- mouse ----------------------------------------------------------------------------

int TcbBarControl::HitTest(platform::Point p) const {
    const platform::Rect area = ClientArea();
    const bool inClient = p.x >= area.left && p.y >= area.top && p.x < area.right && p.y < area.bottom;
    const platform::Point client = WindowToClient(p);
    if (m_dockingStyle != dsNone) {
        if (inClient) {
            const platform::Rect mark = EndMarkRect();
            if (HasEndMark() && client.x >= mark.left && client.x < mark.right && client.y >= mark.top &&
                client.y < mark.bottom)
                return platform::HTCLIENT;
            TcbBarItemControl* control = ItemAtPos(client);
            if (control && (IsCustomizing() || (control->Item() && control->Item()->CanSelectByKeyboard())))
                return platform::HTCLIENT;
        }
        return platform::HTCAPTION;
    }
    if (inClient) return platform::HTCLIENT;
    const platform::Rect strip = CaptionStrip({width(), height()}, FrameWidth(), FrameHeight(), SmallCaptionHeight());
    if (p.x >= strip.left && p.x < strip.right && p.y >= strip.top && p.y < strip.bottom) {
        const platform::Rect close = CloseButtonRect();
        if (m_bar.CanClose() && p.x >= close.left && p.x < close.right && p.y >= close.top && p.y < close.bottom)
            return platform::HTCLOSE;
        return platform::HTCAPTION;
    }
    switch (FloatingSizingEdge({width(), height()}, p, FrameWidth(), FrameHeight())) {
    case SizingEdge::Left: return platform::HTLEFT;
    case SizingEdge::Right: return platform::HTRIGHT;
    case SizingEdge::Top: return platform::HTTOP;
    case SizingEdge::Bottom: return platform::HTBOTTOM;
    case SizingEdge::None: break;
    }
    return platform::HTNOWHERE;
}

void TcbBarControl::WindowPress(platform::Point window, bool doubleClick) {
    const int hit = HitTest(window);
    const platform::Point screen = platform::ClientToScreen(this, window);
    if (hit == platform::HTCAPTION) {
        if (doubleClick) {
            if (!Manager().IsDesigning()) ToggleDocking();
            return;
        }
        BarMove::Instance().Begin(*this, screen);
        return;
    }
    if (hit == platform::HTCLOSE) {
        CloseAll();
        m_closeTracking = m_closePressed = true;
        platform::SetCapture(Handle());
        Repaint();
        return;
    }
    if (hit >= platform::HTLEFT && hit <= platform::HTBOTTOM) {
        m_sizing = hit == platform::HTLEFT    ? SizingEdge::Left
                   : hit == platform::HTRIGHT ? SizingEdge::Right
                   : hit == platform::HTTOP   ? SizingEdge::Top
                                              : SizingEdge::Bottom;
        m_sizingStart = {x(), y(), x() + width(), y() + height()};
        m_sizingPress = screen;
        platform::SetCapture(Handle());
        return;
    }
    const platform::Point client = WindowToClient(window);
    const platform::Rect mark = EndMarkRect();
    if (HasEndMark() && Manager().Style() == bmsEnhanced && client.x >= mark.left && client.x < mark.right &&
        client.y >= mark.top && client.y < mark.bottom) {
        SetMarkState(m_markState == 2 ? 1 : 2);
        return;
    }
    TCustomcbBarControl::WindowPress(window, doubleClick);
}

void TcbBarControl::WindowRelease(platform::Point window) {
    if (m_closeTracking) {
        m_closeTracking = false;
        platform::ReleaseCapture();
        const bool over = HitTest(window) == platform::HTCLOSE;
        m_closePressed = false;
        Repaint();
        if (over) {
            TcbBarManager& manager = Manager();
            TcbBar& bar = m_bar;
            bar.SetVisible(false);
            if (manager.OnBarClose) manager.OnBarClose(manager, bar);
        }
        return;
    }
    if (m_sizing != SizingEdge::None) {
        m_sizing = SizingEdge::None;
        platform::ReleaseCapture();
        SavePlace();
        return;
    }
    TCustomcbBarControl::WindowRelease(window);
}

void TcbBarControl::WindowMove(platform::Point window) {
    if (m_closeTracking) {
        const bool over = HitTest(window) == platform::HTCLOSE;
        if (over != m_closePressed) {
            m_closePressed = over;
            Repaint();
        }
        return;
    }
    if (m_sizing != SizingEdge::None) {
        Resize(m_sizing, platform::ClientToScreen(this, window));
        return;
    }
    TCustomcbBarControl::WindowMove(window);
}

void TcbBarControl::Resize(SizingEdge edge, platform::Point screen) {
    const platform::Size extra = Manager().BarExtraSize(dsNone);
    platform::Rect r = m_sizingStart;
    const int dx = screen.x - m_sizingPress.x, dy = screen.y - m_sizingPress.y;
    platform::Size client;
    if (edge == SizingEdge::Left || edge == SizingEdge::Right) {
        const int dragged = r.Width() + (edge == SizingEdge::Left ? -dx : dx);
        client = FloatingSizeForWidth(Metrics(false), dragged - extra.width);
        if (edge == SizingEdge::Left)
            r.left = r.right - (client.width + extra.width);
        else
            r.right = r.left + client.width + extra.width;
        r.bottom = r.top + client.height + extra.height;
    } else {
        const int dragged = r.Height() + (edge == SizingEdge::Top ? -dy : dy);
        client = FloatingSizeForHeight(Metrics(false), dragged - extra.height);
        if (edge == SizingEdge::Top)
            r.top = r.bottom - (client.height + extra.height);
        else
            r.bottom = r.top + client.height + extra.height;
        r.right = r.left + client.width + extra.width;
    }
    if (r.top < kSizingTopLimit) r = {r.left, kSizingTopLimit, r.right, kSizingTopLimit + r.Height()};
    setGeometry(r.left, r.top, r.Width(), r.Height());
    CalcLayout();
    Repaint();
}

void TcbBarControl::ToggleDocking() {
    const TcbBarDockingStyle target =
        m_dockingStyle != dsNone ? dsNone : (m_bar.DockedDockingStyle() == dsNone ? dsTop : m_bar.DockedDockingStyle());
    if (!Manager().CanDocking(m_bar, target)) return;
    TcbBar& bar = m_bar;
    TcbBarManager& manager = Manager();
    const bool floating = m_dockingStyle == dsNone;
    bar.SetVisible(false);  // this window goes
    if (floating) {
        if (bar.DockedDockingStyle() != dsNone) {
            bar.SetDockingStyle(bar.DockedDockingStyle());
        } else {
            bar.SetDockingStyle(dsTop);
            bar.SetOneOnRow(true);
            bar.SetRow(DockAreasOf(manager).Area(dsTop)->Rows().RowCount());
        }
    } else {
        bar.SetDockingStyle(dsNone);
    }
    bar.SetVisible(true);
}

// ---- keyboard and activity ------------------------------------------------------------

void TcbBarControl::SelectControl(TcbBarItemControl* control) {
    const bool changes = control != SelectedControl();
    TCustomcbBarControl::SelectControl(control);
    if (changes && control && !IsCustomizing() && !control->IsActive()) control->Activate(true);
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
    if (!IsCustomizing()) raise();
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
}

void TcbBarControl::SetActive(bool active) {
    if (!active) {
        if (IsCustomizing()) m_selected = nullptr;
        auto* dropped = dynamic_cast<TcbBarButtonControl*>(SelectedControl());
        if (IsActive() && dropped && dropped->DroppedDown()) dropped->Deactivate(true);
        m_keyboardOpened = false;
        if (!IsCustomizing() && Manager().KeyboardBar() == this) {
            Manager().SetKeyboardBar(nullptr);
            SelectControl(nullptr);
        }
    }
    TCustomcbBarControl::SetActive(active);
}

void TcbBarControl::CloseAll() {
    EndKeyboardMode();
    TCustomcbBarControl::CloseAll();
}

void TcbBarControl::SetMarkState(int state) {
    if (IsCustomizing() || state == m_markState) return;
    TCustomcbBarControl::SetMarkState(state);
    const MarkHandler& handler = EndMarkHandler();
    if (handler) handler(*this, state);
    Repaint();
}

}  // namespace bars
