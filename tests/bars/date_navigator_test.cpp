#include "bars/extended/bar_calendar.h"
#include "bars/extended/bar_date_combo.h"
#include "bars/extended/month_list.h"
#include "platform/core/timer_service.h"
#include "bars/manager/bar_manager.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QWidget>

#include <limits>

namespace bars::testing {
namespace {

int D(int y, int m, int d) { return DateOf(y, m, d); }

// A drop-down calendar's client area lies inside its dialog frame and its one-pixel border.
const int kDropDownInset = platform::SystemMetric(platform::SM_CXDLGFRAME) + 1;

class NavigatorTest : public ::testing::Test {
protected:
    NavigatorTest() {
        nav.SetFirstDay(1);  // Monday
        nav.SetDropDownMode(true);
        nav.SetShowClear(true);
        nav.OnDateChosen = [this](TcbBarCustomCalendar&) { ++chosen; };
    }
    void ShowMonth(int y, int m, int selected) {
        nav.SetFirstDate(D(y, m, 1));
        nav.SelectDate(selected);
    }
    platform::Point CentreOf(int date) const {
        const int index = date - nav.FirstShownDate();
        const platform::Rect r = nav.CellRect(index / 7, index % 7);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    CalendarDay Shown() const { return DayOf(nav.FirstDate()); }

    platform::VirtualTimerService timers;
    platform::ScopedTimerService scope{timers};
    TcbBarDateNavigator nav;
    int chosen = 0;
};

TEST_F(NavigatorTest, PageUpShowsTheMonthBeforeTheNewSelection) {
    ShowMonth(2026, 3, D(2026, 3, 2));
    ASSERT_EQ(Shown(), (CalendarDay{2026, 3, 1}));
    nav.KeyDown(platform::VK_PRIOR, 0);
    EXPECT_EQ(nav.SelStart(), D(2026, 2, 2));
    EXPECT_EQ(Shown(), (CalendarDay{2026, 1, 1}));
    EXPECT_LE(D(2026, 2, 2), nav.LastShownDate());
}

TEST_F(NavigatorTest, LeftFromTheFirstCellShowsThatDaysMonth) {
    ShowMonth(2026, 3, D(2026, 2, 23));
    ASSERT_EQ(Shown(), (CalendarDay{2026, 3, 1}));
    nav.KeyDown(platform::VK_LEFT, 0);
    EXPECT_EQ(nav.SelStart(), D(2026, 2, 22));
    EXPECT_EQ(Shown(), (CalendarDay{2026, 2, 1}));
}

TEST_F(NavigatorTest, CtrlShiftEndActsAsEnd) {
    ShowMonth(2026, 3, D(2026, 3, 4));
    nav.KeyDown(platform::VK_END, platform::kShiftCtrl | platform::kShiftShift);
    EXPECT_EQ(nav.SelStart(), D(2026, 3, 8));
    nav.KeyDown(platform::VK_END, platform::kShiftCtrl);
    EXPECT_EQ(nav.SelStart(), D(2026, 3, 31));
}

TEST_F(NavigatorTest, KeysWithoutADateStartFromToday) {
    nav.SelectDate(kNoDate);
    nav.KeyDown(platform::VK_RIGHT, 0);
    EXPECT_EQ(nav.SelStart(), Today() + 1);
}

TEST_F(NavigatorTest, AGreyDayOfTheNextMonthIsSelectedWithoutChangingTheMonth) {
    ShowMonth(2026, 3, D(2026, 3, 2));
    const platform::Point april = CentreOf(D(2026, 4, 2));
    nav.LButtonDown(april, false);
    nav.LButtonUp(april, false);
    EXPECT_EQ(nav.SelStart(), D(2026, 4, 2));
    EXPECT_EQ(Shown(), (CalendarDay{2026, 3, 1}));
    EXPECT_EQ(chosen, 1);
}

TEST_F(NavigatorTest, PressDragOutAndReleaseGiveTheEarlierSelectionBack) {
    ShowMonth(2026, 3, D(2026, 3, 2));
    nav.LButtonDown(CentreOf(D(2026, 3, 10)), false);
    EXPECT_EQ(nav.SelStart(), D(2026, 3, 10));
    nav.MouseMove({-5, -5}, true);
    nav.LButtonUp({-5, -5}, false);
    EXPECT_EQ(nav.SelStart(), D(2026, 3, 2));
    EXPECT_EQ(chosen, 0);
}

TEST_F(NavigatorTest, TodayPressedAndReleasedOffItChangesNothing) {
    ShowMonth(2026, 3, D(2026, 3, 2));
    const platform::Rect today = nav.TodayButtonRect();
    ASSERT_GT(today.Width(), 0);
    nav.LButtonDown({today.left + 2, today.top + 2}, false);
    nav.MouseMove({today.left - 20, today.top - 20}, true);
    nav.LButtonUp({today.left - 20, today.top - 20}, false);
    EXPECT_EQ(nav.SelStart(), D(2026, 3, 2));
    EXPECT_EQ(chosen, 0);
    const platform::Rect clear = nav.ClearButtonRect();
    nav.LButtonDown({clear.left + 2, clear.top + 2}, false);
    nav.LButtonUp({clear.left + 2, clear.top + 2}, false);
    EXPECT_EQ(nav.SelStart(), kNoDate);
    EXPECT_EQ(chosen, 1);
}

TEST_F(NavigatorTest, AHeldArrowRepeatsEvery170Milliseconds) {
    ShowMonth(2026, 3, D(2026, 3, 2));
    const platform::Rect arrow = nav.RightArrowRect();
    const platform::Point on{(arrow.left + arrow.right) / 2, (arrow.top + arrow.bottom) / 2};
    nav.LButtonDown(on, false);
    EXPECT_EQ(Shown().month, 4);
    timers.Advance(169);
    EXPECT_EQ(Shown().month, 4);
    timers.Advance(1 + 170);
    EXPECT_EQ(Shown().month, 6);
    nav.LButtonUp(on, false);
    EXPECT_FALSE(nav.ArrowTimerRunning());
    EXPECT_EQ(nav.SelStart(), D(2026, 3, 2)) << "stepping the month keeps the selection";
}

TEST_F(NavigatorTest, HiddenButtonsLeaveNoStrip) {
    const int withStrip = nav.WantedSize().height;
    nav.SetShowToday(false);
    nav.SetShowClear(false);
    EXPECT_EQ(nav.WantedSize().height, withStrip - nav.GetMetrics().stripHeight);
    const int clientHeight = nav.height() - 2 * kDropDownInset;
    EXPECT_EQ(nav.PartAt({nav.width() / 2, clientHeight - 2}), TcbBarDateNavigator::Part::Day);
}

TEST(NavigatorFrame, TheBorderIsOneSunkenPixelAndWithoutItTheClientEdgeIsTwo) {
    using platform::SystemColour;
    TcbBarDateNavigator nav;
    auto pixel = [&nav](int x, int y) {
        const QRgb c = nav.grab().toImage().pixel(x, y);
        return platform::Rgb(qRed(c), qGreen(c), qBlue(c));
    };
    const int w = nav.width(), h = nav.height();
    EXPECT_EQ(w, nav.WantedSize().width);
    EXPECT_EQ(pixel(0, 0), SystemColour(platform::COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(w - 1, h - 1), SystemColour(platform::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(pixel(1, 1), SystemColour(platform::COLOR_BTNHIGHLIGHT)) << "the header's raised edge starts inside";

    nav.SetBorder(false);
    EXPECT_EQ(nav.width(), w + 2);
    EXPECT_EQ(pixel(0, 0), SystemColour(platform::COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(1, 1), SystemColour(platform::COLOR_3DDKSHADOW));
    EXPECT_EQ(pixel(w, h), SystemColour(platform::COLOR_3DLIGHT));
    EXPECT_EQ(pixel(w + 1, h + 1), SystemColour(platform::COLOR_BTNHIGHLIGHT));
}

TEST(NavigatorFrame, TheDropDownHasADialogFrameAroundItsBorder) {
    using platform::SystemColour;
    TcbBarDateNavigator nav;
    const int plain = nav.width();
    nav.SetDropDownMode(true);
    const int frame = platform::SystemMetric(platform::SM_CXDLGFRAME);
    EXPECT_EQ(nav.width(), plain + 2 * frame);
    const QImage shot = nav.grab().toImage();
    const auto pixel = [&shot](int x, int y) {
        const QRgb c = shot.pixel(x, y);
        return platform::Rgb(qRed(c), qGreen(c), qBlue(c));
    };
    const int w = nav.width(), h = nav.height();
    EXPECT_EQ(pixel(0, 0), SystemColour(platform::COLOR_3DLIGHT));
    EXPECT_EQ(pixel(1, 1), SystemColour(platform::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(pixel(w - 1, h - 1), SystemColour(platform::COLOR_3DDKSHADOW));
    EXPECT_EQ(pixel(w - 2, h - 2), SystemColour(platform::COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(frame - 1, h / 2), SystemColour(platform::COLOR_BTNFACE));
    EXPECT_EQ(pixel(frame, frame), SystemColour(platform::COLOR_BTNSHADOW)) << "the border inside it";
}

TEST(DialogCalendar, ADoubleClickOnADayIsTheDialogsOk) {
    TcbBarDateNavigator nav;
    nav.SetBorder(false);
    nav.SetFirstDate(D(2026, 3, 1));
    int chosen = 0, doubled = 0;
    nav.OnDateChosen = [&](TcbBarCustomCalendar&) { ++chosen; };
    nav.OnDayDoubleClick = [&](TcbBarCustomCalendar&) { ++doubled; };
    const platform::Rect cell = nav.CellRect(2, 3);
    const platform::Point p{cell.left + 2, cell.top + 2};
    nav.LButtonDown(p, false);
    nav.LButtonUp(p, false);
    nav.LButtonDown(p, true);
    nav.LButtonUp(p, true);
    EXPECT_EQ(doubled, 1);
    EXPECT_EQ(chosen, 1);
    EXPECT_FALSE(nav.KeyDown(platform::VK_LEFT, 0)) << "keys belong to the drop-down only";
}

TEST(MonthList, ScrollsFasterFurtherFromTheList) {
    EXPECT_EQ(TAMonthListBox::ScrollInterval(0, 15), 0u);
    EXPECT_EQ(TAMonthListBox::ScrollInterval(10, 15), 500u);
    EXPECT_EQ(TAMonthListBox::ScrollInterval(20, 15), 250u);
    EXPECT_EQ(TAMonthListBox::ScrollInterval(40, 15), 100u);
}

TEST(DateComboText, NoDateShowsAnEmptyFieldAndTextsRoundTrip) {
    QWidget form;
    TcbBarManager manager(&form);
    auto& combo = manager.CreateItem<TcbBarDateCombo>("dcWhen");
    EXPECT_EQ(combo.Date(), Today());
    combo.SetDate(kNoDate);
    EXPECT_EQ(combo.Text(), "");
    combo.SetDate(D(2026, 3, 4));
    EXPECT_EQ(TcbBarDateCombo::TextToDate(combo.Text()), D(2026, 3, 4));
    combo.SetText("nonsense");  // unreadable and not empty: ignored
    EXPECT_EQ(combo.Date(), D(2026, 3, 4));
    combo.SetText("");
    EXPECT_EQ(combo.Date(), kNoDate);
}

TEST_F(NavigatorTest, EveryTextLiesOnItsOwnFillWithoutAWhiteBox) {
    using platform::SystemColour;
    ShowMonth(2026, 3, D(2026, 3, 18));
    const QImage shot = nav.grab().toImage();
    // Pixels of one colour in a client rectangle.
    const auto count = [&shot](const platform::Rect& r, platform::Colour colour) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const QRgb c = shot.pixel(x + kDropDownInset, y + kDropDownInset);
                n += platform::Rgb(qRed(c), qGreen(c), qBlue(c)) == colour ? 1 : 0;
            }
        return n;
    };
    const platform::Colour white = SystemColour(platform::COLOR_WINDOW);
    const int index = D(2026, 3, 18) - nav.FirstShownDate();
    const platform::Rect selected = nav.CellRect(index / 7, index % 7);
    // The selected day's digits, in the highlight-text colour, on the button face around them.
    const int digits = count(selected, SystemColour(platform::COLOR_HIGHLIGHTTEXT));
    EXPECT_GT(digits, 0);
    EXPECT_GT(count(selected, SystemColour(platform::COLOR_BTNFACE)), 2 * digits);
    EXPECT_EQ(count(nav.MonthNameRect(), white), 0) << "the month caption";
    for (const platform::Rect& button : {nav.TodayButtonRect(), nav.ClearButtonRect()}) {
        const platform::Rect inside{button.left + 2, button.top + 2, button.right - 2, button.bottom - 2};
        EXPECT_EQ(count(inside, white), 0) << "a button's caption";
    }
}

TEST_F(NavigatorTest, DatesBeyondTheRangeOfDatesAreRefused) {
    ShowMonth(9999, 12, D(9999, 12, 31));
    nav.KeyDown(platform::VK_RIGHT, 0);
    nav.StepMonth(1);
    nav.SelectDate(std::numeric_limits<int>::max());
    EXPECT_EQ(nav.SelStart(), D(9999, 12, 31));
    EXPECT_EQ(Shown(), (CalendarDay{9999, 12, 1}));

    QWidget form;
    TcbBarManager manager(&form);
    auto& combo = manager.CreateItem<TcbBarDateCombo>("dcFar");
    combo.SetDate(D(2026, 3, 4));
    const std::string text = combo.Text();
    for (int far : {std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), kLastValidDate + 1}) {
        combo.SetDate(far);
        EXPECT_EQ(combo.Date(), D(2026, 3, 4));
        EXPECT_EQ(combo.Text(), text);
    }
    combo.SetDate(kLastValidDate);
    EXPECT_EQ(DayOf(combo.Date()), (CalendarDay{9999, 12, 31}));
    EXPECT_GT(DayOf(std::numeric_limits<int>::max()).year, 5000000) << "taken apart without overflow";
}

TEST(DateComboText, TheFieldShowsAndReadsTheLocalesShortDate) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const int date = D(2026, 3, 5);
    EXPECT_EQ(TcbBarDateCombo::DateToText(date), "Thu 3/5/26");
    EXPECT_EQ(TcbBarDateCombo::TextToDate("Thu 3/5/26"), date);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(TcbBarDateCombo::TextToDate(TcbBarDateCombo::DateToText(date)), date);
    EXPECT_EQ(TcbBarDateCombo::TextToDate("Mo. 31.02.26"), kNoDate);
    QLocale::setDefault(previous);
    // Fields in the format's order, any separators, a year of two digits near this one.
    EXPECT_EQ(ReadDateInFormat("05.03.26", "dd.MM.yy", 2026), date);
    EXPECT_EQ(ReadDateInFormat("5-3-2026", "d/M/yyyy", 2026), date);
    EXPECT_EQ(ReadDateInFormat("3/5/80", "M/d/yy", 2026), D(1980, 3, 5));
    EXPECT_EQ(ReadDateInFormat("3/5/75", "M/d/yy", 2026), D(2075, 3, 5));
    EXPECT_EQ(ReadDateInFormat("3/5", "M/d/yy", 2026), date) << "no year: this one";
    EXPECT_EQ(ReadDateInFormat("3/5/26/1", "M/d/yy", 2026), kNoDate);
    EXPECT_EQ(ReadDateInFormat("13/5/26", "M/d/yy", 2026), kNoDate);
}

}  // namespace
}  // namespace bars::testing
