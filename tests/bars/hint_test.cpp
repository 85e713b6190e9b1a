#include "bars/edits/bar_custom_combo.h"
#include "bars/edits/edit_controls.h"
#include "bars/popups/bar_hints.h"
#include "bars/popups/hint_window.h"
#include "platform/core/action.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/application.h"
#include "platform/qt/canvas.h"
#include "platform/qt/work_area.h"
#include "tests/bars/windows_fixture.h"

namespace bars::testing {
namespace {

class HintTest : public WindowsTest {
public:
    HintTest() {
        platform::OverrideWorkArea(platform::Rect{0, 0, 800, 600});
        for (int i = 0; i < 3; ++i) ButtonOf(bar, i).SetHint(kHints[i]);
    }
    ~HintTest() override {
        BarHints::Instance().Hide();
        platform::OverrideWorkArea(std::nullopt);
    }

    void Hover(int index) {
        TcbBarControl& window = WindowOf(bar);
        platform::OverrideCursorPos(window.ClientToScreenPoint(CentreOf(bar, index)));
        window.MouseMove(CentreOf(bar, index));
    }
    void Leave() { WindowOf(bar).MouseLeave(); }
    static bool Shown() { return BarHints::Instance().IsShown(); }
    static std::string Text() { return BarHints::Instance().Window().Text(); }

    static constexpr const char* kHints[3] = {"Open|Opens a game", "Save|Saves the game", "Undo"};
    TcbBar& bar = ShowBar("Standard", dsTop, 3);
};

TEST_F(HintTest, NoHintComesOverAFieldsOpenDropDown) {
    TcbBar& fields = NewBar("Fields");
    fields.SetDockingStyle(dsBottom);
    auto& combo = NewItem<TcbBarCombo>("cbKind");
    combo.SetItems({"One", "Two"});
    Link(fields.ItemLinks(), combo);
    fields.SetVisible(true);
    auto& field = dynamic_cast<TCustomcbBarComboControl&>(*fields.ItemLinks().Items(0)->Control());
    Hover(0);
    timers.Advance(1000);
    ASSERT_TRUE(Shown());
    field.SetDroppedDown(true);
    EXPECT_FALSE(Shown()) << "the drop-down takes the hint away";
    Hover(1);
    timers.Advance(1000);
    EXPECT_FALSE(Shown());
    field.SetDroppedDown(false);
    Hover(2);
    timers.Advance(1000);
    EXPECT_TRUE(Shown());
}

TEST_F(HintTest, AHintComesAfterASecondAndStaysAtMostTenSeconds) {
    Hover(0);
    timers.Advance(999);
    EXPECT_FALSE(Shown());
    timers.Advance(1);
    ASSERT_TRUE(Shown());
    EXPECT_EQ(Text(), "Open");
    // Placed 20 pixels below the cursor.
    EXPECT_EQ(BarHints::Instance().Window().y(), WindowOf(bar).ClientToScreenPoint(CentreOf(bar, 0)).y + 20);
    timers.Advance(9999);
    EXPECT_TRUE(Shown());
    timers.Advance(1);
    EXPECT_FALSE(Shown());
}

TEST_F(HintTest, TheNextButtonWithin400MsOfAVanishedHintShowsAtOnceLaterWaitsAgain) {
    Hover(0);
    timers.Advance(1000);
    Hover(1);
    EXPECT_EQ(Text(), "Save");
    Leave();
    EXPECT_FALSE(Shown());
    timers.Advance(399);
    Hover(2);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Text(), "Undo");
    Leave();
    timers.Advance(400);
    Hover(0);
    EXPECT_FALSE(Shown());
    timers.Advance(1000);
    EXPECT_TRUE(Shown());
}

TEST_F(HintTest, LeavingAButtonBeforeItsHintCameLetsTheNextButtonShowItsHintAtOnce) {
    Hover(0);
    timers.Advance(500);
    ASSERT_FALSE(Shown());
    Leave();
    timers.Advance(399);
    Hover(1);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Text(), "Save");
}

TEST_F(HintTest, ShortCutsJoinTheHintOnlyWhenAskedAndDisabledButtonsFollowTheirSwitch) {
    ButtonOf(bar, 0).SetShortCut(platform::VK_F12 | platform::kShortCutCtrl);
    EXPECT_EQ(BarHints::HintText(*manager), "");
    Hover(0);
    EXPECT_EQ(BarHints::HintText(*manager), "Open");
    manager->SetShowShortCutInHint(true);
    EXPECT_EQ(BarHints::HintText(*manager), "Open (Ctrl+F12)");
    Hover(1);
    EXPECT_EQ(BarHints::HintText(*manager), "Save");
    ButtonOf(bar, 1).SetEnabled(false);
    EXPECT_EQ(BarHints::HintText(*manager), "Save");
    manager->SetShowHintForDisabledItems(false);
    EXPECT_EQ(BarHints::HintText(*manager), "");
}

TEST_F(HintTest, NoHintWhileCustomizingOrSwitchedOff) {
    manager->SetShowHint(false);
    Hover(0);
    timers.Advance(1000);
    EXPECT_FALSE(Shown());
    // Switched off while a hint waits for its second.
    manager->SetShowHint(true);
    Hover(1);
    manager->SetShowHint(false);
    timers.Advance(1000);
    EXPECT_FALSE(Shown());
}

TEST_F(HintTest, TheActionMayRewriteOrRefuseTheHintAndTheApplicationMayAskForShortCuts) {
    platform::Action action;
    action.SetHint("Open|Opens a game");
    action.SetShortCut(platform::VK_F12 | platform::kShortCutCtrl);
    ButtonOf(bar, 0).SetAction(&action);
    Hover(0);
    action.SetOnHint([](std::string& hint) {
        hint += "!";
        return true;
    });
    EXPECT_EQ(BarHints::HintText(*manager), "Open!");
    platform::Application application;
    application.SetHintShortCuts(true);
    EXPECT_EQ(BarHints::HintText(*manager), "Open! (Ctrl+F12)");
    action.SetOnHint([](std::string&) { return false; });
    EXPECT_EQ(BarHints::HintText(*manager), "");
    timers.Advance(1000);
    EXPECT_FALSE(Shown());
    ButtonOf(bar, 0).SetAction(nullptr);
}

TEST_F(HintTest, NearTheBottomTheHintRisesFiftyPixelsNearTheRightItEndsAtTheEdge) {
    TcbBarHintWindow& window = BarHints::Instance().Window();
    window.ActivateHint({100, 595}, "Deal", *manager);
    EXPECT_EQ(window.y(), 545);
    EXPECT_EQ(window.x(), 100);
    window.ActivateHint({790, 100}, "Deal the next game", *manager);
    EXPECT_EQ(window.x() + window.width(), 800);
    EXPECT_EQ(window.y(), 100);
    window.ActivateHint({-30, -10}, "Deal", *manager);
    EXPECT_EQ(window.x(), 0);
    EXPECT_EQ(window.y(), 0);
}

TEST_F(HintTest, TheHintIsTheInfoColourInsideARaisedEdgeAndWrapsLongTexts) {
    TcbBarHintWindow& window = BarHints::Instance().Window();
    window.ActivateHint({10, 10}, "Deal", *manager);
    QImage surface = window.Surface();
    platform::Canvas canvas(surface);
    EXPECT_EQ(canvas.Pixel(0, 0), platform::SystemColour(platform::COLOR_3DLIGHT));
    EXPECT_EQ(canvas.Pixel(window.width() - 1, window.height() - 1), platform::SystemColour(platform::COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.Pixel(1, 1), platform::SystemColour(platform::COLOR_INFOBK));
    const platform::CanvasFont font = manager->Font();
    const auto lines = TcbBarHintWindow::WrapLines("one two three four", font, 1);
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three", "four"}));
}

}  // namespace
}  // namespace bars::testing
