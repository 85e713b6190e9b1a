#pragma once

#include "platform/core/canvas.h"
#include "platform/core/window_handle.h"
#include "platform/core/window_messages.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace platform {

// Bit 31 of a key message's key data: the key is going up.
inline constexpr std::uint32_t kKeyDataUp = 0x80000000u;
// Bit 29: Alt was down (a system key).
inline constexpr std::uint32_t kKeyDataAlt = 0x20000000u;

// A key on its way to the focused window, seen before the window gets it.
struct KeyHookMessage {
    unsigned message = WM_KEYDOWN;  // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP
    int key = 0;                    // virtual-key code
    std::uint32_t keyData = 0;      // repeat count in bits 0-15, kKeyDataUp, kKeyDataAlt
    WindowHandle window = kNoWindow;  // the window with the keyboard focus
    bool IsUp() const { return (keyData & kKeyDataUp) != 0; }
};

// A mouse message on its way to the window under the mouse (or the one holding the capture).
struct MouseHookMessage {
    unsigned message = WM_MOUSEMOVE;  // client or non-client mouse message, or WM_MOUSEWHEEL
    Point point;                      // screen coordinates
    WindowHandle window = kNoWindow;
    int hitTest = HTCLIENT;
    int wheelDelta = 0;  // multiples of 120 for WM_MOUSEWHEEL
};

// A message to a top-level window, seen before the window handles it (show, activation,
// application activation, window state, close, font and settings changes, destroy).
using CallWindowMessage = WindowMessage;

// Hooks answer true to swallow the message: later hooks and the window never see it.
using KeyboardHook = std::function<bool(const KeyHookMessage&)>;
using MouseHook = std::function<bool(const MouseHookMessage&)>;
using CallWindowHook = std::function<void(const CallWindowMessage&)>;

// The process's input hooks. The newest hook of a kind is asked first. The Qt side feeds
// every key, mouse and top-level window event through Dispatch*, once per event.
class InputHooks {
public:
    using HookId = unsigned;

    static InputHooks& Instance();

    HookId AddKeyboardHook(KeyboardHook hook);
    HookId AddMouseHook(MouseHook hook);
    HookId AddCallWindowHook(CallWindowHook hook);
    // Unknown or already removed ids are ignored. A hook may remove hooks while it runs.
    void Remove(HookId id);
    bool IsInstalled(HookId id) const;
    std::size_t Count() const { return m_hooks.size(); }

    bool DispatchKey(const KeyHookMessage& message);
    bool DispatchMouse(const MouseHookMessage& message);
    void DispatchCallWindow(const CallWindowMessage& message);

    // Told true when the first hook arrives and false when the last leaves, so the Qt side
    // watches the application's events only while someone listens.
    void SetPresenceListener(std::function<void(bool present)> listener) { m_presence = std::move(listener); }

private:
    struct Hook {
        HookId id = 0;
        KeyboardHook keyboard;
        MouseHook mouse;
        CallWindowHook callWindow;
    };
    HookId Add(Hook hook);
    std::vector<std::shared_ptr<Hook>> Snapshot() const;

    std::vector<std::shared_ptr<Hook>> m_hooks;  // oldest first
    HookId m_nextId = 0;
    std::function<void(bool)> m_presence;
};

// Which keys are down, as the key messages left them: the event filter keeps it, tests set it.
class KeyStates {
public:
    static KeyStates& Instance();

    bool IsDown(int key) const;
    void SetDown(int key, bool down);
    // Any key other than the given one (and other than mouse buttons) is down.
    bool AnyDownExcept(int key) const;
    // ShiftState bits of Shift, Ctrl and Alt.
    unsigned Modifiers() const;
    void Clear() { m_down.fill(false); }

private:
    std::array<bool, 256> m_down{};
};

}  // namespace platform
