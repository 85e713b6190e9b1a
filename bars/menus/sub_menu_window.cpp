#include "bars/menus/sub_menu_window.h"

#include "bars/controls/button_control.h"
#include "bars/controls/item_control.h"
#include "bars/items/bar_button.h"
#include "bars/items/bar_sub_item.h"
#include "bars/items/container_items.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/menus/sub_item_control.h"
#include "bars/popups/bar_hints.h"
#include "bars/services/bar_window_chain.h"
#include "bars/services/framework_services.h"
#include "bars/services/menu_sounds.h"
#include "bars/windows/toolbar_window.h"
#include "platform/core/bar_strings.h"
#include "platform/core/input_hooks.h"
#include "platform/core/random.h"
#include "platform/core/system_colours.h"
#include "platform/core/timer_service.h"
#include "platform/qt/timer_service_qt.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/classic_draw.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/window_list.h"

#include <QPainter>

#include <algorithm>

namespace bars {

namespace {

constexpr int kFrame = 1;
constexpr int kRarelyUsedLift = 20;

TcbBarSubMenuControl* g_animated = nullptr;
platform::RandomGenerator* g_random = nullptr;

platform::RandomGenerator& Random() {
    static platform::RandomGenerator own(1);
    return g_random ? *g_random : own;
}

platform::Colour Face() { return platform::SystemColour(platform::COLOR_BTNFACE); }

platform::Colour RarelyUsedColour() {
    const platform::Colour face = Face();
    auto lift = [](unsigned channel) { return std::min(255u, channel + kRarelyUsedLift); };
    return lift(face & 0xFF) | lift((face >> 8) & 0xFF) << 8 | lift((face >> 16) & 0xFF) << 16;
}

platform::ITimerService* Timers() { return &platform::Timers(); }

// A solid triangle centred in the row, apex up or down: a - 1 rows over a base of
// 2(a - 1) + 1 pixels.
void DrawMenuArrow(platform::Canvas& canvas, const platform::Rect& row, int itemHeight, bool up) {
    const int a = itemHeight / 3 - 1;
    const int height = a - 1;
    if (height <= 0) return;
    const int cx = (row.left + row.right) / 2;
    const int top = row.top + (row.Height() - height) / 2;
    const platform::Colour colour = platform::SystemColour(platform::COLOR_BTNTEXT);
    for (int k = 0; k < height; ++k) {
        const int half = (up ? k : height - 1 - k) + 1;
        canvas.FillSolidRect({cx - half, top + k, cx + half + 1, top + k + 1}, colour);
    }
}

// Two downward chevrons, one above the other.
void DrawChevrons(platform::Canvas& canvas, const platform::Rect& r) {
    const platform::Colour colour = platform::SystemColour(platform::COLOR_BTNTEXT);
    const int cx = (r.left + r.right) / 2;
    const int top = r.top + (r.Height() - 6) / 2;
    for (int chevron = 0; chevron < 2; ++chevron)
        for (int k = 0; k < 3; ++k) {
            const int y = top + chevron * 4 + k;
            canvas.SetPixel(cx - 2 + k, y, colour);
            canvas.SetPixel(cx + 2 - k, y, colour);
        }
}

}  // namespace

TcbBarSubMenuControl::TcbBarSubMenuControl(TcbBarManager& manager) : TCustomcbBarControl(manager) {
    QWidget* owner = manager.OwnerForm();
    setParent(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::X11BypassWindowManagerHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

TcbBarSubMenuControl::~TcbBarSubMenuControl() {
    if (g_animated == this) g_animated = nullptr;
    if (Timers()) Timers()->KillWindowTimers(Handle());
}

TcbBarSubMenuControl* TcbBarSubMenuControl::AnimatedMenu() { return g_animated; }
void TcbBarSubMenuControl::SetRandomGenerator(platform::RandomGenerator* random) { g_random = random; }

TcbBarSubMenuControl* TcbBarSubMenuControl::ChildMenu() const {
    return IsLive(m_childMenu) && !m_childMenu->IsDestroying() ? m_childMenu : nullptr;
}

TcbBarItemLink* TcbBarSubMenuControl::OpenerLink() const {
    TcbBarItemControl* opener = OpeningControl();
    return opener ? &opener->Link() : nullptr;
}

void TcbBarSubMenuControl::SetOpeningControl(TcbBarItemControl* control) {
    m_openingControl = control;
    m_openerAlive = control ? control->AliveToken() : nullptr;
}

platform::Rect TcbBarSubMenuControl::ClientArea() const { return {kFrame, kFrame, width() - kFrame, height() - kFrame}; }

bool TcbBarSubMenuControl::CanCustomizeHere() const {
    if (TCustomcbBarControl::CanCustomizeHere()) return true;
    auto* sub = ItemLinks() ? dynamic_cast<TcbBarSubItem*>(ItemLinks()->Owner().AsSubItem()) : nullptr;
    return (sub && sub->AllowCustomizing()) || (ItemLinks() && ItemLinks()->Owner().IsPopupMenu());
}

platform::CanvasFont TcbBarSubMenuControl::FontHandle() const {
    if (const platform::CanvasFont* own = ItemLinks() ? ItemLinks()->Owner().OwnFont() : nullptr) return *own;
    const TCustomcbBarControl* parent = ParentBarWindow();
    if (!IsLive(parent)) return Manager().Font();
    // A menu opened from a bar that turns its captions reads across all the same.
    platform::CanvasFont font = parent->FontHandle();
    font.escapement = 0;
    return font;
}

int TcbBarSubMenuControl::ExpandButtonHeight() const {
    int height = ItemHeight() - 6 + 1;
    if (((height - 6) / 2) % 2 == 1) height = 6 + 2 * ((height - 6) / 2 - 1);
    return height;
}

bool TcbBarSubMenuControl::HasExpandRow() const {
    return ItemLinks() && Manager().PersonalizedMenus() &&
           ItemLinks()->ShownLinks().size() < ItemLinks()->VisibleLinks().size();
}

bool TcbBarSubMenuControl::RarelyUsed(const TcbBarItemLink& link) const {
    if (!Manager().PersonalizedMenus() || !FullMenus() || !ItemLinks()) return false;
    int recent = ItemLinks()->RecentThreshold();
    if (recent == -1) recent = static_cast<int>(ItemLinks()->VisibleLinks().size());
    return ItemLinks()->RecentIndexOf(link) >= recent;
}

// ---- layout ---------------------------------------------------------------------------

MenuLayoutInput TcbBarSubMenuControl::LayoutInput(bool measuring) const {
    MenuLayoutInput input;
    const platform::Rect client = ClientRect();
    input.clientWidth = client.Width();
    input.itemHeight = ItemHeight();
    input.expandRow = HasExpandRow();
    input.upArrow = !measuring && UpArrowShown();
    input.limit = measuring ? -1 : client.Height() - kMenuInset - (input.expandRow ? ItemHeight() : 0);
    if (!ItemLinks()) return input;
    const auto& shown = ItemLinks()->ShownLinks();
    const int from = measuring ? 0 : std::max(0, m_topIndex);
    for (int i = from; i < static_cast<int>(shown.size()); ++i) {
        TcbBarItemLink* link = shown[static_cast<std::size_t>(i)];
        if (!link->Control()) link->CreateControl();
        const TcbBarItemControl* control = link->Control();
        input.rows.push_back({control ? control->GetWidth() : 0, control ? control->GetHeight() : 0, link->BeginGroup(),
                              RarelyUsed(*link)});
    }
    return input;
}

platform::Size TcbBarSubMenuControl::MeasuredSize() { return LayoutMenu(LayoutInput(true)).measured; }

void TcbBarSubMenuControl::ApplyLayout(const MenuLayout& layout) {
    if (!ItemLinks()) return;
    for (int i = 0; i < ItemLinks()->Count(); ++i) ItemLinks()->Items(i)->SetItemRect({});
    const auto& shown = ItemLinks()->ShownLinks();
    const int from = std::max(0, m_topIndex);
    m_laidCount = layout.Count();
    for (int i = 0; i < m_laidCount; ++i)
        shown[static_cast<std::size_t>(from + i)]->SetItemRect(layout.rects[static_cast<std::size_t>(i)]);
    m_downArrow = from + m_laidCount < static_cast<int>(shown.size());
}

void TcbBarSubMenuControl::CalcLayout() {
    if (m_destroying || !ItemLinks()) return;
    ApplyLayout(LayoutMenu(LayoutInput(false)));
}

platform::Rect TcbBarSubMenuControl::GetItemRect(const TcbBarItemControl* control) const {
    if (!control || !ItemLinks()) return {};
    const int index = ItemLinks()->ShownIndexOf(control->Link());
    // Rows under the arrows belong to the arrows.
    if (UpArrowShown() && index == m_topIndex) return {};
    if (m_downArrow && index == std::max(0, m_topIndex) + m_laidCount - 1) return {};
    return control->Link().ItemRect();
}

platform::Rect TcbBarSubMenuControl::UpArrowRect() const {
    if (!UpArrowShown() || !ItemLinks() || m_topIndex >= static_cast<int>(ItemLinks()->ShownLinks().size())) return {};
    return ItemLinks()->ShownLinks()[static_cast<std::size_t>(m_topIndex)]->ItemRect();
}

platform::Rect TcbBarSubMenuControl::DownArrowRect() const {
    if (!m_downArrow || m_laidCount == 0) return {};
    const int last = std::max(0, m_topIndex) + m_laidCount - 1;
    platform::Rect r = ItemLinks()->ShownLinks()[static_cast<std::size_t>(last)]->ItemRect();
    r.bottom = ClientRect().Height() - kMenuInset - (HasExpandRow() ? ItemHeight() : 0);
    return r;
}

platform::Rect TcbBarSubMenuControl::ExpandButtonRect() const {
    if (!HasExpandRow()) return {};
    const platform::Rect client = ClientRect();
    return {kMenuInset, client.bottom - kMenuInset - ExpandButtonHeight(), client.right - kMenuInset,
            client.bottom - kMenuInset};
}

bool TcbBarSubMenuControl::TakesDropAt(platform::Point client) const {
    if (UpArrowRect().Contains(client) || DownArrowRect().Contains(client)) return false;
    return !HasExpandRow() || client.y < ClientRect().bottom - kMenuInset - ItemHeight();
}

void TcbBarSubMenuControl::SetTopIndex(int index) {
    index = std::max(0, index);
    if (index == m_topIndex) return;
    m_topIndex = index;
    CalcLayout();
    Repaint();
}

// ---- showing --------------------------------------------------------------------------

void TcbBarSubMenuControl::Place() {
    const MenuPlacementInput input{MeasuredSize(), m_requested, GetWorkArea(m_requested), m_openerWidth, m_openerHeight,
                                   m_rightward, m_downward};
    m_placement = PlaceMenu(input);
    const platform::Rect& r = m_placement.bounds;
    setGeometry(r.left, r.top, r.Width(), r.Height());
}

void TcbBarSubMenuControl::ShowMenu() {
    if (!ItemLinks()) return;
    UpdateFont();
    CalcMetrics();
    SetActive(true);
    const bool personalized = Manager().PersonalizedMenus() && !FullMenus();
    ItemLinks()->SetShownLimit(personalized ? ItemLinks()->RecentThreshold() : -1);
    CreateControls();
    m_topIndex = -1;
    Place();
    SetTopIndex(0);
    PlayMenuSound(kMenuSoundPopup);
    const TcbBarMenuAnimations kind = ChainAnimation();
    if (!Animates(kind)) m_animate = false;
    show();
    platform::WindowList::Instance().BringToTop(this);
    if (m_animate) {
        m_animationKind = kind;
        StartAnimation();
    } else {
        Repaint();
    }
    if (OnPopup) OnPopup();
}

TcbBarMenuAnimations TcbBarSubMenuControl::ChainAnimation() const {
    const TCustomcbBarControl* root = ChainRoot(static_cast<const TCustomcbBarControl*>(this));
    return (root ? root->Manager() : Manager()).MenuAnimations();
}

bool TcbBarSubMenuControl::Animates(TcbBarMenuAnimations kind) const {
    return kind != maNone && ItemLinks() && !ItemLinks()->VisibleLinks().empty() && !IsCustomizing() &&
           !Manager().IsCustomizing() && !Manager().IsDesigning();
}

void TcbBarSubMenuControl::StartAnimation() {
    if (g_animated && g_animated != this) g_animated->StopAnimation();
    m_animationKind = ResolveMenuAnimation(m_animationKind, Random());
    const platform::Rect client = ClientRect();
    m_frames = AnimationFrames(m_animationKind, {client.Width(), client.Height()});
    if (m_frames.empty()) {
        FinishAnimation();
        return;
    }
    Repaint();
    m_animationImage = m_surface.copy();
    m_reverseHorizontally = m_rightward == m_placement.flippedHorizontally;
    m_reverseVertically = m_downward == m_placement.flippedVertically;
    m_animating = true;
    g_animated = this;
    m_frame = 0;
    const platform::Rect r = FrameBounds(m_placement.bounds, m_frames[0], {2 * kFrame, 2 * kFrame},
                                         m_reverseHorizontally, m_reverseVertically);
    setGeometry(r.left, r.top, r.Width(), r.Height());
    if (Timers())
        Timers()->SetWindowTimer(Handle(), kMenuAnimationTimer, AnimationFrameDelayMs(0),
                                 [this](unsigned) { AnimationTick(); });
    update();
}

void TcbBarSubMenuControl::AnimationTick() {
    if (!m_animating) return;
    if (++m_frame >= m_frames.size()) {
        FinishAnimation();
        return;
    }
    const platform::Rect r = FrameBounds(m_placement.bounds, m_frames[m_frame], {2 * kFrame, 2 * kFrame},
                                         m_reverseHorizontally, m_reverseVertically);
    setGeometry(r.left, r.top, r.Width(), r.Height());
    update();
    if (Timers())
        Timers()->SetWindowTimer(Handle(), kMenuAnimationTimer, AnimationFrameDelayMs(m_frame),
                                 [this](unsigned) { AnimationTick(); });
}

void TcbBarSubMenuControl::FinishAnimation() {
    if (Timers()) Timers()->KillWindowTimer(Handle(), kMenuAnimationTimer);
    const bool was = m_animating;
    m_animating = false;
    if (g_animated == this) g_animated = nullptr;
    m_animationImage = QImage();
    if (m_destroying) return;
    const platform::Rect& r = m_placement.bounds;
    if (was || geometry() != QRect(r.left, r.top, r.Width(), r.Height())) setGeometry(r.left, r.top, r.Width(), r.Height());
    m_animate = false;
    CalcLayout();
    Repaint();
}

void TcbBarSubMenuControl::StopAnimation() {
    if (m_animating) FinishAnimation();
}

void TcbBarSubMenuControl::paintEvent(QPaintEvent* event) {
    if (!m_animating) {
        TCustomcbBarControl::paintEvent(event);
        return;
    }
    // The growing window shows the part of the finished picture at its moving edge.
    QPainter painter(this);
    const int x = m_reverseHorizontally ? width() - m_animationImage.width() : 0;
    const int y = m_reverseVertically ? 0 : height() - m_animationImage.height();
    painter.drawImage(x, y, m_animationImage);
}

// ---- closing --------------------------------------------------------------------------

void TcbBarSubMenuControl::Release() {
    if (m_destroying) return;
    StopAnimation();
    StopScroll(false);
    StopExpandTimer();
    if (TcbBarSubMenuControl* child = ChildMenu()) child->Release();
    TcbBarItemControl* opener = m_recreating ? nullptr : OpeningControl();
    if (!m_recreating) {
        SetActive(false);
        if (opener) {
            opener->Repaint();
            TCustomcbBarControl* openerWindow = dynamic_cast<TCustomcbBarControl*>(opener->BarWindow());
            const auto& keys = platform::KeyStates::Instance();
            // Closing by a command or a click elsewhere closes every menu; Esc one level.
            if (IsLive(openerWindow) && !keys.IsDown(platform::VK_ESCAPE) && !keys.IsDown(platform::VK_LBUTTON))
                openerWindow->CloseAll();
        }
    }
    m_destroying = true;
    if (Timers()) Timers()->KillWindowTimers(Handle());
    UndoContainerExpansion();
    DestroyControls();
    if (TCustomcbBarControl* parent = ParentBarWindow(); IsLive(parent))
        if (auto* menu = dynamic_cast<TcbBarSubMenuControl*>(parent); menu && menu->m_childMenu == this)
            menu->m_childMenu = nullptr;
    if (ItemLinks()) {
        if (ItemLinks()->Window() == this) ItemLinks()->SetWindow(nullptr);
        if (ItemLinks()->ShownLimit() != -1) ItemLinks()->SetShownLimit(-1);
    }
    SetItemLinks(nullptr);
    LiveBarWindows::Instance().Remove(this);
    hide();
    if (OnCloseUp) OnCloseUp();
    deleteLater();
}

void TcbBarSubMenuControl::CloseAll() {
    if (IsLive(ParentBarWindow())) {
        // While customizing, a window that leaves the chain keeps its selection, and the
        // selected control keeps this menu open: the menu closes through that control, as
        // a second click on it closes it.
        if (TcbBarItemControl* opener = OpeningControl(); opener && IsCustomizing()) opener->Deactivate(true);
        TCustomcbBarControl::CloseAll();
        return;
    }
    SetActive(false);
    Release();
}

// ---- container items ------------------------------------------------------------------

void TcbBarSubMenuControl::CreateControls() {
    if (!IsCustomizing() && !m_expandingContainers) ExpandContainers();
    TCustomcbBarControl::CreateControls();
}

void TcbBarSubMenuControl::ExpandContainers() {
    TcbBarItemLinks* links = ItemLinks();
    if (!links) return;
    const std::vector<TcbBarItemLink*> visible = links->VisibleLinks();
    for (auto it = visible.rbegin(); it != visible.rend(); ++it) {
        TcbBarItemLink* link = *it;
        auto* container = dynamic_cast<TCustomcbBarContainerItem*>(link->Item());
        if (!container) continue;
        const int index = links->IndexOf(*link);
        const int recent = links->RecentIndexOf(*link);
        m_expandingContainers = true;
        const int listed = container->AddListedItemLinks(*links, index + 1, link, true);
        links->MoveToRecentEnd(*link);
        m_expandingContainers = false;
        auto owned = links->Take(*link);
        if (owned) m_taken.push_back({std::move(owned), index, recent, listed});
    }
}

void TcbBarSubMenuControl::UndoContainerExpansion() {
    TcbBarItemLinks* links = ItemLinks();
    if (!links) {
        m_taken.clear();
        return;
    }
    // Last taken (the first in the menu) goes back last, so the indexes hold.
    for (TakenContainer& taken : m_taken) {
        auto* container = dynamic_cast<TCustomcbBarContainerItem*>(taken.link->Item());
        if (container) {
            container->DeleteListedItemLinks(*links, taken.index);
            // The next opening fills from fresh data, as OnGetData may have changed it.
            container->SetNeedsClearing(true);
        }
        links->PutBack(std::move(taken.link), taken.index, taken.recentIndex);
        if (container) container->ItemLinks().Refresh();
    }
    m_taken.clear();
}

// ---- rebuild and expansion ------------------------------------------------------------

void TcbBarSubMenuControl::Rebuild() {
    if (m_destroying || m_recreating || !ItemLinks()) return;
    UndoContainerExpansion();
    DestroyControls();
    CreateControls();
    const platform::Rect before = m_placement.bounds;
    Place();
    CalcLayout();
    // A scrolled menu comes down while that still leaves nothing hidden below.
    while (m_topIndex > 0 && !m_downArrow) {
        --m_topIndex;
        CalcLayout();
        if (m_downArrow) {
            ++m_topIndex;
            CalcLayout();
            break;
        }
    }
    if (before.left != m_placement.bounds.left || before.top != m_placement.bounds.top) CalcLayout();
    Repaint();
}

void TcbBarSubMenuControl::Expand() {
    if (!HasExpandRow()) return;
    TcbBarItemLink* selected = SelectedControl() ? &SelectedControl()->Link() : nullptr;
    SetFullMenus(true);
    m_recreating = true;
    StopExpandTimer();
    UndoContainerExpansion();
    DestroyControls();
    ItemLinks()->SetShownLimit(-1);
    CreateControls();
    m_topIndex = -1;
    Place();
    SetTopIndex(0);
    m_recreating = false;
    m_markState = 0;
    if (const TcbBarMenuAnimations kind = ChainAnimation(); Animates(kind)) {
        m_animationKind = kind;
        m_animate = true;
        StartAnimation();
    } else {
        Repaint();
    }
    if (selected && selected->Control()) SetSelected(selected->Control());
}

void TcbBarSubMenuControl::SetMarkState(int state) {
    if (IsCustomizing()) return;
    if (state == 1 && EditingControl())
        state = 0;
    if (state == m_markState) {
        // A row lit while the cursor was elsewhere expands once the cursor comes onto it.
        if (state == 1 && Manager().ShowFullMenusAfterDelay()) StartRowExpansion();
        return;
    }
    TCustomcbBarControl::SetMarkState(state);
    if (state == 2) {
        Expand();
        return;
    }
    Repaint();
    if (Manager().ShowFullMenusAfterDelay()) {
        StopExpandTimer();
        if (state == 1) StartRowExpansion();
    } else if (state == 1) {
        // Without the delayed expansion the row tells how to expand from the keyboard.
        BarHints::Instance().Request(Manager(), true, std::string(platform::BarString(platform::bar_string::kExpandMenuHint)));
    } else {
        BarHints::Instance().Hide();
    }
}

void TcbBarSubMenuControl::ExpandTimer(unsigned id) {
    if (Timers()) Timers()->KillWindowTimer(Handle(), id);
    if (id == kMenuExpandTimer) {
        SetMarkState(2);
    } else if (!ChildMenu()) {
        SetMarkState(1);
    }
}

// Only the cursor resting on the expand row expands the menu after a second; a row lit by the
// timer of a menu the user works in stays lit.
void TcbBarSubMenuControl::StartRowExpansion() {
    // Every move over the row asks: the cursor is read only while the expansion waits to start.
    if (!Timers() || Timers()->HasWindowTimer(Handle(), kMenuExpandTimer)) return;
    const platform::Point cursor = WindowToClient(platform::ScreenToClient(this, platform::CursorPos()));
    if (!ExpandButtonRect().Contains(cursor)) return;
    Timers()->SetWindowTimer(Handle(), kMenuExpandTimer, kMenuExpandDelayMs, [this](unsigned id) { ExpandTimer(id); });
}

void TcbBarSubMenuControl::StopExpandTimer() {
    if (!Timers()) return;
    Timers()->KillWindowTimer(Handle(), kMenuExpandTimer);
    Timers()->KillWindowTimer(Handle(), kMenuHintExpandTimer);
}

void TcbBarSubMenuControl::SetActive(bool active) {
    TCustomcbBarControl::SetActive(active);
    if (!active) {
        StopExpandTimer();
        return;
    }
    // An untouched personalized menu expands by itself.
    if (Manager().PersonalizedMenus() && !FullMenus() && Manager().ShowFullMenusAfterDelay() && Timers())
        Timers()->SetWindowTimer(Handle(), kMenuExpandTimer, kMenuUntouchedExpandMs, [this](unsigned id) { ExpandTimer(id); });
}

void TcbBarSubMenuControl::SetSelected(TcbBarItemControl* control) {
    // A selection is input: the menu is at full size before it scrolls to it.
    if (control) StopAnimation();
    TCustomcbBarControl::SetSelected(control);
    if (m_markState == 0 && HasExpandRow() && Timers()) {
        StopExpandTimer();
        if (IsActive())
            Timers()->SetWindowTimer(Handle(), kMenuHintExpandTimer, kMenuUntouchedExpandMs,
                                     [this](unsigned id) { ExpandTimer(id); });
    }
    if (control) KeepSelectionVisible(control);
}

void TcbBarSubMenuControl::KeepSelectionVisible(TcbBarItemControl* control) {
    if (!ItemLinks()) return;
    const int index = ItemLinks()->ShownIndexOf(control->Link());
    if (index < 0) return;
    if (UpArrowShown() && index <= m_topIndex) {
        m_topIndex = std::max(0, index - 1);
        CalcLayout();
    }
    while (m_downArrow && index >= std::max(0, m_topIndex) + m_laidCount - 1) {
        ++m_topIndex;
        CalcLayout();
    }
    Repaint();
}

// ---- scrolling ------------------------------------------------------------------------

void TcbBarSubMenuControl::Scroll(int by) {
    const int before = m_topIndex;
    if (by < 0 && UpArrowShown()) SetTopIndex(m_topIndex - 1);
    if (by > 0 && m_downArrow) SetTopIndex(m_topIndex + 1);
    if (before == m_topIndex) StopScroll();
}

void TcbBarSubMenuControl::StartScroll(int by) {
    if (m_scrollBy == by) return;
    if (SelectedControl() && Manager().SelectedItemControl() == SelectedControl()) Manager().SetSelectedItemControl(nullptr);
    SelectControl(nullptr);
    m_scrollBy = by;
    if (Timers())
        Timers()->SetWindowTimer(Handle(), kMenuScrollTimer, kMenuScrollMs, [this](unsigned) { ScrollTick(); });
}

void TcbBarSubMenuControl::ScrollTick() {
    // The window hears no moves once the mouse has left it: the timer looks for itself.
    const platform::Point client = WindowToClient(platform::ScreenToClient(this, platform::CursorPos()));
    const platform::Rect arrow = m_scrollBy < 0 ? UpArrowRect() : DownArrowRect();
    if (!InClient(client) || !arrow.Contains(client)) {
        StopScroll();
        return;
    }
    Scroll(m_scrollBy);
}

void TcbBarSubMenuControl::StopScroll(bool tellMouse) {
    if (m_scrollBy == 0) return;
    m_scrollBy = 0;
    if (Timers()) Timers()->KillWindowTimer(Handle(), kMenuScrollTimer);
    m_lastCursor = platform::Point{-1, -1};
    // The entry under the mouse lights up without waiting for the mouse to move.
    if (tellMouse && !m_destroying) MouseMove(WindowToClient(platform::ScreenToClient(this, platform::CursorPos())));
}

// ---- mouse and keys -------------------------------------------------------------------

void TcbBarSubMenuControl::MouseMove(platform::Point p) {
    if (m_destroying) return;
    const platform::Point screen = ClientToScreenPoint(p);
    if (m_animating) {
        if (screen == m_lastCursor) return;
        StopAnimation();
    }
    const bool inside = InClient(p);
    if (TcbBarItemControl* opener = OpeningControl(); inside && opener) {
        if (auto* parent = dynamic_cast<TCustomcbBarControl*>(opener->BarWindow()); IsLive(parent))
            parent->HotTrack(opener);
    }
    if (HasExpandRow()) SetMarkState(inside && ExpandButtonRect().Contains(p) ? 1 : 0);
    const platform::Rect up = UpArrowRect(), down = DownArrowRect();
    if (inside && up.Contains(p)) {
        StartScroll(-1);
        return;
    }
    if (inside && down.Contains(p)) {
        StartScroll(1);
        return;
    }
    if (m_scrollBy != 0) StopScroll();
    // Over no entry, an open sub-menu keeps its entry selected.
    auto* open = dynamic_cast<TcbBarSubItemControl*>(SelectedControl());
    if (inside && open && open->GetSubMenuControl() && !ItemAtPos(p)) return;
    TCustomcbBarControl::MouseMove(p);
}

void TcbBarSubMenuControl::LButtonDown(platform::Point p) {
    if (m_scrollBy != 0) return;
    const auto alive = QPointer<QObject>(this);
    TCustomcbBarControl::LButtonDown(p);
    if (alive.isNull() || !IsLive(this) || m_ignoreNextRelease) return;
    StopAnimation();
    if (HasExpandRow() && ExpandButtonRect().Contains(p)) {
        if (m_markState == 0) {
            SelectControl(nullptr);
            SetMarkState(1);
        } else {
            SetMarkState(2);
        }
    }
}

bool TcbBarSubMenuControl::KeyDown(int key) {
    StopAnimation();
    const auto& keys = platform::KeyStates::Instance();
    if (HasExpandRow() && (key == platform::VK_DOWN || key == platform::VK_TAB)) {
        if (key == platform::VK_DOWN && keys.IsDown(platform::VK_CONTROL)) {
            SetMarkState(2);
            return true;
        }
        const auto& shown = ItemLinks()->ShownLinks();
        if (keys.Modifiers() == platform::kShiftNone && SelectedControl() && !shown.empty() &&
            &SelectedControl()->Link() == shown.back()) {
            SetMarkState(2);
            return KeyDown(key);
        }
    }
    if (TCustomcbBarControl::KeyDown(key)) return true;
    if (!ActiveBarControl() || !IsLive(this)) return false;
    TCustomcbBarControl* parent = IsLive(ParentBarWindow()) ? ParentBarWindow() : nullptr;
    // A drop-down button's menu gives the keyboard back to the button's bar.
    if (TcbBarItemControl* opener = OpeningControl(); !parent && opener)
        if (auto* window = dynamic_cast<TCustomcbBarControl*>(opener->BarWindow()); IsLive(window)) parent = window;
    TcbBarItemControl* selected = SelectedControl();
    switch (key) {
    case platform::VK_RETURN:
        if (selected) selected->Click(false);
        return true;
    case platform::VK_ESCAPE:
        if (parent && parent->SelectedControl()) {
            if (auto* toolbar = dynamic_cast<TcbBarControl*>(parent)) toolbar->SetMenuMode(false);
            parent->SelectedControl()->Deactivate(true);
        } else if (!parent) {
            CloseAll();
        }
        return true;
    case platform::VK_LEFT:
        if (parent && parent->SelectedControl()) {
            if (parent->IsMenu())
                parent->SelectedControl()->Deactivate(true);
            else if (TCustomcbBarControl* root = ChainRoot(parent))
                root->KeyDown(platform::VK_LEFT);
        }
        return true;
    case platform::VK_RIGHT: {
        if (auto* sub = dynamic_cast<TcbBarSubItemControl*>(selected); sub && sub->GetEnabled()) {
            sub->Click(false);
            return true;
        }
        auto* button = dynamic_cast<TcbBarButtonControl*>(selected);
        if (button && button->Button() && button->Button()->ButtonStyle() == bsDropDown) {
            button->DropDown(false);
            return true;
        }
        if (parent && !parent->IsMenu()) {
            if (TCustomcbBarControl* root = ChainRoot(parent)) root->KeyDown(platform::VK_RIGHT);
        } else if (parent && parent->IsMenu()) {
            if (TCustomcbBarControl* root = ChainRoot(parent); root && !root->IsMenu()) root->KeyDown(platform::VK_RIGHT);
        }
        return true;
    }
    default: return false;
    }
}

// ---- painting -------------------------------------------------------------------------

void TcbBarSubMenuControl::PaintFrame(platform::Canvas& canvas) {
    const int w = width(), h = height();
    canvas.FillSolidRect({0, 0, w, kFrame}, Face());
    canvas.FillSolidRect({0, 0, kFrame, h}, Face());
    platform::Rect whole{0, 0, w, h};
    platform::DrawEdge(canvas, whole, platform::BDR_RAISEDOUTER, platform::BF_BOTTOMRIGHT);
}

void TcbBarSubMenuControl::PrepareItemPaint(platform::Canvas& canvas, TcbBarItemControl& control) {
    const TcbBarItemLink& link = control.Link();
    const platform::Rect rect = link.ItemRect();
    const bool rarely = RarelyUsed(link);
    const int index = ItemLinks()->ShownIndexOf(link);
    const int row = index - std::max(0, m_topIndex);
    const bool gap = link.BeginGroup() && row > 0 && !(row == 1 && UpArrowShown());
    const platform::Colour background = rarely ? RarelyUsedColour() : Face();
    m_itemBackground = background;
    canvas.FillSolidRect(rect, background);
    const bool beginsBlock = rarely && row > 0 && !RarelyUsed(*ItemLinks()->ShownLinks()[static_cast<std::size_t>(index - 1)]);
    // The block's line lies above the group separator, where the layout put it.
    const int stripTop = rect.top - (gap ? kMenuGroupGap : 0);
    if (beginsBlock)
        canvas.FillSolidRect({rect.left, stripTop - kRarelyUsedMark, rect.right, stripTop},
                             platform::SystemColour(platform::COLOR_BTNSHADOW));
    if (gap) {
        const platform::Rect strip{rect.left, stripTop, rect.right, rect.top};
        // Between two rarely used entries the strip keeps their shade.
        canvas.FillSolidRect(strip, beginsBlock ? Face() : background);
        const int margin = Manager().StyleMetric(2);
        platform::Rect line{strip.left + margin, strip.top + 4, strip.right - margin, strip.bottom - 4};
        platform::DrawEdge(canvas, line, platform::EDGE_ETCHED, platform::BF_TOP);
    }
    control.Draw(canvas, rect, DrawPlace());
    PaintCustomizingSelection(canvas, control, rect);
}

void TcbBarSubMenuControl::PaintClient(platform::Canvas& canvas) {
    platform::Rect client = ClientRect();
    canvas.FillSolidRect(client, Face());
    platform::DrawEdge(canvas, client, platform::BDR_RAISEDINNER, platform::BF_RECT);
    if (!ItemLinks()) return;
    CalcLayout();
    for (TcbBarItemLink* link : ItemLinks()->ShownLinks())
        if (TcbBarItemControl* control = link->Control(); control && GetItemRect(control).Width() > 0 && GetItemRect(control).Height() > 0)
            PrepareItemPaint(canvas, *control);
    if (UpArrowShown()) {
        const platform::Rect up = UpArrowRect();
        canvas.FillSolidRect(up, Face());
        DrawMenuArrow(canvas, up, ItemHeight(), true);
    }
    if (m_downArrow) {
        const platform::Rect down = DownArrowRect();
        canvas.FillSolidRect(down, Face());
        DrawMenuArrow(canvas, down, ItemHeight(), false);
    }
    if (HasExpandRow()) {
        platform::Rect button = ExpandButtonRect();
        canvas.FillSolidRect({button.left, button.bottom - ItemHeight(), button.right, button.top}, Face());
        canvas.FillSolidRect(button, Face());
        if (m_markState == 1) platform::DrawEdge(canvas, button, platform::BDR_RAISEDINNER, platform::BF_RECT);
        DrawChevrons(canvas, button);
    }
}

}  // namespace bars
