#include "bars/manager/bar_hooks.h"

#include "bars/manager/manager_list.h"
#include "bars/popups/bar_hints.h"

#include <array>
#include <utility>

namespace bars {

namespace {

struct HookState {
    BarHookProcs procs;
    std::array<platform::InputHooks::HookId, 3> ids{};
    bool installed = false;
};

HookState& State() {
    static HookState state;
    return state;
}

void Install() {
    auto& hooks = platform::InputHooks::Instance();
    HookState& state = State();
    // Each hook reads the procedure at call time, so procedures set later take effect.
    state.ids[0] = hooks.AddKeyboardHook([](const platform::KeyHookMessage& message) {
        return State().procs.keyboard && State().procs.keyboard(message);
    });
    state.ids[1] = hooks.AddMouseHook([](const platform::MouseHookMessage& message) {
        return State().procs.mouse && State().procs.mouse(message);
    });
    state.ids[2] = hooks.AddCallWindowHook([](const platform::CallWindowMessage& message) {
        if (State().procs.callWindow) {
            State().procs.callWindow(message);
        }
    });
    state.installed = true;
}

void Remove() {
    auto& hooks = platform::InputHooks::Instance();
    HookState& state = State();
    // Call-window first, keyboard last: the reverse of installation.
    for (auto it = state.ids.rbegin(); it != state.ids.rend(); ++it) {
        hooks.Remove(*it);
    }
    state.installed = false;
}

}  // namespace

void SetBarHookProcs(BarHookProcs procs) { State().procs = std::move(procs); }

bool AreBarHooksInstalled() { return State().installed; }

void InstallBarHooks(TcbBarManager& manager) {
    BarManagers().Add(&manager);
    if (!State().installed) {
        Install();
    }
}

void RemoveBarHooks(TcbBarManager& manager) {
    BarManagers().Remove(&manager);
    if (BarManagers().Count() == 0 && State().installed) {
        Remove();
    }
    if (BarManagers().Count() == 0) {
        BarHints::Instance().FreeWindow();
    }
}

}  // namespace bars
