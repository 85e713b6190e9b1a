#include "tests/bars/menus_fixture.h"

#include "bars/extended/toolbars_list_item.h"
#include "bars/menus/sub_menu_window.h"

namespace bars::testing {
namespace {

// The list's menu is filled as it opens, so a toolbar hidden or shown meanwhile is listed as
// it is now.
TEST_F(MenusTest, TheToolbarsListOpensAMenuOfTheToolbarsAsTheyAreNow) {
    TcbBar& tools = NewBar("Tools");
    auto& list = NewItem<TcbBarToolbarsListItem>("tlBars");
    list.SetCaption("&Toolbars");
    Link(MenuBar().ItemLinks(), list);
    ShowMenuBar();
    tools.SetVisible(false);

    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    TcbBarSubMenuControl* menu = MenuOf(list);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(list.ItemLinks().Count(), 1);  // the tools bar; the menu bar can never be closed
    EXPECT_EQ(list.ItemLinks().Items(0)->Item()->Caption(), "Tools");
    EXPECT_FALSE(dynamic_cast<TcbBarButton*>(list.ItemLinks().Items(0)->Item())->Down());
    ClickAt(*menu, Centre(list.ItemLinks(), 0));
    EXPECT_TRUE(tools.Visible());
}

}  // namespace
}  // namespace bars::testing
