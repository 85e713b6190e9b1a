#include "tests/bars/menus_fixture.h"

#include "bars/controls/win_control.h"
#include "bars/customize/drop_position.h"
#include "bars/edits/bar_edit.h"
#include "bars/extended/bar_static.h"
#include "bars/popups/bar_hints.h"
#include "bars/popups/hint_window.h"
#include "platform/core/random.h"
#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/input_event_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

namespace bars::testing {
namespace {

using platform::VK_DOWN;
using platform::VK_ESCAPE;
using platform::VK_RETURN;
using platform::VK_UP;

class MenuWindowTest : public MenusTest {
public:
    // File (3 entries, the third after a group line) and Edit (2 entries) on the menu bar.
    void SetUp() override {
        file = &NewSubItem("File", "&File", 3);
        file->ItemLinks().Items(2)->SetBeginGroup(true);
        edit = &NewSubItem("Edit", "&Edit", 2);
        Link(MenuBar().ItemLinks(), *file);
        Link(MenuBar().ItemLinks(), *edit);
        ShowMenuBar();
    }
    TcbBarSubMenuControl* OpenFile() {
        ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
        return MenuOf(*file);
    }
    // A field as the File menu's last entry, open in the open menu; none when it did not open.
    TcbBarWinControl* OpenFieldInFile(TcbBarEdit& edit) {
        Link(file->ItemLinks(), edit);
        TcbBarSubMenuControl* menu = OpenFile();
        if (!menu) return nullptr;
        auto* field = dynamic_cast<TcbBarWinControl*>(ControlAt(file->ItemLinks(), file->ItemLinks().Count() - 1));
        if (!field) return nullptr;
        menu->SelectControl(field);
        field->Click(false);
        return field->Focused() ? field : nullptr;
    }
    TcbBarSubItem* file = nullptr;
    TcbBarSubItem* edit = nullptr;
};

TEST_F(MenuWindowTest, AClickOnAMenuTitleOpensItsMenuBelowIt) {
    TcbBarSubMenuControl* menu = OpenFile();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    const platform::Rect title = MenuBar().ItemLinks().Items(0)->ItemRect();
    const platform::Point corner = WindowOf(MenuBar()).ClientToScreenPoint({title.left, title.bottom});
    EXPECT_EQ(menu->x(), corner.x);
    EXPECT_EQ(menu->y(), corner.y);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), menu);
    // Entries of the item height with a group line of 10 before the third.
    const int h = menu->ItemHeight();
    EXPECT_EQ(file->ItemLinks().Items(0)->ItemRect().top, 2);
    EXPECT_EQ(file->ItemLinks().Items(2)->ItemRect().top, 2 + 2 * h + 10);
    EXPECT_EQ(menu->height(), 2 + 3 * h + 10 + 4);
    // A second click on the title closes it.
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    EXPECT_EQ(MenuOf(*file), nullptr);
}

TEST_F(MenuWindowTest, DownAndUpWithNothingSelectedSelectTheFirstEntry) {
    TcbBarSubMenuControl* menu = OpenFile();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->SelectedControl(), nullptr);
    Press(VK_UP);
    EXPECT_EQ(menu->SelectedControl(), ControlAt(file->ItemLinks(), 0));
    menu->SelectControl(nullptr);
    Press(VK_DOWN);
    EXPECT_EQ(menu->SelectedControl(), ControlAt(file->ItemLinks(), 0));
    Press(VK_DOWN);
    EXPECT_EQ(menu->SelectedControl(), ControlAt(file->ItemLinks(), 1));
}

TEST_F(MenuWindowTest, EnterRunsTheEntryOnceAndClosesEveryMenu) {
    int clicks = 0;
    file->ItemLinks().Items(1)->Item()->OnClick = [&](platform::Component*) { ++clicks; };
    OpenFile();
    Press(VK_DOWN);
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(MenuOf(*file), nullptr);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
}

TEST_F(MenuWindowTest, PressingATitleAndReleasingOnAnEntryRunsTheEntry) {
    int clicks = 0;
    file->ItemLinks().Items(1)->Item()->OnClick = [&](platform::Component*) { ++clicks; };
    TcbBarControl& bar = WindowOf(MenuBar());
    const platform::Point title = CentreOf(MenuBar(), 0);
    bar.MouseMove(title);
    bar.LButtonDown(title);
    TcbBarSubMenuControl* menu = MenuOf(*file);
    ASSERT_NE(menu, nullptr);
    // The mouse stays with the title's window while the button is held.
    const platform::Point entry = menu->ClientToScreenPoint(Centre(file->ItemLinks(), 1));
    const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
        const QPointF global(entry.x, entry.y);
        QMouseEvent event(type, bar.mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&bar, &event);
    };
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(menu->SelectedControl(), ControlAt(file->ItemLinks(), 1));
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
}

TEST_F(MenuWindowTest, EscClosesOneLevelAndLeavesTheTitleSelected) {
    OpenFile();
    Press(VK_ESCAPE);
    EXPECT_EQ(MenuOf(*file), nullptr);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), &WindowOf(MenuBar()));
    EXPECT_EQ(WindowOf(MenuBar()).SelectedControl(), ControlAt(MenuBar().ItemLinks(), 0));
    Press(VK_ESCAPE);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
}

TEST_F(MenuWindowTest, EscInAFieldOfAMenuClosesOnlyThatMenuAsAPlainEscDoes) {
    auto& find = NewItem<TcbBarEdit>("edFind");
    find.SetText("kept");
    TcbBarWinControl* open = OpenFieldInFile(find);
    ASSERT_NE(open, nullptr);
    TcbBarWinControl& field = *open;
    field.EditWindow()->setText("typed");
    // The key reaches the open field as the keyboard hook sees it, held down.
    platform::KeyStates::Instance().SetDown(VK_ESCAPE, true);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(field.EditWindow(), &esc);
    platform::KeyStates::Instance().SetDown(VK_ESCAPE, false);
    FlushDeletes();
    EXPECT_EQ(find.Text(), "kept");
    EXPECT_EQ(MenuOf(*file), nullptr);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), &WindowOf(MenuBar())) << "still in keyboard mode";
    EXPECT_EQ(WindowOf(MenuBar()).SelectedControl(), ControlAt(MenuBar().ItemLinks(), 0));
    Press(VK_ESCAPE);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
}

// The smallest rectangle around the pixels of the button-text colour inside a control's
// rectangle of a bar window.
platform::Rect InkOf(const TcbBarControl& window, const TcbBarItemControl& control) {
    const platform::Rect r = window.GetItemRect(&control);
    const platform::Point corner = window.ClientToScreenPoint({0, 0});
    const QPoint origin = window.mapFromGlobal(QPoint(corner.x, corner.y));
    const platform::Colour text = platform::SystemColour(platform::COLOR_BTNTEXT);
    const QRgb ink = qRgb(platform::RedOf(text), platform::GreenOf(text), platform::BlueOf(text)) & 0xFFFFFF;
    platform::Rect box{r.right, r.bottom, r.left, r.top};
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if ((window.Surface().pixel(origin.x() + x, origin.y() + y) & 0xFFFFFF) == ink)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    return box;
}

TEST_F(MenusTest, MenuTitlesReadDownABarThatTurnsItsCaptionsAndAcrossOneThatDoesNot) {
    auto& game = NewSubItem("Game", "&Game", 1);
    Link(MenuBar().ItemLinks(), game);
    MenuBar().SetDockingStyle(dsLeft);
    ShowMenuBar();
    TcbBarControl& window = WindowOf(MenuBar());
    const auto title = [&] { return MenuBar().ItemLinks().Items(0)->ItemRect(); };
    window.Repaint();
    EXPECT_GT(title().Height(), title().Width());
    platform::Rect ink = InkOf(window, *ControlAt(MenuBar().ItemLinks(), 0));
    EXPECT_GT(ink.Height(), 2 * ink.Width()) << "the caption runs down the bar";
    EXPECT_GE(ink.Width(), 6) << "more than the accelerator's underline";
    ClickAt(window, CentreOf(MenuBar(), 0));
    ASSERT_NE(MenuOf(game), nullptr);
    EXPECT_EQ(MenuOf(game)->FontHandle().escapement, 0) << "its menu reads across";
    Press(VK_ESCAPE);
    Press(VK_ESCAPE);

    MenuBar().SetRotateWhenVertical(false);
    window.Repaint();
    EXPECT_GT(title().Width(), title().Height());
    ink = InkOf(window, *ControlAt(MenuBar().ItemLinks(), 0));
    EXPECT_GT(ink.Width(), 2 * ink.Height()) << "the caption reads across";
    EXPECT_GE(ink.Height(), 6);
}

TEST_F(MenuWindowTest, AFieldOpenInAMenuHearsWhatIsTypedIntoTheFormThatKeepsTheFocus) {
    auto& find = NewItem<TcbBarEdit>("edFind");
    TcbBarWinControl* field = OpenFieldInFile(find);
    ASSERT_NE(field, nullptr);
    // The menu takes no focus: the keys come to the form's native window, as the platform hands
    // them over, through the application's input filter.
    struct Filter {
        Filter() { platform::InputEventFilter::Acquire(); }
        ~Filter() { platform::InputEventFilter::Release(); }
    } filter;
    for (const char c : {'a', 'b'}) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A + (c - 'a'), Qt::NoModifier, QString(QChar(c)));
        QCoreApplication::sendEvent(form->windowHandle(), &key);
    }
    EXPECT_EQ(field->GetText(), "ab");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(form->windowHandle(), &enter);
    EXPECT_EQ(find.Text(), "ab");
    QKeyEvent late(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, "c");
    QCoreApplication::sendEvent(form->windowHandle(), &late);
    EXPECT_EQ(find.Text(), "ab") << "once the field closed, the form has its keys again";
}

TEST_F(MenuWindowTest, RightAndLeftMoveToTheNeighbouringMenus) {
    OpenFile();
    Press(platform::VK_RIGHT);
    EXPECT_EQ(MenuOf(*file), nullptr);
    ASSERT_NE(MenuOf(*edit), nullptr);
    EXPECT_EQ(MenuOf(*edit)->SelectedControl(), ControlAt(edit->ItemLinks(), 0));
    Press(platform::VK_LEFT);
    EXPECT_EQ(MenuOf(*edit), nullptr);
    EXPECT_NE(MenuOf(*file), nullptr);
}

TEST_F(MenuWindowTest, HoveringAnotherTitleWhileAMenuIsOpenSwitchesMenus) {
    OpenFile();
    WindowOf(MenuBar()).MouseMove(CentreOf(MenuBar(), 1));
    EXPECT_EQ(MenuOf(*file), nullptr);
    EXPECT_NE(MenuOf(*edit), nullptr);
}

TEST_F(MenuWindowTest, PopupThenClickFireEachTimeTheMenuOpensAndCloseUpWhenItCloses) {
    std::vector<std::string> log;
    file->OnPopup = [&](platform::Component*) { log.push_back("popup"); };
    file->OnClick = [&](platform::Component*) { log.push_back("click"); };
    file->OnCloseUp = [&](platform::Component*) { log.push_back("closeup"); };
    OpenFile();
    Press(VK_ESCAPE);
    Press(VK_RETURN);
    EXPECT_EQ(log, (std::vector<std::string>{"popup", "click", "closeup", "popup", "click"}));
    file->OnCloseUp = {};
}

class SubMenuTest : public MenuWindowTest {
public:
    void SetUp() override {
        MenuWindowTest::SetUp();
        recent = &NewSubItem("Recent", "&Recent", 2);
        more = &NewSubItem("More", "&More", 2);
        Link(file->ItemLinks(), *recent);
        Link(file->ItemLinks(), *more);
        menu = OpenFile();
        ASSERT_NE(menu, nullptr);
    }
    TcbBarItemControl* Entry(int index) const { return ControlAt(file->ItemLinks(), index); }
    TcbBarSubItem* recent = nullptr;
    TcbBarSubItem* more = nullptr;
    TcbBarSubMenuControl* menu = nullptr;
};

TEST_F(SubMenuTest, ASelectedSubMenuEntryIsLitLikeAButtonEntryGlyphColumnIncluded) {
    recent->SetGlyph(SquareGlyph({3, 3, 13, 13}, platform::Rgb(0, 0, 255)));
    const platform::Colour highlight = platform::SystemColour(platform::COLOR_HIGHLIGHT);
    const auto pixel = [this](int index, int x) {
        menu->Repaint();
        QImage surface = menu->Surface();
        const platform::Rect r = file->ItemLinks().Items(index)->ItemRect();
        return platform::Canvas(surface).Pixel(r.left + 1 + x, r.top + 1 + 1);  // client points
    };
    menu->SelectControl(Entry(4));  // More: no glyph
    EXPECT_EQ(pixel(4, 1), highlight) << "the glyph column";
    EXPECT_EQ(pixel(4, 40), highlight) << "the text part";
    menu->SelectControl(Entry(3));  // Recent: a glyph, framed raised in a column of the bar's colour
    EXPECT_EQ(pixel(3, 0), platform::SystemColour(platform::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(pixel(3, 1), platform::SystemColour(platform::COLOR_BTNFACE));
    EXPECT_EQ(pixel(3, 40), highlight);
}

TEST_F(SubMenuTest, RestingOnASubMenuEntryOpensItAfterTheHoverDelay) {
    menu->MouseMove(Centre(file->ItemLinks(), 3));
    timers.Advance(399);
    EXPECT_EQ(MenuOf(*recent), nullptr);
    timers.Advance(1);
    ASSERT_NE(MenuOf(*recent), nullptr);
    // Beside the entry, 3 pixels above it.
    const platform::Rect entry = file->ItemLinks().Items(3)->ItemRect();
    EXPECT_EQ(MenuOf(*recent)->x(), menu->ClientToScreenPoint({entry.right, 0}).x);
    EXPECT_EQ(MenuOf(*recent)->y(), menu->ClientToScreenPoint({0, entry.top - 3}).y);
}

TEST_F(SubMenuTest, MovingOnWithinTheDelayOpensOnlyTheOtherSubMenu) {
    int recentOpened = 0;
    recent->OnPopup = [&](platform::Component*) { ++recentOpened; };
    menu->MouseMove(Centre(file->ItemLinks(), 3));
    timers.Advance(200);
    menu->MouseMove(Centre(file->ItemLinks(), 4));
    timers.Advance(400);
    EXPECT_EQ(recentOpened, 0);
    EXPECT_EQ(MenuOf(*recent), nullptr);
    EXPECT_NE(MenuOf(*more), nullptr);
    timers.Advance(2000);
    EXPECT_EQ(recentOpened, 0);
}

TEST_F(SubMenuTest, AClickOpensASubMenuAtOnceAndASecondClickClosesIt) {
    menu->MouseMove(Centre(file->ItemLinks(), 3));
    menu->LButtonDown(Centre(file->ItemLinks(), 3));
    EXPECT_NE(MenuOf(*recent), nullptr);
    menu->LButtonUp(Centre(file->ItemLinks(), 3));
    menu->LButtonDown(Centre(file->ItemLinks(), 3));
    EXPECT_EQ(MenuOf(*recent), nullptr);
    EXPECT_NE(MenuOf(*file), nullptr);
}

TEST_F(SubMenuTest, ADisabledSubItemNeverOpens) {
    recent->SetEnabled(false);
    menu->MouseMove(Centre(file->ItemLinks(), 3));
    timers.Advance(1000);
    menu->LButtonDown(Centre(file->ItemLinks(), 3));
    Entry(3)->Activate(true);
    EXPECT_EQ(MenuOf(*recent), nullptr);
}

TEST_F(SubMenuTest, RightOpensTheSubMenuAndLeftClosesIt) {
    menu->SelectControl(Entry(3));
    Press(platform::VK_RIGHT);
    ASSERT_NE(MenuOf(*recent), nullptr);
    EXPECT_EQ(MenuOf(*recent)->SelectedControl(), ControlAt(recent->ItemLinks(), 0));
    Press(platform::VK_LEFT);
    EXPECT_EQ(MenuOf(*recent), nullptr);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), menu);
}

TEST_F(SubMenuTest, ACommandInASubMenuClosesTheWholeChain) {
    int clicks = 0;
    recent->ItemLinks().Items(1)->Item()->OnClick = [&](platform::Component*) { ++clicks; };
    menu->SelectControl(Entry(3));
    Press(platform::VK_RIGHT);
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(MenuOf(*recent), nullptr);
    EXPECT_EQ(MenuOf(*file), nullptr);
    EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
}

TEST_F(MenusTest, ASubMenuNearTheRightEdgeOpensToTheLeft) {
    auto& top = NewSubItem("Top", "&Top", 0);
    auto& side = NewSubItem("Side", "&Side", 2);
    Link(top.ItemLinks(), side);
    Link(MenuBar().ItemLinks(), top);
    form->move(650, 0);
    ShowMenuBar();
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    TcbBarSubMenuControl* menu = MenuOf(top);
    ASSERT_NE(menu, nullptr);
    menu->LButtonDown(Centre(top.ItemLinks(), 0));
    TcbBarSubMenuControl* child = MenuOf(side);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->Placement().flippedHorizontally);
    EXPECT_LE(child->x() + child->width(), menu->x() + menu->width());
    EXPECT_LT(child->x(), menu->x());
    EXPECT_LE(child->x() + child->width(), 800);
}

// The widths of the rows of button-text pixels in a client rectangle of a menu, top down.
std::vector<int> ArrowRowWidths(const TcbBarSubMenuControl& menu, const platform::Rect& rect) {
    QImage surface = menu.Surface();
    platform::Canvas canvas(surface);
    const platform::Point origin = menu.ClientToScreenPoint({0, 0});
    const int dx = origin.x - menu.x(), dy = origin.y - menu.y();
    std::vector<int> widths;
    for (int y = rect.top; y < rect.bottom; ++y) {
        int width = 0;
        for (int x = rect.left; x < rect.right; ++x)
            width += canvas.Pixel(x + dx, y + dy) == platform::SystemColour(platform::COLOR_BTNTEXT);
        if (width > 0) widths.push_back(width);
    }
    return widths;
}

TEST_F(MenusTest, ALongMenuScrollsWithItsArrowsEveryEightyMilliseconds) {
    auto& list = NewSubItem("List", "&List", 40);
    Link(MenuBar().ItemLinks(), list);
    ShowMenuBar();
    platform::OverrideWorkArea(platform::Rect{0, 0, 800, 200});
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    TcbBarSubMenuControl* menu = MenuOf(list);
    ASSERT_NE(menu, nullptr);
    EXPECT_LE(menu->y() + menu->height(), 200);
    EXPECT_FALSE(menu->UpArrowShown());
    ASSERT_TRUE(menu->DownArrowShown());
    const platform::Rect down = menu->DownArrowRect();
    // The arrow: a - 1 rows narrowing from a base of 2(a - 1) + 1 pixels, a = item height / 3 - 1.
    const int a = menu->ItemHeight() / 3 - 1;
    std::vector<int> rows;
    for (int width = 2 * (a - 1) + 1; width >= 3; width -= 2) rows.push_back(width);
    ASSERT_GE(a, 3);
    EXPECT_EQ(ArrowRowWidths(*menu, down), rows);
    // A drag while customizing never drops on an arrow.
    EXPECT_EQ(GetDropPosition(*menu, {down.left + 4, down.top + 2}), DropPosition{});
    const platform::Point arrow{(down.left + down.right) / 2, (down.top + down.bottom) / 2};
    platform::OverrideCursorPos(menu->ClientToScreenPoint(arrow));
    menu->MouseMove(arrow);
    timers.Advance(79);
    EXPECT_EQ(menu->TopIndex(), 0);
    timers.Advance(1);
    EXPECT_EQ(menu->TopIndex(), 1);
    timers.Advance(160);
    EXPECT_EQ(menu->TopIndex(), 3);
    EXPECT_TRUE(menu->UpArrowShown());
    // Leaving the menu stops the scroll, though no move reaches the menu any more.
    platform::OverrideCursorPos(menu->ClientToScreenPoint({arrow.x, down.bottom + 40}));
    timers.Advance(400);
    EXPECT_EQ(menu->TopIndex(), 3);
    // Onto an entry without a move of its own: the stopping timer sends one, which selects it.
    platform::OverrideCursorPos(menu->ClientToScreenPoint(arrow));
    menu->MouseMove(arrow);
    platform::OverrideCursorPos(menu->ClientToScreenPoint(Centre(list.ItemLinks(), 6)));
    timers.Advance(400);
    EXPECT_EQ(menu->TopIndex(), 3);
    EXPECT_EQ(menu->SelectedControl(), ControlAt(list.ItemLinks(), 6));
    // The keyboard keeps the selection in view.
    menu->SelectControl(ControlAt(list.ItemLinks(), 39));
    EXPECT_FALSE(menu->DownArrowShown());
    EXPECT_GT(menu->TopIndex(), 3);
}

class AnimatedMenuTest : public MenuWindowTest {
public:
    void Animate(TcbBarMenuAnimations kind) {
        manager->SetMenuAnimations(kind);
        TcbBarSubMenuControl::SetRandomGenerator(&random);
    }
    void TearDown() override { TcbBarSubMenuControl::SetRandomGenerator(nullptr); }
    platform::RandomGenerator random{7};
};

TEST_F(AnimatedMenuTest, SlideGrowsTheMenuSeventeenRowsEverySystemTickUntilFullSize) {
    for (int i = 0; i < 12; ++i) Link(file->ItemLinks(), NewItem("more" + std::to_string(i)));
    Animate(maSlide);
    TcbBarSubMenuControl* menu = OpenFile();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->IsAnimating());
    const platform::Rect full = menu->Placement().bounds;
    const int frames = (full.Height() - 2) / 17;
    ASSERT_GT(frames, 8);
    EXPECT_EQ(menu->height(), 17 + 2);
    EXPECT_EQ(menu->width(), full.Width());
    // Frame i shows i - 1 ticks of 15.625 ms after the first, rounded up to the millisecond.
    const std::uint64_t start = timers.Now();
    const auto tick = [start](int ticks) { return start + static_cast<std::uint64_t>((ticks * 15625 + 999) / 1000); };
    for (int i = 2; i <= frames; ++i) {
        timers.Advance(tick(i - 1) - 1 - timers.Now());
        EXPECT_EQ(menu->height(), 17 * (i - 1) + 2);
        timers.Advance(1);
        EXPECT_EQ(menu->height(), 17 * i + 2);
        EXPECT_EQ(menu->y(), full.top);
    }
    timers.Advance(tick(frames) - 1 - timers.Now());
    EXPECT_TRUE(menu->IsAnimating());
    timers.Advance(1);
    EXPECT_FALSE(menu->IsAnimating());
    EXPECT_EQ(menu->height(), full.Height());
    EXPECT_EQ(TcbBarSubMenuControl::AnimatedMenu(), nullptr);
}

TEST_F(AnimatedMenuTest, AKeyDuringTheAnimationFinishesItAtOnce) {
    Animate(maUnfold);
    TcbBarSubMenuControl* menu = OpenFile();
    ASSERT_TRUE(menu->IsAnimating());
    EXPECT_LT(menu->width(), menu->Placement().bounds.Width());
    Press(VK_DOWN);
    EXPECT_FALSE(menu->IsAnimating());
    EXPECT_EQ(menu->width(), menu->Placement().bounds.Width());
    EXPECT_EQ(menu->height(), menu->Placement().bounds.Height());
    EXPECT_EQ(menu->SelectedControl(), ControlAt(file->ItemLinks(), 0));
}

class PersonalizedMenuTest : public MenusTest {
public:
    void SetUp() override {
        manager->SetStyle(bmsEnhanced);
        manager->SetMenusShowRecentItemsFirst(true);
        file = &NewSubItem("File", "&File", 4);
        // The last two were never used: the menu shows the first two.
        for (int i = 2; i < 4; ++i) file->ItemLinks().Items(i)->SetMostRecentlyUsed(false);
        Link(MenuBar().ItemLinks(), *file);
        ShowMenuBar();
        ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
        menu = MenuOf(*file);
        ASSERT_NE(menu, nullptr);
    }
    TcbBarSubItem* file = nullptr;
    TcbBarSubMenuControl* menu = nullptr;
};

TEST_F(PersonalizedMenuTest, DownOnTheLastShownEntryExpandsTheMenuAndMovesOn) {
    ASSERT_EQ(file->ItemLinks().ShownLinks().size(), 2u);
    EXPECT_TRUE(menu->HasExpandRow());
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(menu->SelectedControl(), ControlAt(file->ItemLinks(), 1));
    Press(VK_DOWN);
    TcbBarSubMenuControl* expanded = MenuOf(*file);
    ASSERT_NE(expanded, nullptr);
    EXPECT_EQ(file->ItemLinks().ShownLinks().size(), 4u);
    EXPECT_FALSE(expanded->HasExpandRow());
    EXPECT_EQ(expanded->SelectedControl(), ControlAt(file->ItemLinks(), 2));
}

TEST_F(PersonalizedMenuTest, AnUntouchedMenuExpandsAfterFourSecondsAndTheRowAfterOne) {
    timers.Advance(3999);
    EXPECT_EQ(file->ItemLinks().ShownLinks().size(), 2u);
    timers.Advance(1);
    EXPECT_EQ(file->ItemLinks().ShownLinks().size(), 4u);
    EXPECT_TRUE(TcbBarSubMenuControl::FullMenus());
}

TEST_F(PersonalizedMenuTest, RestingOnTheExpandRowExpandsAfterOneSecond) {
    const platform::Rect row = menu->ExpandButtonRect();
    const platform::Point centre{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    platform::OverrideCursorPos(menu->ClientToScreenPoint(centre));
    menu->MouseMove(centre);
    EXPECT_EQ(menu->MarkState(), 1);
    timers.Advance(999);
    EXPECT_EQ(file->ItemLinks().ShownLinks().size(), 2u);
    timers.Advance(1);
    EXPECT_EQ(file->ItemLinks().ShownLinks().size(), 4u);
}

// Four seconds after the last selection the row lights up; it expands the menu only once the
// cursor rests on it.
TEST_F(PersonalizedMenuTest, AMenuTheUserWorksInOnlyLightsItsRowAfterFourSeconds) {
    const platform::Rect row = menu->ExpandButtonRect();
    platform::OverrideCursorPos(menu->ClientToScreenPoint({row.left + 4, 4}));
    Press(VK_DOWN);
    timers.Advance(kMenuUntouchedExpandMs);
    EXPECT_EQ(menu->MarkState(), 1);
    timers.Advance(3 * kMenuExpandDelayMs);
    EXPECT_EQ(file->ItemLinks().ShownLinks().size(), 2u);
    const platform::Point centre{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    platform::OverrideCursorPos(menu->ClientToScreenPoint(centre));
    menu->MouseMove(centre);
    timers.Advance(kMenuExpandDelayMs - 1);
    EXPECT_EQ(file->ItemLinks().ShownLinks().size(), 2u);
    menu->MouseMove(centre);  // resting: a move at the same place starts nothing anew
    timers.Advance(1);
    EXPECT_EQ(file->ItemLinks().ShownLinks().size(), 4u);
}

TEST_F(PersonalizedMenuTest, WithoutTheDelayedExpansionTheRowHintsAtCtrlDownInstead) {
    manager->SetShowFullMenusAfterDelay(false);
    const platform::Rect row = menu->ExpandButtonRect();
    menu->MouseMove({(row.left + row.right) / 2, (row.top + row.bottom) / 2});
    ASSERT_EQ(menu->MarkState(), 1);
    timers.Advance(BarHints::kShowDelayMs);
    ASSERT_TRUE(BarHints::Instance().IsShown());
    EXPECT_EQ(BarHints::Instance().Window().Text(), "Expand (Ctrl-Down)");
    // Resting on the row never expands the menu by itself.
    timers.Advance(2000);
    EXPECT_EQ(file->ItemLinks().ShownLinks().size(), 2u);
    menu->MouseMove({row.left + 4, 4});
    EXPECT_EQ(menu->MarkState(), 0);
    EXPECT_FALSE(BarHints::Instance().IsShown());
}

TEST_F(PersonalizedMenuTest, NothingIsDroppedOnTheExpandRow) {
    const platform::Rect row = menu->ExpandButtonRect();
    EXPECT_EQ(GetDropPosition(*menu, {row.left + 4, row.top - 2}), DropPosition{});
    const platform::Rect first = file->ItemLinks().Items(0)->ItemRect();
    EXPECT_EQ(GetDropPosition(*menu, {first.left + 4, first.top + 2}).link, file->ItemLinks().Items(0));
}

TEST_F(PersonalizedMenuTest, CtrlDownExpandsAndANewChainStartsPersonalizedAgain) {
    Press(VK_DOWN, {platform::VK_CONTROL});
    EXPECT_EQ(file->ItemLinks().ShownLinks().size(), 4u);
    Press(VK_ESCAPE);
    Press(VK_ESCAPE);
    ASSERT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    ASSERT_NE(MenuOf(*file), nullptr);
    EXPECT_EQ(file->ItemLinks().ShownLinks().size(), 2u);
}

TEST_F(PersonalizedMenuTest, GroupLinesAmongRarelyUsedEntriesKeepTheirShadeAndTheBlockLineStaysAboveThem) {
    file->ItemLinks().Items(2)->SetBeginGroup(true);
    file->ItemLinks().Items(3)->SetBeginGroup(true);
    Press(VK_DOWN, {platform::VK_CONTROL});
    QImage surface = MenuOf(*file)->Surface();
    platform::Canvas canvas(surface);
    const auto at = [&](int x, int y) { return canvas.Pixel(x + 1, y + 1); };  // client points
    const platform::Colour face = platform::SystemColour(platform::COLOR_BTNFACE);
    const platform::Rect second = file->ItemLinks().Items(2)->ItemRect();
    const platform::Rect third = file->ItemLinks().Items(3)->ItemRect();
    // Rarely used entries are 20 lighter in each channel, and so is the strip between two of
    // them; the first one's strip is the face.
    EXPECT_EQ(at(third.left, third.top + 2), face + 0x141414);
    EXPECT_EQ(at(third.left, third.top - 2), face + 0x141414);
    EXPECT_EQ(at(second.left + 5, second.top - 2), face);
    // The block's line lies above the strip, and the menu's edge runs on past it.
    EXPECT_EQ(at(second.left + 5, second.top - 11), platform::SystemColour(platform::COLOR_BTNSHADOW));
    EXPECT_EQ(at(0, third.top - 2), at(0, third.bottom - 2));
}

TEST_F(MenusTest, RarelyUsedFieldsAndStaticTextsTakeTheLighterShadeOfTheirMenu) {
    manager->SetStyle(bmsEnhanced);
    manager->SetMenusShowRecentItemsFirst(true);
    auto& file = NewSubItem("File", "&File", 1);
    auto& note = NewItem<TcbBarStatic>("stNote");
    note.SetCaption("Note");
    Link(file.ItemLinks(), note);
    auto& find = NewItem<TcbBarEdit>("edFind");
    find.SetCaption("Find");
    Link(file.ItemLinks(), find);
    for (int i = 1; i < 3; ++i) file.ItemLinks().Items(i)->SetMostRecentlyUsed(false);
    Link(MenuBar().ItemLinks(), file);
    ShowMenuBar();
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    Press(VK_DOWN, {platform::VK_CONTROL});
    TcbBarSubMenuControl* menu = MenuOf(file);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(file.ItemLinks().ShownLinks().size(), 3u);
    menu->Repaint();
    QImage surface = menu->Surface();
    platform::Canvas canvas(surface);
    const auto at = [&](int x, int y) { return canvas.Pixel(x + 1, y + 1); };  // client points
    const platform::Colour rare = platform::SystemColour(platform::COLOR_BTNFACE) + 0x141414;
    const platform::Rect text = file.ItemLinks().Items(1)->ItemRect();
    EXPECT_EQ(at(text.right - 3, text.top + 2), rare) << "the static text's rectangle";
    const platform::Rect value = dynamic_cast<TcbBarWinControl&>(*ControlAt(file.ItemLinks(), 2)).EditRect();
    const int middle = (value.top + value.bottom) / 2;
    EXPECT_EQ(at(value.left - 2, middle), rare) << "the box's frame";
    EXPECT_EQ(at(value.left - 1, middle), rare) << "the frame inside it";
}

TEST_F(MenusTest, AnExpandingMenuOfAnotherManagersSubItemAnimatesAsTheMenuBarsManagerSays) {
    QWidget otherForm;
    auto* other = new TcbBarManager(&otherForm);
    auto& sub = other->CreateItem<TcbBarSubItem>("Other");
    for (int i = 0; i < 4; ++i) {
        sub.ItemLinks().Add().SetItem(&other->CreateItem<TcbBarButton>("other" + std::to_string(i)));
        sub.ItemLinks().Items(i)->SetMostRecentlyUsed(i < 2);
    }
    Link(MenuBar().ItemLinks(), sub);
    ShowMenuBar();
    manager->SetMenuAnimations(maSlide);
    ClickAt(WindowOf(MenuBar()), CentreOf(MenuBar(), 0));
    TcbBarSubMenuControl* menu = MenuOf(sub);
    ASSERT_NE(menu, nullptr);
    menu->StopAnimation();
    Press(VK_DOWN, {platform::VK_CONTROL});
    EXPECT_EQ(sub.ItemLinks().ShownLinks().size(), 4u);
    EXPECT_TRUE(menu->IsAnimating());
    menu->CloseAll();
    FlushDeletes();
}

}  // namespace
}  // namespace bars::testing
