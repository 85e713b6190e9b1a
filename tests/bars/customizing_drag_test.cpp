#include "bars/customize/customizing_drag.h"
#include "bars/customize/customizing_site.h"
#include "bars/services/framework_services.h"
#include "platform/core/input_hooks.h"
#include "platform/core/messages.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_list.h"
#include "tests/bars/recorded_messages.h"
#include "tests/bars/menus_fixture.h"
#include "tests/bars/windows_fixture.h"

namespace bars::testing {
namespace {


// A dialog with a category list in a strip of the screen.
class FakeSite : public ICustomizingSite {
public:
    explicit FakeSite(TcbBarManager& manager) : m_manager(manager) {}
    TcbBarManager& Manager() const override { return m_manager; }
    bool ContainsScreenPoint(platform::Point p) const override { return p.x >= 1000 && p.x < 1300; }
    int CategoryAt(platform::Point p) const override { return ContainsScreenPoint(p) && p.y < 100 ? p.y / 20 : -1; }
    void SelectCategory(int index) override { selected = index; }
    void Refresh() override { ++refreshes; }
    void ShowCommand(const TcbBarItem* item) override { commands.push_back(item); }
    int selected = -1;
    int refreshes = 0;
    std::vector<const TcbBarItem*> commands;

private:
    TcbBarManager& m_manager;
};

class CustomizingDragTest : public WindowsTest {
public:
    CustomizingDragTest() {
        SetCustomizingMessages(&messages);
        tools = &ShowBar("Tools", dsTop, 3);
        manager->SetCustomizing(true);
    }
    ~CustomizingDragTest() override {
        Drag().Cancel();
        SetCustomizingMessages(nullptr);
        SetCustomizingSite(nullptr);
        SetDesignerActive(false);
        platform::KeyStates::Instance().Clear();
    }
    static TcbBarCustomizingDrag& Drag() { return TcbBarCustomizingDrag::Instance(); }
    platform::Point Screen(const TcbBar& bar, platform::Point client) const {
        return WindowOf(bar).ClientToScreenPoint(client);
    }
    // Presses on a link, moves by the offset through the bar window and releases there.
    void DragLink(TcbBar& bar, int index, platform::Point offset) {
        TcbBarControl& window = WindowOf(bar);
        const platform::Point from = CentreOf(bar, index);
        const platform::Point to{from.x + offset.x, from.y + offset.y};
        window.LButtonDown(from);
        window.MouseMove(to);
        if (Drag().IsDragging()) {
            Drag().MouseMoved(Screen(bar, to));
            Drag().Drop();
        } else {
            window.LButtonUp(to);
        }
    }
    std::vector<std::string> Names(const TcbBar& bar) const {
        std::vector<std::string> names;
        for (int i = 0; i < bar.ItemLinks().Count(); ++i) names.push_back(bar.ItemLinks().Items(i)->Item()->Name());
        return names;
    }

    RecordedMessages messages;
    TcbBar* tools = nullptr;
};

TEST_F(CustomizingDragTest, SmallMovesLeaveTheLinkAndFivePixelsRightGiveAGroupLine) {
    DragLink(*tools, 1, {2, 0});
    EXPECT_FALSE(Drag().IsDragging());
    EXPECT_EQ(Names(*tools), (std::vector<std::string>{"Tools0", "Tools1", "Tools2"}));
    EXPECT_FALSE(tools->ItemLinks().Items(1)->BeginGroup());

    DragLink(*tools, 1, {5, 0});
    EXPECT_EQ(Names(*tools), (std::vector<std::string>{"Tools0", "Tools1", "Tools2"}));
    EXPECT_TRUE(tools->ItemLinks().Items(1)->BeginGroup());
    EXPECT_EQ(manager->DragLink(), nullptr);

    DragLink(*tools, 1, {-5, 0});
    EXPECT_FALSE(tools->ItemLinks().Items(1)->BeginGroup());
}

TEST_F(CustomizingDragTest, LinkDroppedOffEveryBarGoesUnlessCtrlIsHeld) {
    TcbBarControl& window = WindowOf(*tools);
    window.LButtonDown(CentreOf(*tools, 0));
    window.MouseMove({CentreOf(*tools, 0).x, 40});
    ASSERT_TRUE(Drag().IsDragging());
    Drag().CopyKey(true);
    Drag().MouseMoved({700, 700});
    EXPECT_EQ(Drag().Cursor(), kNoDropCursor);
    Drag().Drop();
    EXPECT_EQ(tools->ItemLinks().Count(), 3) << "Ctrl keeps the link";

    window.LButtonDown(CentreOf(*tools, 0));
    window.MouseMove({CentreOf(*tools, 0).x, 40});
    Drag().MouseMoved({700, 700});
    Drag().Drop();
    EXPECT_EQ(Names(*tools), (std::vector<std::string>{"Tools1", "Tools2"}));
    EXPECT_NE(manager->ItemByName("Tools0"), nullptr) << "the item stays";
    EXPECT_FALSE(Drag().IsDragging());
    EXPECT_EQ(platform::GetCapture(), platform::kNoWindow);
}

TEST_F(CustomizingDragTest, CtrlSwitchesToTheCopyCursorWithoutAMove) {
    TcbBarItem& item = *manager->ItemByName("Tools2");
    DesignDragLoop(*manager, item, tools->ItemLinks().Items(2), Screen(*tools, CentreOf(*tools, 2)));
    Drag().MouseMoved(Screen(*tools, CentreOf(*tools, 0)));
    EXPECT_EQ(Drag().Cursor(), kDragCursor);
    EXPECT_TRUE(Drag().MarkShown());
    platform::KeyHookMessage ctrl{platform::WM_KEYDOWN, platform::VK_CONTROL, 1};
    EXPECT_TRUE(platform::InputHooks::Instance().DispatchKey(ctrl)) << "keys go to the drag only";
    EXPECT_EQ(Drag().Cursor(), kDragCopyCursor);
    ctrl.message = platform::WM_KEYUP;
    ctrl.keyData |= platform::kKeyDataUp;
    platform::InputHooks::Instance().DispatchKey(ctrl);
    EXPECT_EQ(Drag().Cursor(), kDragCursor);
    platform::KeyHookMessage esc{platform::WM_KEYDOWN, platform::VK_ESCAPE, 1};
    platform::InputHooks::Instance().DispatchKey(esc);
    EXPECT_FALSE(Drag().IsDragging());
    EXPECT_EQ(Names(*tools), (std::vector<std::string>{"Tools0", "Tools1", "Tools2"})) << "Esc drops nothing";

    // Customizing ending under a running drag (the manager going) ends the drag first.
    DesignDragLoop(*manager, item, tools->ItemLinks().Items(2), Screen(*tools, CentreOf(*tools, 2)));
    manager->SetCustomizing(false);
    EXPECT_FALSE(Drag().IsDragging());
    EXPECT_EQ(manager->DragLink(), nullptr);
}

TEST_F(CustomizingDragTest, CommandDroppedBeforeALinkTakesItsPlaceAndItsGroupLine) {
    tools->ItemLinks().Items(1)->SetBeginGroup(true);
    TcbBarButton& extra = NewItem("Extra");
    DesignDragLoop(*manager, extra, nullptr, {700, 700});
    const platform::Rect r = tools->ItemLinks().Items(1)->ItemRect();
    Drag().MouseMoved(Screen(*tools, {r.left + 2, (r.top + r.bottom) / 2}));
    EXPECT_EQ(Drag().Position().link, tools->ItemLinks().Items(1));
    EXPECT_FALSE(Drag().Position().after);
    Drag().Drop();
    EXPECT_EQ(Names(*tools), (std::vector<std::string>{"Tools0", "Extra", "Tools1", "Tools2"}));
    EXPECT_TRUE(tools->ItemLinks().Items(1)->OwnBeginGroup());
    EXPECT_FALSE(tools->ItemLinks().Items(2)->OwnBeginGroup());
    EXPECT_EQ(manager->SelectedItemControl(), tools->ItemLinks().Items(1)->Control());
}

TEST_F(CustomizingDragTest, LinkMovesToAnotherBarAndCopiesItsOwnValues) {
    TcbBar& other = ShowBar("Other", dsTop, 1, 1);
    tools->ItemLinks().Items(0)->SetUserCaption("Mine");
    TcbBarControl& window = WindowOf(*tools);
    window.LButtonDown(CentreOf(*tools, 0));
    window.MouseMove({CentreOf(*tools, 0).x + 8, CentreOf(*tools, 0).y});
    const platform::Rect r = other.ItemLinks().Items(0)->ItemRect();
    Drag().MouseMoved(Screen(other, {r.right - 2, (r.top + r.bottom) / 2}));
    Drag().Drop();
    EXPECT_EQ(Names(*tools), (std::vector<std::string>{"Tools1", "Tools2"}));
    EXPECT_EQ(Names(other), (std::vector<std::string>{"Other0", "Tools0"}));
    EXPECT_EQ(other.ItemLinks().Items(1)->UserCaption(), "Mine");
}

TEST_F(CustomizingDragTest, TheDialogHearsOfEverySelectionOnTheBarsNoneIncluded) {
    FakeSite site(*manager);
    SetCustomizingSite(&site);
    WindowOf(*tools).LButtonDown(CentreOf(*tools, 1));
    WindowOf(*tools).LButtonUp(CentreOf(*tools, 1));
    ASSERT_NE(manager->SelectedItemControl(), nullptr);
    manager->SetSelectedItemControl(nullptr);
    EXPECT_EQ(site.commands, (std::vector<const TcbBarItem*>{tools->ItemLinks().Items(1)->Item(), nullptr}));
}

TEST_F(CustomizingDragTest, DesignTimeDropOnTheCategoryListMovesTheItem) {
    manager->Categories().Add("Second");
    TcbBarButton& command = NewItem("Command", 0);
    NewItem("SecondOne", 1);
    FakeSite site(*manager);
    SetCustomizingSite(&site);

    DesignDragLoop(*manager, command, nullptr, {1100, 300});
    Drag().MouseMoved({1100, 30});
    EXPECT_EQ(site.selected, -1) << "at run time the list is no target";
    Drag().Drop();
    EXPECT_EQ(command.Category(), 0);

    SetDesignerActive(true);
    DesignDragLoop(*manager, command, nullptr, {1100, 300});
    Drag().MouseMoved({1100, 30});
    EXPECT_EQ(site.selected, 1);
    Drag().Drop();
    EXPECT_EQ(command.Category(), 1);
    EXPECT_EQ(manager->IndexOfItem(command), manager->IndexOfItem(*manager->ItemByName("SecondOne")) + 1);
    EXPECT_EQ(Names(*tools).size(), 3u);
}

// A menu-like window that shows a sub item's links and takes drops.
class SubMenuWindow : public TCustomcbBarControl {
public:
    SubMenuWindow(TcbBarManager& manager, TcbBarItemLinks& links) : TCustomcbBarControl(manager) {
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
        SetItemLinks(&links);
        links.SetWindow(this);
        setGeometry(600, 100, 120, 60);
        show();
        platform::WindowList::Instance().BringToTop(this);
    }
    ~SubMenuWindow() override {
        if (ItemLinks()) ItemLinks()->SetWindow(nullptr);
    }
    bool IsMenu() const override { return true; }
    bool CanCustomizeHere() const override { return true; }
    void Release() override {}
};

TEST_F(CustomizingDragTest, SubItemDroppedIntoItsOwnMenuIsRefusedAndLeavesNoEmptyLink) {
    auto& file = NewItem<TcbBarSubItem>("mnuFile");
    Link(file.ItemLinks(), *manager->ItemByName("Tools0"));
    SubMenuWindow menu(*manager, file.ItemLinks());
    DesignDragLoop(*manager, file, nullptr, {700, 700});
    Drag().MouseMoved({650, 120});
    ASSERT_EQ(Drag().Target(), &menu);
    Drag().Drop();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"You cannot create recursive subitems"}));
    ASSERT_EQ(file.ItemLinks().Count(), 1);
    EXPECT_NE(file.ItemLinks().Items(0)->Item(), nullptr);
    EXPECT_FALSE(Drag().IsDragging());
    EXPECT_EQ(manager->DragLink(), nullptr);
}

// The menu bar's File menu, with the Tools bar's commands to drop into it.
class NestedMenuDragTest : public MenusTest {
public:
    NestedMenuDragTest() : file(NewSubItem("mnuFile", "&File", 2)) {
        tools = &ShowBar("Tools", dsBottom, 2);
        Link(MenuBar().ItemLinks(), file);
        ShowMenuBar();
        manager->SetCustomizing(true);
    }
    ~NestedMenuDragTest() override { TcbBarCustomizingDrag::Instance().Cancel(); }
    // Drags the command from the list to the File title, where its menu opens.
    TcbBarSubMenuControl& DragOntoFile(TcbBarItem& command) {
        DesignDragLoop(*manager, command, nullptr, {700, 700});
        Drag().MouseMoved(WindowOf(MenuBar()).ClientToScreenPoint(CentreOf(MenuBar(), 0)));
        TcbBarSubMenuControl* menu = MenuOf(file);
        EXPECT_NE(menu, nullptr);
        return *menu;
    }
    static TcbBarCustomizingDrag& Drag() { return TcbBarCustomizingDrag::Instance(); }

    TcbBarSubItem& file;
    TcbBar* tools = nullptr;
};

TEST_F(NestedMenuDragTest, CommandDraggedOverASubItemOpensItsMenuAndDropsIntoIt) {
    TcbBarItem& command = *manager->ItemByName("Tools1");
    TcbBarSubMenuControl& menu = DragOntoFile(command);
    ASSERT_TRUE(menu.isVisible());
    const platform::Point entry = Centre(file.ItemLinks(), 1);
    Drag().MouseMoved(menu.ClientToScreenPoint({entry.x, entry.y + 2}));
    ASSERT_EQ(Drag().Target(), &menu);
    Drag().Drop();
    ASSERT_EQ(file.ItemLinks().Count(), 3);
    EXPECT_EQ(MenuOf(file), &menu) << "the drop's own menu stays open";
    const bool inMenu = file.ItemLinks().Items(1)->Item() == &command || file.ItemLinks().Items(2)->Item() == &command;
    EXPECT_TRUE(inMenu);
}

TEST_F(NestedMenuDragTest, DropOnABarClosesTheMenuOpenedOnTheWayAndKeepsTheNewLinkSelected) {
    TcbBarItem& command = *manager->ItemByName("Tools1");
    DragOntoFile(command);
    const platform::Point first = CentreOf(*tools, 0);
    Drag().MouseMoved(WindowOf(*tools).ClientToScreenPoint({first.x - 3, first.y}));
    ASSERT_EQ(Drag().Target(), &WindowOf(*tools));
    Drag().Drop();
    const TcbBarSubMenuControl* menu = MenuOf(file);
    EXPECT_TRUE(menu == nullptr || !menu->isVisible());
    ASSERT_EQ(tools->ItemLinks().Count(), 3);
    EXPECT_EQ(tools->ItemLinks().Items(0)->Item(), &command);
    EXPECT_EQ(manager->SelectedItemControl(), tools->ItemLinks().Items(0)->Control());
}

}  // namespace
}  // namespace bars::testing
