#include "bars/design/manager_description.h"
#include "tests/bars/bar_fixture.h"
#include "tests/support/fake_services.h"

namespace bars::testing {
namespace {

constexpr int kF2 = 0x71;

TEST_F(BarFixture, ShortcutSearchFindsAnEnabledButtonInNestedSubItemsAndSkipsADisabledOne) {
    TcbBar& bar = NewBar("Main Menu");
    auto& outer = NewItem<TcbBarSubItem>("mnuGame");
    auto& inner = NewItem<TcbBarSubItem>("mnuMore");
    auto& disabled = NewItem("mnuOld");
    auto& enabled = NewItem("mnuNew");
    for (auto* button : {&disabled, &enabled}) button->SetShortCut(kF2);
    disabled.SetEnabled(false);
    int oldClicks = 0, newClicks = 0;
    disabled.OnClick = [&](platform::Component*) { ++oldClicks; };
    enabled.OnClick = [&](platform::Component*) { ++newClicks; };
    Link(bar.ItemLinks(), outer);
    Link(outer.ItemLinks(), inner);
    Link(inner.ItemLinks(), disabled);
    Link(inner.ItemLinks(), enabled);
    EXPECT_TRUE(bar.ShortCutSearch(kF2));
    EXPECT_EQ(newClicks, 1);
    EXPECT_EQ(oldClicks, 0);
    EXPECT_FALSE(bar.ShortCutSearch(0));
    EXPECT_FALSE(bar.ShortCutSearch(kF2 + 1));
}

class BarResetTest : public ::testing::Test {
public:
    BarResetTest() {
        auto description = std::make_shared<TcbBarManagerDescription>();
        for (const char* name : {"btnA", "btnB", "btnGone"}) {
            TcbBarItemDescription item;
            item.name = name;
            item.caption = name;
            item.category = 0;
            description->items.push_back(item);
        }
        description->categories = {"Default"};
        TcbBarDescription bar;
        bar.name = bar.caption = "Tools";
        bar.dockingStyle = dsTop;
        bar.links = {{"btnA"}, {"btnB", true}, {"btnGone"}};
        description->bars.push_back(bar);
        manager = &BuildBarManager(form.get(), description);
    }
    std::string Names() const {
        std::string names;
        const TcbBarItemLinks& links = manager->Bars().Items(0)->ItemLinks();
        for (int i = 0; i < links.Count(); ++i) names += links.Items(i)->Item()->Name() + " ";
        return names;
    }

    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    TcbBarManager* manager = nullptr;
};

TEST_F(BarResetTest, ResetBringsTheDesignedLinksBackAndDropsOnesWhoseItemIsGone) {
    TcbBar& bar = *manager->Bars().Items(0);
    ASSERT_EQ(Names(), "btnA btnB btnGone ");
    bar.ItemLinks().Delete(*bar.ItemLinks().Items(0));
    manager->FreeItem(*manager->ItemByName("btnGone"));
    ASSERT_EQ(Names(), "btnB ");
    std::vector<std::string> events;
    manager->OnBarBeforeReset = [&](TcbBarManager&, TcbBar&) { events.push_back("before"); };
    manager->OnBarAfterReset = [&](TcbBarManager&, TcbBar&) { events.push_back("after"); };
    bar.Reset();
    EXPECT_EQ(Names(), "btnA btnB ");
    EXPECT_TRUE(bar.ItemLinks().Items(1)->BeginGroup());
    EXPECT_EQ(events, (std::vector<std::string>{"before", "after"}));
}

TEST_F(BarResetTest, AFullResetTakesTheWholeDesignedBarButKeepsItsVisibility) {
    manager->SetUseFullReset(true);
    TcbBar& bar = *manager->Bars().Items(0);
    bar.SetCaption("Renamed");
    bar.SetDockingStyle(dsNone);
    bar.SetFloatLeft(40);
    bar.SetAllowClose(false);
    bar.ItemLinks().Delete(*bar.ItemLinks().Items(0));
    bar.SetVisible(true);
    bar.Reset();
    EXPECT_EQ(bar.Caption(), "Tools");
    EXPECT_EQ(bar.DockingStyle(), dsTop);
    EXPECT_EQ(bar.FloatLeft(), 0);
    EXPECT_TRUE(bar.AllowClose());
    EXPECT_EQ(Names(), "btnA btnB btnGone ");
    EXPECT_TRUE(bar.Visible());
}

TEST_F(BarResetTest, ResetAsksFirstAndCancelKeepsTheBar) {
    TcbBar& bar = *manager->Bars().Items(0);
    bar.ItemLinks().Delete(*bar.ItemLinks().Items(0));
    test_support::ScriptedMessages messages;
    messages.QueueConfirmAnswer(false);
    bar.ResetWithConfirmation(messages, "Corvanet Solitaire");
    EXPECT_EQ(Names(), "btnB btnGone ");
    ASSERT_EQ(messages.Events().size(), 1u);
    EXPECT_EQ(messages.Events()[0].text, "Are you sure you want to reset the changes made to the 'Tools' toolbar?");
    EXPECT_EQ(messages.Events()[0].caption, "Corvanet Solitaire");
    EXPECT_TRUE(messages.Events()[0].exclamation);
    bar.ResetWithConfirmation(messages, "Corvanet Solitaire");
    EXPECT_EQ(Names(), "btnA btnB btnGone ");
}

}  // namespace
}  // namespace bars::testing
