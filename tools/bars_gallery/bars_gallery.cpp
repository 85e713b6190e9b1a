#include "tools/bars_gallery/bars_gallery.h"

#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
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

BarsGallery::BarsGallery() : m_form(std::make_unique<QWidget>()) {
    bars::InstallToolbarWindows();
    m_form->setWindowTitle("Corvanet bars gallery");
    m_form->setGeometry(40, 40, kFormWidth, kFormHeight);
    m_form->setAutoFillBackground(true);
    m_manager = new bars::TcbBarManager(m_form.get());
    m_manager->SetCanCustomize(true);
    m_manager->SetName("GalleryBars");
    m_manager->OnClickItem = [this](bars::TcbBarManager&, bars::TcbBarItem& item) { m_clicks.push_back(item.Name()); };

    m_mainMenu = &AddBar(*m_manager, "Main Menu", bars::dsTop, 0);
    m_mainMenu->SetIsMainMenu(true);
    for (const char* caption : {"&Game", "&Edit", "&Options", "&Help"}) {
        TcbBarButton& entry = m_manager->CreateItem<TcbBarButton>(std::string("mnu") + (caption + 1));
        entry.SetCaption(caption);
        entry.SetPaintStyle(bars::psCaption);
        m_mainMenu->ItemLinks().Add().SetItem(&entry);
    }

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
    m_extended = &AddExtendedBars(*m_manager, kFormWidth, kFormHeight);
}

BarsGallery::~BarsGallery() = default;

TcbBarButton& BarsGallery::AddButton(TcbBar& bar, const std::string& name, const std::string& caption,
                                     platform::Colour glyph, bool beginGroup) {
    TcbBarButton& button = m_manager->CreateItem<TcbBarButton>(name);
    button.SetCaption(caption);
    button.SetHint(caption + "|The " + name.substr(3) + " command");
    button.SetGlyph(Glyph(glyph));
    bars::TcbBarItemLink& link = bar.ItemLinks().Add();
    link.SetItem(&button);
    link.SetBeginGroup(beginGroup);
    return button;
}

TcbBarButton& BarsGallery::Button(const std::string& name) const {
    return dynamic_cast<TcbBarButton&>(*m_manager->ItemByName(name));
}

void BarsGallery::Show() {
    m_form->show();
    m_form->activateWindow();
    platform::WindowList::Instance().BringToTop(m_form.get());
    for (TcbBar* bar : {m_mainMenu, m_standard, m_formatting, m_floating}) bar->SetVisible(true);
    for (int i = 0; i < m_manager->Bars().Count(); ++i) m_manager->Bars().Items(i)->SetVisible(true);
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
