#include "tools/bars_gallery/bars_gallery.h"

#include "bars/customize/customizing_form.h"
#include "bars/edits/bar_custom_combo.h"
#include "bars/items/bar_button.h"
#include "platform/core/bar_strings.h"
#include "bars/items/bar_sub_item.h"
#include "bars/items/container_items.h"
#include "bars/menus/menu_windows.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/services/captions.h"
#include "platform/core/virtual_keys.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/popups/popup_menu.h"
#include "bars/popups/popup_menu_links.h"
#include "bars/popups/toolbars_popup.h"
#include "bars/store/layout_store.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/toolbar_windows.h"
#include "platform/core/system_colours.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "platform/qt/window_list.h"
#include "tools/bars_gallery/extended_bars.h"

#include <QPainter>

namespace gallery {

namespace {

using bars::TcbBar;
using bars::TcbBarButton;

constexpr platform::Colour kKey = platform::Rgb(255, 0, 255);
constexpr platform::Colour kDesktop = platform::Rgb(0, 128, 128);
constexpr int kFormWidth = 640;
constexpr int kFormHeight = 400;

// A 16 x 16 glyph: a framed square in the colour, on the key colour that reads as
// transparent (the bottom-left pixel).
platform::Bitmap Glyph(platform::Colour colour) {
    platform::Bitmap bitmap(16, 16);
    platform::Canvas canvas(bitmap);
    canvas.FillSolidRect({0, 0, 16, 16}, kKey);
    canvas.FillSolidRect({3, 3, 13, 13}, 0);
    canvas.FillSolidRect({4, 4, 12, 12}, colour);
    return bitmap;
}

TcbBar& AddBar(bars::TcbBarManager& manager, const std::string& caption, bars::TcbBarDockingStyle side, int row) {
    TcbBar& bar = manager.Bars().Add();
    bar.SetCaption(caption);
    bar.SetDockingStyle(side);
    bar.SetDockedDockingStyle(side == bars::dsNone ? bars::dsTop : side);
    bar.SetRow(row);
    bar.SetOneOnRow(true);
    return bar;
}

}  // namespace

BarsGallery::BarsGallery(const std::string& layoutFile) : m_form(std::make_unique<QWidget>()) {
    bars::InstallMenuWindows();
    bars::InstallPopupWindows();
    m_form->setObjectName("GalleryForm");
    m_form->setWindowTitle("Corvanet bars gallery");
    m_form->setGeometry(40, 40, kFormWidth, kFormHeight);
    m_form->setAutoFillBackground(true);
    m_manager = new bars::TcbBarManager(m_form.get());
    m_manager->SetCanCustomize(true);
    m_manager->SetName("GalleryBars");
    m_manager->SetShowShortCutInHint(true);
    m_manager->OnClickItem = [this](bars::TcbBarManager&, bars::TcbBarItem& item) { m_clicks.push_back(item.Name()); };

    m_mainMenu = &AddBar(*m_manager, "Main Menu", bars::dsTop, 0);
    m_mainMenu->SetIsMainMenu(true);
    AddMenus();

    m_standard = &AddBar(*m_manager, "Standard", bars::dsTop, 1);
    AddButton(*m_standard, "btnNew", "&New", platform::Rgb(255, 255, 255));
    AddButton(*m_standard, "btnOpen", "&Open", platform::Rgb(255, 255, 0));
    AddButton(*m_standard, "btnSave", "&Save", platform::Rgb(0, 0, 255));
    TcbBarButton& undo = AddButton(*m_standard, "btnUndo", "&Undo", platform::Rgb(255, 0, 0), true);
    undo.SetButtonStyle(bars::bsDropDown);
    TcbBarButton& disabled = AddButton(*m_standard, "btnRedo", "&Redo", platform::Rgb(0, 160, 0));
    disabled.SetEnabled(false);
    TcbBarButton& autoplay = AddButton(*m_standard, "btnAuto", "&Autoplay", platform::Rgb(0, 160, 0), true);
    autoplay.SetButtonStyle(bars::bsChecked);
    autoplay.SetDown(true);
    TcbBarButton& caption = AddButton(*m_standard, "btnHint", "Hint", platform::Rgb(0, 0, 0), true);
    caption.SetPaintStyle(bars::psCaption);
    TcbBarButton& both = AddButton(*m_standard, "btnDeal", "Deal", platform::Rgb(128, 0, 128));
    both.SetPaintStyle(bars::psCaptionGlyph);

    m_formatting = &AddBar(*m_manager, "Alignment", bars::dsTop, 1);
    m_formatting->SetOneOnRow(false);
    m_formatting->SetDockedLeft(360);
    const platform::Colour colours[] = {platform::Rgb(192, 0, 0), platform::Rgb(0, 128, 0), platform::Rgb(0, 0, 192)};
    const char* names[] = {"btnLeft", "btnCentre", "btnRight"};
    for (int i = 0; i < 3; ++i) {
        TcbBarButton& button = AddButton(*m_formatting, names[i], names[i] + 3, colours[i]);
        button.SetButtonStyle(bars::bsChecked);
        button.SetGroupIndex(1);
        if (i == 0) button.SetDown(true);
    }
    TcbBarButton& bold = AddButton(*m_formatting, "btnBold", "&Bold", platform::Rgb(0, 0, 0), true);
    bold.SetButtonStyle(bars::bsChecked);
    bold.SetGroupIndex(2);
    bold.SetAllowAllUp(true);

    m_floating = &AddBar(*m_manager, "Tools", bars::dsNone, 0);
    m_floating->SetFloatLeft(kFormWidth / 2);
    m_floating->SetFloatTop(kFormHeight / 2);
    m_floating->SetFloatClientWidth(3 * 23 + 6);
    for (int i = 0; i < 5; ++i) {
        const platform::Colour colour = platform::Rgb(40 * i, 255 - 40 * i, 128);
        AddButton(*m_floating, "btnTool" + std::to_string(i + 1), "Tool " + std::to_string(i + 1), colour, i == 3);
    }
    AddFields();
    Button("btnNew").SetShortCut(platform::kShortCutCtrl | 'N');
    Button("btnOpen").SetShortCut(platform::kShortCutCtrl | 'O');
    AddPopups();
    m_extended = &AddExtendedBars(*m_manager, kFormWidth, kFormHeight);
    if (!layoutFile.empty()) {
        m_manager->SetIniFileName(layoutFile);
        m_manager->SetStoreInIniFile(true);
        // The manager writes it back when the form goes.
        m_layoutRead = bars::ReadLayoutStores(*m_manager);
    }
}

// A bar at the bottom with a text field, a list combo and the command that opens the
// customizing window.
void BarsGallery::AddFields() {
    bars::InstallCustomizingForm();
    m_fields = &AddBar(*m_manager, "Fields", bars::dsBottom, 0);
    auto& find = m_manager->CreateItem<bars::TcbBarEdit>("edFind");
    find.SetCaption("&Find");
    find.SetCategory(0);
    find.SetWidth(120);
    // Typing stops at twelve characters; the longer text set here is kept whole.
    find.SetMaxLength(12);
    find.SetText("Aces up, two decks");
    m_fields->ItemLinks().Add().SetItem(&find);
    auto& game = m_manager->CreateItem<bars::TcbBarCombo>("cbGame");
    game.SetCaption("&Game");
    game.SetCategory(0);
    game.SetItems({"Klondike", "FreeCell", "Spider", "Pyramid", "Golf", "Yukon"});
    game.SetItemIndex(0);
    m_fields->ItemLinks().Add().SetItem(&game);
    auto& customize = m_manager->CreateItem<TcbBarButton>("btnCustomize");
    customize.SetCaption(std::string(platform::BarString(39300)));
    customize.SetCategory(0);
    customize.SetPaintStyle(bars::psCaption);
    customize.OnClick = [this](platform::Component*) { bars::ShowCustomizingForm(*m_manager); };
    bars::TcbBarItemLink& link = m_fields->ItemLinks().Add();
    link.SetItem(&customize);
    link.SetBeginGroup(true);
    m_fields->SetVisible(true);
}

void BarsGallery::AddPopups() {
    m_undoMenu = new bars::TcbBarPopupMenu(m_form.get());
    for (const char* caption : {"Undo one move", "Undo five moves", "Undo to the deal"})
        AddEntry(m_undoMenu->ItemLinks(), std::string("popUndo") + std::to_string(m_undoMenu->ItemLinks().Count()), caption);
    Button("btnUndo").SetDropDownMenu(m_undoMenu);

    m_table = new QWidget(m_form.get());
    m_table->setGeometry(0, kFormHeight / 2, kFormWidth, kFormHeight / 2);
    m_tableMenu = new bars::TcbBarPopupMenu(m_form.get());
    AddEntry(m_tableMenu->ItemLinks(), "popDeal", "&Deal again", platform::kShortCutCtrl | 'D');
    AddEntry(m_tableMenu->ItemLinks(), "popHint", "&Hint", 0, true);
    AddEntry(m_tableMenu->ItemLinks(), "popAuto", "&Autoplay");
    bars::TcbBarPopupMenuLink& link = m_manager->PopupMenuLinks().Add();
    link.SetControl(m_table);
    link.SetPopupMenu(m_tableMenu);
}

BarsGallery::~BarsGallery() = default;

bars::TcbBarSubItem& BarsGallery::AddMenu(bars::TcbBarItemLinks& links, const std::string& name,
                                          const std::string& caption, bool beginGroup) {
    auto& menu = m_manager->CreateItem<bars::TcbBarSubItem>(name);
    menu.SetCaption(caption);
    // In the customizing window's list, whose sub-menu editor opens it.
    menu.SetCategory(0);
    bars::TcbBarItemLink& link = links.Add();
    link.SetItem(&menu);
    link.SetBeginGroup(beginGroup);
    return menu;
}

TcbBarButton& BarsGallery::AddEntry(bars::TcbBarItemLinks& links, const std::string& name, const std::string& caption,
                                    int shortCut, bool beginGroup) {
    TcbBarButton& button = m_manager->CreateItem<TcbBarButton>(name);
    button.SetCaption(caption);
    button.SetShortCut(shortCut);
    bars::TcbBarItemLink& link = links.Add();
    link.SetItem(&button);
    link.SetBeginGroup(beginGroup);
    return button;
}

// A menu of every kind: plain entries with shortcuts and groups, a sub-menu with a list
// item, checked and disabled entries, a container item, and a personalized menu whose last
// entries show only after the expand row.
void BarsGallery::AddMenus() {
    using platform::ShortCut;
    bars::TcbBarItemLinks& bar = m_mainMenu->ItemLinks();
    bars::TcbBarSubItem& game = AddMenu(bar, "mnuGame", "&Game");
    AddEntry(game.ItemLinks(), "mnuNew", "&New game", platform::VK_F2);
    AddEntry(game.ItemLinks(), "mnuOpen", "&Open a game...", ShortCut(platform::VK_F12, platform::kShiftCtrl));
    // A field in a menu: Esc in it closes this menu alone.
    auto& number = m_manager->CreateItem<bars::TcbBarEdit>("mnuNumber");
    number.SetCaption("&Number");
    number.SetWidth(80);
    game.ItemLinks().Add().SetItem(&number);
    bars::TcbBarSubItem& recent = AddMenu(game.ItemLinks(), "mnuRecent", "&Recent games", true);
    auto& list = m_manager->CreateItem<bars::TcbBarListItem>("mnuRecentList");
    list.SetCaption("Recent games list");
    list.SetItems({"Klondike", "Spider", "-", "FreeCell", "Pyramid", "Golf", "Canfield", "Yukon", "Scorpion",
                   "Baker's Dozen", "Forty Thieves", "Calculation"});
    list.SetShowCheck(true);
    list.SetItemIndex(1);
    recent.ItemLinks().Add().SetItem(&list);
    AddEntry(game.ItemLinks(), "mnuExit", "E&xit", 0, true);

    bars::TcbBarSubItem& edit = AddMenu(bar, "mnuEdit", "&Edit");
    AddEntry(edit.ItemLinks(), "mnuUndo", "&Undo", ShortCut(platform::VK_A + ('Z' - 'A'), platform::kShiftCtrl));
    AddEntry(edit.ItemLinks(), "mnuRedo", "&Redo", ShortCut(platform::VK_A + ('Y' - 'A'), platform::kShiftCtrl))
        .SetEnabled(false);
    TcbBarButton& autoplay = AddEntry(edit.ItemLinks(), "mnuAutoplay", "Au&toplay", platform::VK_F7, true);
    autoplay.SetButtonStyle(bars::bsChecked);
    autoplay.SetDown(true);
    bars::TcbBarSubItem& more = AddMenu(edit.ItemLinks(), "mnuMore", "&More");
    auto& tools = m_manager->CreateItem<bars::TcbBarContainerItem>("mnuTools");
    tools.SetCaption("Tools");
    AddEntry(tools.ItemLinks(), "mnuSort", "&Sort");
    AddEntry(tools.ItemLinks(), "mnuFind", "&Find...", ShortCut(platform::VK_A + ('F' - 'A'), platform::kShiftCtrl));
    AddEntry(more.ItemLinks(), "mnuSelectAll", "Select &all");
    more.ItemLinks().Add().SetItem(&tools);

    bars::TcbBarSubItem& options = AddMenu(bar, "mnuOptions", "&Options");
    const char* entries[] = {"&Sounds", "&Animations", "&Hints", "&Statistics", "&Card backs", "&Language"};
    for (int i = 0; i < 6; ++i) {
        AddEntry(options.ItemLinks(), "mnuOption" + std::to_string(i), entries[i], 0, i == 3);
        // Never used: a personalized menu keeps them behind its expand row.
        if (i >= 3) options.ItemLinks().Items(i)->SetMostRecentlyUsed(false);
    }

    bars::TcbBarSubItem& help = AddMenu(bar, "mnuHelp", "&Help");
    AddEntry(help.ItemLinks(), "mnuRules", "&Rules", platform::VK_F1);
    AddEntry(help.ItemLinks(), "mnuAbout", "&About the gallery...", 0, true);
}

bool BarsGallery::OpenMenu(const std::string& path) {
    bars::TCustomcbBarControl* window = dynamic_cast<bars::TCustomcbBarControl*>(m_mainMenu->ItemLinks().Window());
    std::string rest = path;
    bool top = true;
    while (window && !rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string name = rest.substr(0, slash);
        rest = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
        bars::TcbBarItemLinks* links = window->ItemLinks();
        bars::TcbBarItemLink* found = nullptr;
        for (int i = 0; links && i < links->Count(); ++i)
            if (bars::StripAccelerators(links->Items(i)->Caption()) == name) found = links->Items(i);
        auto* sub = found ? dynamic_cast<bars::TCustomcbBarSubItem*>(found->Item()) : nullptr;
        if (!sub || !found->Control()) return false;
        if (top) {
            const platform::Rect r = found->ItemRect();
            const platform::Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            window->MouseMove(centre);
            window->LButtonDown(centre);
            top = false;
        } else {
            window->SelectControl(found->Control());
            window->KeyDown(platform::VK_RIGHT);
        }
        window = dynamic_cast<bars::TCustomcbBarControl*>(sub->ItemLinks().Window());
    }
    return window != nullptr;
}

void BarsGallery::SetMenuAnimations(bars::TcbBarMenuAnimations animations) { m_manager->SetMenuAnimations(animations); }

TcbBarButton& BarsGallery::AddButton(TcbBar& bar, const std::string& name, const std::string& caption,
                                     platform::Colour glyph, bool beginGroup) {
    TcbBarButton& button = m_manager->CreateItem<TcbBarButton>(name);
    button.SetCaption(caption);
    button.SetHint(bars::StripAccelerators(caption) + "|The " + name.substr(3) + " command");
    button.SetGlyph(Glyph(glyph));
    // A command of the customizing window's list, so that selecting it on a bar shows it there.
    button.SetCategory(0);
    bars::TcbBarItemLink& link = bar.ItemLinks().Add();
    link.SetItem(&button);
    link.SetBeginGroup(beginGroup);
    return button;
}

TcbBarButton& BarsGallery::Button(const std::string& name) const {
    return dynamic_cast<TcbBarButton&>(*m_manager->ItemByName(name));
}

bars::TcbBar* BarsGallery::ExtendedLarge() const {
    const bars::TcbBars& all = m_manager->Bars();
    for (int i = 0; i + 1 < all.Count(); ++i)
        if (all.Items(i) == m_extended) return all.Items(i + 1);
    return m_extended;
}

void BarsGallery::Show() {
    m_form->show();
    m_form->activateWindow();
    platform::WindowList::Instance().BringToTop(m_form.get());
    // A layout read from the file keeps the visibility it brought.
    if (!m_layoutRead)
        for (TcbBar* bar : {m_mainMenu, m_standard, m_formatting, m_floating, m_extended, ExtendedLarge()})
            bar->SetVisible(true);
}

QImage BarsGallery::Picture() const {
    QImage screen(800, 600, QImage::Format_RGB32);
    screen.fill(QColor(platform::RedOf(kDesktop), platform::GreenOf(kDesktop), platform::BlueOf(kDesktop)));
    QPainter painter(&screen);
    // Bottom of the z-order first.
    const auto windows = platform::WindowList::Instance().Windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        QWidget* window = *it;
        if (!window->isVisible()) continue;
        painter.drawPixmap(window->geometry().topLeft(), window->grab());
    }
    return screen;
}

}  // namespace gallery
