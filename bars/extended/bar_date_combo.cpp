#include "bars/extended/bar_date_combo.h"

#include "bars/controls/win_control.h"
#include "bars/edits/edit_controls.h"
#include "bars/extended/extended_dialogs.h"
#include "bars/extended/extended_items.h"
#include "bars/extended/item_glyphs.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/virtual_keys.h"

#include <QDate>
#include <QLocale>

namespace bars {

TcbBarDateCombo::TcbBarDateCombo(TcbBarManager* manager, QWidget* owner)
    : TCustomcbBarCombo(manager, owner), m_date(Today()) {
    SetGlyph(ItemGlyph("CBBARDATECOMBO"));
    TCustomcbBarCombo::SetText(DateToText(m_date));
}

TcbBarDateCombo::~TcbBarDateCombo() = default;

std::string TcbBarDateCombo::DateToText(int date) {
    if (!IsValidDate(date)) return {};
    const CalendarDay day = DayOf(date);
    const QDate qdate(day.year, day.month, day.day);
    return (QLocale().dayName(qdate.dayOfWeek(), QLocale::ShortFormat) + ' ').toStdString() + ShortDateText(date);
}

int TcbBarDateCombo::TextToDate(const std::string& text) {
    const auto blank = text.find(' ');
    return ReadShortDate(blank == std::string::npos ? text : text.substr(blank + 1));
}

void TcbBarDateCombo::SetDate(int value) {
    // A day count outside the range of dates names no day: it is refused.
    if (value != kNoDate && !IsValidDate(value)) return;
    m_date = value;
    TCustomcbBarCombo::SetText(DateToText(value));
}

void TcbBarDateCombo::SetText(const std::string& value) {
    const int date = TextToDate(value);
    if (date == kNoDate && !value.empty()) return;
    SetDate(date);
}

TcbBarDateNavigator& TcbBarDateCombo::Calendar() {
    if (!m_calendar) {
        m_calendar = std::make_unique<TcbBarDateNavigator>();
        m_calendar->SetFirstDay(ExtendedFirstDayOfWeek());
        if (BarManager()) m_calendar->SetCalendarFont(BarManager()->BarFont());
        m_calendar->SetDropDownMode(true);
    }
    return *m_calendar;
}

bool TcbBarDateCombo::CheckKeyForDropDownWindow(int key, unsigned shift) {
    if (key == platform::VK_RETURN) return true;
    return TCustomcbBarCombo::CheckKeyForDropDownWindow(key, shift);
}

IComboDropDown* TcbBarDateCombo::GetDropDownWindow() {
    IComboDropDown* window = TCustomcbBarCombo::GetDropDownWindow();
    return window ? window : &Calendar();
}

void TcbBarDateCombo::DropDown(platform::Point screen, const DropDownAnchor& anchor, TcbBarWinControl* control) {
    TcbBarDateNavigator& calendar = Calendar();
    calendar.SetShowToday(m_showTodayButton);
    calendar.SetShowClear(m_showClearButton);
    m_dropControl = GuardedControl<TCustomcbBarComboControl>(dynamic_cast<TCustomcbBarComboControl*>(control));
    calendar.OnDateChosen = [this](TcbBarCustomCalendar&) { CalendarChose(); };
    // The calendar starts from the field's date as typed.
    const std::string field = control && control->Focused() ? control->GetText() : Text();
    const int date = TextToDate(field);
    if (!(date == kNoDate && !field.empty())) calendar.SelectDate(date);
    TCustomcbBarCombo::DropDown(screen, anchor, control);
}

void TcbBarDateCombo::CalendarChose() {
    const int date = m_calendar ? m_calendar->SelStart() : m_date;
    // The field that dropped the calendar may have gone meanwhile (the item hidden, the bar
    // rebuilt): the date is still taken.
    if (TCustomcbBarComboControl* control = m_dropControl.Get()) {
        TcbBarItemLink& source = control->Link().RepresentedLink();
        if (source.Collection()) source.Collection()->UseLink(source, true);
        control->CloseOnChoice();
    }
    SetDate(date);
}

void TcbBarDateCombo::DoClick() {
    TCustomcbBarCombo::DoClick();
    if (OnClick || ReadOnly() || !Dialogs().selectDate) return;
    int date = m_date;
    if (Dialogs().selectDate(date)) SetDate(date);
}

}  // namespace bars
