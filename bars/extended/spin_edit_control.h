#pragma once

#include "bars/edits/edit_controls.h"
#include "bars/extended/bar_spin_edit.h"

#include <memory>

class QObject;

namespace bars {

// The spin edit's box: the field and, at its right end, the up and down buttons, which step
// once when pressed and repeat while held.
class TcbBarSpinEditControl : public TcbBarEditControl {
public:
    static constexpr unsigned kRepeatInterval = 100;
    static constexpr unsigned kFirstDelayLess = 100;

    explicit TcbBarSpinEditControl(TcbBarItemLink& link);
    ~TcbBarSpinEditControl() override;

    TcbBarSpinEdit* SpinEdit() const;
    void Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) override;
    void BeforeClick(bool byMouse) override;
    void Deactivate(bool immediate) override;
    void SetFocused(bool value) override;

    // The buttons' rectangle of the last drawing, in the bar window; empty without buttons.
    const platform::Rect& ButtonsRect() const { return m_buttonsRect; }
    TcbBarSpinEditButton ButtonAt(platform::Point barClient) const;
    TcbBarSpinEditButton PressedButton() const { return m_pressed; }
    bool ShownPressed() const { return m_shownPressed; }
    // The mouse on the buttons: press (captures and steps), move, release.
    bool PressAt(platform::Point barClient);
    void MouseMoveTo(platform::Point barClient);
    void StopRepeat();

    // The first repeat waits the system's double-click time less 100 ms.
    static unsigned FirstRepeatDelay();

protected:
    bool ControlKeyDown(int key, unsigned shift) override;
    bool ControlKeyPress(char c) override;

private:
    void DrawButton(platform::Canvas& canvas, const platform::Rect& button, int a, int arrowWidth, bool up);
    void StartTimer(unsigned interval);
    void KillTimer();

    TcbBarSpinEditButton m_pressed = sbNone;
    bool m_shownPressed = false;
    unsigned m_timer = 0;
    bool m_repeating = false;
    platform::Rect m_buttonsRect;
    std::unique_ptr<QObject> m_mouseFilter;
};

}  // namespace bars
