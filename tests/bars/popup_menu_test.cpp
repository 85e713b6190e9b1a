#include "bars/controls/button_control.h"
#include "bars/customize/customizing_form.h"
#include "bars/customize/customizing_site.h"
#include "bars/edits/bar_edit.h"
#include "bars/popups/customizing_popup.h"
#include "bars/popups/popup_menu.h"
#include "bars/popups/popup_menu_links.h"
#include "bars/popups/toolbars_popup.h"
#include "platform/core/bar_error.h"
#include "platform/core/virtual_keys.h"
#include "platform/core/window_messages.h"
#include "platform/qt/message_queue_qt.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_owner.h"
#include "tests/bars/menus_fixture.h"
#include "tests/support/fake_services.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

namespace bars::testing {
namespace {

class PopupMenuTest : public MenusTest {
public:
    PopupMenuTest() { InstallPopupWindows(); }
    ~PopupMenuTest() override { RemovePopupWindows(); }

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
    // A bar of two buttons whose button `index` drops `popup` down.
    TcbBar& DropDownBar(TcbBarPopupMenu& popup, int index) {
        TcbBar& bar = MakeBar("Standard", dsTop, 2);
        TcbBarButton& button = ButtonOf(bar, index);
        button.SetButtonStyle(bsDropDown);
        button.SetDropDownMenu(&popup);
        return bar;
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

TEST_F(PopupMenuTest, TheOwnerFormIsToldToCancelItsModeBeforeTheMenuOpens) {
    QWidget child(form.get());
    std::vector<std::pair<platform::WindowHandle, bool>> cancels;
    TcbBarPopupMenu* opening = nullptr;
    for (QWidget* window : {form.get(), &child}) {
        platform::MessageRouter::Instance().Register(platform::HandleOf(window), [&](const platform::WindowMessage& m) {
            if (m.message == platform::WM_CANCELMODE) cancels.emplace_back(m.window, opening->IsOpen());
            return std::intptr_t{0};
        });
    }
    // Owned by the form, then by a control of it: the form is told both times, the control never.
    for (QObject* owner : {static_cast<QObject*>(form.get()), static_cast<QObject*>(&child)}) {
        TcbBarPopupMenu& popup = NewPopup(owner);
        opening = &popup;
        WhileOpen([&] { popup.MenuWindow()->CloseAll(); });
        popup.Popup(10, 10);
        delete &popup;
    }
    platform::MessageRouter::Instance().Unregister(platform::HandleOf(&child));
    platform::MessageRouter::Instance().Unregister(platform::HandleOf(form.get()));
    const std::pair<platform::WindowHandle, bool> closedForm{platform::HandleOf(form.get()), false};
    EXPECT_EQ(cancels, (std::vector{closedForm, closedForm}));
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
    TcbBar& bar = DropDownBar(popup, 0);
    TcbBarButton& button = ButtonOf(bar, 0);
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

TEST_F(PopupMenuTest, ARightClickOnAControlWithTwoLinksShowsOnlyTheFirstLinksMenu) {
    auto* control = new QWidget(form.get());
    control->setGeometry(10, 40, 100, 50);
    TcbBarPopupMenu& first = NewPopup(form.get());
    TcbBarPopupMenu& second = NewPopup(form.get());
    TcbBarPopupMenuLinks& links = PopupMenuLinksOf(*manager);
    links.Add().SetControl(control);
    links.Items(0)->SetPopupMenu(&first);
    links.Add().SetControl(control);
    links.Items(1)->SetPopupMenu(&second);
    std::vector<TcbBarPopupMenu*> shown;
    auto closeWhatShows = [&] {
        WhileOpen([&] {
            for (TcbBarPopupMenu* popup : {&first, &second}) {
                if (!popup->IsOpen()) continue;
                shown.push_back(popup);
                popup->MenuWindow()->CloseAll();
            }
        });
    };
    closeWhatShows();
    EXPECT_TRUE(DispatchPopupMenuLinks(*control, platform::Point{30, 60}));
    EXPECT_EQ(shown, std::vector<TcbBarPopupMenu*>{&first});
    // The first link's action may refuse: the next link of the control shows its menu.
    links.Items(0)->OnAction = [](TcbBarPopupMenuLink&, QWidget&, platform::Point&, TcbBarPopupMenu*& menu) {
        menu = nullptr;
    };
    closeWhatShows();
    EXPECT_TRUE(DispatchPopupMenuLinks(*control, std::nullopt));
    EXPECT_EQ(shown, (std::vector<TcbBarPopupMenu*>{&first, &second}));
    // A control without links shows nothing.
    EXPECT_FALSE(DispatchPopupMenuLinks(*form, std::nullopt));
}

TEST_F(PopupMenuTest, ARightClickShowsTheLinkedMenuOnlyOnceItsPressHasClosedTheOpenMenus) {
    auto* control = new QWidget(form.get());
    TcbBarPopupMenu& popup = NewPopup(form.get());
    PopupMenuLinksOf(*manager).Add().SetControl(control);
    PopupMenuLinksOf(*manager).Items(0)->SetPopupMenu(&popup);
    auto& file = NewSubItem("File", "&File", 2);
    Link(MenuBar().ItemLinks(), file);
    ShowMenuBar();
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    ASSERT_NE(MenuOf(file), nullptr);
    int shown = 0;
    const auto send = [&](unsigned message) {
        // A menu that shows runs until it is closed.
        WhileOpen([&] {
            if (!popup.IsOpen()) return;
            ++shown;
            popup.MenuWindow()->CloseAll();
        });
        const bool swallowed = platform::InputHooks::Instance().DispatchMouse(
            {message, {20, 200}, platform::HandleOf(control), platform::HTCLIENT});
        QCoreApplication::sendPostedEvents(qApp, QEvent::MetaCall);
        return swallowed;
    };
    // A release with a menu open is the menu's: swallowed, nothing shows.
    EXPECT_TRUE(send(platform::WM_RBUTTONUP));
    EXPECT_EQ(shown, 0);
    EXPECT_NE(MenuOf(file), nullptr);
    // The press closes the menus; its release shows the control's menu.
    send(platform::WM_RBUTTONDOWN);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
    EXPECT_TRUE(send(platform::WM_RBUTTONUP));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(send(platform::WM_NCRBUTTONUP));
    EXPECT_EQ(shown, 2);
    FlushDeletes();
}

TEST_F(PopupMenuTest, WithoutAPointTheLinkedMenuOpensAtTheCaretOfTheFocusedControlElseAtItsCorner) {
    auto* edit = new QLineEdit("Klondike", form.get());
    edit->setGeometry(10, 40, 150, 24);
    auto* plain = new QWidget(form.get());
    plain->setGeometry(10, 80, 100, 50);
    edit->show();
    plain->show();
    TcbBarPopupMenu& popup = NewPopup(form.get());
    TcbBarPopupMenuLinks& links = PopupMenuLinksOf(*manager);
    std::vector<platform::Point> points;
    for (QWidget* control : {static_cast<QWidget*>(edit), plain}) {
        TcbBarPopupMenuLink& link = links.Add();
        link.SetControl(control);
        link.SetPopupMenu(&popup);
        link.OnAction = [&](TcbBarPopupMenuLink&, QWidget&, platform::Point& point, TcbBarPopupMenu*& menu) {
            points.push_back(point);
            menu = nullptr;
        };
    }
    edit->setFocus();
    edit->setCursorPosition(4);
    DispatchPopupMenuLinks(*edit, std::nullopt);
    DispatchPopupMenuLinks(*plain, std::nullopt);
    ASSERT_EQ(points.size(), 2u);
    const QPoint caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().topLeft();
    EXPECT_GT(caret.x(), 0);
    EXPECT_EQ(points[0], (platform::Point{caret.x(), caret.y()}));
    EXPECT_EQ(points[1], (platform::Point{0, 0}));
    // Out of focus the edit has no caret either.
    plain->setFocus();
    DispatchPopupMenuLinks(*edit, std::nullopt);
    EXPECT_EQ(points.back(), (platform::Point{0, 0}));
}

TEST_F(PopupMenuTest, TheToolbarsPopupListsTheBarsAndOffersCustomizingOnlyWhenAllowed) {
    // Only bars that can be closed: never the main-menu bar, nor a bar that may not close;
    // whether the dialog may customize a bar is no matter here.
    ShowMenuBar();
    NewBar("Fixed").SetAllowClose(false);
    TcbBar& standard = ShowBar("Standard", dsTop, 1);
    standard.SetAllowCustomizing(false);
    NewBar("Drawing");
    NewBar("Hidden").SetHidden(true);
    TcbBarSubMenuControl* menu = ShowToolbarsPopup(*manager, {200, 200});
    ASSERT_NE(menu, nullptr);
    const TcbBarItemLinks& entries = *menu->ItemLinks();
    ASSERT_EQ(entries.Count(), 3);
    EXPECT_EQ(entries.Items(0)->Caption(), "Standard");
    EXPECT_TRUE(dynamic_cast<TcbBarButton*>(entries.Items(0)->Item())->Down());
    EXPECT_FALSE(dynamic_cast<TcbBarButton*>(entries.Items(1)->Item())->Down());
    EXPECT_EQ(entries.Items(2)->Caption(), "&Customize...");
    EXPECT_TRUE(entries.Items(2)->OwnBeginGroup());
    ClickAt(*menu, Centre(entries, 0));
    EXPECT_FALSE(standard.Visible());
    FlushDeletes();

    manager->SetCanCustomize(false);
    menu = ShowToolbarsPopup(*manager, {200, 200});
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->ItemLinks()->Count(), 2);
    menu->CloseAll();
    FlushDeletes();
    for (int i = manager->Bars().Count() - 1; i >= 0; --i) manager->Bars().Delete(i);
    EXPECT_EQ(ShowToolbarsPopup(*manager, {200, 200}), nullptr);

    // The event sees the bars' entries before the customize entry and may fill an empty pop-up.
    manager->SetCanCustomize(true);
    TcbBarButton& extra = NewItem("extra");
    manager->OnShowToolbarsPopup = [&](TcbBarManager&, TcbBarItemLinks& links) {
        EXPECT_EQ(links.Count(), 0);
        Link(links, extra);
    };
    menu = ShowToolbarsPopup(*manager, {200, 200});
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->ItemLinks()->Count(), 2);
    EXPECT_EQ(menu->ItemLinks()->Items(0)->Item(), &extra);
    menu->CloseAll();
    FlushDeletes();
}

TEST_F(PopupMenuTest, TheCustomizingPopupOfALinkOffersItsEntriesInOrderAndActsOnTheLink) {
    TcbBar& bar = ShowBar("Standard", dsTop, 3);
    manager->SetCustomizing(true);
    TcbBarItemLink& second = *bar.ItemLinks().Items(1);
    second.SetUserPaintStyle(psCaption);
    TcbBarSubMenuControl* menu = ShowCustomizingPopup(second, {100, 100});
    ASSERT_NE(menu, nullptr);
    const TcbBarItemLinks& entries = *menu->ItemLinks();
    std::vector<std::string> captions;
    for (int i = 0; i < entries.Count(); ++i) captions.push_back(entries.Items(i)->Caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"&Reset", "&Delete", "&Name:", "Defa&ult style", "&Text Only (Always)",
                                                  "Text &Only (in Menus)", "Image &and Text", "Begin a &Group"}));
    for (int grouped : {2, 3, 7}) EXPECT_TRUE(entries.Items(grouped)->OwnBeginGroup()) << grouped;
    auto entry = [&](int index) -> TcbBarButton& { return dynamic_cast<TcbBarButton&>(*entries.Items(index)->Item()); };
    EXPECT_TRUE(entry(4).Down());
    EXPECT_TRUE(entry(7).Enabled());
    entry(6).DirectClick();
    EXPECT_EQ(second.PaintStyle(), psCaptionGlyph);
    entry(7).DirectClick();
    EXPECT_TRUE(second.OwnBeginGroup());
    entry(0).DirectClick();
    EXPECT_EQ(second.UserDefine(), 0);
    entry(1).DirectClick();
    EXPECT_EQ(bar.ItemLinks().Count(), 2);
    entry(0).DirectClick();  // the link is gone: nothing happens
    menu->CloseAll();
    FlushDeletes();

    menu = ShowCustomizingPopup(*bar.ItemLinks().Items(0), {100, 100});
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(dynamic_cast<TcbBarButton&>(*menu->ItemLinks()->Items(7)->Item()).Enabled());
    menu->CloseAll();
    manager->SetCustomizing(false);
}

TEST_F(PopupMenuTest, ARightClickOnALinkWhileCustomizingOpensItsPopupWhoseNameEntryRenamesTheLink) {
    test_support::ScriptedMessages messages;
    SetCustomizingMessages(&messages);
    TcbBar& bar = ShowBar("Standard", dsTop, 3);
    manager->SetCustomizing(true);
    TcbBarItemLink& second = *bar.ItemLinks().Items(1);
    int fired = 0;
    manager->OnShowCustomizingPopup = [&](TcbBarManager&, TcbBarItemLinks& links) {
        ++fired;
        EXPECT_EQ(links.Count(), 8);
        EXPECT_EQ(links.Window(), nullptr);  // before it opens
    };
    TcbBarControl& window = WindowOf(bar);
    const platform::Point screen = window.ClientToScreenPoint(CentreOf(bar, 1));
    QMouseEvent press(QEvent::MouseButtonPress, window.mapFromGlobal(QPointF(screen.x, screen.y)), QPointF(300, 40),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &press);
    auto* menu = dynamic_cast<TcbBarSubMenuControl*>(TCustomcbBarControl::ActiveBarControl());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->RequestedPosition(), (platform::Point{300, 40}));
    EXPECT_EQ(fired, 1);
    auto& name = dynamic_cast<TcbBarEdit&>(*menu->ItemLinks()->Items(2)->Item());
    EXPECT_EQ(name.Text(), second.Caption());
    name.SetText("Shuffle");
    EXPECT_EQ(second.UserCaption(), "Shuffle");
    EXPECT_TRUE(TCustomcbBarControl::IsLive(menu));

    name.SetText("");
    EXPECT_FALSE(TCustomcbBarControl::IsLive(menu));
    EXPECT_EQ(second.Caption(), "Shuffle");
    EXPECT_EQ(messages.Texts(test_support::MessageEvent::Kind::Error),
              std::vector<std::string>{"A command name cannot be blank. Please enter a name."});
    FlushDeletes();
    manager->SetCustomizing(false);
    SetCustomizingMessages(nullptr);
}

// A button whose links never show a glyph.
class GlyphlessButton : public TcbBarButton {
public:
    using TcbBarButton::TcbBarButton;
    bool CanShowGlyph() const override { return false; }
};

TEST_F(PopupMenuTest, TheFrameworkPopupsAreTheirOwnClassesOverEntriesOfTheirOwn) {
    TcbBar& bar = ShowBar("Standard", dsTop, 1);
    Link(bar.ItemLinks(), NewItem<TcbBarEdit>("edFind"));
    Link(bar.ItemLinks(), NewItem<GlyphlessButton>("plain"));
    auto* toolbars = dynamic_cast<TcbBarToolbarsPopup*>(ShowToolbarsPopup(*manager, {200, 200}));
    ASSERT_NE(toolbars, nullptr);
    EXPECT_EQ(toolbars->ItemLinks(), &toolbars->Entries());
    auto customizeEntry = [](TcbBarSubMenuControl& menu) -> TcbBarItem& {
        const TcbBarItemLinks& entries = *menu.ItemLinks();
        return *entries.Items(entries.Count() - 1)->Item();
    };
    EXPECT_TRUE(customizeEntry(*toolbars).Enabled());
    toolbars->CloseAll();
    FlushDeletes();

    // Another manager's customizing dialog is the one of the process.
    QWidget otherForm;
    TcbBarManager other(&otherForm);
    ASSERT_NE(ShowCustomizingForm(other), nullptr);
    toolbars = dynamic_cast<TcbBarToolbarsPopup*>(ShowToolbarsPopup(*manager, {200, 200}));
    ASSERT_NE(toolbars, nullptr);
    EXPECT_FALSE(customizeEntry(*toolbars).Enabled());
    toolbars->CloseAll();
    CloseCustomizingForm();
    FlushDeletes();

    // The paint styles are offered only for a button that can show a glyph.
    manager->SetCustomizing(true);
    const auto stylesEnabled = [&](int link) {
        auto* popup = dynamic_cast<TcbBarCustomizingPopup*>(ShowCustomizingPopup(*bar.ItemLinks().Items(link), {100, 100}));
        EXPECT_NE(popup, nullptr);
        if (!popup) return false;
        EXPECT_EQ(popup->Link(), bar.ItemLinks().Items(link));
        const bool enabled = popup->Entries().Items(3)->Item()->Enabled();
        popup->CloseAll();
        FlushDeletes();
        return enabled;
    };
    EXPECT_TRUE(stylesEnabled(0));
    EXPECT_FALSE(stylesEnabled(1));
    EXPECT_FALSE(stylesEnabled(2));

    // Over the customizing its entries answer the mouse as a menu's do, and the link stays the
    // customizing selection meanwhile.
    TcbBarItemLink& last = Link(bar.ItemLinks(), NewItem("last"));
    WindowOf(bar).Rebuild();
    WindowOf(bar).LButtonDown(CentreOf(bar, 3));
    WindowOf(bar).LButtonUp(CentreOf(bar, 3));
    ASSERT_EQ(manager->SelectedItemControl(), last.Control());
    auto* popup = dynamic_cast<TcbBarCustomizingPopup*>(ShowCustomizingPopup(last, {100, 100}));
    ASSERT_NE(popup, nullptr);
    popup->MouseMove(Centre(popup->Entries(), 7));
    EXPECT_EQ(popup->SelectedControl(), popup->Entries().Items(7)->Control());
    EXPECT_EQ(manager->SelectedItemControl(), last.Control());
    ClickAt(*popup, Centre(popup->Entries(), 7));
    EXPECT_TRUE(last.OwnBeginGroup());
    FlushDeletes();
    manager->SetCustomizing(false);

    // A form freed with its pop-up open takes the pop-up's entries along.
    ASSERT_NE(ShowToolbarsPopup(*manager, {200, 200}), nullptr);
    form.reset();
    FlushDeletes();
}

TEST_F(PopupMenuTest, ABlankNameKeepsTheCaptionAndTellsTheUser) {
    TcbBar& bar = MakeBar("Standard", dsTop, 1);
    TcbBarItemLink& link = *bar.ItemLinks().Items(0);
    test_support::ScriptedMessages messages;
    EXPECT_FALSE(ApplyCustomizingName(link, "", messages, "Corvanet"));
    EXPECT_EQ(link.UserDefine(), 0);
    ASSERT_EQ(messages.Events().size(), 1u);
    EXPECT_EQ(messages.Texts(test_support::MessageEvent::Kind::Error),
              std::vector<std::string>{"A command name cannot be blank. Please enter a name."});
    EXPECT_TRUE(ApplyCustomizingName(link, "Deal", messages, "Corvanet"));
    EXPECT_EQ(link.Caption(), "Deal");
}

TEST_F(PopupMenuTest, AQuitWhileTheMenuRunsClosesItAndStillEndsTheApplicationsLoop) {
    auto* control = new QWidget(form.get());
    TcbBarPopupMenu& popup = NewPopup(control);
    bool closedOnReturn = false;
    QTimer::singleShot(0, [&] {
        WhileOpen([&] {
            // A menu of a control stays above the control's window.
            EXPECT_EQ(platform::OwnerWindow(*popup.MenuWindow()), control);
            EXPECT_EQ(popup.MenuWindow()->windowHandle()->transientParent(), form->windowHandle());
            platform::MessageQueue().PostQuit(3);
        });
        popup.Popup(30, 30);
        closedOnReturn = !popup.IsOpen();
    });
    QTimer safety;  // never reached when it works
    safety.callOnTimeout([] { QCoreApplication::exit(-1); });
    safety.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 3);
    EXPECT_TRUE(closedOnReturn);
    EXPECT_EQ(log, std::vector<std::string>{"close up"});
}

TEST_F(PopupMenuTest, ADropDownButtonsMenuKnowsItsButtonAndEscGivesTheKeyboardBackToTheBar) {
    TcbBarPopupMenu& popup = NewPopup(form.get());
    TcbBar& bar = DropDownBar(popup, 1);
    TcbBarButton& button = ButtonOf(bar, 1);
    bar.SetVisible(true);
    TcbBarControl& window = WindowOf(bar);
    auto& control = dynamic_cast<TcbBarButtonControl&>(*bar.ItemLinks().Items(1)->Control());
    window.SelectControl(&control);
    control.DropDown(false);
    TcbBarSubMenuControl* menu = popup.MenuWindow();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->OpeningControl(), &control);
    EXPECT_EQ(menu->OpenerLink(), bar.ItemLinks().Items(1));
    EXPECT_TRUE(menu->KeyboardOpened());
    menu->KeyDown(platform::VK_ESCAPE);
    EXPECT_FALSE(popup.IsOpen());
    EXPECT_FALSE(control.DroppedDown());
    EXPECT_EQ(window.SelectedControl(), &control);
    FlushDeletes();

    // A menu freed before its button leaves no menu behind for the arrow.
    delete &popup;
    EXPECT_EQ(button.DropDownMenu(), nullptr);
    control.DropDown(true);
    EXPECT_FALSE(control.DroppedDown());
}

TEST_F(PopupMenuTest, ALinkedControlShowsNoContextMenuOfItsOwnAndALinkFreedByAnActionIsPassedOver) {
    auto* linked = new QLineEdit(form.get());
    auto* plain = new QLineEdit(form.get());
    TcbBarPopupMenu& popup = NewPopup(form.get());
    TcbBarPopupMenuLinks& links = PopupMenuLinksOf(*manager);
    for (int i = 0; i < 2; ++i) {
        links.Add().SetControl(linked);
        links.Items(i)->SetPopupMenu(&popup);
    }
    // Qt offers the control its own menu on the right press; only the unlinked one gets it.
    struct ContextMenus : QObject {
        int seen = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            seen += event->type() == QEvent::ContextMenu;
            return true;
        }
    } linkedMenus, plainMenus;
    linked->installEventFilter(&linkedMenus);
    plain->installEventFilter(&plainMenus);
    for (QWidget* control : {static_cast<QWidget*>(linked), static_cast<QWidget*>(plain)}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3), control->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(control, &event);
    }
    EXPECT_EQ(linkedMenus.seen, 0);
    EXPECT_EQ(plainMenus.seen, 1);

    // The first link's action frees the second one and shows nothing: the walk skips the freed link.
    links.Items(0)->OnAction = [&](TcbBarPopupMenuLink&, QWidget&, platform::Point&, TcbBarPopupMenu*& menu) {
        links.Delete(1);
        menu = nullptr;
    };
    EXPECT_FALSE(DispatchPopupMenuLinks(*linked, std::nullopt));
    EXPECT_EQ(links.Count(), 1);
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
