#pragma once

#include "bars/items/bar_window_item.h"

namespace bars {

// A one-line text field on a bar or in a menu. The field is drawn as a box; an edit window
// covers the box only while the user types in it, and Enter or Tab commit its text.
class TcbBarEdit : public TcbBarWindowItem {
public:
    static constexpr const char* kClassName = "TcbBarEdit";
    static constexpr int kDefaultWidth = 100;

    TcbBarEdit(TcbBarManager* manager, QWidget* owner);

    // 0: no limit; anything below 1 is stored as 0.
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int value) { m_maxLength = value < 1 ? 0 : value; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool value) { m_readOnly = value; }
    int Width() const { return m_width; }
    // Clamped to the item width rule; edit controls without a width of their own re-measure.
    void SetWidth(int value);
    // The combos' ShowEditor is the negation of this.
    bool HidesEditor() const { return m_hidesEditor; }
    void SetHidesEditor(bool value);

    bool CanUseAccelerator(const TcbBarItemLink& link) const override;
    int LinkWidth() const override { return m_width; }

protected:
    virtual void WidthChanged();

private:
    int m_maxLength = 0;
    bool m_readOnly = false;
    int m_width = kDefaultWidth;
    bool m_hidesEditor = false;
};

}  // namespace bars
