#include "bars/items/bar_window_item.h"
#include "platform/core/action.h"
#include "tests/bars/bar_fixture.h"

namespace bars::testing {
namespace {

using ItemsTest = BarFixture;

TEST_F(ItemsTest, CaptionChangeCarriesAHintThatFollowedIt) {
    auto& open = NewItem("cbOpen");
    open.SetCaption("&Open...");
    open.SetHint("Open|Opens a file");
    auto& load = NewItem("cbLoad");
    load.SetCaption("&Open...");
    load.SetHint("Load a game");
    auto& empty = NewItem("cbEmpty");
    empty.SetCaption("&Close");

    open.SetCaption("&Save...");
    load.SetCaption("&Save...");
    EXPECT_EQ(open.Hint(), "Save|Opens a file");
    EXPECT_EQ(load.Hint(), "Load a game");
    EXPECT_EQ(empty.Hint(), "Close");

    auto& sub = NewItem<TcbBarSubItem>("mnuFile");
    sub.SetCaption("&File");
    sub.SetCaption("&Game");
    EXPECT_EQ(sub.Hint(), "");
}

TEST_F(ItemsTest, VisibilityDestroysAndRemakesTheControlsOfAllLinks) {
    auto& item = NewItem<RecordedButton>("cbRecorded");
    TcbBar& first = NewBar("One");
    TcbBar& second = NewBar("Two");
    TcbBarItemLink& a = Link(first.ItemLinks(), item);
    TcbBarItemLink& b = Link(second.ItemLinks(), item);
    item.SetVisible(ivNever);
    EXPECT_EQ(a.Control(), nullptr);
    EXPECT_EQ(b.Control(), nullptr);
    EXPECT_TRUE(first.ItemLinks().VisibleLinks().empty());

    ControlLog().clear();
    item.SetVisible(ivAlways);
    ASSERT_NE(a.Control(), nullptr);
    ASSERT_NE(b.Control(), nullptr);
    EXPECT_EQ(ControlLog(), (std::vector<std::string>{"create", "visible", "create", "visible"}));
    EXPECT_EQ(first.ItemLinks().VisibleLinks().size(), 1u);

    ControlLog().clear();
    item.SetVisible(ivNever);
    EXPECT_EQ(ControlLog(), (std::vector<std::string>{"visible", "destroy", "visible", "destroy"}));
}

TEST_F(ItemsTest, InCustomizingShowsOnlyWhileCustomizing) {
    auto& item = NewItem<RecordedButton>("cbCustom");
    TcbBar& bar = NewBar("Tools");
    Link(bar.ItemLinks(), item);
    item.SetVisible(ivInCustomizing);
    EXPECT_FALSE(item.IsVisibleNow());
    EXPECT_TRUE(bar.ItemLinks().AvailableLinks().empty());
    manager->SetCustomizing(true);
    EXPECT_TRUE(item.IsVisibleNow());
    EXPECT_EQ(bar.ItemLinks().ShownLinks().size(), 1u);
}

TEST_F(ItemsTest, CategorisedItemsReadEnabledWhileCustomizing) {
    auto& categorised = NewItem("cbCategorised");
    auto& loose = NewItem("cbLoose", -1);
    categorised.SetEnabled(false);
    loose.SetEnabled(false);
    manager->SetCustomizing(true);
    EXPECT_TRUE(categorised.Enabled());
    EXPECT_FALSE(loose.Enabled());
    manager->SetCustomizing(false);
    EXPECT_FALSE(categorised.Enabled());
}

TEST_F(ItemsTest, ChangesReachTheControlsExceptWhereTheLinkHoldsItsOwnValue) {
    auto& item = NewItem<RecordedButton>("cbRecorded");
    TcbBar& bar = NewBar("Tools");
    Link(bar.ItemLinks(), item);
    Link(bar.ItemLinks(), item).SetUserCaption("Mine");
    item.SetVisible(ivNever);
    item.SetVisible(ivAlways);
    ControlLog().clear();
    item.SetCaption("&New");
    item.SetEnabled(false);
    EXPECT_EQ(ControlLog(), (std::vector<std::string>{"caption", "enabled", "enabled"}));
}

TEST_F(ItemsTest, DisabledItemDoesNothingOnDirectClick) {
    auto& item = NewItem("cbNew");
    int managerClicks = 0;
    int itemClicks = 0;
    manager->OnClickItem = [&](TcbBarManager&, TcbBarItem&) { ++managerClicks; };
    item.OnClick = [&](platform::Component*) { ++itemClicks; };
    item.SetEnabled(false);
    item.DirectClick();
    EXPECT_EQ(managerClicks + itemClicks, 0);
    item.SetEnabled(true);
    item.DirectClick();
    EXPECT_EQ(managerClicks, 1);
    EXPECT_EQ(itemClicks, 1);
}

TEST_F(ItemsTest, ItemLendingItsActionsHandlerRunsTheAction) {
    platform::Action action;
    int executed = 0;
    int own = 0;
    action.SetCaption("&Hint");
    action.SetOnExecute([&](platform::Component*) { ++executed; });
    auto& item = NewItem("cbHint");
    item.SetAction(&action);
    EXPECT_EQ(item.Caption(), "&Hint");
    item.DirectClick();
    EXPECT_EQ(executed, 1);

    action.SetEnabled(false);
    EXPECT_FALSE(item.Enabled());
    // An action still being read fills only the values the item left at their default.
    auto& other = NewItem("cbOther");
    other.SetCaption("Mine");
    action.SetLoading(true);
    other.SetAction(&action);
    EXPECT_EQ(other.Caption(), "Mine");
    EXPECT_EQ(other.Hint(), "Mine");
    EXPECT_FALSE(other.Enabled());

    item.OnClick = [&](platform::Component*) { ++own; };
    item.SetEnabled(true);
    item.DirectClick();
    EXPECT_EQ(own, 1);
    EXPECT_EQ(executed, 1);
}

TEST_F(ItemsTest, FreeingAnItemTakesItsLinksAlong) {
    auto& item = NewItem("cbGone");
    TcbBar& bar = NewBar("Tools");
    Link(bar.ItemLinks(), item);
    bool destroyed = false;
    item.OnDestroy = [&](platform::Component* sender) { destroyed = sender == &item; };
    manager->FreeItem(item);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(bar.ItemLinks().Count(), 0);
    EXPECT_EQ(manager->ItemCount(), 0);
}

TEST_F(ItemsTest, WindowItemReportsTextChangesButNeverClicks) {
    auto& edit = NewItem<TcbBarWindowItem>("cbEdit");
    std::vector<std::string> texts;
    int clicks = 0;
    edit.OnChange = [&](platform::Component*) { texts.push_back(edit.Text()); };
    edit.OnClick = [&](platform::Component*) { ++clicks; };
    edit.SetText("abc");
    edit.SetText("abc");
    edit.Click();
    EXPECT_EQ(texts, (std::vector<std::string>{"abc"}));
    EXPECT_EQ(clicks, 0);
}

}  // namespace
}  // namespace bars::testing
