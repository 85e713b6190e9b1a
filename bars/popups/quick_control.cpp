#include "bars/popups/quick_control.h"

#include "bars/controls/item_control.h"
#include "bars/items/bar_button.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/popups/framework_timers.h"
#include "bars/popups/popup_entries.h"
#include "bars/popups/quick_cust_items.h"
#include "bars/services/bar_window_chain.h"
#include "bars/services/framework_services.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/toolbars/first_links.h"
#include "platform/core/bar_strings.h"
#include "platform/core/window_messages.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"

#include <QMouseEvent>

#include <algorithm>

namespace bars {

namespace {

constexpr unsigned kSelectionCheckMs = 200;

QPointer<TcbBarQuickControl>& OpenSlot() {
    static QPointer<TcbBarQuickControl> open;
    return open;
}

// The toolbar whose mark took a left press while its drop-down was open. That press closes the
// drop-down before it reaches the mark, and must not open it again there.
QPointer<TcbBarControl>& PressOnOpenMarkSlot() {
    static QPointer<TcbBarControl> toolbar;
    return toolbar;
}

bool DidNotFit(const TcbBarItemLink& link) {
    const platform::Rect& r = link.ItemRect();
    return link.CanShow() && (r.Width() <= 0 || r.Height() <= 0);
}

bool IsVertical(TcbBarDockingStyle side) { return side == dsLeft || side == dsRight; }

platform::Rect MarkOnScreen(const TcbBarControl& toolbar) {
    const platform::Rect mark = toolbar.EndMarkRect();
    const platform::Point from = toolbar.ClientToScreenPoint({mark.left, mark.top});
    const platform::Point to = toolbar.ClientToScreenPoint({mark.right, mark.bottom});
    return {from.x, from.y, to.x, to.y};
}

// Only addresses are compared: the bar may be gone already.
void DeleteBar(TcbBarManager& manager, const TcbBar* bar) {
    TcbBars& bars = manager.Bars();
    for (int i = 0; i < bars.Count(); ++i)
        if (bars.Items(i) == bar) {
            bars.Delete(i);
            return;
        }
}

}  // namespace

// ---- making and placing ---------------------------------------------------------------

TcbBar& TcbBarQuickControl::MakePrivateBar(TcbBarControl& parent, TcbBarSubItem*& addOrRemove) {
    PopupEntries::Instance().Purge();
    TcbBarManager& manager = parent.Manager();
    TcbBar& source = parent.Bar();
    TcbBar& bar = manager.Bars().Add();
    bar.SetHidden(true);
    bar.SetAllowQuickCustomizing(false);
    if (source.UseOwnFont()) bar.SetFont(source.Font());
    for (int i = 0; i < source.ItemLinks().Count(); ++i) {
        TcbBarItemLink& link = *source.ItemLinks().Items(i);
        if (!link.Item() || !DidNotFit(link)) continue;
        TcbBarItemLink& copy = bar.ItemLinks().Add();
        copy.Assign(link, link.Item());
        copy.SetSourceLink(&link);
    }
    auto& more =
        NewPopupEntry<TcbBarSubItem>(manager, std::string(platform::BarString(platform::bar_string::kAddOrRemoveButtons)));
    more.SetEnabled(source.AllowQuickCustomizing());
    AddPopupEntryLink(bar.ItemLinks(), more, 0, true);
    addOrRemove = &more;
    return bar;
}

TcbBarQuickControl::TcbBarQuickControl(TcbBarControl& parent, TcbBar& privateBar, TcbBarSubItem& addOrRemove)
    : TcbBarControl(parent.Manager(), privateBar), m_parent(&parent), m_privateBar(privateBar),
      m_addOrRemove(&addOrRemove) {
    SetCaptionPresent(false);
    // The entry may outlive the window until the pop-up entries are next purged.
    addOrRemove.OnPopup = [self = QPointer<TcbBarQuickControl>(this)](platform::Component*) {
        if (self && !self->m_destroying) self->FillAddOrRemove();
    };
}

TcbBarQuickControl::~TcbBarQuickControl() {
    StopCheck();
    if (!m_destroying) {
        // Freed with its form rather than closed: the controls go while the links stand.
        m_destroying = true;
        if (ManagerAlive()) {
            DestroyControls();
            if (ItemLinks() && ItemLinks()->Window() == this) ItemLinks()->SetWindow(nullptr);
        }
        SetItemLinks(nullptr);
        if (ManagerAlive() && Manager().KeyboardBar() == this) Manager().SetKeyboardBar(nullptr);
        FreePrivateBar();
    }
}

TcbBarQuickControl* TcbBarQuickControl::Show(TcbBarControl& toolbar) {
    CloseQuickControl();
    // Its list changes the bar: what the bars were given comes back with "&Reset Toolbar".
    KeepFirstLinks(toolbar.Manager());
    TcbBarSubItem* addOrRemove = nullptr;
    TcbBar& bar = MakePrivateBar(toolbar, addOrRemove);
    auto* quick = new TcbBarQuickControl(toolbar, bar, *addOrRemove);
    OpenSlot() = quick;
    quick->Reparent(dsNone);
    quick->SetDockingStyle(dsNone);
    quick->Place();
    quick->show();
    platform::WindowList::Instance().BringToTop(quick);
    quick->Repaint();
    return quick;
}

void TcbBarQuickControl::Place() {
    int widest = 0;
    for (TcbBarItemLink* link : ItemLinks()->ShownLinks()) {
        if (!link->Control()) link->CreateControl();
        if (link->Control()) widest = std::max(widest, link->Control()->GetWidth());
    }
    const FrameInsets insets = Insets();
    const platform::Size client = FloatingClientSize(widest);
    const int w = client.width + insets.left + insets.right;
    const int h = client.height + insets.top + insets.bottom;
    const platform::Rect mark = MarkOnScreen(*m_parent);
    const bool vertical = IsVertical(m_parent->DockingStyle());
    const platform::Rect work = GetWorkArea({mark.left, mark.top});
    int x = vertical ? mark.right : mark.left;
    int y = vertical ? mark.top : mark.bottom;
    // Beside a vertical bar, below a horizontal one; the other side of the mark when there
    // is no room.
    if (x + w > work.right) x = vertical ? mark.left - w : work.right - w;
    if (y + h > work.bottom) y = vertical ? work.bottom - h : mark.top - h;
    x = std::max(x, work.left);
    y = std::max(y, work.top);
    setGeometry(x, y, w, h);
    CalcLayout();
}

void TcbBarQuickControl::FillAddOrRemove() {
    TcbBarManager& manager = Manager();
    TcbBarItemLinks& list = m_addOrRemove->ItemLinks();
    list.Clear();
    if (!m_parent) return;
    TcbBar& bar = m_parent->Bar();
    for (int i = 0; i < bar.ItemLinks().Count(); ++i) {
        TcbBarItemLink& source = *bar.ItemLinks().Items(i);
        if (!source.Item()) continue;
        auto& entry = NewPopupEntry<TcbBarQuickCustItem>(manager, source.Caption());
        entry.BindSource(bar, source);
        AddPopupEntryLink(list, entry, i, false);
    }
    const bool reset = manager.AllowReset() && bar.AllowReset();
    if (reset) {
        auto& entry = NewPopupEntry<TcbBarQuickCustExtButton>(
            manager, std::string(platform::BarString(platform::bar_string::kResetToolbarEntry)));
        QPointer<TcbBarManager> alive(&manager);
        TcbBar* target = &bar;
        entry.OnClick = [alive, target](platform::Component*) {
            if (alive && alive->Bars().IndexOf(*target) >= 0) target->Reset();
        };
        AddPopupEntryLink(list, entry, 0, true);
    }
    if (manager.CanCustomize()) {
        const platform::Rect mark = MarkOnScreen(*m_parent);
        auto& customize = NewPopupEntry<TcbBarQuickCustExtButton>(manager, {});
        MakeCustomizeEntry(customize, {mark.left, mark.bottom});
        AddPopupEntryLink(list, customize, kCustomizeEntryData, !reset);
    }
}

// ---- closing --------------------------------------------------------------------------

void TcbBarQuickControl::StopCheck() {
    if (m_checkTimer == 0) return;
    // Never installs a service: this also runs while the window is destroyed.
    if (platform::ITimerService* timers = platform::InstalledTimerService()) timers->KillTimer(m_checkTimer);
    m_checkTimer = 0;
}

void TcbBarQuickControl::FreePrivateBar() {
    if (ManagerAlive() && !Manager().IsDestroying()) DeleteBar(Manager(), &m_privateBar);
}

void TcbBarQuickControl::Release() {
    if (m_destroying) return;
    StopCheck();
    if (OpenSlot() == this) OpenSlot() = nullptr;
    const QPointer<TcbBarControl> parent = m_parent;
    TcbBarManager& manager = Manager();
    const bool managerGoing = manager.IsDestroying();
    TcbBar* bar = &m_privateBar;
    TcbBarControl::Release();
    // The window may be gone already; only what was taken above is used from here.
    if (!managerGoing) DeleteBar(manager, bar);
    if (parent && parent->MarkState() == 2) parent->SetMarkState(0);
}

void TcbBarQuickControl::CloseAll() {
    TcbBarControl::CloseAll();
    // Its release brings the parent's mark back up.
    Release();
}

void TcbBarQuickControl::SelectionMoved(TCustomcbBarControl&, TcbBarItemControl*) {
    if (m_destroying) return;
    // One check at a time: a mouse passing over another bar on its way back keeps it open.
    StopCheck();
    m_checkTimer = FrameworkTimers().SetTimer(kSelectionCheckMs, [this](unsigned) {
        StopCheck();
        TcbBarItemControl* selected = ManagerAlive() ? Manager().SelectedItemControl() : nullptr;
        auto* owner = selected ? dynamic_cast<TCustomcbBarControl*>(selected->BarWindow()) : nullptr;
        if (owner && TCustomcbBarControl::IsLive(owner) && ChainRoot(owner) != this) CloseAll();
    });
}

void TcbBarQuickControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) return;
    TCustomcbBarControl::mousePressEvent(event);
}

void TcbBarQuickControl::hideEvent(QHideEvent* event) {
    TcbBarControl::hideEvent(event);
    if (m_parent) m_parent->Repaint();
}

// ---- the one drop-down ----------------------------------------------------------------

TcbBarQuickControl* OpenQuickControl() { return OpenSlot(); }

TcbBarControl* QuickControlToolbar() { return OpenSlot() ? OpenSlot()->ParentToolbar() : nullptr; }

void CloseQuickControl() {
    if (TcbBarQuickControl* open = OpenSlot()) open->CloseAll();
}

void CloseQuickControlOf(const TcbBarManager& manager) {
    if (TcbBarQuickControl* open = OpenSlot(); open && &open->Manager() == &manager) open->Release();
}

void CloseQuickControlForMouse(unsigned message, platform::WindowHandle window, platform::Point screen) {
    if (message == platform::WM_MOUSEMOVE || message == platform::WM_NCMOUSEMOVE) return;
    PressOnOpenMarkSlot() = nullptr;
    TcbBarQuickControl* open = OpenSlot();
    TcbBarControl* toolbar = QuickControlToolbar();
    if (!open || !toolbar) return;
    // The drop-down and the menus opened from it are its own.
    QWidget* widget = platform::WidgetOf(window);
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        auto* barWindow = dynamic_cast<TCustomcbBarControl*>(w);
        if (barWindow && TCustomcbBarControl::IsLive(barWindow) && ChainRoot(barWindow) == open) return;
    }
    // The mark toggles the drop-down itself.
    if (widget == toolbar && message != platform::WM_RBUTTONDOWN && MarkOnScreen(*toolbar).Contains(screen)) {
        if (message == platform::WM_LBUTTONDOWN || message == platform::WM_LBUTTONDBLCLK) PressOnOpenMarkSlot() = toolbar;
        return;
    }
    open->CloseAll();
}

void InstallQuickControl() {
    SetEndMarkHandler([](TcbBarControl& toolbar, int state) {
        if (state == 2 && PressOnOpenMarkSlot() == &toolbar) {
            PressOnOpenMarkSlot() = nullptr;
            toolbar.SetMarkState(1);
        } else if (state == 2) {
            TcbBarQuickControl::Show(toolbar);
        } else {
            CloseQuickControl();
        }
    });
    SetSelectionMoveHandler([](TCustomcbBarControl& window, TcbBarItemControl* control) {
        if (TcbBarQuickControl* open = OpenSlot()) open->SelectionMoved(window, control);
    });
}

void RemoveQuickControl() {
    CloseQuickControl();
    SetEndMarkHandler(nullptr);
    SetSelectionMoveHandler(nullptr);
}

}  // namespace bars
