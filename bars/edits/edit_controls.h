#pragma once

#include "bars/controls/win_control.h"

namespace bars {

class TcbBarEdit;
class TCustomcbBarCombo;
class TcbBarCustomCombo;

// The box of an edit item: in a menu its caption first, then the field.
class TcbBarEditControl : public TcbBarWinControl {
public:
    static constexpr int kCaptionMargin = 2;
    static constexpr int kCaptionGap = 4;

    explicit TcbBarEditControl(TcbBarItemLink& link);

    TcbBarEdit* Edit() const;
    int GetWidth() const override;
    int GetHeight() const override;
    void Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) override;
    void CaptionChanged() override { RelayoutWindow(); }
    void SetFocused(bool value) override;

protected:
    bool ControlKeyDown(int key, unsigned shift) override;
    // Enter and Tab put the field's text into the item.
    virtual void Commit();
    // The box without the caption of a menu entry.
    platform::Rect BoxRect(const platform::Rect& rect, int place) const;
    // The part of the box inside its frames, where the value shows.
    virtual platform::Rect ValueRect(const platform::Rect& box) const;
    virtual void DrawValue(platform::Canvas& canvas, const platform::Rect& rect);
    int CaptionWidth() const;
};

// A combo's box: the field and the arrow part that drops the window down.
class TCustomcbBarComboControl : public TcbBarEditControl {
public:
    static constexpr int kArrowPartWidth = 11;

    explicit TCustomcbBarComboControl(TcbBarItemLink& link);
    // An open drop-down closes with its field: nothing may click through to a freed control.
    ~TCustomcbBarComboControl() override;

    TCustomcbBarCombo* Combo() const;
    bool DroppedDown() const { return m_droppedDown; }
    void SetDroppedDown(bool value);
    // A field's drop-down is open somewhere: no hint may cover it.
    static bool AnyDroppedDown();
    void Deactivate(bool immediate) override;
    void BeforeClick(bool byMouse) override;
    void Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) override;
    // The box rectangle of the last drawing, in client coordinates.
    const platform::Rect& Box() const { return m_box; }
    platform::Rect ArrowRect() const;
    // A value was chosen in the drop-down (a list entry, a day, a node): the drop-down, the
    // field and the menus close as with Enter.
    void CloseOnChoice();

protected:
    bool ControlKeyDown(int key, unsigned shift) override;
    platform::Rect ValueRect(const platform::Rect& box) const override;
    void DrawValue(platform::Canvas& canvas, const platform::Rect& rect) override;

private:
    bool m_droppedDown = false;
    platform::Rect m_box;
};

// A list combo's box: Up and Down walk the list while it is closed.
class TcbBarComboControl : public TCustomcbBarComboControl {
public:
    explicit TcbBarComboControl(TcbBarItemLink& link);

    TcbBarCustomCombo* ListCombo() const;
    int CurrentIndex() const { return m_currentIndex; }
    void SetCurrentIndex(int index) { m_currentIndex = index; }
    void SetFocused(bool value) override;

protected:
    bool ControlKeyDown(int key, unsigned shift) override;
    void Commit() override;
    void FieldChanged() override;

private:
    int m_currentIndex = -1;
};

class TcbBarItemClassRegistry;
// The edit and combo item classes with their controls, in the framework's order.
void RegisterEditItemClasses(TcbBarItemClassRegistry& registry);

}  // namespace bars
