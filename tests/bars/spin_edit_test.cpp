#include "bars/extended/bar_spin_edit.h"
#include "bars/extended/spin_edit_control.h"
#include "platform/core/system_colours.h"
#include "platform/core/timer_service.h"
#include "tests/bars/windows_fixture.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QWidget>

#include <cmath>

namespace bars::testing {
namespace {

class SpinEditRules : public ::testing::Test {
protected:
    QWidget form;
    TcbBarManager manager{&form};
    TcbBarSpinEdit& spin = manager.CreateItem<TcbBarSpinEdit>("seCount");
};

TEST_F(SpinEditRules, StartsAtZeroAndKeepsTextsInsideTheLimits) {
    EXPECT_EQ(spin.Text(), "0");
    spin.SetMaxValue(10);
    spin.SetText("15");
    EXPECT_EQ(spin.Text(), "10");
    spin.SetText("abc");  // unreadable: the value stays
    EXPECT_EQ(spin.Text(), "10");
    EXPECT_FALSE(spin.AcceptsChar('-'));
    spin.SetMinValue(-5);
    EXPECT_TRUE(spin.AcceptsChar('-'));
    EXPECT_FALSE(spin.AcceptsChar('.'));
    EXPECT_FALSE(spin.AcceptsChar('x'));
}

TEST_F(SpinEditRules, IntegersAreTruncatedTowardZero) {
    spin.SetValue(2.7);
    EXPECT_EQ(spin.Text(), "2");
    spin.SetValue(-2.7);
    EXPECT_EQ(spin.Text(), "-2");
}

TEST_F(SpinEditRules, NumbersBeyondWhatTheFieldReadsAreClampedOrRefused) {
    // Integers are read in 32 bits: a larger value is the largest one the field reads back.
    spin.SetValue(1e12 + 0.5);
    EXPECT_EQ(spin.Text(), "2147483647");
    EXPECT_EQ(spin.Value(), 2147483647);
    spin.SetValue(-1e300);
    EXPECT_EQ(spin.Text(), "-2147483648");
    spin.SetText("1e300");
    EXPECT_EQ(spin.Text(), "2147483647");
    spin.SetValueType(svtFloat);
    spin.SetValue(1e300);
    EXPECT_EQ(spin.Text(), "1e+300");
    EXPECT_EQ(spin.Value(), 1e300);
    for (double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        spin.SetValue(bad);
        spin.SetMaxValue(bad);
        spin.SetIncrement(bad);
    }
    EXPECT_EQ(spin.Text(), "1e+300");
    EXPECT_EQ(spin.MaxValue(), 0);
    EXPECT_EQ(spin.Increment(), 1);
}

TEST_F(SpinEditRules, AFloatFieldShowsTypesAndReadsTheLocalesDecimalSeparator) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    spin.SetValueType(svtFloat);
    spin.SetValue(2.5);
    EXPECT_EQ(spin.Text(), "2,5");
    EXPECT_EQ(spin.Value(), 2.5);
    EXPECT_TRUE(spin.AcceptsChar(','));
    EXPECT_FALSE(spin.AcceptsChar('.'));
    spin.SetText("3,75");
    EXPECT_EQ(spin.Value(), 3.75);
    spin.SetText("1.5");  // no number in this locale: the value stays
    EXPECT_EQ(spin.Text(), "3,75");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(spin.Value(), 0) << "3,75 is no number here";
    spin.SetText("3.75");
    EXPECT_EQ(spin.Text(), "3.75");
    EXPECT_TRUE(spin.AcceptsChar('.'));
    QLocale::setDefault(previous);
}

TEST(SpinEditTimers, AManagerBringsTheTimerServiceThatHoldToRepeatRunsOn) {
    platform::ITimerService* before = platform::InstallTimerService(nullptr);
    {
        QWidget form;
        TcbBarManager manager(&form);
        EXPECT_NE(platform::InstalledTimerService(), nullptr);
    }
    platform::InstallTimerService(before);
}

TEST_F(SpinEditRules, SwitchingToIntegersMakesValueAndIncrementWhole) {
    spin.SetValueType(svtFloat);
    spin.SetText("2.5");
    spin.SetIncrement(0.5);
    EXPECT_EQ(spin.Text(), "2.5");
    spin.SetValueType(svtInteger);
    EXPECT_EQ(spin.Text(), "2");
    EXPECT_EQ(spin.Increment(), 1);
    spin.SetValueType(svtFloat);
    EXPECT_EQ(spin.Text(), "2");
    EXPECT_EQ(spin.Increment(), 1);
}

TEST_F(SpinEditRules, AMaximumBelowTheMinimumLowersIt) {
    spin.SetMinValue(5);
    spin.SetMaxValue(20);
    spin.SetValue(12);
    spin.SetMaxValue(3);
    EXPECT_EQ(spin.MinValue(), 3);
    EXPECT_EQ(spin.Text(), "3");
}

TEST_F(SpinEditRules, PrefixIsShownAndReadBack) {
    spin.SetPrefix(" px");
    spin.SetValue(7);
    EXPECT_EQ(spin.Text(), "7 px");
    EXPECT_EQ(spin.Value(), 7);
    spin.SetPrefixPlace(ppStart);
    EXPECT_EQ(spin.Text(), " px7");
}

TEST(SpinButtons, A22PixelFieldGets19PixelButtonsFrom40PixelsWide) {
    const SpinButtonsLayout wide = LayoutSpinButtons({0, 0, 40, 22});
    ASSERT_TRUE(wide.shown);
    EXPECT_EQ(wide.strip.Width(), 19);
    EXPECT_EQ(wide.arrowWidth, 7);
    EXPECT_EQ(wide.a, 4);
    EXPECT_EQ(wide.field.right, 21);
    EXPECT_EQ(wide.up.Height(), 11);
    EXPECT_FALSE(LayoutSpinButtons({0, 0, 39, 22}).shown);
    // A field too low or too narrow never gets a button rectangle turned inside out.
    for (const platform::Rect r : {platform::Rect{0, 0, 40, 0}, platform::Rect{0, 0, 10, 3}, platform::Rect{0, 0, 0, 0}}) {
        const SpinButtonsLayout none = LayoutSpinButtons(r);
        EXPECT_FALSE(none.shown);
        EXPECT_EQ(none.field, r);
    }
}

class SpinEditWindow : public WindowsTest {
protected:
    SpinEditWindow() {
        spin = &manager->CreateItem<TcbBarSpinEdit>("seSize");
        spin->SetWidth(60);
        spin->SetMaxValue(100);
        TcbBar& bar = MakeBar("Spin", dsTop, 0);
        bar.ItemLinks().Add().SetItem(spin);
        bar.SetVisible(true);
        control = dynamic_cast<TcbBarSpinEditControl*>(bar.ItemLinks().Items(0)->Control());
        window = &WindowOf(bar);
        window->Repaint();
    }
    TcbBarSpinEdit* spin = nullptr;
    TcbBarSpinEditControl* control = nullptr;
    TcbBarControl* window = nullptr;
};

TEST_F(SpinEditWindow, HoldingUpStepsOnceThenAfterTheDoubleClickTimeLess100ThenEvery100) {
    ASSERT_NE(control, nullptr);
    const platform::Rect buttons = control->ButtonsRect();
    ASSERT_GT(buttons.Width(), 0);
    ASSERT_TRUE(control->PressAt({buttons.left + 2, buttons.top + 2}));
    EXPECT_EQ(spin->Text(), "1");
    const unsigned first = TcbBarSpinEditControl::FirstRepeatDelay();
    timers.Advance(first - 1);
    EXPECT_EQ(spin->Text(), "1");
    timers.Advance(1 + 99);
    EXPECT_EQ(spin->Text(), "1");
    timers.Advance(1);
    EXPECT_EQ(spin->Text(), "2");
    timers.Advance(200);
    EXPECT_EQ(spin->Text(), "4");
    // Held outside the button: the repeat waits.
    control->MouseMoveTo({buttons.left - 30, buttons.top + 2});
    EXPECT_FALSE(control->ShownPressed());
    timers.Advance(300);
    EXPECT_EQ(spin->Text(), "4");
    control->StopRepeat();
    EXPECT_EQ(control->PressedButton(), sbNone);
    EXPECT_EQ(timers.Count(), 0u);
}

TEST_F(SpinEditWindow, AnEmptyOpenFieldCountsAsMinValue) {
    spin->SetMinValue(5);
    spin->SetValue(9);
    control->Click(false);
    ASSERT_TRUE(control->Focused());
    control->SetText("");
    spin->Step(sbUp);
    EXPECT_EQ(control->GetText(), "6");
    EXPECT_EQ(spin->Text(), "9");  // not committed yet
}

TEST_F(SpinEditWindow, ArrowsPointAwayFromTheMiddleRow) {
    const platform::Rect buttons = control->ButtonsRect();
    ASSERT_EQ(buttons.Width(), LayoutSpinButtons({0, 0, 60, buttons.Height()}).buttons.Width());
    const QImage& surface = window->Surface();
    const platform::Point corner = window->ClientToScreenPoint({0, 0});
    const QPoint origin = window->mapFromGlobal(QPoint(corner.x, corner.y));
    const auto pixel = [&](platform::Point p) { return surface.pixel(origin.x() + p.x, origin.y() + p.y) & 0xFFFFFF; };
    const int a = (buttons.Height() / 2 - 2) / 2;
    const platform::Rect up{buttons.left + 1, buttons.top + 1, buttons.right - 1, buttons.top + buttons.Height() / 2 - 1};
    const platform::Rect down{buttons.left + 1, buttons.top + buttons.Height() / 2 + 1, buttons.right - 1,
                              buttons.bottom - 1};
    const platform::Point upBase = SpinArrowOrigin(up, a, true);
    const platform::Point downBase = SpinArrowOrigin(down, a, false);
    const unsigned text = platform::SystemColour(platform::COLOR_BTNTEXT) & 0xFFFFFF;
    const unsigned face = platform::SystemColour(platform::COLOR_BTNFACE) & 0xFFFFFF;
    EXPECT_EQ(pixel(upBase), text);
    EXPECT_EQ(pixel({upBase.x + a - 1, upBase.y - (a - 1)}), text) << "the up arrow's tip";
    EXPECT_EQ(pixel({upBase.x, upBase.y - 1}), face);
    EXPECT_EQ(pixel(downBase), text);
    EXPECT_EQ(pixel({downBase.x + a - 1, downBase.y + (a - 1)}), text) << "the down arrow's tip";
    EXPECT_EQ(pixel({downBase.x, downBase.y + 1}), face);
}

}  // namespace
}  // namespace bars::testing
