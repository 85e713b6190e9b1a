#include "bars/design/manager_description.h"
#include "bars/items/container_items.h"
#include "tests/bars/menus_fixture.h"

#include <map>

namespace bars::testing {
namespace {

using platform::ShortCut;
using platform::kShiftCtrl;
using platform::kShiftNone;

enum Category { kFile, kGame, kStatistics, kTools, kHelp, kMenus, kBookmarks, kOptions };

TcbBarItemDescription Command(const std::string& name, const std::string& caption, int category, int shortCut = 0) {
    return {.name = name, .caption = caption, .category = category, .shortCut = shortCut};
}

TcbBarItemDescription Menu(const std::string& name, const std::string& caption,
                           std::vector<TcbBarLinkDescription> links) {
    return {.className = "TcbBarSubItem", .name = name, .caption = caption, .category = kMenus, .links = std::move(links)};
}

// The main window's manager as its form declares it.
std::shared_ptr<TcbBarManagerDescription> MainWindowManager() {
    auto d = std::make_shared<TcbBarManagerDescription>();
    d->name = "cbBarManager1";
    d->style = bmsStandard;
    d->canCustomize = false;
    d->notDocking = TcbBarDockingStyles::All();
    d->dockControlHeights = {0, 0, 23, 0};
    platform::CanvasFont tahoma;
    tahoma.name = "Tahoma";
    tahoma.height = -11;
    d->font = tahoma;
    d->categories = {"File", "Game", "Statistics", "Tools", "Help", "Menus", "Bookmarks", "Options"};
    d->itemsVisibles = std::vector<int>(8, 2);
    d->visibles = std::vector<bool>(8, true);
    TcbBarItemDescription autoPlay = Command("mnuAutoPlay", "Au&toplay", kGame, platform::VK_F7);
    autoPlay.buttonStyle = bsChecked;
    d->items = {
        Command("mnuNew", "&New game", kFile, platform::VK_F2),
        Command("mnuOpen", "&Open a game...", kFile, ShortCut(platform::VK_F12, kShiftCtrl)),
        Command("mnuEsci", "E&xit", kFile),
        Command("mnuUndo", "&Undo", kGame, ShortCut(platform::VK_A + ('Z' - 'A'), kShiftCtrl)),
        Command("mnuRedo", "&Redo", kGame, ShortCut(platform::VK_A + ('Y' - 'A'), kShiftCtrl)),
        autoPlay,
        Command("mnuGameStatistics", "&Game statistics...", kStatistics, platform::VK_F4),
        Command("mnuCustomize", "C&ustomize...", kTools, ShortCut(platform::VK_A + ('U' - 'A'), kShiftCtrl)),
        Command("mnuRules", "&Rules", kHelp, platform::VK_F1),
        Command("Sommario1", "&Contents", kHelp),
        Command("mnuNewsletter", "&Free Newsletter...", kHelp),
        Command("mnuQuendrixHomePage", "[Program] &Home Page", kHelp),
        Command("mnuAbout", "A&bout [Program]...", kHelp),
        Command("mnuInsertBookmark", "Insert &bookmark", kBookmarks),
        Command("mnuGoToBookmark", "Go &to bookmark", kBookmarks),
        Command("mnuCardCounter", "&Card counter...", kOptions, platform::VK_F8),
        {.className = "TcbBarListItem", .name = "mnuFavoriteList", .caption = "Favorite games list", .category = kFile},
        Menu("mnuFavorites", "Fa&vorite games", {{.item = "mnuFavoriteList"}}),
        Menu("mnuQuendrixontheWeb", "[Program] on the &Web...", {{.item = "mnuQuendrixHomePage"}}),
        Menu("mnuFile", "&File",
             {{.item = "mnuNew"}, {.item = "mnuOpen"}, {.item = "mnuFavorites", .beginGroup = true},
              {.item = "mnuEsci", .beginGroup = true}}),
        Menu("mnuGame", "&Game", {{.item = "mnuUndo"}, {.item = "mnuRedo"}, {.item = "mnuAutoPlay", .beginGroup = true}}),
        Menu("mnuBookmarks", "&Bookmarks", {{.item = "mnuInsertBookmark"}, {.item = "mnuGoToBookmark"}}),
        Menu("mnuStatistics", "&Statistics", {{.item = "mnuGameStatistics"}}),
        Menu("mnuOptions", "O&ptions", {{.item = "mnuCardCounter"}}),
        Menu("mnuTools", "&Tools", {{.item = "mnuCustomize"}}),
        Menu("mnuHelp", "&Help",
             {{.item = "mnuRules"}, {.item = "Sommario1"}, {.item = "mnuNewsletter", .beginGroup = true},
              {.item = "mnuQuendrixontheWeb"}, {.item = "mnuAbout", .beginGroup = true}}),
    };
    TcbBarDescription bar;
    bar.name = "MainMenu";
    bar.caption = "Main Menu";
    bar.isMainMenu = true;
    bar.dockingStyle = dsTop;
    bar.dockedDockingStyle = dsTop;
    bar.oneOnRow = true;
    bar.wholeRow = true;
    bar.visible = true;
    for (const char* menu : {"mnuFile", "mnuGame", "mnuBookmarks", "mnuStatistics", "mnuOptions", "mnuTools", "mnuHelp"})
        bar.links.push_back({.item = menu});
    d->bars = {bar};
    return d;
}

class MainMenuTest : public MenusTest {
public:
    MainMenuTest() {
        form = std::make_unique<QWidget>();
        manager = &BuildBarManager(form.get(), MainWindowManager());
        form->setGeometry(0, 0, 751, 407);
        form->show();
    }
    TcbBar& Bar() const { return *manager->MainMenuBar(); }
    TcbBarSubItem& SubItemAt(int index) const {
        return dynamic_cast<TcbBarSubItem&>(*Bar().ItemLinks().Items(index)->Item());
    }
};

TEST_F(MainMenuTest, TheSevenMenusFollowEachOtherFromTheLeftWithoutAnEndMark) {
    ASSERT_EQ(Bar().ItemLinks().Count(), 7);
    EXPECT_EQ(manager->Categories().Count(), 8);
    TcbBarControl& window = WindowOf(Bar());
    EXPECT_FALSE(window.HasEndMark());
    int x = 0;
    for (int i = 0; i < 7; ++i) {
        const platform::Rect r = Bar().ItemLinks().Items(i)->ItemRect();
        EXPECT_EQ(r.left, x) << i;
        EXPECT_GT(r.Width(), 0) << i;
        x = r.right;
    }
    EXPECT_LE(x, window.ClientRect().Width());
}

TEST_F(MainMenuTest, EveryMenuOpensByMouseAndByAltWithItsLetter) {
    const std::string letters = "FGBSPTH";
    for (int i = 0; i < 7; ++i) {
        TcbBarSubItem& sub = SubItemAt(i);
        ClickAt(WindowOf(Bar()), CentreOf(Bar(), i));
        EXPECT_NE(MenuOf(sub), nullptr) << sub.Name();
        ClickAt(WindowOf(Bar()), CentreOf(Bar(), i));
        EXPECT_EQ(MenuOf(sub), nullptr) << sub.Name();
        Press(platform::VK_A + (letters[static_cast<std::size_t>(i)] - 'A'), {platform::VK_MENU});
        EXPECT_NE(MenuOf(sub), nullptr) << sub.Name();
        EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), MenuOf(sub)) << sub.Name();
        Press(platform::VK_ESCAPE);
        Press(platform::VK_ESCAPE);
        EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr) << sub.Name();
    }
}

TEST_F(MainMenuTest, EachShortcutReachesItsCommandExactlyOnce) {
    std::map<std::string, int> clicks;
    const std::vector<std::pair<std::string, std::pair<int, std::vector<int>>>> shortcuts{
        {"mnuNew", {platform::VK_F2, {}}},
        {"mnuOpen", {platform::VK_F12, {platform::VK_CONTROL}}},
        {"mnuAutoPlay", {platform::VK_F7, {}}},
        {"mnuCustomize", {platform::VK_A + ('U' - 'A'), {platform::VK_CONTROL}}},
        {"mnuRules", {platform::VK_F1, {}}},
        {"mnuUndo", {platform::VK_A + ('Z' - 'A'), {platform::VK_CONTROL}}},
        {"mnuRedo", {platform::VK_A + ('Y' - 'A'), {platform::VK_CONTROL}}},
    };
    for (const auto& [name, key] : shortcuts) {
        TcbBarItem* item = manager->ItemByName(name);
        ASSERT_NE(item, nullptr) << name;
        item->OnClick = [&clicks, name](platform::Component*) { ++clicks[name]; };
    }
    for (const auto& [name, key] : shortcuts) {
        for (int modifier : key.second) KeyDown(modifier);
        EXPECT_TRUE(KeyDown(key.first)) << name;
        KeyUp(key.first);
        for (int modifier : key.second) KeyUp(modifier);
        EXPECT_EQ(clicks[name], 1) << name;
    }
    EXPECT_TRUE(dynamic_cast<TcbBarButton*>(manager->ItemByName("mnuAutoPlay"))->Down());
    EXPECT_EQ(clicks.size(), shortcuts.size());
}

TEST_F(MainMenuTest, TheFavoritesListFillsItsSubMenu) {
    auto* list = dynamic_cast<TcbBarListItem*>(manager->ItemByName("mnuFavoriteList"));
    ASSERT_NE(list, nullptr);
    list->SetItems({"Klondike", "Spider"});
    Press(platform::VK_A + ('F' - 'A'), {platform::VK_MENU});
    TcbBarSubMenuControl* file = MenuOf(SubItemAt(0));
    ASSERT_NE(file, nullptr);
    Press(platform::VK_DOWN);
    Press(platform::VK_DOWN);
    Press(platform::VK_RIGHT);
    auto& favorites = dynamic_cast<TcbBarSubItem&>(*manager->ItemByName("mnuFavorites"));
    ASSERT_NE(MenuOf(favorites), nullptr);
    EXPECT_EQ(favorites.ItemLinks().ShownLinks().size(), 2u);
    EXPECT_EQ(favorites.ItemLinks().ShownLinks()[1]->Caption(), "&2 Spider");
}

}  // namespace
}  // namespace bars::testing
