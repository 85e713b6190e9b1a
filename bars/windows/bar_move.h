#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"
#include "platform/core/window_handle.h"

namespace bars {

class TcbBarControl;

// The interactive move of a bar, started from its grip or floating caption. While it runs
// the owner form holds the mouse capture and every key and mouse message goes here: a
// move places the bar (docked in the area under the cursor, or floating), Esc or the
// release of the button ends it where the bar was last placed. The manager's docking
// permission decides every placement. One move at a time in the process.
class BarMove {
public:
    static BarMove& Instance();

    // False when the bar may take no side at all (nor float): nothing moves then.
    bool Begin(TcbBarControl& window, platform::Point screen);
    bool IsMoving() const { return m_window != nullptr; }
    TcbBarControl* Window() const { return m_window; }
    platform::Point GrabOffset() const { return m_grab; }

    // Input while the move runs; points in screen coordinates.
    void MouseMoved(platform::Point screen);
    void ButtonReleased();
    // Answers whether the key ends the move (Esc); every key is swallowed meanwhile.
    bool KeyPressed(int key);
    void End();
    // The window is going away.
    void Forget(const TcbBarControl& window);

    // The side a point falls to (dsNone: floating), as the move would choose it.
    TcbBarDockingStyle TargetAt(platform::Point screen) const;
    // Places the bar for the cursor at the point; waiting applies the docking delay.
    void PlaceAt(platform::Point screen, bool allowWait = true);

private:
    BarMove() = default;
    void StopDockingTimer();
    void InstallHooks();
    void RemoveHooks();
    bool StillCaptured() const;
    void MoveFloating(TcbBarControl& window, platform::Point screen) const;

    TcbBarControl* m_window = nullptr;
    platform::Point m_grab;
    platform::Point m_startGrab;
    platform::Size m_startSize;
    platform::Point m_last{-1, -1};
    platform::WindowHandle m_captureWindow = platform::kNoWindow;
    unsigned m_dockingTimer = 0;
    unsigned m_mouseHook = 0;
    unsigned m_keyHook = 0;
};

}  // namespace bars
