#pragma once

#include "bars/windows/bar_layout.h"
#include "bars/windows/bar_sizes.h"
#include "bars/windows/bar_window_base.h"
#include "bars/windows/caption_buttons.h"
#include "bars/windows/dock_rows.h"
#include "bars/windows/toolbar_frame.h"
#include "platform/core/window_messages.h"

#include <functional>
#include <vector>

namespace bars {

class TcbBarControl;
class TcbDockControl;

// Told when a toolbar's end mark changes state (2 opens the quick-customize pop-up under the
// mark, 0 and 1 close it); the pop-ups set it.
using MarkHandler = std::function<void(TcbBarControl& bar, int state)>;
const MarkHandler& EndMarkHandler();
void SetEndMarkHandler(MarkHandler handler);

// The window of one visible bar: a child of its dock area when docked, a small tool window
// with its own caption when floating. It lays the links out along the bar (group gaps,
// etched separators, the end mark for links that do not fit), draws its frame with the grip
// or caption, runs the keyboard mode of the menu bar and starts the bar move from its grip
// or caption.
class TcbBarControl : public TCustomcbBarControl, public IDockedBar {
public:
    TcbBarControl(TcbBarManager& manager, TcbBar& bar);
    ~TcbBarControl() override;

    TcbBar& Bar() const { return m_bar; }
    BarOrientation Orientation() const;
    bool IsFloating() const { return m_dockingStyle == dsNone; }
    TcbDockControl* DockArea() const;

    // Shows the new window where its bar says: docked in its area, or floating.
    void ShowAtStoredPlace();
    // Saves the window's place into the bar (side, row, position or float values).
    void SavePlace();

    // IBarWindow.
    void Release() override;
    void Rebuild() override;
    void Relayout() override;
    void FontChanged() override;

    void SetDockingStyle(TcbBarDockingStyle side) override;
    void SetActive(bool active) override;
    void SelectControl(TcbBarItemControl* control) override;
    void SetMarkState(int state) override;
    void CloseAll() override;
    bool KeyDown(int key) override;
    platform::Rect GetItemRect(const TcbBarItemControl* control) const override;
    bool CanCustomizeHere() const override;
    platform::CanvasFont FontHandle() const override;
    bool IsSamePos(platform::Point screen) const override;

    // Keyboard mode: the bar holds the selection and the keys; its end gives the focus back
    // to the window that had it and lets the mouse hot-track again.
    void BeginKeyboardMode(TcbBarItemControl* control = nullptr);
    void EndKeyboardMode();
    bool KeyboardOpened() const { return m_keyboardOpened; }
    void SetKeyboardOpened(bool value) { m_keyboardOpened = value; }
    // Menu mode: a menu of this bar was opened; others open as the selection moves.
    bool MenuMode() const { return m_menuMode; }
    void SetMenuMode(bool value) { m_menuMode = value; }

    // The frame and the parts of the bar, in window and client coordinates.
    FrameInsets Insets() const;
    bool HasEndMark() const;
    bool LinksHidden() const { return m_linksHidden; }
    platform::Rect EndMarkRect() const;
    // The caption buttons of a main-menu bar: a maximized MDI child's three, or the manager's
    // close button; none on other bars.
    std::vector<CaptionButton> CaptionButtons() const;
    bool HasCaptionButtons() const { return !CaptionButtons().empty(); }
    // One small caption button, and the caption buttons together.
    platform::Size CaptionButtonSize() const;
    platform::Size CaptionButtonsSize() const;
    // Button `index` of the caption buttons, in client coordinates.
    platform::Rect CaptionButtonRect(int index) const;
    // The same, of `count` caption buttons (as CaptionButtons has them).
    platform::Rect CaptionButtonRect(int index, int count) const;
    // A caption button is held down with the mouse.
    bool CaptionButtonHeld() const { return m_captionButtonTracking; }
    platform::Rect CloseButtonRect() const;  // window coordinates, floating caption
    platform::Rect FloatingMarkRect() const;  // likewise
    // The client size for a floating client width.
    platform::Size FloatingClientSize(int clientWidth) const;
    // The whole window's size for a side: floating takes FloatClientWidth.
    platform::Size SizeForSide(TcbBarDockingStyle side) const;
    // Lays the links out for the present client size.
    void CalcLayout() override;

    // IDockedBar.
    int MinLength() const override;
    int PreferredLength() const override;
    int PreferredThickness() const override;
    int ThicknessFor(int length) const override;
    bool ShowsEndMark() const override;
    bool WholeRow() const override;
    bool UseRestSpace() const override;
    void SetLinksHidden(bool hidden) override;
    platform::Rect Bounds() const override;
    void SetBounds(const platform::Rect& bounds) override;

    // The move of the bar: set while it runs.
    void SetMoving(bool moving) { m_moving = moving; }
    bool IsMoving() const { return m_moving; }
    bool IsSizing() const { return m_sizing != SizingEdge::None; }
    bool RunsOwnLoop() const override {
        return m_moving || IsSizing() || m_closeTracking || m_captionButtonTracking;
    }
    // Makes the window a child of its dock area or a top-level tool window.
    void Reparent(TcbBarDockingStyle side);
    // Double-click on the grip or the floating caption: docked and floating trade places.
    void ToggleDocking();

protected:
    // A floating window has a caption; the more-buttons drop-down is one without.
    bool CaptionPresent() const { return m_captionPresent; }
    void SetCaptionPresent(bool value) { m_captionPresent = value; }
    platform::Rect ClientArea() const override;
    void PaintFrame(platform::Canvas& canvas) override;
    void PaintClient(platform::Canvas& canvas) override;
    int DrawPlace() const override;
    void WindowPress(platform::Point window, bool doubleClick) override;
    void WindowRelease(platform::Point window) override;
    void WindowMove(platform::Point window) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The caption button under a window point (-1: none), enabled ones only when asked.
    int CaptionButtonAt(platform::Point window, bool enabledOnly) const;
    // The same, among the buttons given.
    int CaptionButtonAt(platform::Point window, bool enabledOnly, const std::vector<CaptionButton>& buttons) const;
    // While a caption button is held, the window hears of a cancelled mode or a lost capture:
    // the button lets go without its command.
    void HoldCaptionButton(int index, CaptionButtonKind kind);
    // Released over the button that was pressed, it runs its command.
    void ReleaseCaptionButton(platform::Point window);
    void EndCaptionButtonHold();
    std::intptr_t HeldButtonMessage(const platform::WindowMessage& message);
    void PaintCaptionButtons(platform::Canvas& canvas);
    // The end mark docked, or the caption's on a floating bar; window coordinates.
    bool OverEndMark(platform::Point window) const;
    // A hot floating mark is watched, since the cursor may leave it through the frame.
    void PollMark();
    void StopMarkPoll();
    std::vector<LinkMetrics> Metrics(bool visibleLinks) const;
    BarSizeInput SizeInput(const std::vector<LinkMetrics>& metrics) const;
    int HitTest(platform::Point window) const;
    void PaintSeparators(platform::Canvas& canvas);
    void Resize(SizingEdge edge, platform::Point screen);
    static TcbBarControl* ToolbarUnderCursor();

    TcbBar& m_bar;
    bool m_captionPresent = true;
    bool m_linksHidden = false;
    bool m_keyboardOpened = false;
    bool m_menuMode = false;
    bool m_moving = false;
    bool m_closePressed = false;
    bool m_closeTracking = false;
    bool m_captionButtonTracking = false;
    bool m_captionButtonPressed = false;
    int m_heldCaptionButton = -1;
    CaptionButtonKind m_heldCaptionKind = CaptionButtonKind::Close;
    SizingEdge m_sizing = SizingEdge::None;
    platform::Rect m_sizingStart;
    platform::Point m_sizingPress;
    QPointer<QWidget> m_keyboardFocus;
};

}  // namespace bars
