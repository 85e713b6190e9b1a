#include "bars/hooks/mdi_merge.h"
#include "platform/qt/input_event_filter.h"
#include "tests/bars/menus_fixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace bars::testing {
namespace {

// The form is an MDI parent with File on its menu bar; its one child has Window on its own.
class MdiMergeTest : public MenusTest {
public:
    void SetUp() override {
        // The child's window events reach the framework's hooks through the application's filter.
        platform::InputEventFilter::Connect();
        auto& file = NewSubItem("File", "&File", 1);
        Link(MenuBar().ItemLinks(), file);
        ShowMenuBar();
        area = new QMdiArea(form.get());
        area->setGeometry(0, 40, 400, 260);
        area->show();
        auto childForm = std::make_unique<QWidget>();
        child = new TcbBarManager(childForm.get());
        auto& window = child->CreateItem<TcbBarSubItem>("ChildWindow");
        window.SetCaption("&Window");
        childBar = &child->Bars().Add();
        childBar->SetCaption("Child Menu");
        childBar->SetIsMainMenu(true);
        childBar->ItemLinks().Add().SetItem(&window);
        sub = area->addSubWindow(childForm.release());
        sub->show();
        area->setActiveSubWindow(sub);
    }
    std::vector<std::string> ParentMenus() const {
        std::vector<std::string> captions;
        const TcbBarItemLinks& links = manager->MainMenuBar()->ItemLinks();
        for (int i = 0; i < links.Count(); ++i) captions.push_back(links.Items(i)->Caption());
        return captions;
    }
    QMdiArea* area = nullptr;
    QMdiSubWindow* sub = nullptr;
    TcbBarManager* child = nullptr;
    TcbBar* childBar = nullptr;
};

TEST_F(MdiMergeTest, AMaximizedChildsMenusJoinTheParentsBarUntilItIsRestored) {
    childBar->SetVisible(true);
    MdiMergeStep(*manager);
    EXPECT_EQ(ParentMenus(), std::vector<std::string>{"&File"});
    sub->showMaximized();
    MdiMergeStep(*manager);
    EXPECT_EQ(ParentMenus(), (std::vector<std::string>{"&File", "&Window"}));
    EXPECT_FALSE(childBar->Visible());
    sub->showNormal();
    MdiMergeStep(*manager);
    EXPECT_EQ(ParentMenus(), std::vector<std::string>{"&File"});
    EXPECT_TRUE(childBar->Visible());
}

TEST_F(MdiMergeTest, WithAlwaysMergeTheActiveChildStaysMerged) {
    manager->SetAlwaysMerge(true);
    // The switch counts from the child's next activation on.
    QMdiSubWindow* other = area->addSubWindow(new QWidget);
    other->show();
    area->setActiveSubWindow(other);
    area->setActiveSubWindow(sub);
    MdiMergeStep(*manager);
    EXPECT_EQ(ParentMenus(), (std::vector<std::string>{"&File", "&Window"}));
    sub->showMaximized();
    MdiMergeStep(*manager);
    sub->showNormal();
    MdiMergeStep(*manager);
    EXPECT_EQ(ParentMenus(), (std::vector<std::string>{"&File", "&Window"}));
}

TEST_F(MdiMergeTest, AMergeHandlerDoesTheMergeItself) {
    std::vector<bool> calls;
    manager->OnMenuMerge = [&](TcbBarManager& parent, TcbBarManager& merged, bool merge) {
        EXPECT_EQ(&parent, manager);
        EXPECT_EQ(&merged, child);
        calls.push_back(merge);
    };
    sub->showMaximized();
    MdiMergeStep(*manager);
    sub->showNormal();
    MdiMergeStep(*manager);
    EXPECT_EQ(calls, (std::vector<bool>{true, false}));
    EXPECT_EQ(ParentMenus(), std::vector<std::string>{"&File"});
}

TEST_F(MdiMergeTest, TheHookMergesAsTheChildIsMaximizedAndRestored) {
    childBar->SetVisible(true);
    sub->showMaximized();
    EXPECT_EQ(ParentMenus(), (std::vector<std::string>{"&File", "&Window"}));
    EXPECT_FALSE(childBar->Visible());
    sub->showNormal();
    EXPECT_EQ(ParentMenus(), std::vector<std::string>{"&File"});
    EXPECT_TRUE(childBar->Visible());
}

TEST_F(MdiMergeTest, TheChildHearsOfActivationThroughItsFrameAndAmongTheChildren) {
    TcbBar& tools = child->Bars().Add();
    tools.SetCaption("Child Tools");
    tools.SetFloatLeft(500);
    tools.SetFloatTop(300);
    tools.ItemLinks().Add().SetItem(&child->CreateItem<TcbBarButton>("ChildButton"));
    tools.SetVisible(true);
    auto* floating = dynamic_cast<TcbBarControl*>(tools.ItemLinks().Window());
    ASSERT_NE(floating, nullptr);
    floating->show();
    const auto frame = [this](int state) {
        platform::InputHooks::Instance().DispatchCallWindow(
            {platform::HandleOf(form.get()), platform::WM_ACTIVATE, state, 0});
    };
    frame(platform::WA_INACTIVE);
    EXPECT_FALSE(floating->isVisible());
    frame(platform::WA_ACTIVE);
    EXPECT_TRUE(floating->isVisible());
    QMdiSubWindow* other = area->addSubWindow(new QWidget);
    other->show();
    area->setActiveSubWindow(other);
    EXPECT_FALSE(floating->isVisible());
    area->setActiveSubWindow(sub);
    EXPECT_TRUE(floating->isVisible());
}

}  // namespace
}  // namespace bars::testing
