#include "tests/bars/menus_fixture.h"

#include "bars/extended/toolbars_list_item.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/popups/toolbars_popup.h"

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

std::vector<std::string> Captions(const TcbBarItemLinks& links) {
    std::vector<std::string> captions;
    for (int i = 0; i < links.Count(); ++i) captions.push_back(links.Items(i)->Item()->Caption());
    return captions;
}

TEST_F(MenusTest, TheToolbarsListListsTheBarsTheToolbarsPopupLists) {
    NewBar("Tools");
    NewBar("Fixed").SetAllowClose(false);
    NewBar("Gone").SetHidden(true);
    manager->SetCanCustomize(false);  // the pop-up adds no entry of its own
    auto& list = NewItem<TcbBarToolbarsListItem>("tlBars");
    list.SetCaption("&Toolbars");
    Link(MenuBar().ItemLinks(), list);
    ShowMenuBar();
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    ASSERT_NE(MenuOf(list), nullptr);
    const std::vector<std::string> listed = Captions(list.ItemLinks());
    Press(platform::VK_ESCAPE);
    Press(platform::VK_ESCAPE);
    TcbBarSubMenuControl* popup = ShowToolbarsPopup(*manager, {50, 50});
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(Captions(*popup->ItemLinks()), listed);
    EXPECT_EQ(listed, std::vector<std::string>{"Tools"}) << "neither the fixed bars nor the hidden one";
    popup->CloseAll();
}

}  // namespace
}  // namespace bars::testing
