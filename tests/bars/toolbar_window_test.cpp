#include "tests/bars/menus_fixture.h"
#include "tests/bars/windows_fixture.h"

#include "bars/design/manager_description.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/canvas.h"
#include "bars/registry/item_class_registry.h"
#include "bars/popups/bar_hints.h"
#include "bars/popups/hint_window.h"
#include "platform/core/window_messages.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

namespace bars::testing {
namespace {

using platform::Rect;

TEST_F(WindowsTest, DockedBarSitsInItsAreaWithGripAndBorders) {
    manager->SetStyle(bmsStandard);
    TcbBar& bar = ShowBar("Tools", dsTop, 3);
    TcbBarControl& window = WindowOf(bar);
    EXPECT_EQ(window.parentWidget(), DockAreasOf(*manager).Area(dsTop));
    // Three 23 x 22 buttons, the grip (9) and the 2-pixel borders around them.
    EXPECT_EQ(window.Bounds(), (Rect{0, 0, 3 * 23 + 9 + 4, 22 + 4}));
    EXPECT_EQ(DockAreasOf(*manager).Area(dsTop)->AreaSize(), 26);
    EXPECT_EQ(bar.ItemLinks().Items(1)->ItemRect(), (Rect{23, 0, 46, 22}));
    EXPECT_FALSE(window.HasEndMark());
}

TEST_F(WindowsTest, ALeftDockedBarRunsDownWithItsGripOnTop) {
    manager->SetStyle(bmsStandard);
    TcbBar& bar = ShowBar("Tools", dsLeft, 3);
    TcbBarControl& window = WindowOf(bar);
    TcbDockControl& area = *DockAreasOf(*manager).Area(dsLeft);
    EXPECT_EQ(window.parentWidget(), &area);
    EXPECT_EQ(window.Insets(), (FrameInsets{2, 2 + 9, 2, 2}));
    EXPECT_EQ(window.Bounds(), (Rect{0, 0, 23 + 4, 3 * 22 + 9 + 4}));
    EXPECT_EQ(area.AreaSize(), 27);
    // The buttons follow each other downwards, centred across.
    EXPECT_EQ(bar.ItemLinks().Items(1)->ItemRect(), (Rect{0, 22, 23, 44}));
    // The left area starts below the top one and spans the rest of the form's height.
    EXPECT_EQ(area.geometry(), QRect(0, 0, 27, form->height()));
}

TEST_F(WindowsTest, BarsOfADescriptionKeepTheirRowsAndTheAreaSizesOnceLoaded) {
    auto description = std::make_shared<TcbBarManagerDescription>();
    description->categories = {"Default"};
    description->dockControlHeights = {0, 0, 23, 0};
    for (const char* name : {"btnA", "btnB"}) {
        TcbBarItemDescription item;
        item.name = name;
        item.category = 0;
        description->items.push_back(item);
    }
    for (int row : {2, 0}) {
        TcbBarDescription bar;
        bar.name = bar.caption = "Row" + std::to_string(row);
        bar.dockingStyle = dsTop;
        bar.row = row;
        bar.oneOnRow = true;
        bar.visible = true;
        bar.links = {{row == 0 ? "btnA" : "btnB"}};
        description->bars.push_back(bar);
    }
    QWidget designed;
    designed.setGeometry(0, 0, 300, 200);
    TcbBarManager& loaded = BuildBarManager(&designed, description);
    const DockRows& rows = DockAreasOf(loaded).Area(dsTop)->Rows();
    // The empty row kept for row 2 while loading goes with the first layout.
    EXPECT_EQ(rows.RowCount(), 2);
    EXPECT_EQ(rows.RowIndex(WindowOf(*loaded.BarByName("Row0"))), 0);
    EXPECT_EQ(rows.RowIndex(WindowOf(*loaded.BarByName("Row2"))), 1);
    EXPECT_EQ(loaded.Bars().DockControlSize(dsTop), 2 * 26);
}

TEST_F(WindowsTest, LoadingLaysOutEveryDockAreaEvenOneLeftEmpty) {
    auto description = std::make_shared<TcbBarManagerDescription>();
    description->categories = {"Default"};
    description->dockControlHeights = {0, 0, 23, 0};
    description->items = {{.name = "btnA", .category = 0}};
    description->bars = {{.name = "Side", .caption = "Side", .dockingStyle = dsLeft, .visible = true,
                          .links = {{.item = "btnA"}}}};
    QWidget designed;
    designed.setGeometry(0, 0, 300, 200);
    TcbBarManager& loaded = BuildBarManager(&designed, description);
    // The stored top height holds only until the first layout: no bar is there.
    EXPECT_EQ(DockAreasOf(loaded).Area(dsTop)->AreaSize(), 0);
    EXPECT_EQ(DockAreasOf(loaded).Area(dsLeft)->y(), 0);
    EXPECT_EQ(WindowOf(*loaded.BarByName("Side")).y(), 0);
}

TEST_F(WindowsTest, LargeIconsGiveAFloatingBarRoomForItsLargerButtons) {
    TcbBar& bar = ShowFloating("Float", 3, 300, 200, 3 * 23);
    TcbBarControl& window = WindowOf(bar);
    manager->SetLargeIcons(true);
    const platform::Rect client = window.ClientRect();
    for (int i = 0; i < 3; ++i) {
        const platform::Rect r = bar.ItemLinks().Items(i)->ItemRect();
        EXPECT_EQ(r.Width(), 39) << i;
        EXPECT_LE(r.right, client.right) << i;
        EXPECT_LE(r.bottom, client.bottom) << i;
    }
}

TEST_F(WindowsTest, DockAreasTakeTheirFormsColourUntilTheyAreGivenOne) {
    const auto paint = [this](QColor colour) {
        QPalette palette = form->palette();
        palette.setColor(QPalette::Window, colour);
        form->setPalette(palette);
    };
    paint(QColor(0, 128, 128));
    ShowBar("Tools", dsTop, 2);
    TcbDockControl& area = *DockAreasOf(*manager).Area(dsTop);
    const auto corner = [&] { return area.Surface().pixelColor(0, 0); };
    EXPECT_EQ(manager->DockColor(), platform::Rgb(0, 128, 128));
    EXPECT_EQ(corner(), QColor(0, 128, 128));
    paint(QColor(128, 0, 128));
    EXPECT_EQ(corner(), QColor(128, 0, 128));
    manager->SetDockColor(platform::Rgb(200, 0, 0));
    EXPECT_FALSE(manager->AutoDockColor());
    EXPECT_EQ(corner(), QColor(200, 0, 0));
    manager->SetAutoDockColor(true);
    EXPECT_EQ(manager->DockColor(), platform::Rgb(128, 0, 128));
}

TEST_F(WindowsTest, AssigningABarTakesItsPropertiesAndShowsItWhereTheSourceIs) {
    TcbBar& source = ShowFloating("Source", 3, 300, 200, 50);
    source.SetAllowClose(false);
    TcbBar& target = MakeBar("Target", dsTop, 1);
    target.Assign(source);
    EXPECT_EQ(target.Caption(), "Source");
    EXPECT_FALSE(target.AllowClose());
    ASSERT_EQ(target.ItemLinks().Count(), 3);
    EXPECT_EQ(target.ItemLinks().Items(2)->Item(), source.ItemLinks().Items(2)->Item());
    ASSERT_TRUE(target.Visible());
    TcbBarControl& window = WindowOf(target);
    EXPECT_TRUE(window.IsFloating());
    EXPECT_EQ(window.geometry(), WindowOf(source).geometry());
}

TEST_F(WindowsTest, HidingAndShowingBringsABarBackToItsRowAndPlace) {
    TcbBar& first = ShowBar("First", dsTop, 2, 0);
    TcbBar& second = ShowBar("Second", dsTop, 2, 1);
    WindowOf(second).SetBounds(WindowOf(second).Bounds());  // as laid out
    const Rect before = WindowOf(second).Bounds();
    second.SetVisible(false);
    FlushDeletes();
    EXPECT_EQ(second.Row(), 1);
    EXPECT_EQ(DockAreasOf(*manager).Area(dsTop)->Rows().RowCount(), 1);
    second.SetVisible(true);
    EXPECT_EQ(DockAreasOf(*manager).Area(dsTop)->Rows().RowIndex(WindowOf(second)), 1);
    EXPECT_EQ(WindowOf(second).Bounds(), before);
    EXPECT_EQ(DockAreasOf(*manager).Area(dsTop)->Rows().RowIndex(WindowOf(first)), 0);
}

TEST_F(WindowsTest, ClickOnACheckButtonTogglesDownBeforeOnClick) {
    TcbBar& bar = ShowBar("Tools", dsTop, 2);
    TcbBarButton& button = ButtonOf(bar, 1);
    button.SetButtonStyle(bsChecked);
    std::vector<bool> seen;
    button.OnClick = [&](platform::Component*) { seen.push_back(button.Down()); };
    Click(bar, 1);
    Click(bar, 1);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(WindowsTest, DisabledButtonsAndReleasesElsewhereDoNotClick) {
    TcbBar& bar = ShowBar("Tools", dsTop, 3);
    int clicks = 0;
    for (int i = 0; i < 3; ++i) ButtonOf(bar, i).OnClick = [&](platform::Component*) { ++clicks; };
    TcbBarControl& window = WindowOf(bar);
    window.MouseMove(CentreOf(bar, 0));
    ASSERT_EQ(window.SelectedControl(), bar.ItemLinks().Items(0)->Control());
    ButtonOf(bar, 2).SetEnabled(false);
    window.LButtonDown(CentreOf(bar, 2));
    window.LButtonUp(CentreOf(bar, 2));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(window.SelectedControl(), bar.ItemLinks().Items(0)->Control());
    // Pressed on the first, released outside the client area: no click.
    window.LButtonDown(CentreOf(bar, 0));
    EXPECT_EQ(window.PressedControl(), bar.ItemLinks().Items(0)->Control());
    window.LButtonUp({-5, 200});
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(window.PressedControl(), nullptr);
    Click(bar, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(WindowsTest, AClickThatHidesItsOwnBarTouchesNothingAfterwards) {
    TcbBar& bar = ShowBar("Tools", dsTop, 2);
    ButtonOf(bar, 0).OnClick = [&](platform::Component*) { bar.SetVisible(false); };
    Click(bar, 0);
    EXPECT_EQ(bar.ItemLinks().Window(), nullptr);
    FlushDeletes();
    EXPECT_FALSE(bar.Visible());
}

TEST_F(WindowsTest, KeyboardModeWalksAndSharedAcceleratorsSelectInTurn) {
    TcbBar& bar = ShowBar("Menu", dsTop, 3);
    ButtonOf(bar, 0).SetCaption("&Game");
    ButtonOf(bar, 1).SetCaption("&Options");
    ButtonOf(bar, 2).SetCaption("&Guide");
    for (int i = 0; i < 3; ++i) ButtonOf(bar, i).SetPaintStyle(psCaption);
    int clicks = 0;
    for (int i = 0; i < 3; ++i) ButtonOf(bar, i).OnClick = [&](platform::Component*) { ++clicks; };
    TcbBarControl& window = WindowOf(bar);
    window.BeginKeyboardMode();
    EXPECT_EQ(manager->KeyboardBar(), &window);
    EXPECT_EQ(window.SelectedControl(), bar.ItemLinks().Items(0)->Control());
    EXPECT_TRUE(window.KeyDown(platform::VK_RIGHT));
    EXPECT_EQ(window.SelectedControl(), bar.ItemLinks().Items(1)->Control());
    EXPECT_TRUE(window.KeyDown(platform::VK_END));
    EXPECT_EQ(window.SelectedControl(), bar.ItemLinks().Items(2)->Control());
    EXPECT_TRUE(window.KeyDown('G'));  // the first "G" after the selection wraps to Game
    EXPECT_EQ(window.SelectedControl(), bar.ItemLinks().Items(0)->Control());
    EXPECT_TRUE(window.KeyDown('G'));
    EXPECT_EQ(window.SelectedControl(), bar.ItemLinks().Items(2)->Control());
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(window.KeyDown(platform::VK_ESCAPE));
    EXPECT_EQ(manager->KeyboardBar(), nullptr);
    EXPECT_EQ(window.SelectedControl(), nullptr);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
}

TEST_F(WindowsTest, AUniqueAcceleratorClicksInKeyboardMode) {
    TcbBar& bar = ShowBar("Menu", dsTop, 2);
    ButtonOf(bar, 1).SetCaption("&Options");
    ButtonOf(bar, 1).SetPaintStyle(psCaption);
    int clicks = 0;
    ButtonOf(bar, 1).OnClick = [&](platform::Component*) { ++clicks; };
    WindowOf(bar).BeginKeyboardMode();
    EXPECT_TRUE(WindowOf(bar).KeyDown('O'));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(manager->KeyboardBar(), nullptr);
}

TEST_F(WindowsTest, ADisabledSelectedButtonLosesTheSelection) {
    TcbBar& bar = ShowBar("Tools", dsTop, 2);
    TcbBarControl& window = WindowOf(bar);
    window.MouseMove(CentreOf(bar, 1));
    ASSERT_EQ(window.SelectedControl(), bar.ItemLinks().Items(1)->Control());
    ButtonOf(bar, 1).SetEnabled(false);
    EXPECT_EQ(window.SelectedControl(), nullptr);
}

TEST_F(WindowsTest, FloatingBarWrapsItsLinksAndDrawsItsCaption) {
    TcbBar& bar = MakeBar("Floating", dsNone, 5);
    bar.ItemLinks().Items(3)->SetBeginGroup(true);
    bar.SetFloatLeft(100);
    bar.SetFloatTop(120);
    bar.SetFloatClientWidth(70);
    bar.SetVisible(true);
    TcbBarControl& window = WindowOf(bar);
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(bar.ItemLinks().Items(3)->ItemRect().top, 22 + 6);
    EXPECT_EQ(window.ClientRect(), (Rect{0, 0, 69, 50}));
    EXPECT_EQ(window.x(), 100);
    // The caption strip in the active-caption colour, the close button at its right.
    QImage surface = window.Surface();
    platform::Canvas canvas(surface);
    const platform::Rect close = window.CloseButtonRect();
    EXPECT_EQ(canvas.Pixel(close.left - 4, close.top + 1), platform::SystemColour(platform::COLOR_ACTIVECAPTION));
    EXPECT_EQ(canvas.Pixel(close.left, close.top), platform::SystemColour(platform::COLOR_3DLIGHT));
}


// A menu-bar title: as high as the bar's text row, as the sub-item entries of a menu bar are.
class MenuTitle : public TcbBarButton {
public:
    static constexpr const char* kClassName = "MenuTitle";
    using TcbBarButton::TcbBarButton;
};

class MenuTitleControl : public TcbBarItemControl {
public:
    using TcbBarItemControl::TcbBarItemControl;
    int GetWidth() const override { return 40; }
    int GetHeight() const override {
        auto* window = dynamic_cast<TCustomcbBarControl*>(BarWindow());
        return window ? window->ItemHeight() : 0;
    }
};

TEST_F(WindowsTest, AOneRowMenuBarMakesTheTopArea23PixelsWithTheDefaultFont) {
    static const bool registered = [] {
        BarItemClasses().RegisterBarItemClass<MenuTitle>(
            [](TcbBarItemLink& link) { return std::make_unique<MenuTitleControl>(link); }, false);
        return true;
    }();
    (void)registered;
    manager->SetStyle(bmsStandard);
    TcbBar& bar = NewBar("Main Menu");
    bar.SetIsMainMenu(true);
    bar.SetDockingStyle(dsTop);
    for (const char* name : {"mnuGame", "mnuOptions", "mnuHelp"}) Link(bar.ItemLinks(), NewItem<MenuTitle>(name));
    bar.SetVisible(true);
    TcbBarControl& window = WindowOf(bar);
    EXPECT_EQ(window.ItemHeight(), 19);
    EXPECT_EQ(DockAreasOf(*manager).Area(dsTop)->AreaSize(), 19 + 4);
    EXPECT_EQ(manager->Bars().DockControlSize(dsTop), 23);
    // The whole row is the bar's; the titles follow each other from the left without gaps.
    EXPECT_EQ(window.width(), form->width());
    EXPECT_FALSE(window.HasEndMark());
    EXPECT_EQ(bar.ItemLinks().Items(1)->ItemRect(), (Rect{40, 0, 80, 19}));
}

TEST_F(WindowsTest, ARightClickOnADockAreaOpensTheToolbarsPopupOutsideCustomizing) {
    std::vector<platform::Point> opened;
    SetToolbarsPopupHandler([&](TcbBarManager&, platform::Point at) { opened.push_back(at); });
    TcbDockControl& area = *DockAreasOf(*manager).Area(dsTop);
    area.RightClick({30, 5});
    manager->SetCustomizing(true);
    area.RightClick({40, 5});
    manager->SetCustomizing(false);
    SetToolbarsPopupHandler(nullptr);
    EXPECT_EQ(opened, (std::vector<platform::Point>{{30, 5}}));
}

TEST_F(WindowsTest, DoubleClickOnTheGripFloatsADockedBarAndDocksItAgain) {
    TcbBar& bar = ShowBar("Tools", dsTop, 3);
    WindowOf(bar).ToggleDocking();
    FlushDeletes();
    EXPECT_EQ(bar.DockingStyle(), dsNone);
    EXPECT_TRUE(WindowOf(bar).isWindow());
    WindowOf(bar).ToggleDocking();
    FlushDeletes();
    EXPECT_EQ(bar.DockingStyle(), dsTop);
    // Floating refused: nothing changes.
    manager->SetNotDocking({dsNone});
    WindowOf(bar).ToggleDocking();
    EXPECT_EQ(bar.DockingStyle(), dsTop);
}

TEST_F(WindowsTest, ButtonsWithoutUnclickAfterDoingStayReleasedDuringOnClick) {
    TcbBar& bar = ShowBar("Tools", dsTop, 2);
    std::vector<bool> pushed;
    for (int i = 0; i < 2; ++i) {
        ButtonOf(bar, i).SetUnclickAfterDoing(i == 0);
        ButtonOf(bar, i).OnClick = [&, i](platform::Component*) {
            pushed.push_back(bar.ItemLinks().Items(i)->Control()->ClickHold());
        };
    }
    Click(bar, 0);
    Click(bar, 1);
    EXPECT_EQ(pushed, (std::vector<bool>{true, false}));
    EXPECT_FALSE(bar.ItemLinks().Items(0)->Control()->ClickHold());
}


TEST_F(WindowsTest, AClickThatFreesItsOwnItemTouchesNothingOfItAfterwards) {
    TcbBar& bar = ShowBar("Tools", dsTop, 3);
    TcbBarButton& doomed = ButtonOf(bar, 1);
    doomed.OnClick = [&](platform::Component*) { manager->FreeItem(doomed); };
    Click(bar, 1);
    EXPECT_EQ(bar.ItemLinks().Count(), 2);
    EXPECT_EQ(manager->ItemByName("Tools1"), nullptr);
    EXPECT_EQ(WindowOf(bar).PressedControl(), nullptr);
}

TEST_F(WindowsTest, TheManagersLookSwitchesShowOnTheAreasAndBarsAtOnce) {
    TcbBar& bar = MakeBar("Main Menu", dsTop, 3);
    bar.SetIsMainMenu(true);
    bar.SetVisible(true);
    TcbBarControl& window = WindowOf(bar);
    TcbDockControl& area = *DockAreasOf(*manager).Area(dsTop);
    const auto corner = [&] { return area.Surface().pixelColor(0, 0); };
    const QColor face = corner();
    manager->SetDockColor(platform::Rgb(200, 0, 0));
    EXPECT_EQ(corner(), QColor(200, 0, 0));
    manager->SetAutoDockColor(true);
    EXPECT_EQ(corner(), face);
    const QPoint place = window.pos();
    manager->SetSunkenBorder(true);
    EXPECT_EQ(window.pos(), place + QPoint(1, 1));
    EXPECT_NE(corner(), face);

    const QImage drawn = window.Surface().copy();
    window.MarkSurface().fill(Qt::black);
    manager->SetImageListBkColor(platform::Rgb(0, 255, 0));
    EXPECT_EQ(window.Surface(), drawn);

    const auto farEnd = [&] { return window.Surface().copy(window.width() - 24, 0, 24, window.height()); };
    window.BeginKeyboardMode();
    manager->SetShowCloseButton(true);
    EXPECT_EQ(window.SelectedControl(), nullptr);
    const QImage raised = farEnd();
    EXPECT_NE(raised, drawn.copy(window.width() - 24, 0, 24, window.height()));
    manager->SetFlatCloseButton(true);
    EXPECT_NE(farEnd(), raised);
}

TEST_F(WindowsTest, BecomingTheMenuBarDocksABarOnARowOfItsOwn) {
    TcbBar& menu = ShowBar("Menu", dsTop, 2);
    TcbBar& tools = MakeBar("Tools", dsTop, 3);
    tools.SetOneOnRow(false);
    tools.SetDockedLeft(200);
    tools.SetVisible(true);
    TcbDockControl& area = *DockAreasOf(*manager).Area(dsTop);
    ASSERT_EQ(area.Rows().RowCount(), 1);
    const int width = WindowOf(tools).width();
    menu.SetIsMainMenu(true);
    EXPECT_EQ(area.Rows().RowCount(), 2);
    EXPECT_TRUE(area.Rows().OneOnRow(WindowOf(menu)));
    EXPECT_EQ(WindowOf(menu).width(), area.width());
    EXPECT_EQ(WindowOf(tools).width(), width);
}

TEST_F(WindowsTest, TheQuickCustomizeMarkAndTurnedCaptionsFollowTheirSwitchesAtOnce) {
    TcbBar& bar = ShowBar("Tools", dsTop, 3);
    TcbBarControl& window = WindowOf(bar);
    ASSERT_TRUE(window.HasEndMark());
    const int width = window.width();
    bar.SetAllowQuickCustomizing(false);
    EXPECT_FALSE(window.HasEndMark());
    EXPECT_EQ(window.width(), width - kEndMarkLength);
    // A caption down a side bar reads across it once it is no longer turned.
    TcbBar& side = ShowBar("Side", dsLeft, 1);
    ButtonOf(side, 0).SetPaintStyle(psCaption);
    const int across = WindowOf(side).width();
    side.SetRotateWhenVertical(false);
    EXPECT_GT(WindowOf(side).width(), across);
    EXPECT_EQ(WindowOf(side).FontHandle().escapement, 0);
}

TEST_F(WindowsTest, TheEndMarkTellsOfMoreButtonsInAHint) {
    TcbBar& bar = ShowBar("Tools", dsTop, 2);
    TcbBarControl& window = WindowOf(bar);
    const FrameInsets frame = window.Insets();
    const platform::Rect mark = window.EndMarkRect();
    const auto moveTo = [&](platform::Point at) {
        platform::OverrideCursorPos(platform::ClientToScreen(&window, at));
        QMouseEvent event(QEvent::MouseMove, QPointF(at.x, at.y), QPointF(window.mapToGlobal(QPoint(at.x, at.y))),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    };
    moveTo({mark.left + frame.left + 5, mark.top + frame.top + 5});
    ASSERT_EQ(window.MarkState(), 1);
    timers.Advance(BarHints::kShowDelayMs);
    ASSERT_TRUE(BarHints::Instance().IsShown());
    EXPECT_EQ(BarHints::Instance().Window().Text(), "More Buttons");
    moveTo({3, 3});
    EXPECT_FALSE(BarHints::Instance().IsShown());
}

TEST_F(WindowsTest, DockedBarsHotTrackOnlyWhileTheirFormIsTheActiveOne) {
    TcbBar& bar = ShowBar("Tools", dsTop, 2);
    TcbBarControl& window = WindowOf(bar);
    QApplication::setActiveWindow(nullptr);  // another program is active
    window.MouseMove(CentreOf(bar, 0));
    EXPECT_EQ(window.SelectedControl(), nullptr);
    QApplication::setActiveWindow(form.get());
    window.MouseMove(CentreOf(bar, 1));
    EXPECT_EQ(window.SelectedControl(), bar.ItemLinks().Items(1)->Control());
}

TEST_F(WindowsTest, AFloatingBarStoredOutOfReachComesBackWithinTheWorkArea) {
    TcbBar& bar = ShowFloating("Tools", 3, -500, 5000, 3 * 23);
    const platform::Rect placed = platform::ScreenRect(&WindowOf(bar));
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.bottom, 600);
    // One still partly on the desktop stays where it was stored.
    TcbBar& edge = ShowFloating("Edge", 3, -20, 100, 3 * 23);
    EXPECT_EQ(platform::ScreenRect(&WindowOf(edge)).left, -20);
}

TEST_F(MenusTest, KeyboardModeStopsTheMouseAndItsEndHotTracksAndGivesTheFocusBack) {
    auto& file = NewSubItem("File", "&File", 2);
    Link(MenuBar().ItemLinks(), file);
    ShowMenuBar();
    TcbBar& tools = ShowBar("Tools", dsTop, 2, 1);
    auto* typing = new QLineEdit(form.get());
    auto* other = new QLineEdit(form.get());
    typing->show();
    other->show();
    typing->setFocus();
    std::vector<unsigned> formMessages;
    const platform::WindowHandle handle = platform::HandleOf(form.get());
    platform::MessageRouter::Instance().Register(handle, [&](const platform::WindowMessage& message) {
        formMessages.push_back(message.message);
        return std::intptr_t{0};
    });
    // The mouse rests on a Tools button, which lights up.
    TcbBarControl& toolsWindow = WindowOf(tools);
    platform::OverrideCursorPos(toolsWindow.ClientToScreenPoint(CentreOf(tools, 1)));
    toolsWindow.MouseMove(CentreOf(tools, 1));
    ASSERT_NE(toolsWindow.SelectedControl(), nullptr);
    Press(platform::VK_MENU);
    ASSERT_EQ(manager->KeyboardBar(), &WindowOf(MenuBar()));
    EXPECT_EQ(formMessages, std::vector<unsigned>{platform::WM_CANCELMODE});
    EXPECT_EQ(toolsWindow.SelectedControl(), nullptr);
    other->setFocus();
    Press(platform::VK_ESCAPE);
    EXPECT_EQ(manager->KeyboardBar(), nullptr);
    EXPECT_TRUE(typing->hasFocus());
    // The button under the resting mouse lights up again without a move.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(toolsWindow.SelectedControl(), tools.ItemLinks().Items(1)->Control());
    platform::MessageRouter::Instance().Unregister(handle);
}

}  // namespace
}  // namespace bars::testing
