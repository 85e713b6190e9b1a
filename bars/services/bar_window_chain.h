#pragma once

#include <set>

namespace bars {

// The live bar windows: every bar window adds itself when created and leaves when destroyed.
// Calls on bar windows that a modal loop may have destroyed are guarded by this test.
class LiveBarWindows {
public:
    static LiveBarWindows& Instance();
    void Add(const void* window) { m_windows.insert(window); }
    void Remove(const void* window) { m_windows.erase(window); }
    // Nothing is never live.
    bool IsLive(const void* window) const { return window != nullptr && m_windows.contains(window); }
    std::size_t Count() const { return m_windows.size(); }

private:
    std::set<const void*> m_windows;
};

inline bool IsLiveBarWindow(const void* window) { return LiveBarWindows::Instance().IsLive(window); }

// The root of a chain of opened bar windows: the opener is followed until a window without
// one, or one that is being destroyed or no longer live. Works on any window type with
// ParentBarWindow() and IsDestroying().
template <class Window>
Window* ChainRoot(Window* window) {
    while (window != nullptr) {
        Window* parent = window->ParentBarWindow();
        if (parent == nullptr || !IsLiveBarWindow(parent) || parent->IsDestroying()) return window;
        window = parent;
    }
    return nullptr;
}

// The root as a toolbar window; nothing when the root is another kind (a menu window).
template <class Toolbar, class Window>
Toolbar* ChainRootToolbar(Window* window) {
    return dynamic_cast<Toolbar*>(ChainRoot(window));
}

}  // namespace bars
