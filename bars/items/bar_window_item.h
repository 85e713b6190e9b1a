#pragma once

#include "bars/items/bar_item.h"

#include <functional>

namespace bars {

class TcbBarWinControl;

// The base of items whose control hosts an edit window (edits and combos): a text and the
// events of the edit. Their own click never runs.
class TcbBarWindowItem : public TcbBarItem {
public:
    using KeyEvent = std::function<void(TcbBarWindowItem& item, int& key, unsigned shift)>;
    using KeyPressEvent = std::function<void(TcbBarWindowItem& item, char& key)>;

    TcbBarWindowItem(TcbBarManager* manager, QWidget* owner);

    const std::string& Text() const { return m_text; }
    // A new text repaints the controls before and after OnChange.
    virtual void SetText(const std::string& value);
    // What the user sees now: the open field's text while a control of the item is active,
    // else Text (OnCurChange reads what is typed here). Setting it writes into the open field,
    // not yet committed, or else goes to SetText.
    std::string CurText() const;
    void SetCurText(const std::string& value);
    // The control whose field is open; none while every field is closed.
    TcbBarWinControl* OpenField() const;

    bool IsClickable() const override { return false; }

    void DoChange();
    void DoCurChange();
    void DoEnter();
    void DoExit();
    void KeyDown(int& key, unsigned shift);
    void KeyPress(char& key);
    void KeyUp(int& key, unsigned shift);

    platform::NotifyEvent OnChange;
    platform::NotifyEvent OnCurChange;
    platform::NotifyEvent OnEnter;
    platform::NotifyEvent OnExit;
    KeyEvent OnKeyDown;
    KeyPressEvent OnKeyPress;
    KeyEvent OnKeyUp;

private:
    std::string m_text;
};

}  // namespace bars
