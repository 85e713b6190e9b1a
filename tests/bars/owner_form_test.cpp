#include "bars/customize/customizing_form.h"
#include "bars/customize/sub_menu_editor.h"
#include "bars/design/manager_description.h"
#include "bars/hooks/owner_form.h"
#include "bars/popups/bar_hints.h"
#include "platform/qt/logical_fonts.h"
#include "platform/core/bar_strings.h"
#include "tests/bars/menus_fixture.h"
#include "tests/support/fake_services.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include "platform/qt/input_event_filter.h"

namespace bars::testing {
namespace {

class OwnerFormTest : public MenusTest {
public:
    void Send(unsigned message, std::intptr_t wParam = 0) {
        platform::InputHooks::Instance().DispatchCallWindow({platform::HandleOf(form.get()), message, wParam, 0});
    }
    TcbBarControl& Floating() {
        if (!m_floating) {
            m_floating = &MakeBar("Float", dsNone, 2);
            m_floating->SetFloatLeft(500);
            m_floating->SetFloatTop(300);
            m_floating->SetVisible(true);
        }
        return WindowOf(*m_floating);
    }

private:
    TcbBar* m_floating = nullptr;
};

TEST_F(OwnerFormTest, AnotherProgramHidesTheFloatingBarsAndComingBackShowsThemWithoutActivation) {
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
    TcbBarControl& floating = Floating();
    floating.show();
    ASSERT_TRUE(floating.isVisible());
    Send(platform::WM_ACTIVATEAPP, 0);
    EXPECT_FALSE(floating.isVisible());
    Send(platform::WM_ACTIVATE, platform::WA_ACTIVE);
    EXPECT_TRUE(floating.isVisible());
    EXPECT_NE(QApplication::activeWindow(), &floating);
}

// Customizing a floating bar: activating the customizing dialog keeps it, another form does not.
TEST_F(OwnerFormTest, TheCustomizingDialogAndBarWindowsCountAsTheFormsOwnOtherFormsDoNot) {
    TcbBarControl& floating = Floating();
    floating.show();
    TcbBarCustomizingForm& dialog = *ShowCustomizingForm(*manager);
    ActivationStep(*manager, false, &dialog);
    EXPECT_TRUE(floating.isVisible());
    ActivationStep(*manager, false, &floating);
    EXPECT_TRUE(floating.isVisible());
    QWidget otherForm;
    ActivationStep(*manager, false, &otherForm);
    EXPECT_FALSE(floating.isVisible());
    // Coming back to the program through the dialog brings the bars back.
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&dialog, &activate);
    EXPECT_TRUE(floating.isVisible());
    CloseCustomizingForm();

    // Another manager's dialog is another form to this one.
    QWidget secondForm;
    TcbBarManager second(&secondForm);
    TcbBarCustomizingForm& theirs = *ShowCustomizingForm(second);
    ActivationStep(*manager, false, &theirs);
    EXPECT_FALSE(floating.isVisible());
    CloseCustomizingForm();
}

TEST_F(OwnerFormTest, MinimizingHidesTheFloatingBarsAndRestoringShowsThem) {
    TcbBarControl& floating = Floating();
    floating.show();
    Send(platform::WM_SIZE, platform::SIZE_MINIMIZED);
    EXPECT_FALSE(floating.isVisible());
    Send(platform::WM_SIZE, platform::SIZE_RESTORED);
    EXPECT_TRUE(floating.isVisible());
}

TEST_F(OwnerFormTest, DeactivationClosesTheOpenMenus) {
    auto& file = NewSubItem("File", "&File", 2);
    Link(MenuBar().ItemLinks(), file);
    ShowMenuBar();
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    ASSERT_NE(MenuOf(file), nullptr);
    Send(platform::WM_ACTIVATEAPP, 0);
    EXPECT_EQ(MenuOf(file), nullptr);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
}

TEST_F(OwnerFormTest, F1OnAHighlightedCommandShowsItsHelpContext) {
    std::vector<int> shown;
    SetHelpViewer([&](int context) { shown.push_back(context); });
    auto& help = NewSubItem("Help", "&Help", 2);
    help.ItemLinks().Items(1)->Item()->SetHelpContext(3015);
    int rulesClicks = 0;
    auto& rules = NewItem("Rules");
    rules.SetShortCut(platform::VK_F1);
    rules.OnClick = [&](platform::Component*) { ++rulesClicks; };
    Link(help.ItemLinks(), rules);
    Link(MenuBar().ItemLinks(), help);
    ShowMenuBar();
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    Press(platform::VK_DOWN);
    EXPECT_TRUE(Press(platform::VK_F1));
    EXPECT_TRUE(shown.empty());
    Press(platform::VK_DOWN);
    EXPECT_TRUE(Press(platform::VK_F1));
    EXPECT_EQ(shown, std::vector<int>{3015});
    EXPECT_EQ(rulesClicks, 0);
    SetHelpViewer(nullptr);
}

TEST_F(OwnerFormTest, AHelpRequestAsksTheItemUnderTheMouseFirst) {
    std::vector<int> shown;
    SetHelpViewer([&](int context) { shown.push_back(context); });
    TcbBar& bar = ShowBar("Standard", dsTop, 2);
    ButtonOf(bar, 1).SetHelpContext(77);
    const auto over = [&](int index) {
        platform::OverrideCursorPos(WindowOf(bar).ClientToScreenPoint(CentreOf(bar, index)));
    };
    over(1);
    Send(platform::WM_HELP);
    // A button without a context gives no help.
    over(0);
    Send(platform::WM_HELP);
    EXPECT_EQ(shown, std::vector<int>{77});
    SetHelpViewer(nullptr);
}

TEST_F(OwnerFormTest, F1PressedOutsideMenusAsksTheCommandUnderTheMouseForHelp) {
    std::vector<int> shown;
    SetHelpViewer([&](int context) { shown.push_back(context); });
    platform::InputEventFilter::Acquire();
    TcbBar& bar = ShowBar("Standard", dsTop, 2);
    ButtonOf(bar, 1).SetHelpContext(77);
    platform::OverrideCursorPos(WindowOf(bar).ClientToScreenPoint(CentreOf(bar, 1)));
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, Qt::Key_F1, Qt::NoModifier);
        QCoreApplication::sendEvent(form->windowHandle(), &key);
    }
    EXPECT_EQ(shown, std::vector<int>{77});
    platform::InputEventFilter::Release();
    SetHelpViewer(nullptr);
}

TEST_F(OwnerFormTest, AScreenOrItsWorkAreaChangingBringsTheFloatingBarsBackWithinReach) {
    platform::InputEventFilter::Acquire();
    TcbBarControl& floating = Floating();
    floating.show();
    // The desktop shrinks to its left half, where the bar no longer fits.
    platform::OverrideWorkArea(platform::Rect{0, 0, 400, 600});
    emit QGuiApplication::primaryScreen()->availableGeometryChanged(QRect(0, 0, 400, 600));
    EXPECT_EQ(floating.x() + floating.width(), 400);
    // A screen that goes leaves the bar off every screen that remains.
    floating.move(-300, 100);
    Send(platform::WM_DISPLAYCHANGE);
    EXPECT_EQ(floating.x(), 0);
    EXPECT_EQ(floating.y(), 100);
    platform::InputEventFilter::Release();
}

TEST_F(OwnerFormTest, TheCustomizingDialogComesAndGoesWithItsForm) {
    platform::InputEventFilter::Acquire();
    auto& sub = NewSubItem("Game", "&Game", 1);
    TcbBarCustomizingForm& dialog = *ShowCustomizingForm(*manager);
    TcbBarSubMenuEditor* editor = ShowSubMenuEditor(sub);
    ASSERT_TRUE(editor && editor->isVisible());
    form->hide();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(editor->isVisible());
    form->show();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(editor->isVisible());
    CloseCustomizingForm();
    FlushDeletes();
    platform::InputEventFilter::Release();
}

TEST_F(OwnerFormTest, TheLayoutStoreIsWrittenOnceOnDestructionRegistryFirst) {
    std::vector<std::string> writes;
    SetLayoutStoreWriter([&](TcbBarManager&, bool registry) { writes.push_back(registry ? "registry" : "ini"); });
    manager->SetStoreInRegistry(true);
    manager->SetStoreInIniFile(true);
    form.reset();
    EXPECT_EQ(writes, (std::vector<std::string>{"registry", "ini"}));
    // A message of the window's end after its manager wrote changes nothing.
    form = std::make_unique<QWidget>();
    manager = new TcbBarManager(form.get());
    manager->SetStoreInRegistry(true);
    Send(platform::WM_DESTROY);
    form.reset();
    EXPECT_EQ(writes, (std::vector<std::string>{"registry", "ini", "registry"}));
    SetLayoutStoreWriter(nullptr);
}

TEST_F(OwnerFormTest, ASettingsChangeBringsFloatingBarsBackIntoTheWorkArea) {
    TcbBarControl& floating = Floating();
    floating.move(780, 590);
    const int w = floating.width(), h = floating.height();
    Send(platform::WM_SETTINGCHANGE, platform::SPI_SETNONCLIENTMETRICS);
    EXPECT_EQ(floating.x(), 780) << "only a change of the work area moves them";
    Send(platform::WM_SETTINGCHANGE, platform::SPI_SETWORKAREA);
    EXPECT_EQ(floating.x(), 800 - w);
    EXPECT_EQ(floating.y(), 600 - h);
    EXPECT_EQ(floating.width(), w);
    // A hidden floating bar has its stored place moved instead.
    TcbBar& hidden = MakeBar("Hidden", dsNone, 1);
    hidden.SetFloatLeft(-300);
    hidden.SetFloatTop(-40);
    KeepFloatingBarsInWorkArea(*manager);
    EXPECT_EQ(hidden.FloatLeft(), 0);
    EXPECT_EQ(hidden.FloatTop(), 0);
}

TEST_F(OwnerFormTest, AChangedMenuFontBecomesTheBarFontOrLendsItsSizeToTheChosenFace) {
    platform::CanvasFont menu = platform::MenuFont();
    const auto menuFontOf = [&](int height) {
        menu.height = height;
        platform::OverrideMenuFont(menu);
        Send(platform::WM_SETTINGCHANGE, platform::SPI_SETNONCLIENTMETRICS);
    };
    ASSERT_TRUE(manager->UseSystemFont());
    menuFontOf(-15);
    EXPECT_EQ(manager->Font(), menu);
    platform::CanvasFont courier = manager->Font();
    courier.name = "Courier New";
    manager->SetFont(courier);
    menuFontOf(-18);
    EXPECT_FALSE(manager->UseSystemFont());
    EXPECT_EQ(manager->Font().name, "Courier New");
    EXPECT_EQ(manager->Font().height, -18);
    // Unscaled, the chosen font stays as it is.
    manager->SetScaled(false);
    menuFontOf(-20);
    EXPECT_EQ(manager->Font().height, -18);
    platform::OverrideMenuFont(std::nullopt);
}

TEST_F(OwnerFormTest, LeavingTheProgramLeavesNoButtonHotAndNoHintOverTheOtherOne) {
    TcbBar& bar = ShowBar("Standard", dsTop, 2);
    ButtonOf(bar, 0).SetHint("Open");
    TcbBarControl& window = WindowOf(bar);
    platform::OverrideCursorPos(window.ClientToScreenPoint(CentreOf(bar, 0)));
    window.MouseMove(CentreOf(bar, 0));
    timers.Advance(BarHints::kShowDelayMs);
    ASSERT_TRUE(BarHints::Instance().IsShown());
    ASSERT_NE(window.SelectedControl(), nullptr);
    Send(platform::WM_ACTIVATEAPP, 0);
    EXPECT_EQ(window.SelectedControl(), nullptr);
    EXPECT_EQ(manager->SelectedItemControl(), nullptr);
    EXPECT_FALSE(BarHints::Instance().IsShown());
}

TEST_F(OwnerFormTest, HidingOrClosingTheFormHidesItsFloatingBarsAndARefusedCloseBringsThemBack) {
    platform::InputEventFilter::Acquire();
    TcbBarControl& floating = Floating();
    floating.show();
    // The form asks first and the user says no.
    struct Refuse : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() != QEvent::Close) return false;
            event->ignore();
            return true;
        }
    } refuse;
    form->installEventFilter(&refuse);
    form->close();
    EXPECT_FALSE(floating.isVisible());
    QCoreApplication::sendPostedEvents(manager, QEvent::MetaCall);
    ASSERT_TRUE(form->isVisible());
    EXPECT_TRUE(floating.isVisible());
    form->removeEventFilter(&refuse);
    form->hide();
    EXPECT_FALSE(floating.isVisible());
    form->show();
    QApplication::setActiveWindow(form.get());
    Send(platform::WM_ACTIVATE, platform::WA_ACTIVE);
    EXPECT_TRUE(floating.isVisible());
    form->close();
    QCoreApplication::sendPostedEvents(manager, QEvent::MetaCall);
    EXPECT_FALSE(floating.isVisible());
    platform::InputEventFilter::Release();
}

TEST_F(OwnerFormTest, AFormWithTheHelpButtonShowsHelpAsAPopUpAtTheCommand) {
    std::vector<int> shown;
    std::vector<std::pair<int, platform::Point>> popups;
    SetHelpViewer([&](int context) { shown.push_back(context); });
    SetHelpPopupViewer([&](int context, platform::Point at) { popups.emplace_back(context, at); });
    TcbBar& bar = ShowBar("Standard", dsTop, 2);
    ButtonOf(bar, 1).SetHelpContext(77);
    platform::OverrideCursorPos(WindowOf(bar).ClientToScreenPoint({CentreOf(bar, 1).x - 3, CentreOf(bar, 1).y + 2}));
    Send(platform::WM_HELP);
    EXPECT_EQ(shown, std::vector<int>{77});
    EXPECT_TRUE(popups.empty());
    form->setWindowFlag(Qt::WindowContextHelpButtonHint);
    form->show();
    Send(platform::WM_HELP);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].first, 77);
    EXPECT_EQ(popups[0].second, WindowOf(bar).ClientToScreenPoint(CentreOf(bar, 1)));
    EXPECT_EQ(shown.size(), 1u);
    SetHelpPopupViewer(nullptr);
    SetHelpViewer(nullptr);
}

TEST_F(OwnerFormTest, ActivatingAFormThatTheCustomizingDialogDisablesActivatesTheDialog) {
    TcbBarCustomizingForm& dialog = *ShowCustomizingForm(*manager);
    form->activateWindow();
    QCoreApplication::processEvents();
    Send(platform::WM_ACTIVATE, platform::WA_ACTIVE);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), form.get()) << "an enabled form keeps its activation";
    form->setEnabled(false);
    Send(platform::WM_ACTIVATE, platform::WA_ACTIVE);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &dialog);
    form->setEnabled(true);
    CloseCustomizingForm();
}

TEST_F(MenusTest, ResettingUsageDataTakesTheDesignedStateAsFarAsTheDesignHasLinks) {
    auto d = std::make_shared<TcbBarManagerDescription>();
    d->items = {{.name = "One"}, {.name = "Two"},
                {.className = "TcbBarSubItem", .name = "Menu", .links = {{.item = "One"}, {.item = "Two", .mostRecentlyUsed = false}}}};
    auto designed = std::make_unique<QWidget>();
    TcbBarManager& made = BuildBarManager(designed.get(), d);
    auto& menu = dynamic_cast<TcbBarSubItem&>(*made.ItemByName("Menu"));
    menu.ItemLinks().Items(1)->SetMostRecentlyUsed(true);
    menu.ItemLinks().Items(0)->SetMostRecentlyUsed(false);
    // A link the user added after the design stays as it is.
    TcbBarItemLink& added = menu.ItemLinks().Add();
    added.SetItem(made.ItemByName("One"));
    added.SetMostRecentlyUsed(false);
    test_support::ScriptedMessages messages;
    messages.QueueConfirmAnswer(false);
    EXPECT_FALSE(ResetUsageData(made, messages, "Corvanet Solitaire"));
    EXPECT_FALSE(menu.ItemLinks().Items(0)->MostRecentlyUsed());
    messages.QueueConfirmAnswer(true);
    EXPECT_TRUE(ResetUsageData(made, messages, "Corvanet Solitaire"));
    EXPECT_TRUE(menu.ItemLinks().Items(0)->MostRecentlyUsed());
    EXPECT_FALSE(menu.ItemLinks().Items(1)->MostRecentlyUsed());
    EXPECT_FALSE(menu.ItemLinks().Items(2)->MostRecentlyUsed());
    EXPECT_EQ(messages.Texts(test_support::MessageEvent::Kind::Confirm).front(),
              std::string(platform::BarString(platform::bar_string::kResetUsageDataConfirm)));
}

}  // namespace
}  // namespace bars::testing
