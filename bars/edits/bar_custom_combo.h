#pragma once

#include "bars/edits/bar_combo.h"
#include "bars/edits/combo_list.h"

#include <memory>
#include <string>
#include <vector>

namespace bars {

class TcbBarComboControl;

// The order in which a reader looks names up: the locale's, case ignored.
bool ReaderLess(const std::string& a, const std::string& b);

// Owner-drawing states of a list entry.
enum TcbBarOwnerDrawState : unsigned { odsSelected = 1, odsFocus = 2 };

// A combo whose drop-down is a list of strings; typing completes from the list.
class TcbBarCustomCombo : public TCustomcbBarCombo {
public:
    static constexpr const char* kClassName = "TcbBarCustomCombo";
    using DrawItemEvent = std::function<void(TcbBarCustomCombo& item, platform::Canvas& canvas, int index,
                                             const platform::Rect& rect, unsigned state)>;
    using MeasureItemEvent = std::function<void(TcbBarCustomCombo& item, int index, int& height)>;

    TcbBarCustomCombo(TcbBarManager* manager, QWidget* owner);
    ~TcbBarCustomCombo() override;

    int DropDownCount() const { return m_dropDownCount; }
    void SetDropDownCount(int value) { m_dropDownCount = value; }
    int DropDownWidth() const { return m_dropDownWidth; }
    void SetDropDownWidth(int value) { m_dropDownWidth = value; }
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int value) { m_itemHeight = value; }
    const std::vector<std::string>& Items() const { return m_items; }
    void SetItems(std::vector<std::string> items);
    void AddItem(const std::string& entry);
    int ItemIndex() const { return m_itemIndex; }
    virtual void SetItemIndex(int value);
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool value);
    void SetText(const std::string& value) override;
    TcbBarComboList& List() { return m_list; }

    bool CheckKeyForDropDownWindow(int key, unsigned shift) override;
    void DrawValue(platform::Canvas& canvas, const platform::Rect& rect, const TcbBarWinControl* control) override;
    IComboDropDown* GetDropDownWindow() override;
    void DropDown(platform::Point screen, const DropDownAnchor& anchor, TcbBarWinControl* control) override;

    virtual void DrawItem(platform::Canvas& canvas, int index, const platform::Rect& rect, unsigned state);
    // The list's width for the control being edited (its width in pixels).
    virtual int GetDropDownWidth(int controlWidth);
    virtual void MeasureItem(int index, int& height);
    virtual void MeasureItemWidth(int index, int& width);

    // The open field's text changed: the control's current index follows by prefix and the
    // open list shows it.
    void SyncList(TcbBarComboControl& control, const std::string& fieldText);
    // The user picked an entry in the open list: the open field shows it, the list closes.
    void ListPicked(int index);
    // The list's selection moved: the dropped-down control shows that entry as its current one.
    void ListSelected(int index);

    DrawItemEvent OnDrawItem;
    MeasureItemEvent OnMeasureItem;

private:
    bool InRange(int index) const { return index >= 0 && index < static_cast<int>(m_items.size()); }
    void ItemsChanged();
    std::string EntryText(int index) const { return InRange(index) ? m_items[static_cast<std::size_t>(index)] : ""; }

    int m_dropDownCount = 8;
    int m_dropDownWidth = 0;
    int m_itemHeight = 0;
    std::vector<std::string> m_items;
    int m_itemIndex = -1;
    bool m_sorted = false;
    TcbBarComboList m_list{*this};
};

// The combo the customizing dialog and forms use.
class TcbBarCombo : public TcbBarCustomCombo {
public:
    static constexpr const char* kClassName = "TcbBarCombo";
    using TcbBarCustomCombo::TcbBarCustomCombo;
};

}  // namespace bars
