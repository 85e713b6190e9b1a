#include "bars/popups/quick_control.h"
#include "bars/popups/quick_cust_items.h"
#include "bars/popups/toolbars_popup.h"
#include "bars/registry/item_class_registry.h"
#include "bars/toolbars/bar_collection.h"
#include "platform/core/ini_file.h"
#include "platform/core/window_messages.h"
#include "platform/qt/canvas.h"
#include "platform/qt/window_handles.h"
#include "tests/bars/menus_fixture.h"

#include <QMouseEvent>
#include <QTemporaryDir>

namespace bars::testing {
namespace {

// A toolbar of 25 buttons on top of a 400-pixel form: the last ones do not fit and the end
// mark opens the more-buttons drop-down.
class QuickControlTest : public MenusTest {
public:
    QuickControlTest() : bar(ShowBar("Long", dsTop, 25)), toolbar(WindowOf(bar)) {
        InstallPopupWindows();
        for (int i = 0; i < bar.ItemLinks().Count(); ++i) hidden += bar.ItemLinks().Items(i)->ItemRect().Width() == 0;
    }
    ~QuickControlTest() override {
        CloseQuickControl();
        FlushDeletes();
        RemovePopupWindows();
    }
    TcbBarQuickControl& Open() {
        toolbar.SetMarkState(2);
        return *OpenQuickControl();
    }
    // Clicks "&Add or Remove Buttons" and answers the list it opened.
    TcbBarSubMenuControl& OpenList(TcbBarQuickControl& quick) {
        ClickAt(quick, Centre(*quick.ItemLinks(), quick.ItemLinks()->Count() - 1));
        return *MenuOf(quick.AddOrRemoveItem());
    }
    void Mouse(unsigned message, QWidget* window, platform::Point at) {
        platform::InputHooks::Instance().DispatchMouse({message, at, platform::HandleOf(window), platform::HTCLIENT});
    }
    platform::Point OnMark() const {
        const platform::Rect mark = toolbar.EndMarkRect();
        return toolbar.ClientToScreenPoint({(mark.left + mark.right) / 2, (mark.top + mark.bottom) / 2});
    }

    TcbBar& bar;
    TcbBarControl& toolbar;
    int hidden = 0;
};

TEST_F(QuickControlTest, HoldsCopiesOfWhatDidNotFitOnAPrivateHiddenBarThenTheAddOrRemoveList) {
    ASSERT_GT(hidden, 0);
    const int bars = manager->Bars().Count();
    TcbBarQuickControl& quick = Open();
    EXPECT_EQ(QuickControlToolbar(), &toolbar);
    ASSERT_EQ(manager->Bars().Count(), bars + 1);
    TcbBar& privateBar = quick.Bar();
    EXPECT_TRUE(privateBar.Hidden());
    EXPECT_FALSE(privateBar.AllowQuickCustomizing());
    const TcbBarItemLinks& entries = *quick.ItemLinks();
    ASSERT_EQ(entries.Count(), hidden + 1);
    EXPECT_EQ(entries.Items(0)->SourceLink(), bar.ItemLinks().Items(25 - hidden));
    EXPECT_EQ(entries.Items(0)->Item(), bar.ItemLinks().Items(25 - hidden)->Item());
    TcbBarItemLink& more = *entries.Items(hidden);
    EXPECT_EQ(more.Caption(), "&Add or Remove Buttons");
    EXPECT_TRUE(more.OwnBeginGroup());
    // Every copy was laid out inside the window, below the mark.
    for (int i = 0; i < entries.Count(); ++i) EXPECT_GT(entries.Items(i)->ItemRect().Width(), 0) << i;
    const platform::Rect mark = toolbar.EndMarkRect();
    EXPECT_EQ(quick.geometry().top(), toolbar.ClientToScreenPoint({mark.left, mark.bottom}).y);

    // The list is filled as it opens: an entry per link, "&Reset Toolbar", the customize entry.
    TcbBarSubMenuControl& list = OpenList(quick);
    const TcbBarItemLinks& rows = *list.ItemLinks();
    ASSERT_EQ(rows.Count(), 25 + 2);
    auto* first = dynamic_cast<TcbBarQuickCustItem*>(rows.Items(0)->Item());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->SourceLink(), bar.ItemLinks().Items(0));
    EXPECT_EQ(first->Caption(), "&Long0");
    EXPECT_FALSE(first->Glyph().IsEmpty());
    EXPECT_EQ(rows.Items(25)->Caption(), "&Reset Toolbar");
    EXPECT_TRUE(rows.Items(25)->OwnBeginGroup());
    EXPECT_NE(dynamic_cast<TcbBarQuickCustExtButton*>(rows.Items(25)->Item()), nullptr);
    EXPECT_EQ(rows.Items(26)->Caption(), "&Customize...");
    EXPECT_FALSE(rows.Items(26)->OwnBeginGroup());
    EXPECT_NE(dynamic_cast<TcbBarQuickCustExtButtonControl*>(rows.Items(26)->Control()), nullptr);

    // A click on an entry hides its link on the bar and leaves the list open for the next.
    ClickAt(list, Centre(rows, 0));
    EXPECT_FALSE(bar.ItemLinks().Items(0)->Visible());
    ASSERT_EQ(MenuOf(quick.AddOrRemoveItem()), &list);
    ClickAt(list, Centre(rows, 0));
    EXPECT_TRUE(bar.ItemLinks().Items(0)->Visible());

    quick.CloseAll();
    FlushDeletes();
    EXPECT_EQ(OpenQuickControl(), nullptr);
    EXPECT_EQ(manager->Bars().Count(), bars);
    EXPECT_EQ(toolbar.MarkState(), 0);
    // It goes with its toolbar's window.
    Open();
    bar.SetVisible(false);
    FlushDeletes();
    EXPECT_EQ(OpenQuickControl(), nullptr);
    EXPECT_EQ(manager->Bars().Count(), bars);
}

// A click may close the drop-down and free the control it landed on; the same click's handling
// and the user's second click find only what is still there.
TEST_F(QuickControlTest, EveryEntryTakesASecondClick) {
    const auto shown = [&]() -> TcbBarQuickControl& { return OpenQuickControl() ? *OpenQuickControl() : Open(); };
    const int entries = shown().ItemLinks()->Count();
    for (int i = 0; i < entries; ++i)
        for (int click = 0; click < 2; ++click) {
            TcbBarQuickControl& quick = shown();
            ClickAt(quick, Centre(*quick.ItemLinks(), i));
            FlushDeletes();
        }
    // The second click on "&Add or Remove Buttons" closed the drop-down with its list.
    EXPECT_EQ(OpenQuickControl(), nullptr);
    EXPECT_EQ(toolbar.MarkState(), 0);

    TcbBarSubMenuControl& list = OpenList(shown());
    const int rows = list.ItemLinks()->Count();
    for (int i = 0; i < rows; ++i)
        for (int click = 0; click < 2; ++click) {
            TcbBarQuickControl& quick = shown();
            TcbBarSubMenuControl* open = MenuOf(quick.AddOrRemoveItem());
            TcbBarSubMenuControl& rowsNow = open ? *open : OpenList(quick);
            ClickAt(rowsNow, Centre(*rowsNow.ItemLinks(), i));
            FlushDeletes();
        }
    // Each link was hidden and shown again.
    for (int i = 0; i < bar.ItemLinks().Count(); ++i) EXPECT_TRUE(bar.ItemLinks().Items(i)->Visible()) << i;
}

// The bar as it was when the drop-down first opened is what "&Reset Toolbar" brings back.
TEST_F(QuickControlTest, ResetToolbarBringsBackTheLinksTheBarWasFirstGiven) {
    Open();
    CloseQuickControl();
    bar.ItemLinks().Items(5)->Free();
    TcbBarSubMenuControl& list = OpenList(Open());
    ClickAt(list, Centre(*list.ItemLinks(), 0));
    ASSERT_FALSE(bar.ItemLinks().Items(0)->Visible());
    ClickAt(list, Centre(*list.ItemLinks(), list.ItemLinks()->Count() - 2));
    FlushDeletes();
    ASSERT_EQ(bar.ItemLinks().Count(), 25);
    EXPECT_TRUE(bar.ItemLinks().Items(0)->Visible());
    EXPECT_EQ(bar.ItemLinks().Items(5)->Item()->Name(), "Long5");
}

TEST_F(QuickControlTest, WithoutResetTheCustomizeEntryTakesTheGroupLineAndWithoutCustomizingItIsLeftOut) {
    bar.SetAllowReset(false);
    TcbBarSubMenuControl& list = OpenList(Open());
    const TcbBarItemLinks& rows = *list.ItemLinks();
    ASSERT_EQ(rows.Count(), 26);
    EXPECT_EQ(rows.Items(25)->Caption(), "&Customize...");
    EXPECT_TRUE(rows.Items(25)->OwnBeginGroup());
    CloseQuickControl();
    FlushDeletes();

    manager->SetCanCustomize(false);
    bar.SetAllowQuickCustomizing(false);
    TcbBarQuickControl& quick = Open();
    EXPECT_FALSE(quick.AddOrRemoveItem().Enabled());
    quick.AddOrRemoveItem().SetEnabled(true);
    EXPECT_EQ(OpenList(quick).ItemLinks()->Count(), 25);
}

TEST_F(QuickControlTest, AClickOnACopyRunsTheItemThroughItsSourceLinkAndClosesTheDropDown) {
    TcbBarQuickControl& quick = Open();
    TcbBarItem& item = *quick.ItemLinks()->Items(0)->Item();
    TcbBarItemLink* clicked = nullptr;
    item.OnClick = [&](platform::Component*) { clicked = item.ClickedLink(); };
    ClickAt(quick, Centre(*quick.ItemLinks(), 0));
    EXPECT_EQ(clicked, bar.ItemLinks().Items(25 - hidden));
    FlushDeletes();
    EXPECT_EQ(OpenQuickControl(), nullptr);
    EXPECT_EQ(toolbar.MarkState(), 0);
}

TEST_F(QuickControlTest, ADockAreaThatChangesSizeLeavesItAndItsListOpen) {
    TcbBarQuickControl& quick = Open();
    TcbBarSubMenuControl& list = OpenList(quick);
    const int height = DockAreasOf(*manager).Area(dsTop)->AreaSize();
    ShowBar("Second", dsTop, 2, 1);
    ASSERT_GT(DockAreasOf(*manager).Area(dsTop)->AreaSize(), height);
    EXPECT_EQ(OpenQuickControl(), &quick);
    EXPECT_EQ(MenuOf(quick.AddOrRemoveItem()), &list);
    // Other chains close: their menus would hang where the area was.
    CloseQuickControl();
    FlushDeletes();
    auto& file = NewSubItem("File", "&File", 2);
    Link(MenuBar().ItemLinks(), file);
    ShowMenuBar();
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    ASSERT_NE(MenuOf(file), nullptr);
    ShowBar("Third", dsTop, 2, 3);
    EXPECT_EQ(MenuOf(file), nullptr);
}

TEST_F(QuickControlTest, TheEntriesDrawACheckBoxColumnTickedWhileTheLinkShows) {
    TcbBarSubMenuControl& list = OpenList(Open());
    const TcbBarItemLinks& rows = *list.ItemLinks();
    bar.ItemLinks().Items(1)->SetVisible(false);
    const auto draw = [&](int row) {
        TcbBarItemControl& control = *rows.Items(row)->Control();
        const platform::Rect r = rows.Items(row)->ItemRect();
        QImage image(r.Width(), r.Height(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        platform::Canvas canvas(image);
        control.Draw(canvas, {0, 0, r.Width(), r.Height()}, 1);
        return image;
    };
    const QImage shown = draw(0), hiddenRow = draw(1), reset = draw(25);
    const int centre = shown.height() / 2;
    // The tick crosses the middle of the box; an empty box is white there.
    EXPECT_EQ(QColor(shown.pixel(centre, centre)), QColor(Qt::black));
    EXPECT_EQ(QColor(hiddenRow.pixel(centre, centre)), QColor(Qt::white));
    // The extended button leaves the column empty and starts its own glyph column after it.
    EXPECT_EQ(reset.pixel(centre, centre), reset.pixel(1, 1));
    EXPECT_NE(QColor(reset.pixel(centre, centre)), QColor(Qt::white));
}

TEST_F(QuickControlTest, RegisteredWithTheirControlsButNeverOffered) {
    const TcbBarItemClassRegistry& registry = BarItemClasses();
    for (const char* name : {"TcbBarQuickCustExtButton", "TcbBarQuickCustItem"}) {
        const auto* entry = registry.FindClass(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_FALSE(entry->offered) << name;
        EXPECT_NE(entry->makeControl, nullptr) << name;
    }
    for (int i = 0; i < registry.OfferedCount(); ++i)
        EXPECT_EQ(std::string(registry.OfferedItemClass(i)->className).find("QuickCust"), std::string::npos);
}

TEST_F(QuickControlTest, ASelectionMovingToAnotherBarClosesIt200MsLaterWhenItIsStillThere) {
    TcbBar& other = ShowBar("Other", dsTop, 2, 1);
    TcbBarControl& otherWindow = WindowOf(other);
    // The selection goes to the other bar: the drop-down stands until the check 200 ms later.
    const auto closesAfter200Ms = [&](TcbBarQuickControl& quick, int index) {
        otherWindow.MouseMove(CentreOf(other, index));
        timers.Advance(199);
        if (OpenQuickControl() != &quick) return false;
        timers.Advance(1);
        FlushDeletes();
        return OpenQuickControl() == nullptr;
    };
    TcbBarQuickControl& idle = Open();
    // Its own selection keeps it.
    idle.MouseMove(Centre(*idle.ItemLinks(), 0));
    timers.Advance(1000);
    ASSERT_EQ(OpenQuickControl(), &idle);
    // Passing over the other bar on the way back keeps it too.
    otherWindow.MouseMove(CentreOf(other, 0));
    timers.Advance(100);
    ASSERT_EQ(OpenQuickControl(), &idle);
    otherWindow.MouseLeave();
    idle.MouseMove(Centre(*idle.ItemLinks(), 1));
    timers.Advance(1000);
    ASSERT_EQ(OpenQuickControl(), &idle);
    EXPECT_TRUE(closesAfter200Ms(idle, 0));
    EXPECT_EQ(toolbar.MarkState(), 0);

    // The same while its list is open.
    TcbBarQuickControl& busy = Open();
    TcbBarSubMenuControl& list = OpenList(busy);
    ASSERT_TRUE(busy.IsActive());
    list.MouseMove(Centre(*list.ItemLinks(), 3));
    timers.Advance(1000);
    ASSERT_EQ(OpenQuickControl(), &busy);
    EXPECT_TRUE(closesAfter200Ms(busy, 1));
}

TEST_F(QuickControlTest, GoesAtAClickOrWheelElsewhereButNotAtItsMarkOrInItsList) {
    TcbBarQuickControl& quick = Open();
    const platform::Point onForm{5, 300};
    Mouse(platform::WM_MOUSEMOVE, form.get(), onForm);
    Mouse(platform::WM_LBUTTONUP, &toolbar, OnMark());
    Mouse(platform::WM_LBUTTONUP, &quick, quick.ClientToScreenPoint({5, 5}));
    TcbBarSubMenuControl& list = OpenList(quick);
    Mouse(platform::WM_LBUTTONDOWN, &list, list.ClientToScreenPoint({5, 5}));
    ASSERT_EQ(OpenQuickControl(), &quick);
    Mouse(platform::WM_MOUSEWHEEL, form.get(), onForm);
    FlushDeletes();
    EXPECT_EQ(OpenQuickControl(), nullptr);
    EXPECT_EQ(toolbar.MarkState(), 0);
    // A right-button press closes it even on the mark; on the drop-down it is ignored.
    TcbBarQuickControl& again = Open();
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&again, &right);
    ASSERT_EQ(OpenQuickControl(), &again);
    Mouse(platform::WM_RBUTTONDOWN, &toolbar, OnMark());
    FlushDeletes();
    EXPECT_EQ(OpenQuickControl(), nullptr);
    EXPECT_EQ(toolbar.MarkState(), 0);
}

TEST_F(QuickControlTest, TheMarkPressThatClosedItDoesNotReopenIt) {
    manager->SetStyle(bmsEnhanced);
    const platform::Point screen = OnMark();
    const QPointF local = toolbar.mapFromGlobal(QPointF(screen.x, screen.y));
    // A left press or release on the mark: through the application's hooks first, as the user's.
    const auto mouse = [&](unsigned message, QEvent::Type type) {
        Mouse(message, &toolbar, screen);
        QMouseEvent event(type, local, QPointF(screen.x, screen.y), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&toolbar, &event);
        FlushDeletes();
    };
    Open();
    mouse(platform::WM_LBUTTONDOWN, QEvent::MouseButtonPress);
    EXPECT_EQ(OpenQuickControl(), nullptr);
    EXPECT_EQ(toolbar.MarkState(), 1);
    mouse(platform::WM_LBUTTONUP, QEvent::MouseButtonRelease);
    // The next press opens it as usual.
    mouse(platform::WM_LBUTTONDOWN, QEvent::MouseButtonPress);
    EXPECT_NE(OpenQuickControl(), nullptr);
    EXPECT_EQ(toolbar.MarkState(), 2);
}

TEST_F(QuickControlTest, ItsPrivateBarIsNeverStoredWithTheLayout) {
    QTemporaryDir folder;
    const std::string path = folder.filePath("layout.ini").toStdString();
    manager->SetStoreInIniFile(true);
    manager->SetIniFileName(path);
    manager->Loaded();
    const int bars = manager->Bars().Count();
    Open();
    // The form goes with the drop-down open: the layout is written as it goes.
    form.reset();
    platform::IniFile ini(path);
    int stored = -1;
    for (const std::string& section : ini.ReadSections())
        if (section.ends_with(".Main")) stored = ini.ReadInteger(section, "BarCount", -1);
    EXPECT_EQ(stored, bars);
    EXPECT_EQ(OpenQuickControl(), nullptr);
}

}  // namespace
}  // namespace bars::testing
