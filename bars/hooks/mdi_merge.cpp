#include "bars/hooks/mdi_merge.h"

#include "bars/controls/bar_window.h"
#include "bars/items/bar_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/manager/manager_list.h"
#include "bars/toolbars/bar.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <map>

namespace bars {

namespace {

struct MergeState {
    QPointer<QWidget> child;
    bool maximized = false;
};

std::map<const TcbBarManager*, MergeState>& States() {
    static std::map<const TcbBarManager*, MergeState> states;
    return states;
}

MergeState& StateOf(TcbBarManager& parent) {
    auto& states = States();
    auto it = states.find(&parent);
    if (it == states.end()) {
        it = states.emplace(&parent, MergeState{}).first;
        QObject::connect(&parent, &QObject::destroyed, [key = &parent] { States().erase(key); });
    }
    return it->second;
}

// Hides or shows a bar without moving the child's window.
void SetBarVisibleKeepingBounds(TcbBar& bar, bool visible) {
    QWidget* form = bar.Manager().OwnerForm();
    const QRect bounds = form ? form->geometry() : QRect();
    bar.SetVisible(visible);
    if (form && form->geometry() != bounds) form->setGeometry(bounds);
}

}  // namespace

QMdiArea* MdiAreaOf(const QObject& form) {
    // Asked while bars lay out, also while the form goes and its list of children has gaps.
    for (QObject* child : form.children()) {
        if (!child) continue;
        if (auto* area = qobject_cast<QMdiArea*>(child)) return area;
        if (QMdiArea* inner = MdiAreaOf(*child)) return inner;
    }
    return nullptr;
}

QMdiSubWindow* ActiveMdiChild(const TcbBarManager& parent) {
    QWidget* form = parent.OwnerForm();
    QMdiArea* area = form && !parent.IsDestroying() ? MdiAreaOf(*form) : nullptr;
    if (!area) return nullptr;
    if (QMdiSubWindow* active = area->activeSubWindow()) return active;
    if (QMdiSubWindow* current = area->currentSubWindow()) return current;
    // Once the active child has closed, the area may know of none while the next child has
    // already taken the activation.
    for (QMdiSubWindow* sub : area->subWindowList())
        if (sub->windowState().testFlag(Qt::WindowActive)) return sub;
    return nullptr;
}

TcbBarManager* ActiveMdiChildManager(const TcbBarManager& parent) {
    QMdiSubWindow* sub = ActiveMdiChild(parent);
    return sub && sub->widget() ? BarManagers().ManagerOfForm(sub->widget()) : nullptr;
}

QMdiSubWindow* MaximizedMdiChild(const TcbBarManager& parent) {
    QMdiSubWindow* sub = ActiveMdiChild(parent);
    return sub && sub->isMaximized() && sub->systemMenu() ? sub : nullptr;
}

void MergeChild(TcbBarManager& parent, TcbBarManager& child) {
    TcbBar* target = parent.MainMenuBar();
    TcbBar* source = child.MainMenuBar();
    if (!target || !source) return;
    if (parent.OnMenuMerge) {
        parent.OnMenuMerge(parent, child, true);
    } else {
        const bool wasLocked = parent.IsUpdateLocked();
        parent.SetLockUpdate(true);
        for (int i = 0; i < source->ItemLinks().Count(); ++i) {
            const TcbBarItemLink& from = *source->ItemLinks().Items(i);
            target->ItemLinks().Add().Assign(from, from.Item());
        }
        parent.SetLockUpdate(wasLocked);
    }
    SetBarVisibleKeepingBounds(*source, false);
}

void UnmergeChild(TcbBarManager& parent, TcbBarManager& child) {
    TcbBar* target = parent.MainMenuBar();
    TcbBar* source = child.MainMenuBar();
    if (!target) return;
    if (parent.OnMenuMerge) {
        parent.OnMenuMerge(parent, child, false);
    } else {
        const bool wasLocked = parent.IsUpdateLocked();
        parent.SetLockUpdate(true);
        TcbBarItemLinks& links = target->ItemLinks();
        for (int i = links.Count() - 1; i >= 0; --i)
            if (TcbBarItemLink* link = links.Items(i); link && link->Item() && link->Item()->BarManager() == &child)
                links.Delete(*link);
        parent.SetLockUpdate(wasLocked);
    }
    if (source && !parent.AlwaysMerge()) SetBarVisibleKeepingBounds(*source, true);
}

void MdiMergeStep(TcbBarManager& parent) {
    if (!parent.MainMenuBar()) return;
    MergeState& state = StateOf(parent);
    QMdiSubWindow* sub = ActiveMdiChild(parent);
    QWidget* child = sub ? sub->widget() : nullptr;
    TcbBarManager* childManager = child ? BarManagers().ManagerOfForm(child) : nullptr;
    if (childManager && !childManager->MainMenuBar()) childManager = nullptr;
    const bool maximized = sub && sub->isMaximized();
    const bool merging = parent.AlwaysMerge() || maximized;
    TcbBarManager* previous = state.child ? BarManagers().ManagerOfForm(state.child) : nullptr;
    if (child == state.child) {
        if (childManager && !parent.AlwaysMerge() && maximized != state.maximized) {
            if (maximized)
                MergeChild(parent, *childManager);
            else
                UnmergeChild(parent, *childManager);
        }
    } else {
        if (previous) UnmergeChild(parent, *previous);
        if (childManager && merging) MergeChild(parent, *childManager);
    }
    if (maximized != state.maximized)
        if (IBarWindow* window = parent.MainMenuBar()->ItemLinks().Window()) window->Relayout();
    state.child = child;
    state.maximized = maximized;
}

}  // namespace bars
