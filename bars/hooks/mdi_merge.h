#pragma once

#include "bars/core/bar_types.h"

#include <functional>

class QWidget;

namespace bars {

// Does the merge of a child's menu into the parent's main-menu bar itself (merge true) or
// takes it out again (false); when set, it replaces the framework's own copying.
using TcbBarMenuMergeEvent = std::function<void(TcbBarManager& parent, TcbBarManager& child, bool merge)>;
void SetMenuMergeHandler(TcbBarManager& parent, TcbBarMenuMergeEvent handler);

// An MDI parent's main-menu bar shows the menus of its active child while that child is
// maximized (always, with AlwaysMerge): the child's own main-menu bar hides meanwhile.
// The step compares the active child and its state with those it saw last; the framework's
// call-window hook runs it after each activation, size-state change or destruction of a
// child form that has a manager.
void MdiMergeStep(TcbBarManager& parent);
void MergeChild(TcbBarManager& parent, TcbBarManager& child);
void UnmergeChild(TcbBarManager& parent, TcbBarManager& child);

}  // namespace bars
