#include "bars/manager/bar_hooks.h"

#include "bars/manager/manager_list.h"
#include "bars/popups/bar_hints.h"

#include <utility>

namespace bars {

namespace {

BarHookProcs& Procs() {
    static BarHookProcs procs;
    return procs;
}

// Each hook reads the procedure at call time, so procedures set later take effect.
platform::SharedHookSet& Hooks() {
    static platform::SharedHookSet hooks(
        [](const platform::KeyHookMessage& message) { return Procs().keyboard && Procs().keyboard(message); },
        [](const platform::MouseHookMessage& message) { return Procs().mouse && Procs().mouse(message); },
        [](const platform::CallWindowMessage& message) {
            if (Procs().callWindow) {
                Procs().callWindow(message);
            }
        });
    return hooks;
}

}  // namespace

void SetBarHookProcs(BarHookProcs procs) { Procs() = std::move(procs); }

bool AreBarHooksInstalled() { return Hooks().IsInstalled(); }

void InstallBarHooks(TcbBarManager& manager) {
    BarManagers().Add(&manager);
    Hooks().Acquire();
}

void RemoveBarHooks(TcbBarManager& manager) {
    BarManagers().Remove(&manager);
    Hooks().Release();
    if (BarManagers().Count() == 0) {
        BarHints::Instance().FreeWindow();
    }
}

}  // namespace bars
