#include "bars/extended/bar_color_combo.h"
#include "bars/extended/bar_date_combo.h"
#include "bars/extended/bar_image_combo.h"
#include "bars/extended/bar_font_name_combo.h"
#include "bars/extended/bar_large_button.h"
#include "bars/extended/bar_static.h"
#include "bars/extended/extended_dialogs.h"
#include "bars/extended/extended_items.h"
#include "bars/extended/toolbars_list_item.h"
#include "bars/extended/tree_view_combo.h"
#include "bars/popups/popup_menu.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/registry/item_class_registry.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/image_list.h"
#include "tests/bars/windows_fixture.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>

namespace bars::testing {
namespace {

TEST(ExtendedRegistry, NineClassesAreOfferedAndComeOutInReverse) {
    TcbBarItemClassRegistry registry;
    RegisterExtendedItemClasses(registry);
    ASSERT_EQ(registry.OfferedCount(), 9);
    EXPECT_EQ(registry.OfferedItemClass(8)->className, "TcbBarSpinEdit");
    EXPECT_EQ(registry.OfferedItemClass(0)->className, "TcbBarStatic");
    EXPECT_NE(BarItemClasses().FindClass("TcbBarSpinEdit"), nullptr);
    EXPECT_NE(BarItemClasses().FindClass("TcbBarColorCombo")->makeControl, nullptr);
    UnregisterExtendedItemClasses(registry);
    EXPECT_EQ(registry.Count(), 0);
}

TEST(ToolbarsList, OneCheckEntryPerShownToolbarThatShowsAndHidesIt) {
    QWidget form;
    TcbBarManager manager(&form);
    TcbBar& standard = manager.Bars().Add();
    standard.SetCaption("Standard");
    TcbBar& hidden = manager.Bars().Add();
    hidden.SetCaption("Secret");
    hidden.SetHidden(true);
    TcbBar& format = manager.Bars().Add();
    format.SetCaption("Format");
    auto& list = manager.CreateItem<TcbBarToolbarsListItem>("tlBars");
    list.RefillToolbarLinks();
    ASSERT_EQ(list.ItemLinks().Count(), 2);
    EXPECT_EQ(list.ItemLinks().Items(1)->Item()->Caption(), "Format");
    EXPECT_EQ(list.ItemLinks().Items(1)->Data(), 2);
    list.ItemLinks().Items(1)->Item()->Click();
    EXPECT_TRUE(format.Visible());
    // A second opening frees the first one's entries once they show nowhere.
    list.RefillToolbarLinks();
    EXPECT_EQ(list.ItemLinks().Count(), 2);
    EXPECT_TRUE(dynamic_cast<TcbBarButton*>(list.ItemLinks().Items(1)->Item())->Down());
}

TEST(LargeButtonPlacement, CaptionBesideOrUnderTheImage) {
    const platform::Rect content{0, 0, 80, 50};
    const LargeButtonPlacement left = PlaceLargeButton(content, {16, 16}, glLeft, false, true);
    EXPECT_EQ(left.image.left, 4);
    EXPECT_EQ(left.image.top, 17);
    EXPECT_EQ(left.caption.left, left.image.right + 3);
    EXPECT_EQ(left.alignment, 0);
    const LargeButtonPlacement top = PlaceLargeButton(content, {20, 20}, glTop, false, true);
    EXPECT_EQ(top.image, (platform::Rect{30, 2, 50, 22}));
    EXPECT_EQ(top.caption, (platform::Rect{0, 22, 80, 50}));
    EXPECT_EQ(top.alignment, 1);
    const LargeButtonPlacement turned = PlaceLargeButton(content, {16, 16}, glLeft, true, true);
    EXPECT_EQ(turned.caption.top, turned.image.bottom + 3);
    EXPECT_EQ(PlaceLargeButton(content, {16, 16}, glBottom, false, false).image.left, 4);
}

class ExtendedOnBar : public WindowsTest {
protected:
    template <class Item>
    Item& OnBar(const std::string& name) {
        auto& item = manager->CreateItem<Item>(name);
        if (!bar) bar = &MakeBar("Extended", dsTop, 0);
        bar->ItemLinks().Add().SetItem(&item);
        bar->SetVisible(true);
        return item;
    }
    TcbBarItemControl& ControlOf(int index) const { return *bar->ItemLinks().Items(index)->Control(); }
    TcbBar* bar = nullptr;
};

TEST_F(ExtendedOnBar, AStaticItemIgnoresClicksAndIsNeverSelected) {
    auto& text = OnBar<TcbBarStatic>("stLabel");
    text.SetCaption("&Zoom:");
    int clicks = 0;
    text.OnClick = [&](platform::Component*) { ++clicks; };
    Click(*bar, 0);
    text.Click();
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(ControlOf(0).IsSelected());
    EXPECT_FALSE(text.CanSelectByKeyboard());
    EXPECT_FALSE(text.CanUseAccelerator(*bar->ItemLinks().Items(0)));
    EXPECT_EQ(WindowOf(*bar).SelectedControl(), nullptr);
}

TEST_F(ExtendedOnBar, ALargeButtonWithoutImagesMeasures30By26BeforeItsCaption) {
    auto& button = OnBar<TcbBarLargeButton>("lbOpen");
    button.SetShowCaption(false);
    auto& control = dynamic_cast<TcbBarLargeButtonControl&>(ControlOf(0));
    EXPECT_EQ(control.GetWidth(), 30);
    EXPECT_EQ(control.GetHeight(), 26);
    button.SetWidth(-1);
    EXPECT_EQ(button.Width(), 0);
    button.SetWidth(44);
    EXPECT_EQ(control.GetWidth(), 44);
    button.SetHeight(-3);
    EXPECT_EQ(button.Height(), 0);
}

TEST_F(ExtendedOnBar, HotGlyphShowsWhileSelectedAndAGreyedGlyphOtherwise) {
    auto& button = OnBar<TcbBarLargeButton>("lbHot");
    button.SetShowCaption(false);
    button.SetHotGlyph(SquareGlyph({0, 0, 16, 15}, platform::Rgb(255, 0, 0)));
    auto& control = dynamic_cast<TcbBarLargeButtonControl&>(ControlOf(0));
    EXPECT_EQ(control.LargeFirst().bitmap, &button.HotGlyph()) << "only a hot glyph: shown always";
    QImage image(60, 40, QImage::Format_RGB32);
    platform::Canvas canvas(image);
    const platform::Rect rect{0, 0, control.GetWidth(), control.GetHeight()};
    control.Draw(canvas, rect, 0);
    // The image goes to (L + 4, T + 2) inside the 1-pixel frame: greyed while not hot.
    const QRgb grey = image.pixel(1 + 4 + 8, 1 + 2 + 4);
    EXPECT_EQ(qRed(grey), qGreen(grey));
    EXPECT_EQ(qRed(grey), 255 / 3);
    button.SetAutoGrayScale(false);
    control.Draw(canvas, rect, 0);
    EXPECT_EQ(image.pixel(1 + 4 + 8, 1 + 2 + 4) & 0xFFFFFF, 0xFF0000u);
    button.SetLargeGlyph(SquareGlyph({0, 0, 16, 15}, platform::Rgb(0, 0, 255)));
    EXPECT_EQ(control.LargeFirst().bitmap, &button.LargeGlyph());
    EXPECT_EQ(control.HotFirst().bitmap, &button.HotGlyph()) << "the hot glyph only while selected";
}

TEST_F(ExtendedOnBar, ColourComboStartsOnBlackAndFollowsItsColour) {
    auto& combo = OnBar<TcbBarColorCombo>("ccInk");
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_EQ(combo.Text(), "Black");
    combo.SetColor(0x0000FF);
    EXPECT_EQ(combo.Text(), "Red");
    combo.SetItemIndex(12);
    EXPECT_EQ(combo.Color(), 0xFF0000u);
    combo.SetColor(0x123456);
    EXPECT_EQ(combo.ItemIndex(), -1);
    QImage image(120, 20, QImage::Format_RGB32);
    platform::Canvas canvas(image);
    combo.DrawItem(canvas, -1, {0, 0, 120, 20}, 0);
    EXPECT_EQ(image.pixel(12, 10) & 0xFFFFFF, 0x563412u) << "the custom colour's swatch";
    combo.SetShowAutoColor(true);
    EXPECT_EQ(combo.DropDownCount(), 17);
    combo.SetColor(platform::clWindowText);
    EXPECT_EQ(combo.ItemIndex(), 0);
}

TEST_F(ExtendedOnBar, AnOpenFontFieldCompletesNamesAndRefusesUnknownOnes) {
    auto& fonts = OnBar<TcbBarFontNameCombo>("fcFace");
    fonts.SetFaces({{"Zeta Sans", true}, {"Alpha Mono", false}, {"Alpha Serif", true}});
    ASSERT_EQ(fonts.Items().front(), "Alpha Mono");
    EXPECT_FALSE(fonts.IsTrueType(0));
    EXPECT_TRUE(fonts.IsTrueType(1));
    int plain = 0, marked = 0;
    fonts.TcbBarCustomCombo::MeasureItemWidth(1, plain);
    fonts.MeasureItemWidth(1, marked);
    EXPECT_EQ(marked, plain + FontMark(true).Width() + 1);
    auto& control = dynamic_cast<TcbBarComboControl&>(ControlOf(0));
    control.Click(false);
    ASSERT_TRUE(control.Focused());
    fonts.SetText("alpha s");
    EXPECT_EQ(fonts.Text(), "Alpha Serif");
    fonts.SetText("Nothing like it");
    EXPECT_EQ(fonts.Text(), "Alpha Serif");
    fonts.SetText("");
    EXPECT_EQ(fonts.Text(), "");
}

TEST(CustomColourButton, WidthFollowsTheFieldHeight) {
    EXPECT_EQ(CustomColourButtonWidth({0, 0, 38, 22}), 18);
    EXPECT_EQ(CustomColourButtonWidth({0, 0, 36, 22}), 0);
}

TEST_F(ExtendedOnBar, CtrlEnterOpensTheColourDialogFromTheFieldsEntry) {
    auto& combo = OnBar<TcbBarColorCombo>("ccFill");
    platform::Colour started = 1;
    Dialogs().chooseColour = [&](platform::Colour& colour) {
        started = colour;
        colour = 0x00FF00;
        return true;
    };
    auto& control = dynamic_cast<TcbBarColorComboControl&>(ControlOf(0));
    control.Click(false);
    ASSERT_TRUE(control.Focused());
    control.SetCurrentIndex(9);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::ControlModifier);
    QCoreApplication::sendEvent(control.EditWindow(), &key);
    EXPECT_EQ(started, 0x0000FFu);
    EXPECT_EQ(combo.Color(), 0x00FF00u);
    EXPECT_EQ(combo.Text(), "Lime");
    // With a handler of its own only the handler runs.
    int handled = 0;
    combo.OnClick = [&](platform::Component*) { ++handled; };
    started = 1;
    QCoreApplication::sendEvent(control.EditWindow(), &key);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(started, 1u);
    ResetDialogs();
}

// Drops the field of link `index` down, as a click on its arrow does.
class DroppedFields : public ExtendedOnBar {
protected:
    TCustomcbBarComboControl& DropDown(int index) {
        auto& field = dynamic_cast<TCustomcbBarComboControl&>(ControlOf(index));
        WindowOf(*bar).SelectControl(&field);
        field.Click(false);
        field.SetDroppedDown(true);
        return field;
    }
};

TEST_F(DroppedFields, AChoiceClosesDropDownAndFieldAndAFieldThatGoesClosesItsDropDownFirst) {
    auto& date = OnBar<TcbBarDateCombo>("dcWhen");
    auto& tree = OnBar<TcbBarTreeViewCombo>("tcGame");
    tree.Tree().addTopLevelItem(new QTreeWidgetItem(QStringList{"Spider"}));
    TcbBarDateNavigator& calendar = date.Calendar();
    TCustomcbBarComboControl& dateField = DropDown(0);
    const int day = calendar.FirstDate() + 3;
    calendar.SelectDate(day);
    calendar.KeyDown(platform::VK_RETURN, 0);
    EXPECT_FALSE(calendar.IsShown());
    EXPECT_FALSE(dateField.Focused());
    EXPECT_EQ(date.Text(), TcbBarDateCombo::DateToText(day));
    TCustomcbBarComboControl& treeField = DropDown(1);
    tree.Tree().setCurrentItem(tree.Tree().topLevelItem(0));
    tree.Tree().Key(platform::VK_RETURN, 0);
    EXPECT_FALSE(tree.Tree().IsShown());
    EXPECT_FALSE(treeField.Focused() || treeField.DroppedDown());
    EXPECT_EQ(tree.Text(), "Spider");

    // Freed under an open drop-down: a choice already on its way is still taken.
    DropDown(0);
    date.SetVisible(ivNever);
    ASSERT_EQ(bar->ItemLinks().Items(0)->Control(), nullptr);
    EXPECT_FALSE(calendar.IsShown());
    const int index = day + 7 - calendar.FirstShownDate();
    const platform::Rect cell = calendar.CellRect(index / 7, index % 7);
    calendar.LButtonDown({cell.left + 2, cell.top + 2}, false);
    calendar.LButtonUp({cell.left + 2, cell.top + 2}, false);
    EXPECT_EQ(date.Date(), day + 7);
    tree.SetText("");
    DropDown(1);
    bar->SetVisible(false);
    EXPECT_FALSE(tree.Tree().IsShown());
    tree.NodeChosen();
    EXPECT_EQ(tree.Text(), "Spider");
}

TEST_F(ExtendedOnBar, AColourChosenByKeysIsTheColourOnChangeSees) {
    auto& combo = OnBar<TcbBarColorCombo>("ccKeys");
    std::vector<platform::Colour> seen;
    combo.OnChange = [&](platform::Component*) { seen.push_back(combo.Color()); };
    auto& control = dynamic_cast<TcbBarColorComboControl&>(ControlOf(0));
    control.Click(false);
    ASSERT_TRUE(control.Focused());
    for (int key : {Qt::Key_Down, Qt::Key_Return}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(control.EditWindow(), &press);
    }
    EXPECT_EQ(combo.Text(), "Maroon");
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(combo.Color(), 0x000080u);
    EXPECT_EQ(seen, std::vector<platform::Colour>{0x000080u});
}

TEST_F(ExtendedOnBar, AnOpenColourFieldHasNoTextAreaAndGoesOnShowingItsSwatch) {
    auto& combo = OnBar<TcbBarColorCombo>("ccOpen");
    combo.SetColor(0x0000FF);
    auto& control = dynamic_cast<TcbBarColorComboControl&>(ControlOf(0));
    control.Click(false);
    ASSERT_TRUE(control.Focused());
    EXPECT_EQ(control.EditWindow()->size(), QSize(0, 0));
    QImage image(control.GetWidth(), control.GetHeight(), QImage::Format_RGB32);
    platform::Canvas canvas(image);
    control.Draw(canvas, {0, 0, image.width(), image.height()}, 0);
    // The swatch inside the value rectangle (the box less its two frames).
    EXPECT_EQ(image.pixel(2 + 12, image.height() / 2) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(ExtendedOnBar, ALargeDropDownButtonOpensOnItsWholeDrawnArrow) {
    auto& button = OnBar<TcbBarLargeButton>("lbDrop");
    button.SetButtonStyle(bsDropDown);
    button.SetDropDownMenu(new TcbBarPopupMenu(form.get()));
    int clicks = 0, drops = 0;
    button.OnClick = [&](platform::Component*) { ++clicks; };
    const DropDownHandler previous = ButtonDropDownHandler();
    SetButtonDropDownHandler([&](TcbBarButtonControl&, platform::Point, bool) { ++drops; });
    const auto clickAt = [&](int fromRight) {
        const platform::Rect r = bar->ItemLinks().Items(0)->ItemRect();
        const platform::Point p{r.right - fromRight, (r.top + r.bottom) / 2};
        WindowOf(*bar).MouseMove(p);
        WindowOf(*bar).LButtonDown(p);
        WindowOf(*bar).LButtonUp(p);
    };
    ASSERT_EQ(dynamic_cast<TcbBarButtonControl&>(ControlOf(0)).GetArrowWidth(), 14);
    clickAt(12);  // beyond a plain button's 9 pixels, inside the 14 drawn
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(clicks, 0);
    dynamic_cast<TcbBarButtonControl&>(ControlOf(0)).CloseUp();
    // Large icons widen the toolbar's arrows to 18, not the large button's.
    manager->SetLargeIcons(true);
    clickAt(16);
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(clicks, 1);
    SetButtonDropDownHandler(previous);
}

TEST(ExtendedImages, AFreedImageListIsClearedFromEveryManagerAndComboThatShowsIt) {
    QWidget form, second;
    TcbBarManager manager(&form);
    TcbBarManager other(&second);
    auto suits = std::make_unique<platform::ImageList>(16, 16);
    auto kept = std::make_unique<platform::ImageList>(16, 16);
    auto& images = manager.CreateItem<TcbBarImageCombo>("icSuit");
    auto& tree = manager.CreateItem<TcbBarTreeViewCombo>("tcGame");
    images.SetImages(suits.get());
    tree.SetImages(suits.get());
    tree.SetStateImages(suits.get());
    manager.SetImages(suits.get());
    manager.SetLargeImages(suits.get());
    other.SetHotImages(suits.get());
    other.SetImages(kept.get());
    suits.reset();
    EXPECT_EQ(images.Images(), nullptr);
    EXPECT_EQ(tree.Images(), nullptr);
    EXPECT_EQ(tree.StateImages(), nullptr);
    EXPECT_EQ(manager.Images(), nullptr);
    EXPECT_EQ(manager.LargeImages(), nullptr);
    EXPECT_EQ(other.HotImages(), nullptr);
    EXPECT_EQ(other.Images(), kept.get()) << "another list stays";
}

}  // namespace
}  // namespace bars::testing
