#include "bars/edits/bar_custom_combo.h"
#include "bars/edits/drop_down.h"
#include "bars/edits/edit_controls.h"
#include "bars/controls/button_control.h"
#include "bars/hooks/shortcut_dispatch.h"
#include "bars/popups/drop_down_list.h"
#include "bars/registry/item_class_registry.h"
#include "platform/core/input_hooks.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"
#include "platform/qt/work_area.h"
#include "tests/bars/windows_fixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWindow>

namespace bars::testing {
namespace {

TEST(EditItemRules, LimitsWidthAndEditorFlag) {
    QWidget form;
    TcbBarManager manager(&form);
    auto& edit = manager.CreateItem<TcbBarEdit>("edFind");
    edit.SetMaxLength(-5);
    EXPECT_EQ(edit.MaxLength(), 0);
    edit.SetMaxLength(12);
    EXPECT_EQ(edit.MaxLength(), 12);
    EXPECT_EQ(edit.Width(), 100);
    edit.SetWidth(5);
    EXPECT_EQ(edit.Width(), 20);
    edit.SetWidth(900);
    EXPECT_EQ(edit.Width(), 600);
    auto& combo = manager.CreateItem<TcbBarCombo>("cbKind");
    EXPECT_TRUE(combo.ShowEditor());
    combo.SetShowEditor(false);
    EXPECT_TRUE(combo.HidesEditor());
}

TEST(EditItemRules, RegisteredAfterTheButtonInTheFrameworkOrder) {
    const auto& registry = BarItemClasses();
    ASSERT_NE(registry.OfferedItemClass(3), nullptr);
    EXPECT_EQ(registry.OfferedItemClass(0)->className, "TcbBarButton");
    EXPECT_EQ(registry.OfferedItemClass(1)->className, "TcbBarEdit");
    EXPECT_EQ(registry.OfferedItemClass(2)->className, "TCustomcbBarCombo");
    EXPECT_EQ(registry.OfferedItemClass(3)->className, "TcbBarCombo");
    EXPECT_NE(registry.FindClass("TcbBarCombo")->makeControl, nullptr);
}

struct LookupCase {
    const char* name;
    const char* text;
    int found;
};
void PrintTo(const LookupCase& c, std::ostream* out) { *out << c.name; }

class PrefixLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(PrefixLookupTest, FindsTheFirstEntryWithTheLongestCommonBeginning) {
    const std::vector<std::string> entries{"Apple", "Abacus", "Abc"};
    EXPECT_EQ(PrefixLookup(entries, GetParam().text), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(AppleAbacusAbc, PrefixLookupTest,
                         ::testing::Values(LookupCase{"ab_finds_Abacus", "ab", 1}, LookupCase{"abc_finds_Abc", "abc", 2},
                                           LookupCase{"upper_case_AP_finds_Apple", "AP", 0},
                                           LookupCase{"longer_abcd_still_Abc", "abcd", 2},
                                           LookupCase{"no_common_first_letter", "xyz", -1},
                                           LookupCase{"empty_text", "", -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DropDownFit, KeepsTheWindowOnTheWorkArea) {
    const platform::Rect area{0, 0, 800, 600};
    // Below a toolbar control near the bottom: more room above, so it opens above.
    EXPECT_EQ(FitDropDown({100, 580}, {120, 100}, {80, 22}, area, true), (platform::Point{100, 458}));
    // Near the bottom but with less room above than below: it stays below.
    EXPECT_EQ(FitDropDown({100, 50}, {120, 600}, {80, 22}, area, true), (platform::Point{100, 50}));
    // Past the right edge of a toolbar: moved left to the edge.
    EXPECT_EQ(FitDropDown({750, 100}, {120, 100}, {80, 22}, area, true), (platform::Point{680, 100}));
    // Beside a menu entry near the right edge: opens on the left side of the menu.
    EXPECT_EQ(FitDropDown({750, 100}, {120, 100}, {200, 20}, area, false), (platform::Point{430, 100}));
    // From a menu near the bottom: pulled up to the bottom edge.
    EXPECT_EQ(FitDropDown({100, 550}, {120, 100}, {200, 20}, area, false), (platform::Point{100, 500}));
    // Never negative.
    EXPECT_EQ(FitDropDown({750, 20}, {900, 100}, {80, 22}, area, true), (platform::Point{0, 20}));
}

class EditFieldTest : public WindowsTest {
public:
    template <class Item>
    Item& OnBar(const std::string& name) {
        bar = &NewBar("Fields");
        bar->SetDockingStyle(dsTop);
        Item& item = NewItem<Item>(name);
        Link(bar->ItemLinks(), item);
        bar->SetVisible(true);
        item.OnChange = [this](platform::Component*) { ++changes; };
        return item;
    }
    TcbBarWinControl& Control() const { return dynamic_cast<TcbBarWinControl&>(*bar->ItemLinks().Items(0)->Control()); }
    void Press(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
        QCoreApplication::sendEvent(Control().EditWindow(), &press);
    }
    void Type(const QString& text) {
        for (QChar c : text) Press(Qt::Key_A + (c.toUpper().unicode() - 'A'), Qt::NoModifier, QString(c));
    }
    void Open() {
        WindowOf(*bar).SelectControl(&Control());
        Control().Click(false);
    }

    TcbBar* bar = nullptr;
    int changes = 0;
};

TEST_F(EditFieldTest, EscLeavesTheTextAndEnterCommitsOnlyAChange) {
    auto& edit = OnBar<TcbBarEdit>("edFind");
    edit.SetText("old");
    changes = 0;
    Open();
    ASSERT_TRUE(Control().Focused());
    EXPECT_TRUE(Control().EditWindow()->isVisible());
    EXPECT_EQ(Control().GetText(), "old");

    Control().EditWindow()->setText("new");
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Control().Focused());
    EXPECT_FALSE(Control().EditWindow()->isVisible());
    EXPECT_EQ(edit.Text(), "old");
    EXPECT_EQ(changes, 0);

    Open();
    Press(Qt::Key_Return);
    EXPECT_EQ(changes, 0) << "Enter on an unchanged text";

    Open();
    Control().EditWindow()->setText("new");
    Press(Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "new");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(Control().Focused());
}

TEST_F(EditFieldTest, OpeningTheFieldSelectsItsWholeTextSoThatTypingReplacesIt) {
    auto& edit = OnBar<TcbBarEdit>("edSize");
    edit.SetText("12 pt");
    Open();
    EXPECT_EQ(Control().EditWindow()->selectedText(), "12 pt");
    Type("5");
    EXPECT_EQ(Control().GetText(), "5");
    Press(Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "5");
}

TEST_F(EditFieldTest, MaxLengthLimitsTypingButNeverCutsATextTheProgramSet) {
    auto& edit = OnBar<TcbBarEdit>("edSize");
    edit.SetMaxLength(2);
    edit.SetText("12 pt");
    Open();
    EXPECT_EQ(Control().GetText(), "12 pt");
    Press(Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "12 pt") << "opened and committed unchanged";
    EXPECT_EQ(changes, 1) << "only the program's own SetText";

    Open();
    Control().EditWindow()->end(false);
    Type("x");
    EXPECT_EQ(Control().GetText(), "12 pt") << "a text already at the limit takes nothing more";
    Control().EditWindow()->selectAll();
    Type("abc");
    EXPECT_EQ(Control().GetText(), "ab");
    Control().EditWindow()->home(false);
    Control().EditWindow()->del();
    Control().EditWindow()->insert("xyz");  // a paste keeps what fits
    EXPECT_EQ(Control().GetText(), "xb");
    EXPECT_EQ(Control().EditWindow()->cursorPosition(), 1);
    Press(Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "xb");

    edit.SetMaxLength(0);
    Open();
    Control().EditWindow()->end(false);
    Type("cde");
    EXPECT_EQ(Control().GetText(), "xbcde") << "no limit";
}

TEST_F(EditFieldTest, KeyHandlerThatZeroesTheKeyStopsTheFrameworksHandling) {
    auto& edit = OnBar<TcbBarEdit>("edFind");
    edit.OnKeyDown = [](TcbBarWindowItem&, int& key, unsigned) {
        if (key == platform::VK_RETURN) key = 0;
    };
    Open();
    Control().EditWindow()->setText("kept open");
    Press(Qt::Key_Return);
    EXPECT_TRUE(Control().Focused());
    EXPECT_EQ(edit.Text(), "");
}

TEST_F(EditFieldTest, ReadOnlyFieldOpensReadOnlyAndCannotDropDown) {
    auto& combo = OnBar<TcbBarCombo>("cbKind");
    combo.SetItems({"One", "Two"});
    combo.SetReadOnly(true);
    Open();
    EXPECT_TRUE(Control().EditWindow()->isReadOnly());
    Press(Qt::Key_F4);
    EXPECT_FALSE(combo.List().IsShown());
}

TEST_F(EditFieldTest, ItemIndexOnTheEntryEqualToTheTextStillFiresOnChangeOnce) {
    auto& combo = OnBar<TcbBarCombo>("cbKind");
    combo.SetItems({"Apple", "Abacus", "Abc"});
    combo.SetText("Abc");
    EXPECT_EQ(combo.ItemIndex(), 2);
    changes = 0;
    combo.SetItemIndex(2);
    EXPECT_EQ(changes, 1);
    combo.SetItemIndex(7);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    EXPECT_EQ(changes, 2);
    combo.SetItemIndex(0);
    combo.SetItems({"Pear"});
    EXPECT_EQ(combo.ItemIndex(), 0) << "index still in range";
    combo.SetItemIndex(0);
    combo.SetItems({});
    EXPECT_EQ(combo.ItemIndex(), -1);
}

TEST_F(EditFieldTest, TypingCompletesFromTheOpenList) {
    auto& combo = OnBar<TcbBarCombo>("cbKind");
    combo.SetItems({"Apple", "Abacus", "Abc"});
    Open();
    auto& control = dynamic_cast<TcbBarComboControl&>(Control());
    Press(Qt::Key_F4);
    ASSERT_TRUE(control.DroppedDown());
    ASSERT_TRUE(combo.List().IsShown());
    Type("ab");
    EXPECT_EQ(control.CurrentIndex(), 1);
    EXPECT_EQ(combo.List().Selected(), -1) << "Abacus only begins with the text";
    EXPECT_EQ(combo.List().TopIndex(), 1);
    Type("c");
    EXPECT_EQ(control.CurrentIndex(), 2);
    EXPECT_EQ(combo.List().Selected(), 2);
    Press(Qt::Key_Return);
    EXPECT_FALSE(combo.List().IsShown());
    EXPECT_EQ(combo.Text(), "abc");
    EXPECT_EQ(combo.ItemIndex(), -1) << "the entry differs in case";
}

// The open list window of the combos (there is one at a time).
TcbBarDropDownListBox* OpenListBox() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = dynamic_cast<TcbBarDropDownListBox*>(window); box && box->isVisible()) return box;
    return nullptr;
}

// Qt's mouse events come to the list at its native window, as the application's filter sees them.
void SendMouse(TcbBarDropDownListBox& box, QEvent::Type type, int line, Qt::MouseButtons held) {
    const QPointF local(20, TcbBarDropDownListBox::kFrame + line * box.ItemHeight() + box.ItemHeight() / 2);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, box.mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(box.windowHandle(), &event);
}

TEST_F(EditFieldTest, TheOpenListFollowsTheMouseAndTheKeysAndTellsTheFieldWhatIsSelected) {
    auto& combo = OnBar<TcbBarCombo>("cbKind");
    combo.SetItems({"Apple", "Abacus", "Abc", "Banana", "Cherry"});
    combo.SetDropDownCount(3);
    Open();
    auto& control = dynamic_cast<TcbBarComboControl&>(Control());
    Type("ab");  // nothing selected, Abacus at the top
    Press(Qt::Key_F4);
    TcbBarDropDownListBox* box = OpenListBox();
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(combo.List().Selected(), -1);
    Press(Qt::Key_Down);
    EXPECT_EQ(combo.List().Selected(), 2) << "the top visible entry first, then one down";
    EXPECT_EQ(control.GetText(), "Abc");

    SendMouse(*box, QEvent::MouseMove, 2, Qt::NoButton);  // the line of Banana
    EXPECT_EQ(control.CurrentIndex(), 3);
    EXPECT_EQ(control.GetText(), "Banana");

    // The click that opened the list, still held: released outside, it leaves the list open.
    box->TrackMouse();
    EXPECT_EQ(platform::GetCapture(), platform::HandleOf(box));
    SendMouse(*box, QEvent::MouseMove, -3, Qt::LeftButton);
    EXPECT_TRUE(box->OpeningClick());
    SendMouse(*box, QEvent::MouseButtonRelease, -3, Qt::NoButton);
    EXPECT_FALSE(box->OpeningClick());
    EXPECT_EQ(platform::GetCapture(), platform::kNoWindow);
    // Another window taking the capture ends the opening click as well.
    box->TrackMouse();
    QWidget other;
    platform::SetCapture(platform::HandleOf(&other));
    EXPECT_FALSE(box->OpeningClick());
    platform::ReleaseCapture();

    // Held again and dragged into the list: the line where it comes up is chosen and the field closes.
    box->TrackMouse();
    SendMouse(*box, QEvent::MouseMove, 0, Qt::LeftButton);
    EXPECT_FALSE(box->OpeningClick());
    SendMouse(*box, QEvent::MouseButtonRelease, 0, Qt::NoButton);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(combo.Text(), "Abacus");
    EXPECT_FALSE(combo.List().IsShown());
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(Control().Focused());
}

TEST_F(EditFieldTest, UpAndDownWalkTheClosedListAndEnterTakesTheEntry) {
    auto& combo = OnBar<TcbBarCombo>("cbKind");
    combo.SetItems({"One", "Two", "Three"});
    Open();
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_EQ(Control().GetText(), "Two");
    Press(Qt::Key_Return);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(EditFieldTest, DropDownAtTheBottomOfTheScreenOpensAbove) {
    form->setGeometry(0, 400, 400, 300);
    auto& combo = OnBar<TcbBarCombo>("cbKind");
    combo.SetItems({"One", "Two", "Three", "Four"});
    TcbBarControl& window = WindowOf(*bar);
    const platform::Rect r = bar->ItemLinks().Items(0)->ItemRect();
    const platform::Point bottom = window.ClientToScreenPoint({r.left, r.bottom});
    platform::OverrideWorkArea(platform::Rect{0, bottom.y - 200, 800, bottom.y + 10});
    Open();
    Press(Qt::Key_F4);
    platform::OverrideWorkArea(std::nullopt);
    const platform::Point top = window.ClientToScreenPoint({r.left, r.top});
    ASSERT_TRUE(combo.List().IsShown());
    EXPECT_EQ(combo.List().Position().y, top.y - combo.List().WindowSize().height);
    EXPECT_EQ(combo.List().Position().x, top.x);
}

TEST_F(EditFieldTest, BoxIsDrawnInTheWindowColourWithTheArrowPart) {
    auto& combo = OnBar<TcbBarCombo>("cbKind");
    combo.SetItems({"One"});
    TcbBarControl& window = WindowOf(*bar);
    window.Repaint();
    auto& control = dynamic_cast<TcbBarComboControl&>(Control());
    const platform::Rect value = control.EditRect();
    ASSERT_GT(value.Width(), 0);
    const QImage& surface = window.Surface();
    const platform::Point corner = window.ClientToScreenPoint({0, 0});
    const QPoint origin = window.mapFromGlobal(QPoint(corner.x, corner.y));
    const auto pixel = [&](int x, int y) { return surface.pixel(origin.x() + x, origin.y() + y) & 0xFFFFFF; };
    EXPECT_EQ(pixel(value.right - 3, value.top + 1), 0xFFFFFFu) << "the value part in the window colour";
    const platform::Rect arrow = control.ArrowRect();
    EXPECT_EQ(pixel(arrow.left + (arrow.Width() - 5) / 2 + 2, arrow.top + (arrow.Height() - 3) / 2 + 2), 0u)
        << "the tip of the arrow";
}

TEST_F(EditFieldTest, AComboValueTooLongForItsBoxIsShortenedAndStaysOffTheFrame) {
    auto& combo = OnBar<TcbBarCombo>("cbKind");
    combo.SetWidth(40);
    combo.SetItems({"WWWWWWWWWWWWWWWWWWWWWWWW"});
    combo.SetItemIndex(0);
    TcbBarControl& window = WindowOf(*bar);
    window.Repaint();
    const platform::Rect box = dynamic_cast<TCustomcbBarComboControl&>(Control()).Box();
    const platform::Point corner = window.ClientToScreenPoint({0, 0});
    const QPoint origin = window.mapFromGlobal(QPoint(corner.x, corner.y));
    const QRgb text = 0;  // the window-text colour, black
    int inked = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.right - 2; x < box.right + 1; ++x)
            inked += (window.Surface().pixel(origin.x() + x, origin.y() + y) & 0xFFFFFF) == text ? 1 : 0;
    EXPECT_EQ(inked, 0) << "nothing of the text on the frame or just past the box";
}

TEST_F(EditFieldTest, AltCombinationsCloseTheFieldAndRunTheirShortcutAltAloneIsMarked) {
    OnBar<TcbBarEdit>("edFind");
    auto& save = NewItem<TcbBarButton>("bnSave");
    save.SetShortCut(platform::ShortCut(platform::VK_A + ('S' - 'A'), platform::kShiftAlt));
    int saves = 0;
    save.OnClick = [&](platform::Component*) { ++saves; };
    Link(bar->ItemLinks(), save);
    Open();
    Press(Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(AltAlone());
    EXPECT_TRUE(Control().Focused()) << "Alt alone leaves the field open";
    Press(Qt::Key_S, Qt::AltModifier, "s");
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(Control().Focused());
    EXPECT_FALSE(WindowOf(*bar).IsActive());
}

TEST_F(EditFieldTest, MouseOutsideTheFieldIsSwallowedAndARightPressReachesTheBar) {
    OnBar<TcbBarEdit>("edFind");
    Open();
    TcbBarControl& window = WindowOf(*bar);
    QLineEdit& edit = *Control().EditWindow();
    const platform::Rect field = bar->ItemLinks().Items(0)->ItemRect();
    const auto send = [&](QEvent::Type type, platform::Point client, Qt::MouseButton button) {
        const platform::Point screen = window.ClientToScreenPoint(client);
        const QPoint global(screen.x, screen.y);
        QMouseEvent event(type, edit.mapFromGlobal(global), global, button, button, Qt::NoModifier);
        return Control().EditEvent(event);
    };
    EXPECT_FALSE(send(QEvent::MouseMove, {field.left + 3, field.top + 3}, Qt::NoButton));
    EXPECT_TRUE(send(QEvent::MouseMove, {field.right + 40, field.top + 3}, Qt::NoButton));
    EXPECT_TRUE(send(QEvent::MouseButtonRelease, {field.left + 3, field.bottom + 30}, Qt::LeftButton));

    struct RightPresses : QObject {
        std::vector<QPoint> at;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::MouseButtonPress) at.push_back(static_cast<QMouseEvent*>(event)->position().toPoint());
            return false;
        }
    } presses;
    window.installEventFilter(&presses);
    EXPECT_TRUE(send(QEvent::MouseButtonPress, {field.left + 5, field.top + 4}, Qt::RightButton));
    window.removeEventFilter(&presses);
    const platform::Point screen = window.ClientToScreenPoint({field.left + 5, field.top + 4});
    ASSERT_EQ(presses.at.size(), 1u);
    EXPECT_EQ(presses.at[0], window.mapFromGlobal(QPoint(screen.x, screen.y)));
}

TEST_F(EditFieldTest, FocusGoingToAnotherWindowClosesTheFieldAndLeavesTheFocusThere) {
    auto& edit = OnBar<TcbBarEdit>("edFind");
    int exits = 0;
    edit.OnExit = [&](platform::Component*) { ++exits; };
    QLineEdit other(form.get());
    other.setGeometry(300, 250, 60, 20);
    other.show();
    Open();
    ASSERT_TRUE(Control().Focused());
    other.setFocus();
    // The form is active, so the edit window hears of it; without that it is told here.
    if (QApplication::focusWidget() != &other) {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        Control().EditEvent(out);
    }
    EXPECT_FALSE(Control().Focused());
    EXPECT_FALSE(WindowOf(*bar).IsActive());
    EXPECT_EQ(exits, 0);
    if (QApplication::focusWidget()) {
        EXPECT_EQ(QApplication::focusWidget(), &other) << "not taken back";
    }
}

TEST_F(EditFieldTest, AClickIntoTheOpenFieldTakesItsWholeTextAndCurTextIsWhatIsTyped) {
    auto& edit = OnBar<TcbBarEdit>("edFind");
    edit.SetText("queen");
    std::vector<std::string> typed;
    edit.OnCurChange = [&](platform::Component*) { typed.push_back(edit.CurText()); };
    EXPECT_EQ(edit.CurText(), "queen");
    Open();
    QLineEdit* field = Control().EditWindow();
    field->setCursorPosition(2);
    ASSERT_FALSE(field->hasSelectedText());
    const QPoint inside(field->width() / 2, field->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, field->mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(field, &press);
    EXPECT_EQ(field->selectedText(), "queen");
    Type("k");
    EXPECT_EQ(typed, std::vector<std::string>{"k"});
    edit.SetCurText("king");
    EXPECT_EQ(Control().GetText(), "king");
    EXPECT_EQ(edit.Text(), "queen") << "not committed";
    Press(Qt::Key_Escape);
    edit.SetCurText("jack");
    EXPECT_EQ(edit.Text(), "jack");
    EXPECT_EQ(edit.CurText(), "jack");
}

TEST(EditItemRules, ASortedListIsInTheOrderAReaderLooksNamesUp) {
    QWidget form;
    TcbBarManager manager(&form);
    auto& combo = manager.CreateItem<TcbBarCombo>("cbKind");
    combo.SetItems({"beta", "Alpha", "gamma", "Delta"});
    combo.SetText("gamma");
    combo.SetSorted(true);
    EXPECT_EQ(combo.Items(), (std::vector<std::string>{"Alpha", "beta", "Delta", "gamma"}));
    EXPECT_EQ(combo.ItemIndex(), 3);
    combo.AddItem("charlie");
    EXPECT_EQ(combo.Items()[2], "charlie");
}

// Fields on a bar docked left or right that turns its captions would be drawn in the turned
// font: they show as buttons there, and as fields again wherever else the bar goes.
TEST_F(EditFieldTest, OnATurnedVerticalBarFieldsShowAsButtonsThatClickTheirItem) {
    manager->SetWaitForDockingTime(0);
    auto& combo = OnBar<TcbBarCombo>("cbKind");
    combo.SetCaption("Kind");
    combo.SetItems({"One", "Two"});
    int clicks = 0;
    combo.OnClick = [&](platform::Component*) { ++clicks; };
    auto& find = NewItem<TcbBarEdit>("edFind");
    find.SetCaption("Find");
    Link(bar->ItemLinks(), find);
    const auto controlOf = [this](int i) { return bar->ItemLinks().Items(i)->Control(); };
    bar->SetDockingStyle(dsLeft);
    for (int i = 0; i < 2; ++i) {
        ASSERT_NE(controlOf(i), nullptr);
        EXPECT_FALSE(controlOf(i)->IsWindowControl()) << i;
        EXPECT_NE(dynamic_cast<TcbBarButtonControl*>(controlOf(i)), nullptr) << i;
    }
    const platform::Rect kind = bar->ItemLinks().Items(0)->ItemRect();
    EXPECT_GT(kind.Height(), kind.Width()) << "the caption runs down the bar";
    Click(*bar, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(combo.OpenField(), nullptr);

    // Moved by the mouse to the top, the same window shows fields again.
    TcbBarControl& window = WindowOf(*bar);
    ASSERT_TRUE(BarMove::Instance().Begin(window, platform::ClientToScreen(&window, {10, 4})));
    const platform::Point top = platform::ClientToScreen(form.get(), {200, 5});
    platform::OverrideCursorPos(top);
    platform::InputHooks::Instance().DispatchMouse({platform::WM_MOUSEMOVE, top});
    platform::InputHooks::Instance().DispatchMouse({platform::WM_LBUTTONUP, top});
    ASSERT_EQ(bar->DockingStyle(), dsTop);
    ASSERT_EQ(&WindowOf(*bar), &window);
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(controlOf(i) && controlOf(i)->IsWindowControl()) << i;

    // Docked left without turning, they stay fields.
    bar->SetRotateWhenVertical(false);
    bar->SetDockingStyle(dsRight);
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(controlOf(i) && controlOf(i)->IsWindowControl()) << i;
    bar->SetRotateWhenVertical(true);
    for (int i = 0; i < 2; ++i) EXPECT_FALSE(controlOf(i) && controlOf(i)->IsWindowControl()) << i;
}

// A bar of a button, a text field and a combo.
class FieldsBarTest : public EditFieldTest {
public:
    void SetUp() override {
        bar = &NewBar("Fields");
        bar->SetDockingStyle(dsTop);
        Link(bar->ItemLinks(), NewItem("btnGo"));
        Link(bar->ItemLinks(), NewItem<TcbBarEdit>("edFind"));
        Link(bar->ItemLinks(), NewItem<TcbBarCombo>("cbKind"));
        bar->SetVisible(true);
    }
    TcbBarWinControl& Field(int index) const {
        return dynamic_cast<TcbBarWinControl&>(*bar->ItemLinks().Items(index)->Control());
    }
    static platform::Point Inside(const platform::Rect& r) { return {r.left + 3, (r.top + r.bottom) / 2}; }
    Qt::CursorShape Cursor() const { return WindowOf(*bar).cursor().shape(); }
};

TEST_F(FieldsBarTest, TextTypedInAFieldSurvivesTheMouseCrossingTheOtherControls) {
    TcbBarControl& window = WindowOf(*bar);
    Click(*bar, 1);
    ASSERT_TRUE(Field(1).Focused());
    Field(1).EditWindow()->setText("abc");
    window.MouseMove(Inside(Field(2).EditRect()));
    window.MouseMove(CentreOf(*bar, 0));
    window.MouseLeave();
    timers.Advance(1000);
    EXPECT_TRUE(Field(1).Focused());
    EXPECT_EQ(window.SelectedControl(), &Field(1));
    EXPECT_EQ(Field(1).GetText(), "abc");
}

TEST_F(FieldsBarTest, TheIBeamShowsOverTheTextOfAFieldUnlessAnotherIsBeingEdited) {
    TcbBarControl& window = WindowOf(*bar);
    window.MouseMove(Inside(Field(2).EditRect()));
    EXPECT_EQ(Cursor(), Qt::IBeamCursor);
    // The combo's arrow part is not text.
    const platform::Rect arrow = dynamic_cast<TCustomcbBarComboControl&>(Field(2)).ArrowRect();
    window.MouseMove({(arrow.left + arrow.right) / 2, (arrow.top + arrow.bottom) / 2});
    EXPECT_EQ(Cursor(), Qt::ArrowCursor);
    window.MouseMove(Inside(Field(1).EditRect()));
    window.MouseLeave();
    EXPECT_EQ(Cursor(), Qt::ArrowCursor);
    window.SelectControl(&Field(1));
    Field(1).Click(false);
    window.MouseMove(Inside(Field(2).EditRect()));
    EXPECT_EQ(Cursor(), Qt::ArrowCursor);
}

TEST_F(FieldsBarTest, TabInKeyboardModeStartsEditingTheFieldItReaches) {
    TcbBarControl& window = WindowOf(*bar);
    window.BeginKeyboardMode();
    EXPECT_TRUE(window.KeyDown(platform::VK_TAB));
    EXPECT_EQ(window.SelectedControl(), &Field(1));
    EXPECT_TRUE(Field(1).Focused());
}

}  // namespace
}  // namespace bars::testing
