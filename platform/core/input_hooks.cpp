#include "platform/core/input_hooks.h"

#include "platform/core/virtual_keys.h"

#include <algorithm>

namespace platform {

InputHooks& InputHooks::Instance() {
    static InputHooks hooks;
    return hooks;
}

InputHooks::HookId InputHooks::Add(Hook hook) {
    hook.id = ++m_nextId;
    const bool first = m_hooks.empty();
    m_hooks.push_back(std::make_shared<Hook>(std::move(hook)));
    if (first && m_presence) m_presence(true);
    return m_nextId;
}

InputHooks::HookId InputHooks::AddKeyboardHook(KeyboardHook hook) { return Add(Hook{0, std::move(hook), {}, {}}); }

InputHooks::HookId InputHooks::AddMouseHook(MouseHook hook) { return Add(Hook{0, {}, std::move(hook), {}}); }

InputHooks::HookId InputHooks::AddCallWindowHook(CallWindowHook hook) { return Add(Hook{0, {}, {}, std::move(hook)}); }

void InputHooks::Remove(HookId id) {
    const auto removed = std::erase_if(m_hooks, [id](const auto& hook) { return hook->id == id; });
    if (removed > 0 && m_hooks.empty() && m_presence) m_presence(false);
}

bool InputHooks::IsInstalled(HookId id) const {
    return std::any_of(m_hooks.begin(), m_hooks.end(), [id](const auto& hook) { return hook->id == id; });
}

// Newest first; hooks removed meanwhile are skipped, hooks added meanwhile wait for the next message.
std::vector<std::shared_ptr<InputHooks::Hook>> InputHooks::Snapshot() const { return {m_hooks.rbegin(), m_hooks.rend()}; }

bool InputHooks::DispatchKey(const KeyHookMessage& message) {
    for (const auto& hook : Snapshot())
        if (hook->keyboard && IsInstalled(hook->id) && hook->keyboard(message)) return true;
    return false;
}

bool InputHooks::DispatchMouse(const MouseHookMessage& message) {
    for (const auto& hook : Snapshot())
        if (hook->mouse && IsInstalled(hook->id) && hook->mouse(message)) return true;
    return false;
}

void InputHooks::DispatchCallWindow(const CallWindowMessage& message) {
    for (const auto& hook : Snapshot())
        if (hook->callWindow && IsInstalled(hook->id)) hook->callWindow(message);
}

KeyStates& KeyStates::Instance() {
    static KeyStates states;
    return states;
}

bool KeyStates::IsDown(int key) const { return key >= 0 && key < static_cast<int>(m_down.size()) && m_down[key]; }

void KeyStates::SetDown(int key, bool down) {
    if (key >= 0 && key < static_cast<int>(m_down.size())) m_down[key] = down;
}

bool KeyStates::AnyDownExcept(int key) const {
    for (int k = 0; k < static_cast<int>(m_down.size()); ++k) {
        if (!m_down[k] || k == key) continue;
        if (k == VK_LBUTTON || k == VK_RBUTTON || k == VK_MBUTTON) continue;
        return true;
    }
    return false;
}

unsigned KeyStates::Modifiers() const {
    unsigned shift = kShiftNone;
    if (IsDown(VK_SHIFT)) shift |= kShiftShift;
    if (IsDown(VK_CONTROL)) shift |= kShiftCtrl;
    if (IsDown(VK_MENU)) shift |= kShiftAlt;
    return shift;
}

}  // namespace platform
