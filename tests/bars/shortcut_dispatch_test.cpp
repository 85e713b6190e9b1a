#include "bars/customize/customizing_form.h"
#include "bars/manager/bar_hooks.h"
#include "platform/core/window_messages.h"
#include "platform/qt/input_event_filter.h"
#include "platform/qt/window_list.h"
#include "tests/bars/menus_fixture.h"

#include <vector>

namespace bars::testing {
namespace {

using platform::VK_MENU;

class ShortcutDispatchTest : public MenusTest {
public:
    void SetUp() override {
        file = &NewSubItem("File", "&File", 2);
        game = &NewSubItem("Game", "&Game", 1);
        newGame = dynamic_cast<TcbBarButton*>(file->ItemLinks().Items(0)->Item());
        newGame->SetShortCut(platform::VK_F2);
        newGame->OnClick = [this](platform::Component*) { ++newGames; };
        Link(MenuBar().ItemLinks(), *file);
        Link(MenuBar().ItemLinks(), *game);
        ShowMenuBar();
    }
    TcbBarControl& Bar() { return WindowOf(MenuBar()); }
    bool MouseDownOn(QWidget* widget) {
        return platform::InputHooks::Instance().DispatchMouse(
            {platform::WM_LBUTTONDOWN, {5, 200}, platform::HandleOf(widget), platform::HTCLIENT});
    }
    TcbBarSubItem* file = nullptr;
    TcbBarSubItem* game = nullptr;
    TcbBarButton* newGame = nullptr;
    int newGames = 0;
};

TEST_F(ShortcutDispatchTest, AltAloneEntersKeyboardModeAndAltWithAnotherKeyDoesNot) {
    KeyDown(VK_MENU);
    KeyDown(platform::VK_SHIFT);
    KeyUp(platform::VK_SHIFT);
    EXPECT_FALSE(KeyUp(VK_MENU));
    EXPECT_EQ(manager->KeyboardBar(), nullptr);
    KeyDown(VK_MENU);
    EXPECT_TRUE(KeyUp(VK_MENU));
    EXPECT_EQ(manager->KeyboardBar(), &Bar());
    EXPECT_EQ(Bar().SelectedControl(), ControlAt(MenuBar().ItemLinks(), 0));
    EXPECT_EQ(MenuOf(*file), nullptr);
    // Down opens the selected menu with its first entry selected.
    Press(platform::VK_DOWN);
    ASSERT_NE(MenuOf(*file), nullptr);
    EXPECT_EQ(MenuOf(*file)->SelectedControl(), ControlAt(file->ItemLinks(), 0));
}

TEST_F(ShortcutDispatchTest, AltWithALetterOpensTheMenuOfThatAccelerator) {
    EXPECT_TRUE(Press(platform::VK_A + ('G' - 'A'), {VK_MENU}));
    ASSERT_NE(MenuOf(*game), nullptr);
    EXPECT_EQ(MenuOf(*file), nullptr);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), MenuOf(*game));
}

TEST_F(ShortcutDispatchTest, F10EntersTheMenuBarAndShiftF10ShowsTheFocusedControlsPopup) {
    QWidget* shownFor = nullptr;
    std::optional<platform::Point> shownAt{{1, 1}};
    SetPopupMenuLinkShower([&](TcbBarManager&, QWidget* control, std::optional<platform::Point> screen) {
        shownFor = control;
        shownAt = screen;
        return true;
    });
    EXPECT_TRUE(Press(platform::VK_F10, {platform::VK_SHIFT}));
    EXPECT_EQ(shownFor, form.get());
    EXPECT_FALSE(shownAt.has_value());  // the link finds the caret
    EXPECT_EQ(manager->KeyboardBar(), nullptr);
    Press(platform::VK_F10);
    EXPECT_EQ(manager->KeyboardBar(), &Bar());
    SetPopupMenuLinkShower(nullptr);
    manager->SetUseF10ForMenu(false);
    Press(platform::VK_ESCAPE);
    Press(platform::VK_F10);
    EXPECT_EQ(manager->KeyboardBar(), nullptr);
}

TEST_F(ShortcutDispatchTest, ARightClickOnAControlShowsItsLinkedPopupMenu) {
    QWidget* shownFor = nullptr;
    std::optional<platform::Point> shownAt;
    SetPopupMenuLinkShower([&](TcbBarManager&, QWidget* control, std::optional<platform::Point> screen) {
        shownFor = control;
        shownAt = screen;
        return true;
    });
    EXPECT_TRUE(platform::InputHooks::Instance().DispatchMouse(
        {platform::WM_RBUTTONUP, {5, 200}, platform::HandleOf(form.get()), platform::HTCLIENT}));
    EXPECT_EQ(shownFor, form.get());
    EXPECT_EQ(shownAt, (platform::Point{5, 200}));
    SetPopupMenuLinkShower(nullptr);
}

TEST_F(ShortcutDispatchTest, WithAMenuOpenKeysAndTheirReleasesNeverReachTheForm) {
    ClickAt(Bar(), CentreOf(MenuBar(), 0));
    ASSERT_NE(MenuOf(*file), nullptr);
    // The open menu hears the release, as a key-up message of its window.
    const platform::WindowHandle menu = MenuOf(*file)->Handle();
    std::vector<platform::WindowMessage> heard;
    platform::MessageRouter::Instance().Register(menu, [&](const platform::WindowMessage& m) {
        heard.push_back(m);
        return std::intptr_t{0};
    });
    EXPECT_TRUE(KeyDown(platform::VK_DOWN));
    EXPECT_TRUE(KeyUp(platform::VK_DOWN));
    platform::MessageRouter::Instance().Unregister(menu);
    const platform::WindowMessage keyUp{menu, platform::WM_KEYUP, platform::VK_DOWN, platform::kKeyDataUp};
    EXPECT_EQ(heard, std::vector{keyUp});
    // Esc closes both levels in two presses; the release of the last still goes.
    KeyDown(platform::VK_ESCAPE);
    KeyUp(platform::VK_ESCAPE);
    EXPECT_TRUE(KeyDown(platform::VK_ESCAPE));
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
    EXPECT_TRUE(KeyUp(platform::VK_ESCAPE));
    EXPECT_FALSE(KeyUp(platform::VK_ESCAPE));
}

TEST_F(ShortcutDispatchTest, AShortcutOnTwoBarsRunsOnceThroughTheMainMenuBar) {
    TcbBar& tools = MakeBar("Tools", dsTop, 1, 1);
    auto& second = ButtonOf(tools, 0);
    int secondClicks = 0;
    second.SetShortCut(platform::VK_F2);
    second.OnClick = [&](platform::Component*) { ++secondClicks; };
    Link(tools.ItemLinks(), *newGame);
    tools.SetVisible(true);
    EXPECT_TRUE(Press(platform::VK_F2));
    EXPECT_EQ(newGames, 1);
    EXPECT_EQ(secondClicks, 0);
    newGame->SetEnabled(false);
    EXPECT_TRUE(Press(platform::VK_F2));
    EXPECT_EQ(secondClicks, 1);
}

TEST_F(ShortcutDispatchTest, TheSearchReachesASubItemsSubItemAndSkipsDisabledButtons) {
    auto& deeper = NewSubItem("Deeper", "&Deeper", 2);
    Link(file->ItemLinks(), deeper);
    auto& disabled = dynamic_cast<TcbBarButton&>(*deeper.ItemLinks().Items(0)->Item());
    auto& enabled = dynamic_cast<TcbBarButton&>(*deeper.ItemLinks().Items(1)->Item());
    int disabledClicks = 0, enabledClicks = 0;
    disabled.SetShortCut(platform::ShortCut(platform::VK_A, platform::kShiftCtrl));
    disabled.SetEnabled(false);
    disabled.OnClick = [&](platform::Component*) { ++disabledClicks; };
    enabled.SetShortCut(platform::ShortCut(platform::VK_A, platform::kShiftCtrl));
    enabled.OnClick = [&](platform::Component*) { ++enabledClicks; };
    EXPECT_TRUE(Press(platform::VK_A, {platform::VK_CONTROL}));
    EXPECT_EQ(disabledClicks, 0);
    EXPECT_EQ(enabledClicks, 1);
}

TEST_F(ShortcutDispatchTest, WhileTheProgramsFilterSwallowsInputNothingIsDispatched) {
    SetProgramInputFilter([] { return true; });
    EXPECT_FALSE(Press(platform::VK_F2));
    KeyDown(VK_MENU);
    KeyUp(VK_MENU);
    Press(platform::VK_A + ('F' - 'A'), {VK_MENU});
    SetProgramInputFilter(nullptr);
    EXPECT_EQ(newGames, 0);
    EXPECT_EQ(manager->KeyboardBar(), nullptr);
    EXPECT_EQ(MenuOf(*file), nullptr);
}

TEST_F(ShortcutDispatchTest, AClickOutsideAnOpenMenuClosesItAndReachesTheForm) {
    ClickAt(Bar(), CentreOf(MenuBar(), 0));
    ASSERT_NE(MenuOf(*file), nullptr);
    EXPECT_FALSE(MouseDownOn(MenuOf(*file)));
    EXPECT_NE(MenuOf(*file), nullptr);
    EXPECT_FALSE(MouseDownOn(form.get()));
    EXPECT_EQ(MenuOf(*file), nullptr);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
}

// While customizing a window that leaves the chain keeps its selection; the menu goes all
// the same, and the title opens it again.
TEST_F(ShortcutDispatchTest, WhileCustomizingAClickOutsideAnOpenMenuClosesItToo) {
    manager->SetCustomizing(true);
    ClickAt(Bar(), CentreOf(MenuBar(), 0));
    TcbBarSubMenuControl* menu = MenuOf(*file);
    ASSERT_NE(menu, nullptr);
    platform::KeyStates::Instance().SetDown(platform::VK_LBUTTON, true);  // the press's own button
    MouseDownOn(form.get());
    EXPECT_FALSE(TCustomcbBarControl::IsLive(menu));
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
    EXPECT_EQ(manager->SelectedItemControl(), ControlAt(MenuBar().ItemLinks(), 0));
    platform::KeyStates::Instance().SetDown(platform::VK_LBUTTON, false);
    ClickAt(Bar(), CentreOf(MenuBar(), 0));
    EXPECT_NE(MenuOf(*file), nullptr);
    ClickAt(Bar(), CentreOf(MenuBar(), 1));
    EXPECT_NE(MenuOf(*game), nullptr);
    EXPECT_EQ(MenuOf(*file), nullptr);
    manager->SetCustomizing(false);
}

// While a bar tracks a press of its own (here a floating bar being sized), a click elsewhere
// leaves the menus it opened alone.
TEST_F(ShortcutDispatchTest, AClickElsewhereLeavesTheMenusOfABarThatTracksItsOwnPress) {
    TcbBar& tools = MakeBar("Tools", dsNone, 0);
    tools.SetFloatLeft(300);
    tools.SetFloatTop(200);
    tools.SetFloatClientWidth(60);
    Link(tools.ItemLinks(), *game);
    tools.SetVisible(true);
    TcbBarControl& window = WindowOf(tools);
    ClickAt(window, CentreOf(tools, 0));
    ASSERT_NE(MenuOf(*game), nullptr);
    const platform::Point leftEdge = platform::ClientToScreen(&window, {1, window.height() / 2});
    platform::SendMouseMessage(window, platform::WM_LBUTTONDOWN, leftEdge);
    ASSERT_TRUE(window.RunsOwnLoop());
    MouseDownOn(form.get());
    EXPECT_NE(MenuOf(*game), nullptr);
    platform::SendMouseMessage(window, platform::WM_LBUTTONUP, leftEdge);
    ASSERT_FALSE(window.RunsOwnLoop());
    MouseDownOn(form.get());
    EXPECT_EQ(MenuOf(*game), nullptr);
}

// A customizing dialog shown modally disables the other windows; clicks on their bars (the
// error hit code) still reach the bars.
TEST_F(ShortcutDispatchTest, WhileTheCustomizingDialogIsModalClicksOnDisabledBarsReachTheBars) {
    TcbBar& tools = ShowBar("Tools", dsTop, 2, 1);
    TcbBarCustomizingForm* dialog = ShowCustomizingForm(*manager);
    ASSERT_NE(dialog, nullptr);
    TcbBarControl& window = WindowOf(tools);
    const auto press = [&](int index, int hitTest) {
        return platform::InputHooks::Instance().DispatchMouse(
            {platform::WM_NCLBUTTONDOWN, window.ClientToScreenPoint(CentreOf(tools, index)), window.Handle(), hitTest});
    };
    EXPECT_FALSE(press(0, platform::HTERROR)) << "not modal";
    dialog->setWindowModality(Qt::ApplicationModal);
    EXPECT_FALSE(press(0, platform::HTCLIENT)) << "a window the dialog leaves enabled";
    EXPECT_EQ(manager->SelectedItemControl(), nullptr);
    EXPECT_TRUE(press(1, platform::HTERROR));
    EXPECT_EQ(manager->SelectedItemControl(), tools.ItemLinks().Items(1)->Control());
    CloseCustomizingForm();
}

TEST_F(ShortcutDispatchTest, TheLastManagerTakesTheHooksAndANewOneBringsThemBack) {
    EXPECT_TRUE(AreBarHooksInstalled());
    auto other = std::make_unique<QWidget>();
    auto* second = new TcbBarManager(other.get());
    (void)second;
    other.reset();
    EXPECT_TRUE(AreBarHooksInstalled());
    form.reset();
    FlushDeletes();
    EXPECT_FALSE(AreBarHooksInstalled());
    form = std::make_unique<QWidget>();
    manager = new TcbBarManager(form.get());
    EXPECT_TRUE(AreBarHooksInstalled());
}

}  // namespace
}  // namespace bars::testing
