#include "bars/services/bar_window_chain.h"

namespace bars {

namespace {

TCustomcbBarControl* g_activeBarControl = nullptr;

}  // namespace

TCustomcbBarControl* ActiveBarControl() { return g_activeBarControl; }

void SetActiveBarControl(TCustomcbBarControl* control) { g_activeBarControl = control; }

LiveBarWindows& LiveBarWindows::Instance() {
    static LiveBarWindows windows;
    return windows;
}

}  // namespace bars
