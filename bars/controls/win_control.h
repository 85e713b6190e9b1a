#pragma once

#include "bars/controls/item_control.h"

#include <QLineEdit>
#include <QPointer>

#include <string>


namespace bars {

// The common base of controls that host an edit window inside their bar window (edit and
// combo items). The edit window lives as long as the control; what it does is the edit
// items' business.
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

    QLineEdit* EditWindow() const { return m_edit.data(); }
    // The whole text, however long: a maximum length of 0 means no limit.
    std::string GetText() const;
    void SetText(const std::string& text);
    bool Focused() const { return m_focused; }
    virtual void SetFocused(bool focused);
    const platform::Rect& EditRect() const { return m_editRect; }
    void SetEditRect(const platform::Rect& rect);

protected:
    virtual void CreateWindowControl();
    virtual void DestroyWindowControl();

private:
    QPointer<QLineEdit> m_edit;
    bool m_focused = false;
    platform::Rect m_editRect;
};

}  // namespace bars
