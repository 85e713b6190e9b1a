#include "bars/hooks/mdi_merge.h"
#include "platform/qt/input_event_filter.h"
#include "tests/bars/menus_fixture.h"

#include "platform/qt/mouse_capture.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>

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

// A press or release of the left button over caption button `index` of the parent's menu bar.
void CaptionMouse(TcbBarControl& bar, QEvent::Type type, int index) {
    const platform::Rect r = bar.CaptionButtonRect(index);
    const QPoint at((r.left + r.right) / 2 + bar.Insets().left, (r.top + r.bottom) / 2 + bar.Insets().top);
    QMouseEvent event(type, QPointF(at), QPointF(bar.mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&bar, &event);
}

TEST_F(MdiMergeTest, AMaximizedChildsButtonsEndTheParentsMenuBarAndRunItsCommands) {
    using Kind = CaptionButtonKind;
    TcbBarControl& bar = WindowOf(*manager->MainMenuBar());
    EXPECT_TRUE(bar.CaptionButtons().empty());
    sub->showMaximized();
    EXPECT_EQ(bar.CaptionButtons(),
              (std::vector<CaptionButton>{{Kind::Minimize, true}, {Kind::Restore, true}, {Kind::Close, true}}));
    const platform::Size button = bar.CaptionButtonSize();
    EXPECT_EQ(bar.CaptionButtonsSize(), (platform::Size{3 * button.width + 2, button.height}));
    const platform::Rect client = bar.ClientRect();
    EXPECT_EQ(bar.CaptionButtonRect(2).right, client.right);
    EXPECT_EQ(bar.CaptionButtonRect(2).left, bar.CaptionButtonRect(1).right + 2);
    EXPECT_EQ(bar.CaptionButtonRect(1).left, bar.CaptionButtonRect(0).right);
    EXPECT_EQ(bar.CaptionButtonRect(0).top, (client.Height() - button.height) / 2);
    EXPECT_LE(manager->MainMenuBar()->ItemLinks().Items(1)->ItemRect().right, bar.CaptionButtonRect(0).left);
    // Released over another button, the pressed one does nothing.
    CaptionMouse(bar, QEvent::MouseButtonPress, 1);
    EXPECT_TRUE(bar.CaptionButtonHeld());
    CaptionMouse(bar, QEvent::MouseButtonRelease, 0);
    EXPECT_TRUE(sub->isMaximized());
    CaptionMouse(bar, QEvent::MouseButtonPress, 1);
    CaptionMouse(bar, QEvent::MouseButtonRelease, 1);
    EXPECT_FALSE(sub->isMaximized());
    EXPECT_TRUE(bar.CaptionButtons().empty());
    sub->showMaximized();
    CaptionMouse(bar, QEvent::MouseButtonPress, 0);
    CaptionMouse(bar, QEvent::MouseButtonRelease, 0);
    EXPECT_TRUE(sub->isMinimized());
    // A cancelled mode lets the held button go without its command.
    sub->showMaximized();
    CaptionMouse(bar, QEvent::MouseButtonPress, 2);
    ASSERT_EQ(platform::GetCapture(), bar.Handle());
    platform::MessageRouter::Instance().Send(bar.Handle(), platform::WM_CANCELMODE);
    EXPECT_FALSE(bar.CaptionButtonHeld());
    EXPECT_EQ(platform::GetCapture(), platform::kNoWindow);
    CaptionMouse(bar, QEvent::MouseButtonRelease, 2);
    EXPECT_TRUE(sub->isVisible());
    // A modal window coming up cancels it too.
    CaptionMouse(bar, QEvent::MouseButtonPress, 2);
    {
        QWidget modal;
        modal.setWindowModality(Qt::ApplicationModal);
        modal.show();
        EXPECT_FALSE(bar.CaptionButtonHeld());
    }
    CaptionMouse(bar, QEvent::MouseButtonPress, 2);
    CaptionMouse(bar, QEvent::MouseButtonRelease, 2);
    FlushDeletes();
    EXPECT_TRUE(area->subWindowList().isEmpty());
    EXPECT_TRUE(bar.CaptionButtons().empty());
}

TEST_F(MdiMergeTest, AChildWithoutAManagerBringsItsButtonsAsItIsMaximized) {
    TcbBarControl& bar = WindowOf(*manager->MainMenuBar());
    const QImage before = bar.Surface().copy();
    QMdiSubWindow* plain = area->addSubWindow(new QWidget);
    plain->show();
    area->setActiveSubWindow(plain);
    plain->showMaximized();
    ASSERT_EQ(bar.CaptionButtons().size(), 3u);
    const platform::Rect close = bar.CaptionButtonRect(2);
    const QRect drawn(close.left + bar.Insets().left, close.top + bar.Insets().top, close.Width(), close.Height());
    EXPECT_NE(bar.Surface().copy(drawn), before.copy(drawn));
}

TEST_F(MdiMergeTest, ACommandTheChildsSystemMenuGreysIsAButtonThatCannotBePressed) {
    using Kind = CaptionButtonKind;
    sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    sub->showMaximized();
    TcbBarControl& bar = WindowOf(*manager->MainMenuBar());
    ASSERT_EQ(bar.CaptionButtons().size(), 3u);
    EXPECT_EQ(bar.CaptionButtons()[0], (CaptionButton{Kind::Minimize, false}));
    CaptionMouse(bar, QEvent::MouseButtonPress, 0);
    EXPECT_FALSE(bar.CaptionButtonHeld());
    EXPECT_FALSE(BarMove::Instance().IsMoving());
    CaptionMouse(bar, QEvent::MouseButtonRelease, 0);
    EXPECT_TRUE(sub->isMaximized());
    // Without a system menu the child shows no buttons at all.
    sub->setSystemMenu(nullptr);
    EXPECT_TRUE(bar.CaptionButtons().empty());
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
    // The child's own minimizing and restoring, as for any form.
    sub->showMinimized();
    EXPECT_FALSE(floating->isVisible());
    sub->showNormal();
    EXPECT_TRUE(floating->isVisible());
}

}  // namespace
}  // namespace bars::testing
