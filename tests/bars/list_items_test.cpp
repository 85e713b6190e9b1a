#include "bars/items/container_items.h"
#include "tests/bars/menus_fixture.h"

namespace bars::testing {
namespace {

// Captions of the shown links, "|" standing for a group line.
std::vector<std::string> Shown(const TcbBarItemLinks& links) {
    std::vector<std::string> captions;
    for (TcbBarItemLink* link : links.ShownLinks()) {
        if (link->BeginGroup()) captions.push_back("|");
        captions.push_back(link->Caption());
    }
    return captions;
}

TEST(ListItemCaptionTest, DigitsThenLettersNumberThirtyFiveEntries) {
    EXPECT_EQ(TcbBarListItem::EntryCaption(0, "a", true), "&1 a");
    EXPECT_EQ(TcbBarListItem::EntryCaption(8, "i", true), "&9 i");
    EXPECT_EQ(TcbBarListItem::EntryCaption(9, "j", true), "&A j");
    EXPECT_EQ(TcbBarListItem::EntryCaption(34, "z", true), "&Z z");
    // The 36th entry and those after it get no accelerator.
    EXPECT_EQ(TcbBarListItem::EntryCaption(35, "late", true), "late");
    EXPECT_EQ(TcbBarListItem::EntryCaption(0, "plain", false), "plain");
}

class ListItemTest : public MenusTest {
public:
    void SetUp() override {
        file = &NewSubItem("File", "&File", 1);
        list = &NewItem<TcbBarListItem>("Favorites");
        list->SetItems({"a", "-", "b", "c"});
        Link(file->ItemLinks(), *list);
        exitItem = &NewItem("Exit");
        exitItem->SetCaption("E&xit");
        Link(file->ItemLinks(), *exitItem, true);
        Link(MenuBar().ItemLinks(), *file);
        ShowMenuBar();
    }
    TcbBarSubMenuControl* Open() {
        ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
        return MenuOf(*file);
    }
    TcbBarSubItem* file = nullptr;
    TcbBarListItem* list = nullptr;
    TcbBarButton* exitItem = nullptr;
};

TEST_F(ListItemTest, ItsEntriesStandInItsPlaceWhileTheMenuIsOpen) {
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(Shown(file->ItemLinks()),
              (std::vector<std::string>{"File entry 0", "|", "&1 a", "|", "&2 b", "&3 c", "|", "E&xit"}));
    Press(platform::VK_ESCAPE);
    ASSERT_EQ(file->ItemLinks().Count(), 3);
    EXPECT_EQ(file->ItemLinks().Items(1)->Item(), list);
}

TEST_F(ListItemTest, ChoosingAnEntrySetsItemIndexBeforeTheListsClick) {
    int seen = -2;
    list->OnClick = [&](platform::Component*) { seen = list->ItemIndex(); };
    TcbBarSubMenuControl* menu = Open();
    ASSERT_NE(menu, nullptr);
    ClickAt(*menu, Centre(file->ItemLinks(), 3));
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(MenuOf(*file), nullptr);
}

TEST_F(ListItemTest, ShowCheckMarksTheChosenEntryDown) {
    list->SetShowCheck(true);
    list->SetItemIndex(1);
    ASSERT_NE(Open(), nullptr);
    auto* second = dynamic_cast<TcbBarButton*>(file->ItemLinks().Items(2)->Item());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->ButtonStyle(), bsChecked);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(dynamic_cast<TcbBarButton*>(file->ItemLinks().Items(1)->Item())->Down());
}

TEST_F(ListItemTest, GetDataRefillsBeforeEachOpeningAndOnlyItsOwnLinksGo) {
    int fills = 0;
    list->OnGetData = [&](platform::Component*) { ++fills; };
    ASSERT_NE(Open(), nullptr);
    // The strings change while the menu is open; closing still frees just the made entries.
    list->SetItems({"x"});
    Press(platform::VK_ESCAPE);
    ASSERT_EQ(file->ItemLinks().Count(), 3);
    EXPECT_EQ(file->ItemLinks().Items(2)->Item(), exitItem);
    Press(platform::VK_RETURN);
    EXPECT_EQ(fills, 2);
    EXPECT_EQ(Shown(file->ItemLinks()), (std::vector<std::string>{"File entry 0", "|", "&1 x", "|", "E&xit"}));
    list->OnGetData = {};
}

TEST_F(ListItemTest, TheTenthEntryIsLetteredA) {
    std::vector<std::string> items;
    for (int i = 0; i < 12; ++i) items.push_back("game " + std::to_string(i));
    list->SetItems(items);
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(file->ItemLinks().Items(10)->Caption().rfind("&A ", 0), 0u);
    EXPECT_EQ(file->ItemLinks().Items(9)->Caption(), "&9 game 8");
}

TEST_F(MenusTest, AContainerItemCopiesItsOwnLinksIntoTheMenu) {
    auto& file = NewSubItem("File", "&File", 1);
    auto& container = NewItem<TcbBarContainerItem>("Tools");
    auto& one = NewItem("One");
    one.SetCaption("One");
    auto& two = NewItem("Two");
    two.SetCaption("Two");
    Link(container.ItemLinks(), one);
    Link(container.ItemLinks(), two, true);
    Link(file.ItemLinks(), container);
    Link(MenuBar().ItemLinks(), file);
    ShowMenuBar();
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    EXPECT_EQ(Shown(file.ItemLinks()), (std::vector<std::string>{"File entry 0", "|", "One", "|", "Two"}));
    Press(platform::VK_ESCAPE);
    ASSERT_EQ(file.ItemLinks().Count(), 2);
    EXPECT_EQ(file.ItemLinks().Items(1)->Item(), &container);
}

TEST_F(MenusTest, AContainerItemOnAToolbarKeepsItsOwnLinksEachTimeItsMenuCloses) {
    auto& container = NewItem<TcbBarContainerItem>("Tools");
    container.SetCaption("Tools");
    for (const char* name : {"One", "Two", "Three"}) NewItem(name).SetCaption(name);
    Link(container.ItemLinks(), *manager->ItemByName("One"));
    Link(container.ItemLinks(), *manager->ItemByName("Two"), true);
    Link(container.ItemLinks(), *manager->ItemByName("Three"));
    TcbBar& bar = NewBar("Tools bar");
    bar.SetDockingStyle(dsTop);
    Link(bar.ItemLinks(), container);
    bar.SetVisible(true);
    for (int opening = 0; opening < 3; ++opening) {
        ClickAt(WindowOf(bar), CentreOf(bar, 0));
        ASSERT_NE(MenuOf(container), nullptr) << "opening " << opening;
        EXPECT_EQ(Shown(container.ItemLinks()), (std::vector<std::string>{"One", "|", "Two", "Three"}));
        ClickAt(WindowOf(bar), CentreOf(bar, 0));
        FlushDeletes();
        EXPECT_EQ(MenuOf(container), nullptr);
        ASSERT_EQ(container.ItemLinks().Count(), 3) << "after closing " << opening;
    }
}

}  // namespace
}  // namespace bars::testing
