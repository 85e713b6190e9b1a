#pragma once

#include "bars/menus/menu_geometry.h"
#include "bars/windows/bar_window_base.h"

#include <QImage>

#include <functional>
#include <memory>
#include <vector>

namespace platform {
class RandomGenerator;
}

namespace bars {

class TcbBarSubItemControl;

// Window timers of a menu.
inline constexpr unsigned kMenuScrollTimer = 1;
inline constexpr unsigned kMenuHintExpandTimer = 2;
inline constexpr unsigned kMenuExpandTimer = 3;
inline constexpr unsigned kMenuAnimationTimer = 4;
inline constexpr unsigned kMenuScrollMs = 80;
inline constexpr unsigned kMenuExpandDelayMs = 1000;
inline constexpr unsigned kMenuUntouchedExpandMs = 4000;

// The pop-up window of a menu: the menu of a sub item opened from a bar or another menu.
// It lays its shown links out in one column, places itself beside its opener inside the work
// area, scrolls with arrows when it does not fit, handles the keys of a menu, shows
// personalized menus with their expand row, expands container items into their entries and
// opens with an unfold or slide animation whose frames run on a timer.
class TcbBarSubMenuControl : public TCustomcbBarControl {
public:
    explicit TcbBarSubMenuControl(TcbBarManager& manager);
    ~TcbBarSubMenuControl() override;

    // Before ShowMenu: the requested place, the opener's extent to avoid, the directions
    // and whether to animate.
    void SetRequestedPosition(platform::Point screen) { m_requested = screen; }
    platform::Point RequestedPosition() const { return m_requested; }
    void SetOpenerExtent(int horizontal, int vertical) {
        m_openerWidth = horizontal;
        m_openerHeight = vertical;
    }
    void SetDirections(bool rightward, bool downward) {
        m_rightward = rightward;
        m_downward = downward;
    }
    void SetAnimate(bool value) { m_animate = value; }
    bool Animate() const { return m_animate; }
    // The control that opened the menu: a sub item's, or a drop-down button's. None once
    // that control is gone.
    TcbBarItemControl* OpeningControl() const { return m_openerAlive && *m_openerAlive ? m_openingControl : nullptr; }
    void SetOpeningControl(TcbBarItemControl* control);
    void SetKeyboardOpened(bool value) { m_keyboardOpened = value; }
    bool KeyboardOpened() const { return m_keyboardOpened; }
    TcbBarSubMenuControl* ChildMenu() const;
    void SetChildMenu(TcbBarSubMenuControl* child) { m_childMenu = child; }

    // Creates the controls, places the window and shows it (animating when asked).
    void ShowMenu();
    const MenuPlacement& Placement() const { return m_placement; }

    int TopIndex() const { return m_topIndex; }
    void SetTopIndex(int index);
    bool UpArrowShown() const { return m_topIndex > 0; }
    bool DownArrowShown() const { return m_downArrow; }
    bool HasExpandRow() const;
    // The client rectangles of the arrow rows and of the expand button (empty when absent).
    platform::Rect UpArrowRect() const;
    platform::Rect DownArrowRect() const;
    platform::Rect ExpandButtonRect() const;
    // Nothing is dropped on the scroll arrows or the expand row.
    bool TakesDropAt(platform::Point client) const;
    int ExpandButtonHeight() const;
    // The measured size of the window for its shown links.
    platform::Size MeasuredSize();

    bool IsAnimating() const { return m_animating; }
    // Finishes a running animation at once, at full size.
    void StopAnimation();
    static TcbBarSubMenuControl* AnimatedMenu();

    // Where maRandom draws from (the program's generator); a private one when unset.
    static void SetRandomGenerator(platform::RandomGenerator* random);

    // IBarWindow and the base's operations.
    bool IsMenu() const override { return true; }
    TcbBarItemLink* OpenerLink() const override;
    void Release() override;
    void Rebuild() override;
    void CreateControls() override;
    void CalcLayout() override;
    platform::Rect GetItemRect(const TcbBarItemControl* control) const override;
    bool CanCustomizeHere() const override;
    platform::CanvasFont FontHandle() const override;
    void SetActive(bool active) override;
    void SetSelected(TcbBarItemControl* control) override;
    void SetMarkState(int state) override;
    void CloseAll() override;
    bool KeyDown(int key) override;
    void LButtonDown(platform::Point client) override;
    void MouseMove(platform::Point client) override;

    std::function<void()> OnCloseUp;
    std::function<void()> OnPopup;

protected:
    platform::Rect ClientArea() const override;
    void PaintFrame(platform::Canvas& canvas) override;
    void PaintClient(platform::Canvas& canvas) override;
    void PrepareItemPaint(platform::Canvas& canvas, TcbBarItemControl& control) override;
    int DrawPlace() const override { return 1; }
    void paintEvent(QPaintEvent* event) override;

private:
    struct TakenContainer {
        std::unique_ptr<TcbBarItemLink> link;
        int index = 0;
        int recentIndex = 0;
        int listed = 0;
    };
    MenuLayoutInput LayoutInput(bool measuring) const;
    void ApplyLayout(const MenuLayout& layout);
    void Place();
    void StartAnimation();
    void AnimationTick();
    void FinishAnimation();
    void ExpandContainers();
    void UndoContainerExpansion();
    void Expand();
    // The animation the manager of the chain's root asks for, and whether this showing gets it.
    TcbBarMenuAnimations ChainAnimation() const;
    bool Animates(TcbBarMenuAnimations kind) const;
    void ScrollTick();
    void Scroll(int by);
    void StartScroll(int by);
    // Stopping tells the window of the mouse where it is now, unless the window is closing.
    void StopScroll(bool tellMouse = true);
    void KeepSelectionVisible(TcbBarItemControl* control);
    void ExpandTimer(unsigned id);
    void StartRowExpansion();
    void StopExpandTimer();
    bool RarelyUsed(const TcbBarItemLink& link) const;

    platform::Point m_requested{};
    int m_openerWidth = 0;
    int m_openerHeight = 0;
    bool m_rightward = true;
    bool m_downward = true;
    bool m_animate = false;
    bool m_keyboardOpened = false;
    bool m_recreating = false;
    bool m_expandingContainers = false;
    int m_topIndex = -1;
    int m_laidCount = 0;
    bool m_downArrow = false;
    int m_scrollBy = 0;
    TcbBarItemControl* m_openingControl = nullptr;
    std::shared_ptr<const bool> m_openerAlive;
    TcbBarSubMenuControl* m_childMenu = nullptr;
    MenuPlacement m_placement;
    std::vector<TakenContainer> m_taken;

    bool m_animating = false;
    TcbBarMenuAnimations m_animationKind = maNone;
    std::vector<platform::Size> m_frames;
    std::size_t m_frame = 0;
    QImage m_animationImage;
    bool m_reverseHorizontally = false;
    bool m_reverseVertically = false;
};

}  // namespace bars
