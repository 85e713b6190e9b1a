#include "bars/customize/customizing_drag.h"
#include "bars/customize/customizing_form.h"
#include "bars/customize/editors.h"
#include "bars/customize/sub_menu_editor.h"
#include "bars/design/manager_description.h"
#include "bars/hooks/owner_form.h"
#include "platform/core/bar_strings.h"
#include "bars/store/layout_store.h"
#include "bars/services/framework_services.h"
#include "platform/core/input_hooks.h"
#include "platform/core/messages.h"
#include "tests/bars/recorded_messages.h"
#include "tests/bars/windows_fixture.h"
#include "tools/bars_gallery/bars_gallery.h"
#include "bars/menus/menu_windows.h"
#include "bars/popups/popup_menu.h"
#include "tests/bars/menus_fixture.h"
#include "bars/popups/toolbars_popup.h"
#include "bars/edits/bar_custom_combo.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

namespace bars::testing {
namespace {


TEST(NameEditor, OkOnlyWithANameAndCaptionsFromTheStringTable) {
    TcbBarNameEd category(true, TcbBarNameEd::Insert);
    EXPECT_EQ(category.windowTitle(), "Insert Category");
    EXPECT_EQ(category.LName->text(), "&Category name:");
    EXPECT_FALSE(category.BOK->isEnabled());
    category.EName->setText("Games");
    EXPECT_TRUE(category.BOK->isEnabled());
    category.EName->clear();
    EXPECT_FALSE(category.BOK->isEnabled());
    TcbBarNameEd toolbar(false, TcbBarNameEd::Rename);
    EXPECT_EQ(toolbar.windowTitle(), "Rename Toolbar");
    EXPECT_EQ(toolbar.LName->text(), "&Toolbar name:");
    EXPECT_EQ(toolbar.BCancel->text(), "Cancel");
}

class CustomizingFormTest : public WindowsTest {
public:
    CustomizingFormTest() {
        messages.answer = false;
        SetCustomizingMessages(&messages);
        SetEditorShowHook([this](QDialog& editor) {
            auto* named = dynamic_cast<TcbBarNameEd*>(&editor);
            if (named) named->EName->setText(QString::fromStdString(typed));
            return named == nullptr || named->BOK->isEnabled();
        });
        tools = &ShowBar("Tools", dsTop, 3);
    }
    ~CustomizingFormTest() override {
        TcbBarCustomizingDrag::Instance().Cancel();
        CloseCustomizingForm();
        FlushDeletes();
        SetEditorShowHook(nullptr);
        SetCustomizingMessages(nullptr);
    }
    TcbBarCustomizingForm& Open() { return *ShowCustomizingForm(*manager); }

    RecordedMessages messages;
    std::string typed;
    TcbBar* tools = nullptr;
};

TEST_F(CustomizingFormTest, OneWindowPerProcessShownWithoutBlocking) {
    TcbBarCustomizingForm& form = Open();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Customize");
    EXPECT_TRUE(manager->IsCustomizing());
    QWidget otherForm;
    TcbBarManager other(&otherForm);
    EXPECT_EQ(ShowCustomizingForm(other), &form);
    EXPECT_FALSE(other.IsCustomizing());
    CloseCustomizingForm();
    EXPECT_FALSE(manager->IsCustomizing());
    EXPECT_EQ(CustomizingForm(), nullptr);
}

TEST_F(CustomizingFormTest, DeletingAToolbarAndACategoryAsksFirst) {
    TcbBarCustomizingForm& form = Open();
    form.LBars->setCurrentRow(tools->Index());
    form.BBarDeleteClick();
    EXPECT_EQ(messages.shown.back(), "Are you sure you want to delete the 'Tools' toolbar?");
    ASSERT_EQ(manager->Bars().Count(), 1) << "Cancel keeps the toolbar";
    messages.answer = true;
    form.BBarDeleteClick();
    EXPECT_EQ(manager->Bars().Count(), 0);

    messages.shown.clear();
    form.LCategories->setCurrentRow(0);
    form.CategoriesDeleteClick();
    EXPECT_TRUE(messages.shown.empty()) << "the only category is not offered for deletion";
    manager->Categories().Add("Extra");
    form.Refresh();
    form.LCategories->setCurrentRow(1);
    form.CategoriesDeleteClick();
    EXPECT_EQ(messages.shown.back(), "Are you sure you want to delete the 'Extra' category?");
    EXPECT_EQ(manager->Categories().Count(), 1);
}

TEST_F(CustomizingFormTest, NewToolbarFloatsBesideTheWindowWithTheTypedName) {
    TcbBarCustomizingForm& form = Open();
    typed = "";
    form.BBarNewClick();
    EXPECT_EQ(manager->Bars().Count(), 1) << "no name, no toolbar";
    typed = "Mine";
    form.BBarNewClick();
    ASSERT_EQ(manager->Bars().Count(), 2);
    const TcbBar& bar = *manager->Bars().Items(1);
    EXPECT_EQ(bar.Caption(), "Mine");
    EXPECT_TRUE(bar.Visible());
    EXPECT_EQ(bar.DockingStyle(), dsNone);
    EXPECT_GE(bar.FloatLeft(), form.x() + form.frameGeometry().width());
    EXPECT_EQ(form.LBars->count(), 2);
    EXPECT_EQ(form.LBars->item(1)->checkState(), Qt::Checked);
}

// The dialog, not the form, is the active window meanwhile: the bar shows all the same.
TEST_F(CustomizingFormTest, ReTickingAFloatingBarInTheListShowsItAtOnce) {
    TcbBar& floating = ShowFloating("Floating", 2, 300, 300, 2 * 23);
    TcbBarCustomizingForm& dialog = Open();
    QApplication::setActiveWindow(&dialog);
    // The list is filled again after each change.
    for (const Qt::CheckState state : {Qt::Unchecked, Qt::Checked}) dialog.LBars->item(floating.Index())->setCheckState(state);
    ASSERT_TRUE(floating.Visible());
    EXPECT_TRUE(WindowOf(floating).isVisible());
    QApplication::setActiveWindow(form.get());
}

TEST_F(CustomizingFormTest, NewCommandNameIsTheClassNameWithTheSmallestFreeNumber) {
    EXPECT_EQ(ProposeCommandName(*manager, "TcbBarButton"), "cbBarButton1");
    NewItem("CBBARBUTTON1");
    NewItem("cbBarButton3");
    EXPECT_EQ(ProposeCommandName(*manager, "TcbBarButton"), "cbBarButton2");
    auto* child = new QObject(form.get());
    child->setObjectName("cbBarCombo1");
    EXPECT_EQ(ProposeCommandName(*manager, "TcbBarCombo"), "cbBarCombo2");

    TcbBarCustomizingForm& dialog = Open();
    const int before = manager->ItemCount();
    SetEditorShowHook([](QDialog& editor) {
        auto& add = dynamic_cast<TcbBarItemAddEditor&>(editor);
        EXPECT_EQ(add.EName->text(), "cbBarButton2");
        add.ComboBox1->setCurrentIndex(1);
        EXPECT_EQ(add.EName->text(), "cbBarEdit1");
        add.ECaption->setText("Find");
        return true;
    });
    dialog.CommandsAddClick();
    ASSERT_EQ(manager->ItemCount(), before + 1);
    const TcbBarItem* made = manager->ItemByName("cbBarEdit1");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Caption(), "Find");
    EXPECT_EQ(dialog.SelectedCommand(), made);
}

TEST_F(CustomizingFormTest, CommandsDeleteKeepsThePositionOrTakesTheNewLast) {
    TcbBarCustomizingForm& form = Open();
    form.LCategories->setCurrentRow(0);
    form.LCommands->setCurrentRow(1);
    form.CommandsDeleteClick();
    EXPECT_EQ(manager->ItemByName("Tools1"), nullptr);
    EXPECT_EQ(form.SelectedCommand(), manager->ItemByName("Tools2"));
    form.CommandsDeleteClick();
    EXPECT_EQ(form.SelectedCommand(), manager->ItemByName("Tools0"));
    EXPECT_EQ(tools->ItemLinks().Count(), 1);
}

TEST_F(CustomizingFormTest, CommandsMoveWithinTheirCategory) {
    NewItem("Other", 0);
    TcbBarCustomizingForm& form = Open();
    form.LCommands->setCurrentRow(0);
    form.CommandsMoveDownClick();
    EXPECT_EQ(form.Commands()[1], manager->ItemByName("Tools0"));
    EXPECT_EQ(form.LCommands->currentRow(), 1);
    form.CommandsMoveUpClick();
    EXPECT_EQ(form.Commands()[0], manager->ItemByName("Tools0"));
}

TEST_F(CustomizingFormTest, OptionBoxesSetTheManagersSwitches) {
    TcbBarCustomizingForm& form = Open();
    form.CBLargeIcons->setChecked(true);
    form.CBShowHint->setChecked(false);
    form.CBAnimations->setCurrentIndex(maSlide);
    EXPECT_TRUE(manager->LargeIcons());
    EXPECT_FALSE(manager->ShowHint());
    EXPECT_EQ(manager->MenuAnimations(), maSlide);
}

// The usage goes back to what the form's definition gives each link: a count that would show
// every command in a personalized menu is no reset.
TEST_F(CustomizingFormTest, ResetMyUsageDataAsksYesOrNoAndBringsBackTheDefinitionsUsage) {
    auto described = std::make_shared<TcbBarManagerDescription>();
    described->items = {{.name = "One", .category = 0}, {.name = "Two", .category = 0}, {.name = "Three", .category = 0}};
    described->bars = {{.name = "Menu", .caption = "Menu",
                        .links = {{.item = "One"}, {.item = "Two", .mostRecentlyUsed = false}, {.item = "Three"}}}};
    QWidget designedForm;
    TcbBarManager& designed = BuildBarManager(&designedForm, described);
    TcbBarItemLinks& links = designed.Bars().Items(0)->ItemLinks();
    // Used since, and read back from a layout store as well.
    links.Items(0)->SetUseCount(40);
    links.Items(1)->SetUseCount(35);
    links.Items(1)->SetSavedRecent(0, 35);
    links.Items(2)->SetUseCount(1);
    TcbBarCustomizingForm& dialog = *ShowCustomizingForm(designed);
    const auto counts = [&] {
        return std::vector<int>{links.Items(0)->UseCount(), links.Items(1)->UseCount(), links.Items(2)->UseCount()};
    };
    messages.answer = false;
    dialog.ResetUsageDataClick();
    ASSERT_EQ(messages.asked, std::vector<std::string>{std::string(platform::BarString(39002))});
    EXPECT_EQ(messages.captions.back(), ApplicationTitle());
    EXPECT_EQ(counts(), (std::vector<int>{40, 35, 1})) << "No keeps the usage";
    messages.answer = true;
    dialog.ResetUsageDataClick();
    const int fresh = designed.RecentItemsThreshold();
    EXPECT_EQ(counts(), (std::vector<int>{fresh, 0, fresh}));
    EXPECT_EQ(links.Items(1)->RecentIndex(), 2) << "the rarely used link goes last";
    CloseCustomizingForm();
}

TEST_F(CustomizingFormTest, SubMenuEditorTakesDropsAndRefusesTheSubItemItself) {
    auto& file = NewItem<TcbBarSubItem>("mnuFile");
    Link(file.ItemLinks(), *manager->ItemByName("Tools0"));
    auto& edit = NewItem<TcbBarSubItem>("mnuEdit");
    TcbBarCustomizingForm& form = Open();
    form.LCategories->setCurrentRow(0);
    const auto commands = form.Commands();
    form.LCommands->setCurrentRow(static_cast<int>(std::find(commands.begin(), commands.end(), &file) - commands.begin()));
    form.CommandsSubMenuEditorClick();
    TcbBarSubMenuEditor* editor = SubMenuEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(form.PageControl->currentIndex(), 1);
    EXPECT_EQ(editor->SubItem(), &file);

    auto& drag = TcbBarCustomizingDrag::Instance();
    const auto dropAtEnd = [&](TcbBarItem& item) {
        DesignDragLoop(*manager, item, nullptr, {900, 900});
        const platform::Rect last = file.ItemLinks().Items(file.ItemLinks().Count() - 1)->ItemRect();
        drag.MouseMoved(editor->ClientToScreenPoint({last.left + 4, last.bottom - 2}));
        EXPECT_EQ(drag.Target(), editor) << item.Name();
        drag.Drop();
    };
    dropAtEnd(*manager->ItemByName("Tools1"));
    ASSERT_EQ(file.ItemLinks().Count(), 2);
    EXPECT_EQ(file.ItemLinks().Items(1)->Item()->Name(), "Tools1");
    dropAtEnd(file);
    ASSERT_FALSE(messages.shown.empty()) << file.ItemLinks().Count();
    EXPECT_EQ(messages.shown.back(), "You cannot create recursive subitems");
    EXPECT_EQ(file.ItemLinks().Count(), 2);

    ShowSubMenuEditor(edit);
    EXPECT_EQ(SubMenuEditor(), editor) << "made once and reused";
    EXPECT_EQ(editor->SubItem(), &edit);
    CloseCustomizingForm();
    EXPECT_EQ(SubMenuEditor(), nullptr);
}

// The whole session: a new toolbar, three commands dragged onto it, a group, and the
// layout store bringing the same bars back into a new manager.
TEST_F(CustomizingFormTest, ScriptedSessionComesBackThroughTheLayoutStore) {
    TcbBarCustomizingForm& dialog = Open();
    typed = "Mine";
    dialog.BBarNewClick();
    TcbBar& mine = *manager->Bars().Items(1);
    auto* window = dynamic_cast<TcbBarControl*>(mine.ItemLinks().Window());
    ASSERT_NE(window, nullptr);
    // Wide enough for the three buttons in one line, as the user would size it.
    mine.SetFloatClientWidth(120);
    auto& drag = TcbBarCustomizingDrag::Instance();
    for (const char* name : {"Tools0", "Tools1", "Tools2"}) {
        // The bar lays itself out again once the input is handled.
        window->Rebuild();
        DesignDragLoop(*manager, *manager->ItemByName(name), nullptr, {900, 900});
        // After the last link; on the empty bar, into its middle.
        const int count = mine.ItemLinks().Count();
        const platform::Rect r = count ? mine.ItemLinks().Items(count - 1)->ItemRect() : window->ClientRect();
        drag.MouseMoved(window->ClientToScreenPoint({r.right - 2, (r.top + r.bottom) / 2}));
        ASSERT_EQ(drag.Target(), window) << name;
        drag.Drop();
    }
    ASSERT_EQ(mine.ItemLinks().Count(), 3);
    window->Rebuild();
    // The group: the second link dragged 5 pixels to the right.
    const platform::Rect second = mine.ItemLinks().Items(1)->ItemRect();
    const platform::Point centre{(second.left + second.right) / 2, (second.top + second.bottom) / 2};
    window->LButtonDown(centre);
    window->MouseMove({centre.x + 5, centre.y});
    drag.MouseMoved(window->ClientToScreenPoint({centre.x + 5, centre.y}));
    drag.Drop();
    EXPECT_TRUE(mine.ItemLinks().Items(1)->BeginGroup());
    CloseCustomizingForm();

    QTemporaryDir folder;
    const std::string ini = (folder.path() + "/layout.ini").toStdString();
    ASSERT_TRUE(SaveToIniFile(*manager, ini));
    QWidget secondForm;
    TcbBarManager fresh(&secondForm);
    for (const char* name : {"Tools0", "Tools1", "Tools2"}) fresh.CreateItem<TcbBarButton>(name).SetCategory(0);
    LoadFromIniFile(fresh, ini);
    const TcbBar* back = nullptr;
    for (int i = 0; i < fresh.Bars().Count(); ++i)
        if (fresh.Bars().Items(i)->Caption() == "Mine") back = fresh.Bars().Items(i);
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->ItemLinks().Count(), 3);
    EXPECT_EQ(back->ItemLinks().Items(0)->Item()->Name(), "Tools0");
    EXPECT_EQ(back->ItemLinks().Items(2)->Item()->Name(), "Tools2");
    EXPECT_TRUE(back->ItemLinks().Items(1)->OwnBeginGroup());
    EXPECT_EQ(back->DockingStyle(), dsNone);
}

TEST_F(CustomizingFormTest, ActivationByTheUserRefreshesTheCurrentPageButNotDuringADrag) {
    TcbBarCustomizingForm& form = Open();
    form.PageControl->setCurrentIndex(0);
    const auto activate = [&] {
        QEvent event(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&form, &event);
    };
    form.LBars->item(0)->setText("stale");
    DesignDragLoop(*manager, *manager->ItemByName("Tools0"), nullptr, {900, 900});
    activate();
    EXPECT_EQ(form.LBars->item(0)->text(), "stale") << "a drag of ours activates it";
    TcbBarCustomizingDrag::Instance().Cancel();
    activate();
    EXPECT_EQ(form.LBars->item(0)->text(), "Tools");

    form.PageControl->setCurrentIndex(1);
    form.LCommands->clear();
    activate();
    EXPECT_EQ(form.LCommands->count(), 3);
}

TEST_F(CustomizingFormTest, CommandDraggedFromTheListWithTheMouseLandsOnTheBar) {
    TcbBarCustomizingForm& form = Open();
    // Clear of the bar, which it would cover.
    form.move(900, 500);
    form.PageControl->setCurrentIndex(1);
    form.LCategories->setCurrentRow(0);
    QWidget& list = *form.LCommands->viewport();
    const QPoint press = form.LCommands->visualItemRect(form.LCommands->item(2)).center();
    const auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, list.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&list, &event);
    };
    mouse(QEvent::MouseButtonPress, press, Qt::LeftButton);
    mouse(QEvent::MouseMove, press + QPoint(1, 1), Qt::LeftButton);
    auto& drag = TcbBarCustomizingDrag::Instance();
    EXPECT_FALSE(drag.IsDragging()) << "still within the drag distance";
    mouse(QEvent::MouseMove, press + QPoint(20, 0), Qt::LeftButton);
    ASSERT_TRUE(drag.IsDragging());

    // From here the framework's hooks carry the mouse, as the input filter delivers it.
    auto& hooks = platform::InputHooks::Instance();
    const platform::Rect first = tools->ItemLinks().Items(0)->ItemRect();
    const platform::Point over = WindowOf(*tools).ClientToScreenPoint({first.left + 2, (first.top + first.bottom) / 2});
    EXPECT_TRUE(hooks.DispatchMouse({platform::WM_MOUSEMOVE, over}));
    EXPECT_EQ(drag.Target(), &WindowOf(*tools));
    EXPECT_EQ(drag.Cursor(), kDragCursor);
    hooks.DispatchMouse({platform::WM_LBUTTONUP, over});
    EXPECT_FALSE(drag.IsDragging());
    ASSERT_EQ(tools->ItemLinks().Count(), 4);
    EXPECT_EQ(tools->ItemLinks().Items(0)->Item(), manager->ItemByName("Tools2"));
}

// One link is selected among all the bars while customizing, and the dialog shows its command.
TEST_F(CustomizingFormTest, ASelectionOnAnotherBarTakesItFromTheFirstAndTheDialogShowsItsCommand) {
    manager->Categories().Add("Second");
    TcbBar& other = ShowBar("Other", dsTop, 2, 1);
    for (int i = 0; i < 2; ++i) ButtonOf(other, i).SetCategory(1);
    TcbBarCustomizingForm& dialog = Open();
    dialog.LCategories->setCurrentRow(0);
    const auto press = [&](TcbBar& bar, int index) {
        WindowOf(bar).LButtonDown(CentreOf(bar, index));
        WindowOf(bar).LButtonUp(CentreOf(bar, index));
        return bar.ItemLinks().Items(index)->Control();
    };
    // The selected link wears a frame in the button-text colour.
    const auto framed = [](TcbBar& bar, int index) {
        TcbBarControl& window = WindowOf(bar);
        const platform::Rect r = bar.ItemLinks().Items(index)->ItemRect();
        const platform::Point corner = window.ClientToScreenPoint({r.left, r.top});
        const QPoint at = window.mapFromGlobal(QPoint(corner.x, corner.y));
        return QColor(window.Surface().pixel(at)).rgb() == qRgb(0, 0, 0);
    };
    EXPECT_FALSE(framed(*tools, 1));
    TcbBarItemControl* first = press(*tools, 1);
    EXPECT_TRUE(framed(*tools, 1));
    EXPECT_EQ(WindowOf(*tools).SelectedControl(), first);
    EXPECT_EQ(manager->SelectedItemControl(), first);
    EXPECT_EQ(dialog.SelectedCommand(), &ButtonOf(*tools, 1));

    TcbBarItemControl* second = press(other, 1);
    EXPECT_EQ(WindowOf(*tools).SelectedControl(), nullptr) << "two links selected at once";
    EXPECT_FALSE(framed(*tools, 1));
    EXPECT_TRUE(framed(other, 1));
    EXPECT_EQ(WindowOf(other).SelectedControl(), second);
    EXPECT_EQ(manager->SelectedItemControl(), second);
    EXPECT_EQ(dialog.SelectedCategory(), 1);
    EXPECT_EQ(dialog.SelectedCommand(), &ButtonOf(other, 1));

    // Within one bar the selection simply moves.
    TcbBarItemControl* third = press(other, 0);
    EXPECT_EQ(WindowOf(other).SelectedControl(), third);
    EXPECT_EQ(manager->SelectedItemControl(), third);
    EXPECT_EQ(dialog.SelectedCommand(), &ButtonOf(other, 0));
}

TEST_F(CustomizingFormTest, TheHelpButtonWearsTheManagersGlyphAndOpensTheHelpTopicUnlessTheEventIsSet) {
    std::vector<int> shown;
    SetHelpViewer([&](int context) { shown.push_back(context); });
    TcbBarCustomizingForm& dialog = Open();
    EXPECT_FALSE(dialog.BHelp->isVisibleTo(&dialog));
    manager->SetShowHelpButton(true);
    EXPECT_TRUE(dialog.BHelp->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.BHelp->icon().isNull());
    manager->SetHelpButtonGlyph(SquareGlyph({4, 4, 12, 12}, 0x0000FF));
    ASSERT_FALSE(dialog.BHelp->icon().isNull());
    EXPECT_TRUE(dialog.BHelp->text().isEmpty());
    const QImage glyph = dialog.BHelp->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(qAlpha(glyph.pixel(0, 15)), 0) << "the bottom-left colour is transparent";
    EXPECT_EQ(glyph.pixel(8, 8), qRgb(0xFF, 0, 0));

    manager->SetHelpContext(4321);
    dialog.BHelp->click();
    EXPECT_EQ(shown, std::vector<int>{4321});
    int clicks = 0;
    manager->OnHelpButtonClick = [&](TcbBarManager&) { ++clicks; };
    dialog.BHelp->click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(shown.size(), 1u);
    SetHelpViewer(nullptr);
}

// Switching customizing on and off with a menu open, a link selected and a pop-up menu with a
// hidden entry.
class CustomizingSwitchTest : public MenusTest {
public:
    CustomizingSwitchTest() : file(NewSubItem("mnuFile", "&File", 2)), tools(ShowBar("Tools", dsBottom, 2)) {
        Link(MenuBar().ItemLinks(), file);
        ShowMenuBar();
        manager->OnShowCustomizingForm = [this](TcbBarManager&) { ++shows; };
        manager->OnHideCustomizingForm = [this](TcbBarManager&) { ++hides; };
    }
    ~CustomizingSwitchTest() override { CloseCustomizingForm(); }

    TcbBarSubItem& file;
    TcbBar& tools;
    int shows = 0;
    int hides = 0;
};

TEST_F(CustomizingSwitchTest, OpeningClosesMenusDropsSelectionsShowsHiddenEntriesAndFiresOnce) {
    auto* popup = new TcbBarPopupMenu(form.get());
    Link(popup->ItemLinks(), NewItem("popHidden")).SetVisible(false);
    WindowOf(tools).MouseMove(CentreOf(tools, 1));
    ASSERT_NE(WindowOf(tools).SelectedControl(), nullptr);
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    ASSERT_NE(MenuOf(file), nullptr);

    ASSERT_NE(ShowCustomizingForm(*manager), nullptr);
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(MenuOf(file), nullptr);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
    EXPECT_EQ(WindowOf(tools).SelectedControl(), nullptr);
    EXPECT_EQ(WindowOf(MenuBar()).SelectedControl(), nullptr);
    EXPECT_EQ(manager->SelectedItemControl(), nullptr);
    EXPECT_EQ(popup->ItemLinks().VisibleLinks().size(), 1u) << "customizing shows every entry";

    // A menu opened while customizing closes as customizing ends.
    WindowOf(MenuBar()).LButtonDown(CentreOf(MenuBar(), 0));
    WindowOf(MenuBar()).LButtonUp(CentreOf(MenuBar(), 0));
    ASSERT_NE(MenuOf(file), nullptr);
    CloseCustomizingForm();
    EXPECT_EQ(MenuOf(file), nullptr);
    EXPECT_EQ(WindowOf(MenuBar()).SelectedControl(), nullptr);
    EXPECT_EQ(popup->ItemLinks().VisibleLinks().size(), 0u);
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(hides, 1);
}

TEST_F(CustomizingSwitchTest, OnlyAManagerThatMayCustomizeOpensAndNeverWhileAnotherCustomizes) {
    manager->SetCanCustomize(false);
    EXPECT_EQ(ShowCustomizingForm(*manager), nullptr);
    EXPECT_FALSE(manager->IsCustomizing());
    EXPECT_EQ(shows, 0);
    manager->SetCanCustomize(true);

    QWidget otherForm;
    TcbBarManager other(&otherForm);
    int otherShows = 0;
    other.OnShowCustomizingForm = [&](TcbBarManager&) { ++otherShows; };
    TcbBarCustomizingForm* dialog = ShowCustomizingForm(other);
    ASSERT_NE(dialog, nullptr);
    manager->SetCustomizing(true);
    EXPECT_FALSE(manager->IsCustomizing()) << "one customizing dialog at a time";
    EXPECT_EQ(shows, 0);
    EXPECT_EQ(otherShows, 1);
    CloseCustomizingForm();
    manager->SetCustomizing(true);
    EXPECT_TRUE(manager->IsCustomizing());
    manager->SetCustomizing(false);
}

}  // namespace
}  // namespace bars::testing

namespace bars::testing {
namespace {

TEST(GalleryCustomizing, TheCustomizeCommandOpensTheWindowAndTheFieldsAreThere) {
    auto owned = std::make_unique<gallery::BarsGallery>();
    gallery::BarsGallery& gallery = *owned;
    gallery.Show();
    EXPECT_NE(gallery.Manager().ItemByName("edFind"), nullptr);
    auto* game = dynamic_cast<TcbBarCombo*>(gallery.Manager().ItemByName("cbGame"));
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->Text(), "Klondike");
    gallery.Button("btnCustomize").Click();
    TcbBarCustomizingForm* dialog = CustomizingForm();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(gallery.Manager().IsCustomizing());
    // Its toolbar buttons are commands of the dialog: a press on the floating bar, then on a
    // docked one, moves the one selection and the dialog follows.
    const auto press = [](TcbBar& bar, int index) {
        auto& window = *dynamic_cast<TCustomcbBarControl*>(bar.ItemLinks().Window());
        const platform::Rect r = bar.ItemLinks().Items(index)->ItemRect();
        const platform::Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        window.LButtonDown(centre);
        window.LButtonUp(centre);
        return &window;
    };
    TCustomcbBarControl* floating = press(gallery.Floating(), 1);
    EXPECT_EQ(dialog->SelectedCommand(), gallery.Floating().ItemLinks().Items(1)->Item());
    TCustomcbBarControl* standard = press(gallery.Standard(), 2);
    EXPECT_EQ(floating->SelectedControl(), nullptr);
    EXPECT_EQ(standard->SelectedControl(), gallery.Manager().SelectedItemControl());
    EXPECT_EQ(dialog->SelectedCommand(), &gallery.Button("btnSave"));
    CloseCustomizingForm();
    owned.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    RemovePopupWindows();
    RemoveMenuWindows();
    RemoveToolbarWindows();
}

}  // namespace
}  // namespace bars::testing
