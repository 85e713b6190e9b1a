#include "tools/bars_gallery/extended_bars.h"

#include "bars/extended/bar_color_combo.h"
#include "bars/extended/bar_date_combo.h"
#include "bars/extended/bar_font_name_combo.h"
#include "bars/extended/bar_image_combo.h"
#include "bars/extended/bar_large_button.h"
#include "bars/extended/bar_spin_edit.h"
#include "bars/extended/bar_static.h"
#include "bars/extended/toolbars_list_item.h"
#include "bars/extended/tree_view_combo.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "platform/qt/canvas.h"
#include "platform/qt/image_list.h"

namespace gallery {

namespace {

constexpr platform::Colour kKey = platform::Rgb(255, 0, 255);

platform::Bitmap Picture(int size, platform::Colour colour) {
    platform::Bitmap bitmap(size, size);
    platform::Canvas canvas(bitmap);
    canvas.FillSolidRect({0, 0, size, size}, kKey);
    canvas.FillSolidRect({2, 2, size - 2, size - 2}, 0);
    canvas.FillSolidRect({3, 3, size - 3, size - 3}, colour);
    return bitmap;
}

template <class Item>
Item& Place(bars::TcbBarManager& manager, bars::TcbBar& bar, const std::string& name, const std::string& caption,
            bool beginGroup = false) {
    Item& item = manager.CreateItem<Item>(name);
    item.SetCaption(caption);
    bars::TcbBarItemLink& link = bar.ItemLinks().Add();
    link.SetItem(&item);
    link.SetBeginGroup(beginGroup);
    return item;
}

}  // namespace

bars::TcbBar& AddExtendedBars(bars::TcbBarManager& manager, int formWidth, int formHeight) {
    bars::TcbBar& fields = manager.Bars().Add();
    fields.SetCaption("Extended fields");
    fields.SetDockingStyle(bars::dsBottom);
    fields.SetDockedDockingStyle(bars::dsBottom);
    fields.SetRow(1);
    Place<bars::TcbBarStatic>(manager, fields, "stInk", "Ink:");
    auto& colour = Place<bars::TcbBarColorCombo>(manager, fields, "ccInk", "Ink colour");
    colour.SetShowCustomColorButton(true);
    colour.SetWidth(110);
    auto& font = Place<bars::TcbBarFontNameCombo>(manager, fields, "fcFace", "Font", true);
    font.SetWidth(120);
    if (!font.Items().empty()) font.SetItemIndex(0);
    auto& spin = Place<bars::TcbBarSpinEdit>(manager, fields, "seSize", "Size", true);
    spin.SetMinValue(6);
    spin.SetMaxValue(72);
    spin.SetValue(12);
    spin.SetPrefix(" pt");
    spin.SetWidth(70);
    auto& date = Place<bars::TcbBarDateCombo>(manager, fields, "dcWhen", "Date", true);
    date.SetWidth(130);
    auto& tree = Place<bars::TcbBarTreeViewCombo>(manager, fields, "tcGame", "Game", true);
    tree.SetWidth(110);
    tree.SetChooseByDblClick(false);
    for (const char* family : {"Klondike", "Spider", "FreeCell"}) {
        auto* node = new QTreeWidgetItem(QStringList{family});
        for (int i = 1; i <= 3; ++i) new QTreeWidgetItem(node, QStringList{QString("%1 %2").arg(family).arg(i)});
        tree.Items().addChild(node);
    }
    tree.SetText("Spider 2");

    static platform::ImageList suits(16, 16);
    if (suits.Count() == 0) {
        QImage strip(64, 16, QImage::Format_RGB32);
        platform::Canvas canvas(strip);
        const platform::Colour colours[] = {platform::Rgb(200, 0, 0), platform::Rgb(0, 0, 200), platform::Rgb(0, 0, 0),
                                            platform::Rgb(0, 140, 0)};
        for (int i = 0; i < 4; ++i) {
            canvas.FillSolidRect({16 * i, 0, 16 * i + 16, 16}, kKey);
            canvas.FillSolidRect({16 * i + 4, 4, 16 * i + 12, 12}, colours[i]);
        }
        suits.AddStrip(strip, kKey);
    }
    auto& images = Place<bars::TcbBarImageCombo>(manager, fields, "icSuit", "Suit", true);
    images.SetImages(&suits);
    images.SetItems({"Hearts", "Spades", "Clubs", "Leaves"});
    for (int i = 0; i < 4; ++i) images.SetImageIndexes(i, i);
    images.SetItemIndex(0);
    images.SetWidth(100);
    // The families show a suit, their games the suit of the family.
    tree.SetImages(&suits);
    tree.OnGetImageIndex = [](bars::TcbBarTreeViewCombo& item, QTreeWidgetItem* node) {
        const QTreeWidgetItem* family = node->parent() ? node->parent() : node;
        bars::SetNodeImageIndex(*node, item.Items().indexOfChild(const_cast<QTreeWidgetItem*>(family)));
    };
    tree.OnGetSelectedIndex = [](bars::TcbBarTreeViewCombo& item, QTreeWidgetItem* node) {
        item.OnGetImageIndex(item, node);
        bars::SetNodeSelectedIndex(*node, bars::NodeImageIndex(*node));
    };

    bars::TcbBar& large = manager.Bars().Add();
    large.SetCaption("Large");
    large.SetDockingStyle(bars::dsNone);
    large.SetDockedDockingStyle(bars::dsTop);
    large.SetFloatLeft(formWidth / 8);
    large.SetFloatTop(formHeight / 2);
    large.SetFloatClientWidth(260);
    auto& open = Place<bars::TcbBarLargeButton>(manager, large, "lbOpen", "&Open");
    open.SetLargeGlyph(Picture(32, platform::Rgb(255, 200, 0)));
    open.SetHotGlyph(Picture(32, platform::Rgb(255, 120, 0)));
    auto& side = Place<bars::TcbBarLargeButton>(manager, large, "lbSide", "&Beside");
    side.SetLargeGlyph(Picture(24, platform::Rgb(0, 160, 255)));
    side.SetGlyphLayout(bars::glLeft);
    auto& bare = Place<bars::TcbBarLargeButton>(manager, large, "lbBare", "&Plain", true);
    bare.SetShowCaption(false);
    // The menu's container item on a bar: its own links make the menu it opens.
    if (bars::TcbBarItem* tools = manager.ItemByName("mnuTools")) large.ItemLinks().Add().SetItem(tools);
    Place<bars::TcbBarToolbarsListItem>(manager, large, "tlBars", "&Toolbars", true);
    return fields;
}

}  // namespace gallery
