#pragma once

#include "bars/core/bar_types.h"

class QMdiArea;
class QMdiSubWindow;
class QObject;
class QWidget;

namespace bars {

// An MDI parent's main-menu bar shows the menus of its active child while that child is
// maximized (always, with AlwaysMerge): the child's own main-menu bar hides meanwhile. The
// parent's OnMenuMerge, when set, does the merge instead of the framework's copying.
// The step compares the active child and its state with those it saw last; the framework's
// call-window hook runs it after each activation, size-state change or destruction of a
// child form (a child without a manager brings only its caption buttons).
void MdiMergeStep(TcbBarManager& parent);
// The MDI area of a form: it is an MDI parent form.
QMdiArea* MdiAreaOf(const QObject& form);
// The active child of the manager's MDI parent form, and the child's own manager; none when
// the form holds no MDI area or no child.
QMdiSubWindow* ActiveMdiChild(const TcbBarManager& parent);
TcbBarManager* ActiveMdiChildManager(const TcbBarManager& parent);
// The active child while it is maximized and has a system menu: the parent's main-menu bar
// then carries its minimize, restore and close buttons.
QMdiSubWindow* MaximizedMdiChild(const TcbBarManager& parent);
void MergeChild(TcbBarManager& parent, TcbBarManager& child);
void UnmergeChild(TcbBarManager& parent, TcbBarManager& child);

}  // namespace bars
