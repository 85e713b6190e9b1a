#pragma once

#include "bars/controls/item_control.h"

#include <QLineEdit>
#include <QPointer>

#include <memory>
#include <string>

class QEvent;
class QFocusEvent;
class QMouseEvent;
class QLineEdit;
class QWidget;

namespace bars {

class TCustomcbBarControl;
class TcbBarWindowItem;
class TypingLimit;

// The control of items that are edited in a real edit window (edits and combos). The field
// is drawn as a box; while the user works in it, the edit window covers the box and takes
// the keys. Enter and Esc end the editing, Tab moves on along the bar.
class TcbBarWinControl : public TcbBarItemControl {
public:
    explicit TcbBarWinControl(TcbBarItemLink& link);
    ~TcbBarWinControl() override;

    bool IsWindowControl() const override { return true; }
    // In a turned vertical bar a window item shows as a button and clicks as one.
    bool RunsItemClick() const override;
    bool ClosesMenusOnClick() const override { return false; }
    void Deactivate(bool immediate) override;
    void BeforeClick(bool byMouse) override;

    TcbBarWindowItem* WindowItem() const;
    TCustomcbBarControl* Window() const;
    bool Focused() const { return m_focused; }
    virtual void SetFocused(bool value);
    // The whole text, however long: a maximum length of 0 means no limit.
    std::string GetText() const;
    // Sets the edit window's text (selected whole) without OnCurChange.
    virtual void SetText(const std::string& text);
    // Where the edit window goes, in the bar window's client coordinates; set by Draw.
    const platform::Rect& EditRect() const { return m_editRect; }
    void SetEditRect(const platform::Rect& rect) { m_editRect = rect; }
    QLineEdit* EditWindow() const { return m_edit.data(); }
    // At most this many characters typed into the field; 0 is no limit.
    void SetTypingLimit(int limit);

    // The edit window's message handler: true swallows the event.
    bool EditEvent(QEvent& event);

protected:
    virtual void CreateWindowControl();
    virtual void DestroyWindowControl();
    // Keys for the concrete control, after the item's own key events: true when taken.
    virtual bool ControlKeyDown(int key, unsigned shift);
    // A typed character after the item's OnKeyPress: false discards it.
    virtual bool ControlKeyPress(char) { return true; }
    // The open field's text changed by the user (OnCurChange has fired).
    virtual void FieldChanged() {}
    // Ends the editing as Enter or Esc do.
    void EndEditing(bool cancel);

private:
    void PlaceEditWindow();
    // Alt combinations and F10 the field leaves to the program's shortcuts.
    bool SystemKey(int key, unsigned shift);
    void FocusLost(const QFocusEvent& event);
    bool MouseEvent(const QMouseEvent& event);

    // Guarded: the bar window may free its children first.
    QPointer<QLineEdit> m_edit;
    QPointer<TypingLimit> m_typingLimit;
    std::unique_ptr<QObject> m_filter;
    QPointer<QWidget> m_previousFocus;
    platform::Rect m_editRect;
    bool m_focused = false;
    bool m_settingText = false;
};

}  // namespace bars
