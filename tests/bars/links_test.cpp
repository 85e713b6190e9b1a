#include "platform/core/bar_error.h"
#include "platform/core/virtual_keys.h"
#include "tests/bars/links_fixture.h"

namespace bars::testing {
namespace {

TEST_F(LinksTest, GroupStartOfAHiddenLinkPassesToTheNextShownOne) {
    TcbBarItemLink& a = Add("A", {}, true);
    TcbBarItemLink& b = Add("B", {}, true);
    TcbBarItemLink& c = Add("C");
    b.SetVisible(false);
    EXPECT_FALSE(a.BeginGroup());
    EXPECT_TRUE(b.BeginGroup());
    EXPECT_TRUE(c.BeginGroup());
    b.SetVisible(true);
    EXPECT_FALSE(c.BeginGroup());
}

TEST_F(LinksTest, DraggedAwayLinkHandsItsGroupStartOn) {
    TcbBarItemLink& a = Add("A");
    TcbBarItemLink& b = Add("B", {}, true);
    TcbBarItemLink& c = Add("C");
    TcbBarItemLink& d = Add("D");
    manager->SetDragLink(&a);
    a.Free();
    EXPECT_FALSE(b.OwnBeginGroup());
    c.SetBeginGroup(true);
    manager->SetDragLink(&c);
    c.Free();
    EXPECT_TRUE(d.OwnBeginGroup());
    EXPECT_EQ(manager->DragLink(), nullptr);
    // Outside a drag nothing moves.
    d.Free();
    EXPECT_FALSE(b.OwnBeginGroup());
}

TEST_F(LinksTest, KeyboardWalkWrapsAndSkipsUnselectableLinks) {
    TcbBarItemLink& a = Add("A");
    TcbBarItemLink& b = Add("B");
    TcbBarItemLink& c = Add("C");
    b.SetVisible(false);
    EXPECT_EQ(links.FirstSelectable(), &a);
    EXPECT_EQ(links.LastSelectable(), &c);
    EXPECT_EQ(links.NextSelectable(&a), &c);
    EXPECT_EQ(links.NextSelectable(&c), &a);
    EXPECT_EQ(links.PreviousSelectable(&a), &c);
    EXPECT_EQ(links.NextSelectable(nullptr), &a);
    EXPECT_EQ(links.PreviousSelectable(nullptr), &c);
}

TEST_F(LinksTest, NewLinksStartWithTheUseCountOfTheRecentShare) {
    EXPECT_EQ(Add("A").UseCount(), 20);
    manager->SetMostRecentItemsPercents(100);
    EXPECT_EQ(Add("B").UseCount(), 0);
    manager->SetMostRecentItemsPercents(90);
    TcbBarItemLink& c = Add("C");
    EXPECT_EQ(c.UseCount(), 10);
    c.SetMostRecentlyUsed(false);
    EXPECT_EQ(c.UseCount(), 0);
    EXPECT_EQ(links.RecentLinks().back(), &c);
}

TEST_F(LinksTest, RecentThresholdTakesTheManagersShareOfTheSpread) {
    const int counts[] = {20, 20, 25, 40};
    for (int i = 0; i < 4; ++i) {
        Add(std::string(1, static_cast<char>('A' + i))).SetUseCount(counts[i]);
    }
    EXPECT_EQ(links.RecentUseCountThreshold(), 21);
    // Recent order A B C D: D at position 3 is the last one that reaches 21, so all show.
    EXPECT_EQ(links.RecentThreshold(), -1);
    links.UseLink(*links.Items(2), true);  // C B... order: C A B D
    links.MoveToRecentEnd(*links.Items(2));
    EXPECT_EQ(Names(links.RecentLinks()), "ABDC");
    links.Items(3)->SetUseCount(20);
    EXPECT_EQ(links.RecentUseCountThreshold(), 20);
    links.Items(0)->SetUseCount(19);
    links.Items(1)->SetUseCount(19);
    links.Items(3)->SetUseCount(19);
    EXPECT_EQ(links.RecentUseCountThreshold(), 19);
    links.Items(2)->SetUseCount(60);
    // Threshold 19 + 2 = 21: only C (last in the recent list) qualifies.
    EXPECT_EQ(links.RecentThreshold(), -1);
    links.UseLink(*links.Items(2), false);
    EXPECT_EQ(Names(links.RecentLinks()), "CABD");
    EXPECT_EQ(links.RecentUseCountThreshold(), 21);
    EXPECT_EQ(links.RecentThreshold(), 1);
    links.SetUseRecentItems(false);
    EXPECT_EQ(links.RecentThreshold(), -1);
}

TEST_F(LinksTest, ShownLimitShowsTheMostRecentInCollectionOrder) {
    Add("A");
    Add("B");
    Add("C");
    Add("D");
    EXPECT_EQ(Names(links.ShownLinks()), "ABCD");
    links.UseLink(*links.Items(2), true);
    links.UseLink(*links.Items(0), true);
    links.SetShownLimit(2);
    EXPECT_EQ(Names(links.ShownLinks()), "AC");
    links.Items(0)->SetVisible(false);
    EXPECT_EQ(Names(links.ShownLinks()), "BC");
    links.SetShownLimit(-1);
    EXPECT_EQ(Names(links.ShownLinks()), "BCD");
    links.RestorePreviousLimit();
    EXPECT_EQ(links.ShownLimit(), 2);
}

TEST_F(LinksTest, SubItemCannotReachItselfAndKeepsTheLink) {
    auto& file = NewItem<TcbBarSubItem>("mnuFile");
    auto& recent = NewItem<TcbBarSubItem>("mnuRecent");
    Link(file.ItemLinks(), recent);
    TcbBarItemLink& self = file.ItemLinks().Add();
    try {
        self.SetItem(&file);
        FAIL() << "no exception";
    } catch (const platform::BarError& error) {
        EXPECT_EQ(error.StringId(), 39009);
        EXPECT_STREQ(error.what(), "You cannot create recursive subitems");
    }
    // The link is still there, only without an item.
    EXPECT_EQ(file.ItemLinks().Count(), 2);
    EXPECT_EQ(self.Item(), nullptr);
    EXPECT_EQ(file.LinkCount(), 0);

    TcbBarItemLink& loop = recent.ItemLinks().Add();
    EXPECT_THROW(loop.SetItem(&file), platform::BarError);
    EXPECT_EQ(loop.Item(), nullptr);
    EXPECT_TRUE(file.ItemLinks().Reaches(recent));
    EXPECT_FALSE(recent.ItemLinks().Reaches(file));
}

TEST_F(LinksTest, ClearingTheItemFreesTheLink) {
    TcbBarItemLink& a = Add("A");
    int deleted = 0;
    manager->OnItemLinkDelete = [&](TcbBarManager&, TcbBarItemLink&) { ++deleted; };
    a.SetItem(nullptr);
    EXPECT_EQ(links.Count(), 0);
    EXPECT_EQ(manager->ItemByName("A")->LinkCount(), 0);
    EXPECT_EQ(deleted, 1);
}

TEST_F(LinksTest, UserDefinedValuesOverrideTheItemsUntilCleared) {
    TcbBarItemLink& a = Add("A", "&Open");
    a.SetUserCaption("&Load");
    a.SetUserPaintStyle(psCaption);
    EXPECT_EQ(a.Caption(), "&Load");
    EXPECT_EQ(a.PaintStyle(), psCaption);
    EXPECT_EQ(a.UserDefine(), udCaption | udPaintStyle);
    a.SetUserDefine(udPaintStyle);
    EXPECT_EQ(a.Caption(), "&Open");
    EXPECT_EQ(a.UserCaption(), "");
    static_cast<TcbBarButton*>(a.Item())->SetPaintStyle(psCaptionGlyph);
    EXPECT_EQ(a.PaintStyle(), psCaption);
}

}  // namespace
}  // namespace bars::testing
