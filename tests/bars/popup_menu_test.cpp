#include "bars/popups/popup_menu.h"
#include "platform/core/bar_error.h"
#include "tests/bars/menus_fixture.h"

#include <QApplication>
#include <QKeyEvent>

namespace bars::testing {
namespace {

class PopupMenuTest : public MenusTest {
public:
    PopupMenuTest() { InstallPopupMenuDropDowns(); }

    // A pop-up menu on the form with entries "Deal" and "Undo" that log their clicks.
    TcbBarPopupMenu& NewPopup(QObject* owner) {
        auto* popup = new TcbBarPopupMenu(owner);
        for (const char* caption : {"Deal", "Undo"}) {
            TcbBarButton& entry = NewItem(std::string("pop") + caption);
            entry.SetCaption(caption);
            entry.OnClick = [this, caption](platform::Component*) { log.push_back(std::string("click ") + caption); };
            Link(popup->ItemLinks(), entry);
        }
        popup->OnCloseUp = [this](TcbBarPopupMenu&) { log.push_back("close up"); };
        return *popup;
    }
    // Runs once the menu's loop is running.
    static void WhileOpen(std::function<void()> step) {
        QMetaObject::invokeMethod(qApp, std::move(step), Qt::QueuedConnection);
    }
    static void ClickEntry(TcbBarPopupMenu& popup, int index) {
        ClickAt(*popup.MenuWindow(), Centre(popup.ItemLinks(), index));
    }

    std::vector<std::string> log;
};

TEST_F(PopupMenuTest, PopupReturnsOnlyAfterTheMenuClosedAndTheEntryRan) {
    TcbBarPopupMenu& popup = NewPopup(form.get());
    WhileOpen([&] {
        log.push_back("open");
        EXPECT_EQ(popup.MenuWindow()->RequestedPosition(), (platform::Point{120, 80}));
        ClickEntry(popup, 1);
    });
    popup.Popup(120, 80);
    log.push_back("returned");
    EXPECT_FALSE(popup.IsOpen());
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log.front(), "open");
    EXPECT_EQ(log.back(), "returned");
    EXPECT_NE(std::find(log.begin(), log.end(), "click Undo"), log.end());
}

class KeyCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) ++keys;
        return false;
    }
    int keys = 0;
};

TEST_F(PopupMenuTest, AKeyAfterTheCloseIsLeftToTheApplicationsLoop) {
    TcbBarPopupMenu& popup = NewPopup(form.get());
    KeyCounter counter;
    form->installEventFilter(&counter);
    WhileOpen([&] {
        ClickEntry(popup, 0);
        QCoreApplication::postEvent(form.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier));
    });
    popup.Popup(50, 50);
    EXPECT_EQ(counter.keys, 0);
    QCoreApplication::sendPostedEvents(form.get());
    EXPECT_EQ(counter.keys, 1);
}

TEST_F(PopupMenuTest, ASecondPopupFromOnPopupDoesNothing) {
    TcbBarPopupMenu& popup = NewPopup(form.get());
    int popups = 0;
    popup.OnPopup = [&](TcbBarPopupMenu& sender) {
        ++popups;
        sender.Popup(300, 300);
    };
    WhileOpen([&] {
        EXPECT_EQ(popup.MenuWindow()->RequestedPosition(), (platform::Point{40, 40}));
        popup.MenuWindow()->CloseAll();
    });
    popup.Popup(40, 40);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(log, std::vector<std::string>{"close up"});
}

TEST_F(PopupMenuTest, TheLoopSurvivesAClickThatFreesTheMenuOrItsForm) {
    TcbBarPopupMenu* popup = &NewPopup(form.get());
    manager->ItemByName("popDeal")->OnClick = [&](platform::Component*) { delete popup; };
    WhileOpen([&] { ClickEntry(*popup, 0); });
    popup->Popup(60, 60);

    auto other = std::make_unique<QWidget>();
    TcbBarPopupMenu& owned = NewPopup(other.get());
    EXPECT_EQ(owned.BarManager(), manager);
    owned.ItemLinks().Items(0)->Item()->OnClick = [&](platform::Component*) { other.reset(); };
    WhileOpen([&] { ClickEntry(owned, 0); });
    owned.Popup(60, 60);
    EXPECT_EQ(other, nullptr);
}

TEST_F(PopupMenuTest, ItsOwnFontUntilUseOwnFontIsSwitchedOff) {
    TcbBarPopupMenu& popup = NewPopup(form.get());
    EXPECT_FALSE(popup.UseOwnFont());
    platform::CanvasFont font = manager->Font();
    font.name = "Courier New";
    font.size = 14;
    popup.SetFont(font);
    EXPECT_TRUE(popup.UseOwnFont());
    WhileOpen([&] {
        EXPECT_EQ(popup.MenuWindow()->FontHandle().name, "Courier New");
        popup.MenuWindow()->CloseAll();
    });
    popup.Popup(10, 10);
    popup.SetUseOwnFont(false);
    EXPECT_EQ(popup.Font().name, manager->Font().name);
    EXPECT_EQ(popup.Font().size, manager->Font().size);
}

TEST_F(PopupMenuTest, ADropDownButtonsArrowOpensItsMenuWithoutOnClickItsButtonPartRunsOnClick) {
    TcbBarPopupMenu& popup = NewPopup(form.get());
    TcbBar& bar = MakeBar("Standard", dsTop, 2);
    TcbBarButton& button = ButtonOf(bar, 0);
    button.SetButtonStyle(bsDropDown);
    button.SetDropDownMenu(&popup);
    int clicks = 0;
    button.OnClick = [&](platform::Component*) { ++clicks; };
    bar.SetVisible(true);
    const platform::Rect rect = bar.ItemLinks().Items(0)->ItemRect();
    ClickAt(WindowOf(bar), {rect.right - 2, (rect.top + rect.bottom) / 2});
    EXPECT_TRUE(popup.IsOpen());
    EXPECT_EQ(clicks, 0);
    popup.MenuWindow()->CloseAll();
    EXPECT_FALSE(popup.IsOpen());
    ClickAt(WindowOf(bar), {rect.left + 3, (rect.top + rect.bottom) / 2});
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(popup.IsOpen());
}

TEST(PopupMenuWithoutManagers, CannotBeMade) {
    QWidget form;
    try {
        TcbBarPopupMenu popup(&form);
        FAIL();
    } catch (const platform::BarError& error) {
        EXPECT_EQ(error.StringId(), 39005);
    }
}

}  // namespace
}  // namespace bars::testing
