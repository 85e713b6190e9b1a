#include "bars/design/manager_description.h"
#include "bars/manager/manager_list.h"
#include "platform/core/bar_error.h"
#include "platform/core/virtual_keys.h"
#include "tests/bars/bar_fixture.h"

namespace bars::testing {
namespace {

// A small form in the program's manner: eight categories, a main-menu bar docked at the top
// with two menus, a check button in a group, an item shown only while customizing.
std::shared_ptr<TcbBarManagerDescription> MainMenuForm() {
    auto d = std::make_shared<TcbBarManagerDescription>();
    d->name = "BarManager";
    d->style = bmsStandard;
    d->canCustomize = false;
    d->notDocking = TcbBarDockingStyles::All();
    d->font = platform::CanvasFont{"Tahoma", 8};
    d->categories = {"File", "Game", "Options", "Help", "Scores", "Tools", "Window", "Hidden"};
    d->itemsVisibles = {2, 2, 2, 2, 2, 2, 2, 0, 2};
    d->visibles = {true, true, true, true, true, true, true, true};
    d->dockControlHeights = {0, 0, 23, 0};
    TcbBarItemDescription newGame{.name = "mnuNew", .caption = "&New game", .category = 0};
    newGame.shortCut = platform::VK_F1 + 1;
    TcbBarItemDescription pause{.name = "mnuPause", .caption = "&Pause", .category = 1};
    pause.buttonStyle = bsChecked;
    pause.groupIndex = 7;
    pause.down = true;
    TcbBarItemDescription secret{.name = "mnuSecret", .caption = "Secret", .category = 7};
    TcbBarItemDescription file{.className = "TcbBarSubItem", .name = "mnuFile", .caption = "&File", .category = 0};
    file.links = {{.item = "mnuNew"}, {.item = "mnuMissing"}, {.item = "mnuSecret", .beginGroup = true}};
    TcbBarItemDescription game{.className = "TcbBarSubItem", .name = "mnuGame", .caption = "&Game", .category = 1};
    game.links = {{.item = "mnuPause", .visible = false}};
    d->items = {newGame, pause, secret, file, game};
    TcbBarDescription menu{.name = "MainMenu", .caption = "Main Menu"};
    menu.dockingStyle = dsTop;
    menu.isMainMenu = true;
    menu.oneOnRow = true;
    menu.wholeRow = true;
    menu.visible = true;
    menu.links = {{.item = "mnuFile"}, {.item = "mnuGame"}};
    d->bars = {menu};
    return d;
}

class DescriptionTest : public ::testing::Test {
public:
    QWidget form;
};

TEST_F(DescriptionTest, ManagerIsMadeInOneLoadingPhase) {
    TcbBarManager& manager = BuildBarManager(&form, MainMenuForm());
    EXPECT_FALSE(manager.IsLoading());
    EXPECT_EQ(manager.Categories().Count(), 8);
    EXPECT_EQ(manager.Categories().ItemsVisibles(), (std::vector<int>{2, 2, 2, 2, 2, 2, 2, 0}));
    EXPECT_EQ(manager.Bars().DockControlSize(dsLeft), 0);
    EXPECT_EQ(manager.Bars().DockControlSize(dsRight), 0);
    EXPECT_EQ(manager.Bars().DockControlSize(dsTop), 23);
    EXPECT_EQ(manager.Bars().DockControlSize(dsBottom), 0);
    EXPECT_EQ(manager.Bars().DockControlHeights(), (std::array<int, 4>{0, 0, 23, 0}));

    TcbBar& menu = *manager.BarByName("MainMenu");
    EXPECT_EQ(manager.MainMenuBar(), &menu);
    EXPECT_EQ(menu.DockingStyle(), dsTop);
    EXPECT_TRUE(menu.Visible());
    EXPECT_TRUE(menu.WholeRow());

    // The link to a missing item was dropped; the hidden category took its item away.
    auto& file = dynamic_cast<TcbBarSubItem&>(*manager.ItemByName("mnuFile"));
    EXPECT_EQ(file.ItemLinks().Count(), 2);
    EXPECT_EQ(manager.ItemByName("mnuSecret")->Visible(), ivNever);
    EXPECT_EQ(file.ItemLinks().VisibleLinks().size(), 1u);
    EXPECT_EQ(file.ItemLinks().Items(0)->UseCount(), 20);
    auto& game = dynamic_cast<TcbBarSubItem&>(*manager.ItemByName("mnuGame"));
    EXPECT_FALSE(game.ItemLinks().Items(0)->Visible());

    // Values stored while loading: Down despite the group, no group rule applied.
    auto& pause = dynamic_cast<TcbBarButton&>(*manager.ItemByName("mnuPause"));
    EXPECT_TRUE(pause.Down());
    EXPECT_EQ(pause.GroupIndex(), 7);
    EXPECT_EQ(manager.ItemByName("mnuNew")->ShortCut(), platform::VK_F1 + 1);
    EXPECT_EQ(manager.ItemByName("mnuNew")->Hint(), "");
}

TEST_F(DescriptionTest, CategoryOutOfRangeIsKeptWhileLoadingOnly) {
    auto description = MainMenuForm();
    description->items[2].category = 12;
    TcbBarManager& manager = BuildBarManager(&form, description);
    TcbBarItem& secret = *manager.ItemByName("mnuSecret");
    EXPECT_EQ(secret.Category(), 12);
    secret.SetCategory(8);
    EXPECT_EQ(secret.Category(), 12);
    secret.SetCategory(3);
    EXPECT_EQ(secret.Category(), 3);
}

TEST_F(DescriptionTest, BadDescriptionLeavesNothingOnTheForm) {
    auto description = MainMenuForm();
    description->items[4].links.push_back({.item = "mnuGame"});
    EXPECT_THROW(BuildBarManager(&form, description), platform::BarError);
    EXPECT_EQ(BarManagers().ManagerOfForm(&form), nullptr);
    description = MainMenuForm();
    description->items[0].className = "TcbBarNothing";
    EXPECT_THROW(BuildBarManager(&form, description), std::invalid_argument);
    EXPECT_EQ(BarManagers().Count(), 0);
}

TEST_F(DescriptionTest, DesignTimeCopyLivesOnAFormOfItsOwnWithoutTheLayoutStore) {
    auto description = MainMenuForm();
    description->storeInRegistry = true;
    description->registryPath = "Software\\Corvanet";
    TcbBarManager& manager = BuildBarManager(&form, description);
    manager.ItemByName("mnuNew")->SetCaption("&Changed");
    manager.BarByName("MainMenu")->ItemLinks().Items(0)->SetVisible(false);

    auto copy = CreateDesignTimeCopy(manager);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy->Manager().OwnerForm(), &form);
    EXPECT_EQ(BarManagers().ManagerOfForm(&form), &manager);
    EXPECT_FALSE(copy->Manager().StoreInRegistry());
    EXPECT_EQ(copy->Manager().ItemByName("mnuNew")->Caption(), "&New game");
    EXPECT_TRUE(copy->Manager().BarByName("MainMenu")->ItemLinks().Items(0)->Visible());
    EXPECT_FALSE(IsReadingDesignCopy());
    copy.reset();
    EXPECT_EQ(BarManagers().Count(), 1);
}

TEST_F(DescriptionTest, ResetTakesTheDesignedLinksWithTheRealFormsItems) {
    TcbBarManager& manager = BuildBarManager(&form, MainMenuForm());
    auto& file = dynamic_cast<TcbBarSubItem&>(*manager.ItemByName("mnuFile"));
    file.ItemLinks().Items(0)->SetUserCaption("Mine");
    file.ItemLinks().Items(1)->SetItem(nullptr);

    auto copy = CreateDesignTimeCopy(manager);
    auto& designed = dynamic_cast<TcbBarSubItem&>(*copy->Manager().ItemByName("mnuFile"));
    file.ItemLinks().Assign(designed.ItemLinks(), [&](TcbBarItem* item) {
        return item ? manager.ItemByName(item->Name()) : nullptr;
    });
    file.ItemLinks().CopyRecentState(designed.ItemLinks());
    copy.reset();

    ASSERT_EQ(file.ItemLinks().Count(), 2);
    EXPECT_EQ(file.ItemLinks().Items(0)->Caption(), "&New game");
    EXPECT_EQ(file.ItemLinks().Items(0)->Item(), manager.ItemByName("mnuNew"));
    EXPECT_TRUE(file.ItemLinks().Items(1)->OwnBeginGroup());
    EXPECT_EQ(manager.ItemByName("mnuNew")->LinkCount(), 1);
}

TEST(DesignTimeCopy, NeedsADescription) {
    QWidget form;
    TcbBarManager manager(&form);
    EXPECT_EQ(CreateDesignTimeCopy(manager), nullptr);
}

}  // namespace
}  // namespace bars::testing
