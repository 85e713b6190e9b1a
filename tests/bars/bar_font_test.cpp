#include "tests/bars/windows_fixture.h"

namespace bars::testing {
namespace {

platform::CanvasFont Larger(platform::CanvasFont font) {
    font.size = 20;
    font.height = -20;
    return font;
}

TEST_F(WindowsTest, ABarsOwnFontMeasuresItsWindowUntilUseOwnFontIsSwitchedOff) {
    TcbBar& bar = ShowBar("Tools", dsTop, 2);
    ButtonOf(bar, 0).SetCaption("Deal");
    ButtonOf(bar, 0).SetPaintStyle(psCaption);
    TcbBarControl& window = WindowOf(bar);
    const int plainHeight = window.ItemHeight();
    const int plainWidth = bar.ItemLinks().Items(0)->ItemRect().Width();
    EXPECT_EQ(bar.Font(), manager->Font());
    EXPECT_FALSE(bar.UseOwnFont());

    bar.SetFont(Larger(manager->Font()));
    EXPECT_TRUE(bar.UseOwnFont());
    EXPECT_GT(window.ItemHeight(), plainHeight);
    EXPECT_EQ(window.ManagerItemHeight(), plainHeight);
    EXPECT_GT(bar.ItemLinks().Items(0)->ItemRect().Width(), plainWidth);

    bar.SetUseOwnFont(false);
    EXPECT_EQ(bar.Font(), manager->Font());
    EXPECT_EQ(window.ItemHeight(), plainHeight);
    EXPECT_EQ(bar.ItemLinks().Items(0)->ItemRect().Width(), plainWidth);
}

TEST_F(WindowsTest, TheManagersNewFontReachesOnlyBarsWithoutTheirOwn) {
    manager->SetScaled(false);
    TcbBar& follower = ShowBar("Follower", dsTop, 1);
    TcbBar& keeper = ShowBar("Keeper", dsTop, 1, 1);
    platform::CanvasFont own = manager->Font();
    own.name = "Keeper Face";
    keeper.SetFont(own);

    manager->SetFont(Larger(manager->Font()));
    EXPECT_EQ(follower.Font(), manager->Font());
    EXPECT_GT(WindowOf(follower).ItemHeight(), WindowOf(keeper).ItemHeight());
    EXPECT_EQ(WindowOf(follower).ItemHeight(), WindowOf(follower).ManagerItemHeight());
    EXPECT_EQ(keeper.Font(), own);
    EXPECT_LT(WindowOf(keeper).ItemHeight(), WindowOf(keeper).ManagerItemHeight());
}

}  // namespace
}  // namespace bars::testing
