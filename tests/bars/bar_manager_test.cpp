#include "bars/manager/bar_hooks.h"
#include "bars/manager/manager_list.h"
#include "platform/core/bar_error.h"
#include "platform/qt/main_form.h"
#include "tests/bars/bar_fixture.h"

namespace bars::testing {
namespace {

int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const platform::BarError& error) {
        return error.StringId();
    }
    return 0;
}

TEST(BarManagerConstruction, RefusesAMissingFormAndASecondManager) {
    platform::SetMainForm(nullptr);
    EXPECT_EQ(ErrorOf([] { TcbBarManager manager(nullptr); }), 39004);
    QWidget form;
    QWidget child(&form);
    EXPECT_EQ(ErrorOf([&] { TcbBarManager manager(&child); }), 39004);
    EXPECT_EQ(BarManagers().Count(), 0);

    auto* first = new TcbBarManager(&form);
    EXPECT_EQ(ErrorOf([&] { TcbBarManager second(&form); }), 39003);
    EXPECT_EQ(BarManagers().Count(), 1);
    EXPECT_EQ(BarManagers().ManagerOfForm(&form), first);
    // The first keeps working: it takes items and still answers for its form.
    auto& item = first->CreateItem<TcbBarButton>("cbFirst");
    item.SetCategory(0);
    EXPECT_EQ(item.Category(), 0);
    EXPECT_EQ(std::string(platform::BarError(39003).what()), "A Form should contain only a single TcbBarManager");
}

TEST(BarManagerConstruction, FallsBackOnTheMainFormAndOwnsTheHooksWhileAnyManagerLives) {
    QWidget mainForm;
    QWidget other;
    platform::SetMainForm(&mainForm);
    EXPECT_FALSE(AreBarHooksInstalled());
    auto* first = new TcbBarManager(nullptr);
    EXPECT_EQ(first->OwnerForm(), &mainForm);
    EXPECT_TRUE(AreBarHooksInstalled());
    std::size_t hooks = platform::InputHooks::Instance().Count();
    auto* second = new TcbBarManager(&other);
    EXPECT_EQ(platform::InputHooks::Instance().Count(), hooks);
    delete first;
    EXPECT_TRUE(AreBarHooksInstalled());
    delete second;
    EXPECT_FALSE(AreBarHooksInstalled());
    EXPECT_EQ(BarManagers().Count(), 0);
    EXPECT_EQ(BarManagers().ManagerOfForm(&other), nullptr);
    platform::SetMainForm(nullptr);
}

TEST(BarManagerConstruction, GoesWithItsForm) {
    auto form = std::make_unique<QWidget>();
    new TcbBarManager(form.get());
    form.reset();
    EXPECT_EQ(BarManagers().Count(), 0);
}

using BarManagerTest = BarFixture;

TEST_F(BarManagerTest, NewManagerHasItsDefaults) {
    EXPECT_EQ(manager->Style(), bmsEnhanced);
    EXPECT_EQ(manager->GripSize(), 6);
    EXPECT_EQ(manager->ButtonArrowWidth(), 9);
    EXPECT_EQ(manager->ArrowWidth(), 9);
    EXPECT_EQ(manager->MostRecentItemsPercents(), 95);
    EXPECT_EQ(manager->WaitForDockingTime(), 21);
    EXPECT_TRUE(manager->UseSystemFont());
    EXPECT_EQ(manager->ImageListBkColor(), 0xFF00FFu);
    ASSERT_EQ(manager->Categories().Count(), 1);
    EXPECT_EQ(manager->Categories().Name(0), "Default");
    EXPECT_EQ(manager->ButtonWidth(), 23);
    EXPECT_EQ(manager->ButtonHeight(), 22);
}

TEST_F(BarManagerTest, ArrowWidthFollowsTheIconSizeAndIsAlwaysOdd) {
    manager->SetLargeIcons(true);
    manager->SetButtonArrowWidth(10);
    EXPECT_EQ(manager->ArrowWidth(), 21);
    EXPECT_EQ(manager->ButtonWidth(), 39);
    manager->SetLargeIcons(false);
    manager->SetButtonArrowWidth(9);
    EXPECT_EQ(manager->ArrowWidth(), 9);
    manager->SetButtonArrowWidth(10);
    EXPECT_EQ(manager->ArrowWidth(), 11);
}

TEST_F(BarManagerTest, StyleSetsTheStyleMetricsAndTheBarBorders) {
    manager->SetStyle(bmsStandard);
    EXPECT_EQ(manager->StyleMetric(0), 2);
    EXPECT_EQ(manager->StyleMetric(1), 9);
    EXPECT_EQ(manager->StyleMetric(2), 2);
    EXPECT_EQ(manager->BarExtraSize(dsTop), (platform::Size{13, 4}));
    EXPECT_EQ(manager->BarExtraSize(dsLeft), (platform::Size{4, 13}));
    manager->SetStyle(bmsEnhanced);
    EXPECT_EQ(manager->BarExtraSize(dsBottom), (platform::Size{10, 4}));
}

TEST_F(BarManagerTest, RenamingAtDesignTimeRenamesItemsThatCarryTheOldNameInAnyCase) {
    manager->SetName("cbBarManager1");
    auto& upper = NewItem("CBBARMANAGER1Button1");
    auto& lower = NewItem("cbbarmanager1Sub");
    auto& other = NewItem("mnuFile");
    // A running program that renames its manager keeps its items' names.
    manager->SetName("mgrMain");
    EXPECT_EQ(upper.Name(), "CBBARMANAGER1Button1");
    manager->SetName("cbBarManager1");
    manager->SetDesigning(true);
    manager->SetName("mgrMain");
    EXPECT_EQ(upper.Name(), "mgrMainButton1");
    EXPECT_EQ(lower.Name(), "mgrMainSub");
    EXPECT_EQ(other.Name(), "mnuFile");
}

TEST_F(BarManagerTest, CategoryVisibilityReadsDefaultsAndIgnoresBadIndexes) {
    EXPECT_EQ(manager->CategoryItemsVisible(0), ivAlways);
    EXPECT_TRUE(manager->CategoryVisible(0));
    EXPECT_EQ(manager->CategoryItemsVisible(1), ivNever);
    EXPECT_FALSE(manager->CategoryVisible(-1));
    manager->SetCategoryVisible(5, false);
    manager->SetCategoryItemsVisible(5, ivNever);
    EXPECT_EQ(manager->Categories().Count(), 1);

    manager->Categories().Add("Game");
    manager->SetCategoryVisible(0, false);
    EXPECT_EQ(manager->VisibleCategory(0), 1);
    EXPECT_EQ(manager->VisibleCategory(1), -1);
}

TEST_F(BarManagerTest, CategoryItemsVisibleMovesTheItemsThatFollowedIt) {
    auto& shown = NewItem("cbShown");
    auto& hidden = NewItem("cbHidden");
    hidden.SetVisible(ivInCustomizing);
    manager->SetCategoryItemsVisible(0, ivNever);
    EXPECT_EQ(shown.Visible(), ivNever);
    EXPECT_EQ(hidden.Visible(), ivInCustomizing);
    manager->SetCategoryItemsVisible(0, ivAlways);
    EXPECT_EQ(shown.Visible(), ivAlways);
}

TEST_F(BarManagerTest, EmptiedBarsHideAndComeBackWithTheirCategory) {
    manager->Categories().Add("Tools");
    TcbBar& emptied = NewBar("Emptied");
    TcbBar& mixed = NewBar("Mixed");
    Link(emptied.ItemLinks(), NewItem("cbTool", 1));
    Link(mixed.ItemLinks(), NewItem("cbOther", 1));
    Link(mixed.ItemLinks(), NewItem("cbKept", 0));
    emptied.SetVisible(true);
    mixed.SetVisible(true);
    manager->SetAutoHideEmptyBars(true);
    manager->SetCategoryItemsVisible(1, ivNever);
    EXPECT_FALSE(emptied.Visible());
    EXPECT_TRUE(emptied.HiddenBecauseEmpty());
    EXPECT_TRUE(mixed.Visible());
    manager->SetCategoryItemsVisible(1, ivAlways);
    EXPECT_TRUE(emptied.Visible());
    EXPECT_FALSE(emptied.HiddenBecauseEmpty());
}

TEST_F(BarManagerTest, DockingIsRefusedOnForbiddenSidesUnlessTheEventAllowsIt) {
    TcbBar& bar = NewBar("Tools");
    manager->SetNotDocking({dsLeft});
    bar.SetNotDocking({dsNone});
    EXPECT_FALSE(manager->CanDocking(bar, dsLeft));
    EXPECT_FALSE(manager->CanDocking(bar, dsNone));
    EXPECT_TRUE(manager->CanDocking(bar, dsTop));
    manager->OnDocking = [](TcbBarManager&, TcbBar&, TcbBarDockingStyle side, bool& canDock) {
        canDock = side == dsLeft;
    };
    EXPECT_TRUE(manager->CanDocking(bar, dsLeft));
    EXPECT_FALSE(manager->CanDocking(bar, dsTop));
}

TEST_F(BarManagerTest, FindsItemsWithoutRegardToCaseAndBarsExactly) {
    auto& item = NewItem("mnuNew");
    NewBar("Main Menu");
    EXPECT_EQ(manager->ItemByName("MNUNEW"), &item);
    EXPECT_EQ(manager->ItemByName("mnuOpen"), nullptr);
    EXPECT_NE(manager->BarByName("Main Menu"), nullptr);
    EXPECT_EQ(manager->BarByName("main menu"), nullptr);
}

TEST_F(BarManagerTest, UnnamedBarTakesItsCaptionAndANumberWhenTaken) {
    NewBar("Main Menu");
    EXPECT_EQ(NewBar("Main Menu").Name(), "Main Menu1");
    EXPECT_EQ(NewBar("Main Menu").Name(), "Main Menu2");
}

TEST_F(BarManagerTest, SecondMainMenuBarTakesTheRole) {
    TcbBar& first = NewBar("Menu");
    TcbBar& second = NewBar("Other");
    first.SetIsMainMenu(true);
    second.SetIsMainMenu(true);
    EXPECT_FALSE(first.IsMainMenu());
    EXPECT_TRUE(second.WholeRow());
    EXPECT_EQ(manager->MainMenuBar(), &second);
}

// Every numeric setter that ignores or clamps a value, in one table.
struct ClampCase {
    const char* name;
    std::function<void(BarFixture&, TcbBarManager&)> set;
    std::function<int(TcbBarManager&)> read;
    int expected;
};
void PrintTo(const ClampCase& c, std::ostream* out) { *out << c.name; }

class SetterClamps : public BarFixture, public ::testing::WithParamInterface<ClampCase> {};

TcbBarButton& OnlyButton(TcbBarManager& manager) { return dynamic_cast<TcbBarButton&>(*manager.Items(0)); }

const ClampCase kClampCases[] = {
    {"MostRecentItemsPercentsAbove100", [](BarFixture&, TcbBarManager& m) { m.SetMostRecentItemsPercents(150); },
     [](TcbBarManager& m) { return m.MostRecentItemsPercents(); }, 100},
    {"ButtonArrowWidthBelow2", [](BarFixture&, TcbBarManager& m) { m.SetButtonArrowWidth(1); },
     [](TcbBarManager& m) { return m.ButtonArrowWidth(); }, 9},
    {"ButtonArrowWidth2", [](BarFixture&, TcbBarManager& m) { m.SetButtonArrowWidth(2); },
     [](TcbBarManager& m) { return m.ArrowWidth(); }, 3},
    {"LargeButtonArrowWidthBelow2", [](BarFixture&, TcbBarManager& m) { m.SetLargeButtonArrowWidth(0); },
     [](TcbBarManager& m) { return m.LargeButtonArrowWidth(); }, 14},
    {"WaitForDockingTimeNegative", [](BarFixture&, TcbBarManager& m) { m.SetWaitForDockingTime(-1); },
     [](TcbBarManager& m) { return m.WaitForDockingTime(); }, 21},
    {"WaitForDockingTimeZero", [](BarFixture&, TcbBarManager& m) { m.SetWaitForDockingTime(0); },
     [](TcbBarManager& m) { return m.WaitForDockingTime(); }, 0},
    {"GroupIndexOnDefaultButton",
     [](BarFixture&, TcbBarManager& m) { m.CreateItem<TcbBarButton>("b").SetGroupIndex(5); },
     [](TcbBarManager& m) { return OnlyButton(m).GroupIndex(); }, 0},
    {"GroupIndexOnCheckButton",
     [](BarFixture&, TcbBarManager& m) {
         auto& b = m.CreateItem<TcbBarButton>("b");
         b.SetButtonStyle(bsChecked);
         b.SetGroupIndex(5);
     },
     [](TcbBarManager& m) { return OnlyButton(m).GroupIndex(); }, 5},
    {"CategoryEqualToCount", [](BarFixture&, TcbBarManager& m) { m.CreateItem<TcbBarButton>("b").SetCategory(1); },
     [](TcbBarManager& m) { return m.Items(0)->Category(); }, -1},
    {"CategoryBelowMinusOne",
     [](BarFixture&, TcbBarManager& m) {
         auto& b = m.CreateItem<TcbBarButton>("b");
         b.SetCategory(0);
         b.SetCategory(-2);
     },
     [](TcbBarManager& m) { return m.Items(0)->Category(); }, 0},
    {"CategoryMinusOneAfterLoading",
     [](BarFixture&, TcbBarManager& m) {
         auto& b = m.CreateItem<TcbBarButton>("b");
         b.SetCategory(0);
         b.SetCategory(-1);
     },
     [](TcbBarManager& m) { return m.Items(0)->Category(); }, 0},
    {"UserWidthBelow20",
     [](BarFixture& f, TcbBarManager& m) {
         f.NewBar("Bar").ItemLinks().Add().SetItem(&m.CreateItem<TcbBarButton>("b"));
         m.Bars().Items(0)->ItemLinks().Items(0)->SetUserWidth(5);
     },
     [](TcbBarManager& m) { return m.Bars().Items(0)->ItemLinks().Items(0)->Width(); }, 20},
    {"UserWidthAbove600",
     [](BarFixture& f, TcbBarManager& m) {
         f.NewBar("Bar").ItemLinks().Add().SetItem(&m.CreateItem<TcbBarButton>("b"));
         m.Bars().Items(0)->ItemLinks().Items(0)->SetUserWidth(900);
     },
     [](TcbBarManager& m) { return m.Bars().Items(0)->ItemLinks().Items(0)->Width(); }, 600},
    {"BarRowNegative", [](BarFixture& f, TcbBarManager&) { f.NewBar("Bar").SetRow(-3); },
     [](TcbBarManager& m) { return m.Bars().Items(0)->Row(); }, 0},
    {"BarDockedLeftNegative", [](BarFixture& f, TcbBarManager&) { f.NewBar("Bar").SetDockedLeft(-7); },
     [](TcbBarManager& m) { return m.Bars().Items(0)->DockedLeft(); }, 0},
};

TEST_P(SetterClamps, StoreOnlyValuesInRange) {
    GetParam().set(*this, *manager);
    EXPECT_EQ(GetParam().read(*manager), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(BarManager, SetterClamps, ::testing::ValuesIn(kClampCases),
                         [](const ::testing::TestParamInfo<ClampCase>& info) { return info.param.name; });

}  // namespace
}  // namespace bars::testing
