#include "tests/bars/bar_fixture.h"

namespace bars::testing {
namespace {

class ButtonsTest : public BarFixture {
public:
    TcbBarButton& CheckButton(const std::string& name, int group = 0) {
        auto& button = NewItem(name);
        button.SetButtonStyle(bsChecked);
        button.SetGroupIndex(group);
        return button;
    }
    std::string DownOnes() const {
        std::string down;
        for (int i = 0; i < manager->ItemCount(); ++i) {
            if (static_cast<TcbBarButton*>(manager->Items(i))->Down()) {
                down += manager->Items(i)->Name();
            }
        }
        return down;
    }
};

TEST_F(ButtonsTest, OnlyCheckButtonsGoDownAndStyleOrGroupChangesReleaseThem) {
    auto& plain = NewItem("P");
    plain.SetDown(true);
    EXPECT_FALSE(plain.Down());

    auto& check = CheckButton("C");
    check.SetDown(true);
    check.SetGroupIndex(4);
    EXPECT_FALSE(check.Down());
    check.SetDown(true);
    check.SetButtonStyle(bsDropDown);
    EXPECT_FALSE(check.Down());
    EXPECT_EQ(check.GroupIndex(), 4);
}

TEST_F(ButtonsTest, GroupWithoutAllowAllUpKeepsOneButtonDown) {
    auto& a = CheckButton("A", 1);
    auto& b = CheckButton("B", 1);
    CheckButton("C", 1);
    a.SetDown(true);
    b.Click();
    EXPECT_EQ(DownOnes(), "B");
    // Releasing B presses the first button of the group.
    b.Click();
    EXPECT_EQ(DownOnes(), "A");
    // The first button cannot be released by itself.
    a.Click();
    EXPECT_EQ(DownOnes(), "A");
}

TEST_F(ButtonsTest, GroupWithAllowAllUpCanBeAllUp) {
    auto& a = CheckButton("A", 2);
    auto& b = CheckButton("B", 2);
    auto& other = CheckButton("X", 3);
    b.SetAllowAllUp(true);
    EXPECT_TRUE(a.AllowAllUp());
    EXPECT_FALSE(other.AllowAllUp());
    a.SetDown(true);
    a.Click();
    EXPECT_EQ(DownOnes(), "");
    b.SetDown(true);
    a.SetDown(true);
    EXPECT_EQ(DownOnes(), "A");
}

TEST_F(ButtonsTest, CheckButtonShowsItsNewStateInOnClick) {
    auto& autoPlay = CheckButton("mnuAutoPlay");
    bool seen = false;
    autoPlay.OnClick = [&](platform::Component*) { seen = autoPlay.Down(); };
    autoPlay.Click();
    EXPECT_TRUE(seen);
    autoPlay.SetEnabled(false);
    autoPlay.Click();
    EXPECT_TRUE(autoPlay.Down());
}

TEST_F(ButtonsTest, AcceleratorChoosesAToolbarButtonOnlyWhenItShowsItsCaption) {
    auto& button = NewItem<RecordedButton>("cbNew");
    button.SetCaption("&New");
    TcbBarItemLink& onBar = Link(NewBar("Tools").ItemLinks(), button);
    TcbBarItemLink& inMenu = Link(NewItem<TcbBarSubItem>("mnuFile").ItemLinks(), button);
    EXPECT_FALSE(button.CanUseAccelerator(onBar));
    EXPECT_TRUE(button.CanUseAccelerator(inMenu));
    onBar.SetUserPaintStyle(psCaptionGlyph);
    EXPECT_TRUE(button.CanUseAccelerator(onBar));
    onBar.SetUserDefine(0);
    button.SetVisible(ivNever);
    button.SetVisible(ivAlways);
    static_cast<RecordingControl*>(onBar.Control())->m_effectivePaintStyle = psCaption;
    EXPECT_TRUE(button.CanUseAccelerator(onBar));
    button.SetEnabled(false);
    EXPECT_FALSE(button.CanUseAccelerator(inMenu));
}

}  // namespace
}  // namespace bars::testing
