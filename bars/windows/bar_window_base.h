#pragma once

#include "bars/controls/bar_window.h"
#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"
#include "platform/core/window_handle.h"
#include "platform/qt/canvas.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

namespace bars {

class TcbBarItemLink;
class TcbBarWinControl;
class TCustomcbBarControl;

// What a right click on a link opens while the user customizes; the pop-up windows set it.
using LinkPopupHandler = std::function<void(TcbBarItemLink& link, platform::Point screen)>;
void SetCustomizingPopupHandler(LinkPopupHandler handler);
const LinkPopupHandler& CustomizingPopupHandler();

// Told as a bar window's selection is about to move (to none included): the more-buttons
// drop-down closes itself from here when the mouse went to another bar.
using SelectionMoveHandler = std::function<void(TCustomcbBarControl& window, TcbBarItemControl* control)>;
void SetSelectionMoveHandler(SelectionMoveHandler handler);

// The window shared by toolbars and menus: it owns the item controls of its links, keeps
// one selected control, hot-tracks under the mouse, turns presses and releases into item
// clicks, walks the links with the keyboard and keeps the chain of open bar windows with
// one active window. It never takes the focus: keys come through the framework's hooks.
// Derived windows draw into the window's surface (frame and client area) and lay out.
class TCustomcbBarControl : public QWidget, public IBarWindow {
public:
    explicit TCustomcbBarControl(TcbBarManager& manager, QWidget* parent = nullptr);
    ~TCustomcbBarControl() override;

    TcbBarManager& Manager() const { return m_manager; }
    bool ManagerAlive() const { return !m_managerAlive.isNull(); }
    TcbBarItemLinks* ItemLinks() const { return m_itemLinks; }
    void SetItemLinks(TcbBarItemLinks* links) { m_itemLinks = links; }
    platform::WindowHandle Handle() const;

    // The active bar window: the head of the chain of open bar windows.
    static TCustomcbBarControl* ActiveBarControl();
    static bool IsLive(const TCustomcbBarControl* window);
    // Set once the user expanded a personalized menu; a new chain of open windows starts
    // without it.
    static bool FullMenus();
    static void SetFullMenus(bool value);

    // IBarWindow.
    bool IsMenu() const override { return false; }
    TcbBarDockingStyle DockingStyle() const override { return m_dockingStyle; }
    bool IsBuilding() const override { return m_building; }
    bool IsDestroying() const override { return m_destroying; }
    bool IsActive() const override { return m_active; }
    platform::Rect ClientRect() const override;
    void Rebuild() override {}
    void Relayout() override;
    void RepaintControl(TcbBarItemControl& control) override;
    void PostRebuild() override;
    TcbBarItemControl* SelectedControl() const override { return m_selected; }
    void ClearSelection() override { m_selected = nullptr; }
    platform::Colour ItemBackground() const override { return m_itemBackground; }
    void DropSelectionFor(TcbBarItemControl* next) override;

    // The text metrics: item height from "0" in the window's font and in the manager's bar
    // font (both + 6), three quarters of the first, and twice the width of "0" less 1.
    int ItemHeight() const { return m_itemHeight; }
    int ManagerItemHeight() const { return m_managerItemHeight; }
    int TextHeightThreeQuarters() const { return m_threeQuarters; }
    int DoubleZeroWidth() const { return m_doubleZeroWidth; }
    virtual void CalcMetrics();
    virtual platform::CanvasFont FontHandle() const;
    virtual void UpdateFont();

    virtual void CreateControls();
    void DestroyControls();
    virtual bool CanCustomizeHere() const;
    // The manager customizes (or is designed) and this window is a place to customize in; the
    // framework's own pop-ups are menus of commands even then.
    bool IsCustomizing() const override;
    virtual platform::Rect GetItemRect(const TcbBarItemControl* control) const;
    bool IsParentOf(const TCustomcbBarControl* window) const;
    TcbBarItemControl* ItemAtPos(platform::Point client) const;
    virtual bool IsSamePos(platform::Point screen) const;
    void RepaintSelection(TcbBarItemControl* old);
    virtual void SetDockingStyle(TcbBarDockingStyle side);
    virtual void SetActive(bool active);
    virtual void SelectControl(TcbBarItemControl* control);
    virtual void SetMarkState(int state) { m_markState = state; }
    int MarkState() const { return m_markState; }
    void HotTrack(TcbBarItemControl* control);
    virtual void SetSelected(TcbBarItemControl* control);
    // The selected edit or combo while the user types in it; none otherwise.
    TcbBarWinControl* EditingControl() const;
    virtual void CloseAll();
    // The window tracks a press of its own with the mouse captured (a move, a sizing, a held
    // caption button): clicks elsewhere leave its chain open meanwhile.
    virtual bool RunsOwnLoop() const { return false; }
    // A menu a selected sub item opened closes, the selection goes, and an active window
    // leaves its chain: customizing is switched on or off.
    void CloseMenusAndDeselect();
    const std::string& HintText() const { return m_hintText; }

    TCustomcbBarControl* ParentBarWindow() const { return m_parentBarWindow; }
    void SetParentBarWindow(TCustomcbBarControl* window) { m_parentBarWindow = window; }
    TcbBarItemControl* PressedControl() const { return m_pressedControl; }
    bool PressedIn() const { return m_pressedIn; }
    void SetIgnoreNextRelease() { m_ignoreNextRelease = true; }
    // The client point of the last left-button press.
    platform::Point LastPress() const { return m_pressPoint; }
    platform::Point ClientToScreenPoint(platform::Point client) const;

    // The message handlers, by what they handle; points in client coordinates.
    virtual void LButtonDown(platform::Point client);
    virtual void LButtonUp(platform::Point client);
    virtual void MouseMove(platform::Point client);
    virtual void MouseLeave();
    // The pointer has left the window: its leave tracking ends and it hears of it.
    void MouseLeft();
    // Answers whether the key was taken.
    virtual bool KeyDown(int key);
    // The whole window, frame included, in its surface: what the screen shows.
    const QImage& Surface() const { return m_surface; }
    // Passing marks (the customizing drag's insertion mark) are inverted straight into it.
    QImage& MarkSurface() { return m_surface; }
    // Draws the window again into its surface.
    void Repaint();

protected:
    // The frame's insets and its drawing; none in the base.
    virtual platform::Rect ClientArea() const;
    virtual void PaintFrame(platform::Canvas&) {}
    virtual void PaintClient(platform::Canvas& canvas);
    virtual void CalcLayout() {}
    // The control is drawn clipped to its rectangle.
    virtual void PrepareItemPaint(platform::Canvas& canvas, TcbBarItemControl& control);
    // While customizing, the link whose command the customizing dialog shows is framed.
    void PaintCustomizingSelection(platform::Canvas& canvas, const TcbBarItemControl& control,
                                   const platform::Rect& rect) const;
    virtual int DrawPlace() const { return 0; }
    bool InClient(platform::Point client) const;
    // Mouse and key events of Qt, turned into the handlers above.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Points of the window (frame included) and of the client area.
    platform::Point WindowToClient(platform::Point window) const;
    virtual void WindowPress(platform::Point window, bool doubleClick);
    virtual void WindowRelease(platform::Point window);
    virtual void WindowMove(platform::Point window);

    bool m_destroying = false;
    bool m_building = false;
    TcbBarDockingStyle m_dockingStyle = dsNone;
    TcbBarItemControl* m_pressedControl = nullptr;
    bool m_pressedIn = false;
    bool m_ignoreNextRelease = false;
    bool m_active = false;
    int m_markState = 0;
    TcbBarItemControl* m_selected = nullptr;
    platform::Point m_lastCursor{-1, -1};
    platform::Point m_pressPoint;
    // Taken before each item paint.
    platform::Colour m_itemBackground = platform::SystemColour(platform::COLOR_BTNFACE);
    QImage m_surface;

private:
    bool Selectable(const TcbBarItemControl* control) const;
    // The I-beam over the text part of an edit or combo, else the arrow.
    void UpdateCursor(const TcbBarItemControl* control, platform::Point client);
    void ForgetManagerSelection();
    void KeyWalk(TcbBarItemLink* link);
    bool AcceleratorKey(int key);

    TcbBarManager& m_manager;
    // A window freed later than its manager must not reach back into it.
    QPointer<QObject> m_managerAlive;
    TcbBarItemLinks* m_itemLinks = nullptr;
    TCustomcbBarControl* m_parentBarWindow = nullptr;
    TCustomcbBarControl* m_previousActive = nullptr;
    int m_itemHeight = 0;
    int m_managerItemHeight = 0;
    int m_threeQuarters = 0;
    int m_doubleZeroWidth = 0;
    std::string m_hintText;
    bool m_tabbed = false;
};

}  // namespace bars
