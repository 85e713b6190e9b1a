#pragma once

#include "bars/controls/item_control.h"
#include "bars/edits/bar_combo.h"
#include "bars/extended/bar_calendar.h"

#include <memory>

namespace bars {

class TCustomcbBarComboControl;

// A date field whose drop-down is a month calendar with "Today" and "Clear".
class TcbBarDateCombo : public TCustomcbBarCombo {
public:
    static constexpr const char* kClassName = "TcbBarDateCombo";

    TcbBarDateCombo(TcbBarManager* manager, QWidget* owner);
    ~TcbBarDateCombo() override;

    int Date() const { return m_date; }
    // A day count outside the range of dates is refused.
    void SetDate(int value);
    bool ShowTodayButton() const { return m_showTodayButton; }
    void SetShowTodayButton(bool value) { m_showTodayButton = value; }
    bool ShowClearButton() const { return m_showClearButton; }
    void SetShowClearButton(bool value) { m_showClearButton = value; }
    TcbBarDateNavigator& Calendar();

    // "ddd " and the locale's short date; empty for no date.
    static std::string DateToText(int date);
    // The weekday up to the first blank is skipped; kNoDate when unreadable.
    static int TextToDate(const std::string& text);

    // A text that reads as no date but is not empty is ignored.
    void SetText(const std::string& value) override;
    bool CheckKeyForDropDownWindow(int key, unsigned shift) override;
    IComboDropDown* GetDropDownWindow() override;
    void DropDown(platform::Point screen, const DropDownAnchor& anchor, TcbBarWinControl* control) override;
    void DoClick() override;

private:
    void CalendarChose();

    int m_date;
    bool m_showTodayButton = true;
    bool m_showClearButton = true;
    std::unique_ptr<TcbBarDateNavigator> m_calendar;
    GuardedControl<TCustomcbBarComboControl> m_dropControl;
};

}  // namespace bars
