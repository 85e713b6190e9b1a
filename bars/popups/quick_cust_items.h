#pragma once

#include "bars/controls/button_control.h"
#include "bars/items/bar_button.h"

namespace bars {

class TcbBar;
class TcbBarItemLink;

// An entry of the "Add or Remove Buttons" list: it stands for one link of a toolbar, shows
// that link's caption, glyph, image, hint and shortcut, and a click shows or hides the link.
// The list stays open, so that several buttons can be changed in a row.
class TcbBarQuickCustItem : public TcbBarButton {
public:
    static constexpr const char* kClassName = "TcbBarQuickCustItem";

    TcbBarQuickCustItem(TcbBarManager* manager, QWidget* owner);

    // Takes the link's looks; the entry forgets it when the link or its bar goes.
    void BindSource(TcbBar& bar, TcbBarItemLink& link);
    // None once the link is gone.
    TcbBarItemLink* SourceLink() const;

    void DoClick() override;

private:
    TcbBar* m_sourceBar = nullptr;
    TcbBarItemLink* m_sourceLink = nullptr;
};

// The list's other entries ("&Reset Toolbar", "&Customize..."): plain buttons whose text
// lines up with the entries' captions after the check-box column.
class TcbBarQuickCustExtButton : public TcbBarButton {
public:
    static constexpr const char* kClassName = "TcbBarQuickCustExtButton";
    using TcbBarButton::TcbBarButton;
};

// The controls draw a square column of the row's height before the usual entry: empty for
// the extended button, a check box ticked while the source link shows for an entry.
class TcbBarQuickCustExtButtonControl : public TcbBarButtonControl {
public:
    using TcbBarButtonControl::TcbBarButtonControl;
    int GetWidth() const override;
    void Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) override;

protected:
    int ColumnWidth() const;
    virtual void DrawColumn(platform::Canvas& canvas, const platform::Rect& column);
};

class TcbBarQuickCustItemControl : public TcbBarQuickCustExtButtonControl {
public:
    using TcbBarQuickCustExtButtonControl::TcbBarQuickCustExtButtonControl;
    void ItemControlClick(bool byMouse) override;

protected:
    void DrawColumn(platform::Canvas& canvas, const platform::Rect& column) override;
};

}  // namespace bars
