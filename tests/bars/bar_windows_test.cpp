#include "bars/controls/bar_window.h"
#include "bars/registry/item_class_registry.h"
#include "tests/bars/bar_fixture.h"

namespace bars::testing {
namespace {

// A window as the model sees it: it counts what it is asked to do.
class FakeBarWindow : public IBarWindow {
public:
    FakeBarWindow(TcbBarItemLinks& links, bool menu, TcbBarDockingStyle side)
        : m_links(links), m_menu(menu), m_side(side) {}
    ~FakeBarWindow() override { m_links.SetWindow(nullptr); }

    bool IsMenu() const override { return m_menu; }
    TcbBarDockingStyle DockingStyle() const override { return m_side; }
    bool IsBuilding() const override { return false; }
    bool IsDestroying() const override { return false; }
    bool IsActive() const override { return false; }
    platform::Rect ClientRect() const override { return {0, 0, 100, 22}; }
    void Release() override { delete this; }
    void Rebuild() override { ++rebuilds; }
    void Relayout() override { ++relayouts; }
    void RepaintControl(TcbBarItemControl&) override { ++repaints; }
    void PostRebuild() override { ++postedRebuilds; }
    TcbBarItemControl* SelectedControl() const override { return selected; }
    void ClearSelection() override { selected = nullptr; }
    TcbBarItemLink* OpenerLink() const override { return opener; }

    int rebuilds = 0, relayouts = 0, repaints = 0, postedRebuilds = 0;
    TcbBarItemControl* selected = nullptr;
    TcbBarItemLink* opener = nullptr;

private:
    TcbBarItemLinks& m_links;
    bool m_menu;
    TcbBarDockingStyle m_side;
};

// Bars get a toolbar window docked at the top, everything else a menu window.
class BarWindowsTest : public BarFixture {
public:
    BarWindowsTest() {
        SetBarWindowFactory([](TcbBarItemLinks& links) -> IBarWindow* {
            bool menu = links.Owner().AsBar() == nullptr;
            return new FakeBarWindow(links, menu, menu ? dsNone : dsTop);
        });
    }
    ~BarWindowsTest() override { SetBarWindowFactory(nullptr); }

    static FakeBarWindow& WindowOf(TcbBarItemLinks& links) { return *static_cast<FakeBarWindow*>(links.Window()); }
};

TEST_F(BarWindowsTest, VisibleBarHasAWindowUntilHidden) {
    TcbBar& bar = NewBar("Tools");
    EXPECT_EQ(bar.ItemLinks().Window(), nullptr);
    bar.SetVisible(true);
    ASSERT_NE(bar.ItemLinks().Window(), nullptr);
    EXPECT_FALSE(bar.ItemLinks().Window()->IsMenu());
    bar.SetVisible(false);
    EXPECT_EQ(bar.ItemLinks().Window(), nullptr);
}

TEST_F(BarWindowsTest, ControlsAskTheirWindowToLayOutOrRepaint) {
    TcbBar& bar = NewBar("Tools");
    bar.SetVisible(true);
    auto& item = NewItem<RecordedButton>("cbNew");
    TcbBarItemLink& link = Link(bar.ItemLinks(), item);
    link.SetVisible(false);
    link.SetVisible(true);
    ASSERT_NE(link.Control(), nullptr);
    FakeBarWindow& window = WindowOf(bar.ItemLinks());
    EXPECT_EQ(window.rebuilds, 2);

    // The base control: a shortcut only matters in menus, a disabled selection goes.
    TcbBarItemControl base(link);
    base.ShortCutChanged();
    EXPECT_EQ(window.relayouts, 0);
    base.CaptionChanged();
    EXPECT_EQ(window.relayouts, 1);
    window.selected = &base;
    item.SetEnabled(false);
    base.EnabledChanged();
    EXPECT_EQ(window.selected, nullptr);
    EXPECT_EQ(window.repaints, 1);
}

TEST_F(BarWindowsTest, UsingAHiddenRecentLinkOnADockedBarAsksForARebuild) {
    manager->SetStyle(bmsEnhanced);
    TcbBar& bar = NewBar("Tools");
    bar.SetVisible(true);
    TcbBarItemLink& a = Link(bar.ItemLinks(), NewItem("A"));
    Link(bar.ItemLinks(), NewItem("B"));
    TcbBarItemLink& c = Link(bar.ItemLinks(), NewItem("C"));
    bar.ItemLinks().SetShownLimit(1);
    ASSERT_EQ(bar.ItemLinks().ShownLinks().front(), &a);
    FakeBarWindow& window = WindowOf(bar.ItemLinks());
    bar.ItemLinks().UseLink(a, true);
    EXPECT_EQ(window.postedRebuilds, 0);
    bar.ItemLinks().UseLink(c, true);
    EXPECT_EQ(window.postedRebuilds, 1);
    manager->SetStyle(bmsStandard);
    bar.ItemLinks().SetShownLimit(1);
    bar.ItemLinks().UseLink(a, true);
    EXPECT_EQ(window.postedRebuilds, 1);
}

TEST_F(BarWindowsTest, UseInsideASubMenuCountsForTheLinkThatOpenedIt) {
    TcbBar& bar = NewBar("Main Menu");
    auto& file = NewItem<TcbBarSubItem>("mnuFile");
    TcbBarItemLink& opener = Link(bar.ItemLinks(), file);
    TcbBarItemLink& entry = Link(file.ItemLinks(), NewItem("mnuNew"));
    file.ItemLinks().CreateWindow();
    WindowOf(file.ItemLinks()).opener = &opener;
    file.ItemLinks().UseLink(entry, true);
    EXPECT_EQ(entry.UseCount(), 21);
    EXPECT_EQ(opener.UseCount(), 21);
}

TEST_F(BarWindowsTest, BarWalksOnlyTheLinksThatFitBeforeItsEnd) {
    TcbBar& bar = NewBar("Tools");
    bar.SetVisible(true);
    TcbBarItemLink& a = Link(bar.ItemLinks(), NewItem("A"));
    TcbBarItemLink& b = Link(bar.ItemLinks(), NewItem("B"));
    TcbBarItemLink& c = Link(bar.ItemLinks(), NewItem("C"));
    a.SetItemRect({0, 0, 40, 22});
    b.SetItemRect({40, 0, 120, 22});
    c.SetItemRect({120, 0, 150, 22});
    EXPECT_EQ(bar.ItemLinks().FitCount(), 1);
    EXPECT_EQ(bar.ItemLinks().NextSelectable(&a), &a);
    b.SetItemRect({40, 0, 90, 22});
    EXPECT_EQ(bar.ItemLinks().LastSelectable(), &b);
}

}  // namespace
}  // namespace bars::testing
