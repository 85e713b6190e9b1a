#include "bars/design/manager_description.h"
#include "bars/items/container_items.h"
#include "shell/main_menu.h"
#include "tests/bars/menus_fixture.h"

#include <map>

// The main window's manager as the shell declares it, on a bare form: the framework's
// side of the menu bar, before the program hides what it does not offer.
namespace bars::testing {
namespace {

class MainMenuTest : public MenusTest {
public:
    MainMenuTest() {
        form = std::make_unique<QWidget>();
        manager = &BuildBarManager(form.get(), shell::MainMenuDescription());
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
    ASSERT_NE(MenuOf(SubItemAt(0)), nullptr);
    Press(platform::VK_A + ('V' - 'A'));
    auto& favorites = dynamic_cast<TcbBarSubItem&>(*manager->ItemByName("mnuFavorites"));
    ASSERT_NE(MenuOf(favorites), nullptr);
    EXPECT_EQ(favorites.ItemLinks().ShownLinks().size(), 2u);
    EXPECT_EQ(favorites.ItemLinks().ShownLinks()[1]->Caption(), "&2 Spider");
}

}  // namespace
}  // namespace bars::testing
