// The main window's toolbars, its table's size and its placement.

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <array>

#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/model/preference_fields.h"
#include "engine/session/status_panels.h"
#include "engine/state/game.h"
#include "platform/core/resource_library.h"
#include "platform/qt/controls.h"
#include "platform/qt/image_data.h"
#include "platform/qt/popup_menu.h"
#include "shell/main_form.h"
#include "shell/table_parts.h"
#include "shell/toolbar_design.h"
#include "table/draw/draw_context.h"
#include "table/draw/table_refresh.h"

namespace shell {

namespace {

namespace fields = engine::fields;

constexpr std::string_view kYes = "Y";
// The program's icon is the logo of its splash.
constexpr std::string_view kProgramIcon = "PIC_SPLASH_LOGO";
constexpr std::string_view kNo = "N";

// The off-screen images reach this far past the larger of the screen and the window.
constexpr int kBufferMargin = 30;
constexpr int kStatusBarBottomGap = 45;
constexpr int kStatusBarWidthLess = 8;
// A maximized window's toolbars reach past the screen by the window's frame.
constexpr int kMaximizedToolbarExtra = 8;
constexpr int kDefaultPlacement = 50;
constexpr int kDefaultScreenMargin = 150;
// A stored size smaller than this is raised to it: the table needs room for a card row.
constexpr int kMinimumWidth = 320;
constexpr int kMinimumHeight = 240;

struct ToolbarSizes {
    int statusPanelHeight;
    int labelTop;
};
constexpr ToolbarSizes kLargeSizes{24, 4};
constexpr ToolbarSizes kSmallSizes{20, 3};

// The nineteen speed buttons that flatness and hints apply to.
constexpr std::array<std::string_view, 19> kFlatButtons{
    "tbNew",   "tbNew1",   "tbOpen",     "tbOpen1",     "tbRestart", "tbRestart1", "tbSave1",
    "tbUndo",  "tbUndo1",  "tbRedo",     "tbRedo1",     "tbAutoPlay", "tbAutoPlay1", "tbStat",
    "tbStat1", "tbRules",  "tbRules1",   "tbExit",      "tbExit1"};

// The buttons of each toolbar that run a menu handler.
struct ButtonBinding {
    std::string_view large;
    std::string_view small;
    void (TfrmMain::*handler)();
};
constexpr std::array<ButtonBinding, 6> kButtonBindings{{
    {"tbNew", "tbNew1", &TfrmMain::mnuNewClick},
    {"tbOpen", "tbOpen1", &TfrmMain::mnuOpenClick},
    {"tbRules", "tbRules1", &TfrmMain::mnuRulesClick},
    {"tbExit", "tbExit1", &TfrmMain::mnuEsciClick},
    {"tbUndo", "tbUndo1", &TfrmMain::mnuUndoClick},
    {"tbRedo", "tbRedo1", &TfrmMain::mnuRedoClick},
}};

}  // namespace

void TfrmMain::BindToolbarButtons() {
    for (const ButtonBinding& binding : kButtonBindings)
        for (std::string_view name : {binding.large, binding.small})
            Button(name)->onClick = [this, handler = binding.handler] { RunFromButton(handler); };
    for (std::string_view name : {"tbAutoPlay", "tbAutoPlay1"}) {
        platform::SpeedButton* button = Button(name);
        button->onClick = [this, button] { tbAutoPlayClick(*button); };
    }
}

// The library opens while the table loads: then the program takes its icon, and the
// buttons that got no glyph from the engine take their own.
void TfrmMain::LoadToolbarGlyphs() {
    const std::string icon = m_parts.library.BitmapData(kProgramIcon);
    if (const QImage picture = platform::DecodeImage(icon); !picture.isNull())
        QApplication::setWindowIcon(QPixmap::fromImage(picture));
    for (const ToolbarGlyph& glyph : kToolbarGlyphs)
        for (std::string_view name : {glyph.largeButton, glyph.smallButton})
            if (Button(name)->Glyph().isNull()) SetItemGlyph(name, glyph.glyph);
}

void TfrmMain::SetPopupChecked(std::string_view name, bool checked) {
    if (platform::PopupItem* item = PopupItem(name)) item->checked = checked;
}

void TfrmMain::SetToolbarLarge(bool large, bool save) {
    if (m_freed) return;
    Panel("pnlTB")->setVisible(large);
    Panel("pnlTB1")->setVisible(!large);
    SetPopupChecked("Largeicons1", large);
    SetPopupChecked("Smallicons1", !large);
    const ToolbarSizes sizes = large ? kLargeSizes : kSmallSizes;
    for (std::string_view panel : {"pnlTempo", "pnlScore"}) {
        platform::Panel* p = Panel(panel);
        p->resize(p->width(), sizes.statusPanelHeight);
    }
    for (std::string_view label : {"lblTempo2", "lblTempo", "lblScore2", "lblScore"}) {
        platform::Label* l = Label(label);
        l->move(l->x(), sizes.labelTop);
    }
    FitClockPanel();
    AlignControls();
    ArrangeToolbarButtons();
    engine::StatusContext status = m_game.Status();
    engine::LayoutStatus(status);
    UpdateMainWindow();
    FormResize();
    if (save) engine::PreferenceFile(*m_game.services.paths).WriteString(engine::kSectionPreference, "ToolBar_Large", large ? kYes : kNo);
}

void TfrmMain::SetToolbarFlat(bool flat, bool save) {
    if (m_freed) return;
    const bool showHints =
        m_game.settings.GetField(fields::kShowToolTips.position, fields::kShowToolTips.width) == kYes;
    for (std::string_view name : kFlatButtons) Button(name)->SetFlat(flat);
    SetPopupChecked("Buttonflat1", flat);
    SetPopupChecked("Buttonnoflat1", !flat);
    ArrangeToolbarButtons();
    for (std::string_view name : kFlatButtons) Button(name)->SetShowHint(showHints);
    engine::StatusContext status = m_game.Status();
    engine::LayoutStatus(status);
    if (save) engine::PreferenceFile(*m_game.services.paths).WriteString(engine::kSectionPreference, "ToolBar_Flat", flat ? kYes : kNo);
}

void TfrmMain::ArrangeToolbarButtons() {
    const bool flat = Button("tbNew1")->IsFlat();
    platform::Panel* large = Panel("pnlTB");
    platform::Panel* small = Panel("pnlTB1");
    small->resize(small->width(), flat ? 24 : 25);
    large->resize(large->width(), flat ? 46 : 45);
    const int smallHeight = flat ? 22 : 23;
    const int top = small->isHidden() || !large->isHidden() ? 2 : 1;
    for (const ToolbarDesign& design : kToolbars)
        for (const ToolbarButtonDesign& b : design.buttons) {
            platform::SpeedButton* button = b.name.empty() || b.separator ? nullptr : Button(b.name);
            if (button == nullptr) continue;
            if (&design == &kToolbars[1] && b.width == kSmallButton) button->resize(button->width(), smallHeight);
            button->move(button->x(), top);
        }
    AlignControls();
}

void TfrmMain::ResizeTable() {
    if (m_freed) return;
    engine::StatusContext status = m_game.Status();
    engine::LayoutStatus(status);
    if (m_scrollBar->isHidden()) {
        const int w = std::max(ScreenWidth(), frameGeometry().width()) + kBufferMargin;
        const int h = std::max(ScreenHeight(), frameGeometry().height()) + kBufferMargin;
        m_parts.table.Buffers().SetSize(w, h);
    }
    if (platform::Panel* bar = Panel("pnlStatusBar"); !bar->isHidden()) {
        bar->setGeometry(0, height() - bar->height() - kStatusBarBottomGap, width() - kStatusBarWidthLess, bar->height());
        bar->raise();
    }
    const Command* pause = m_commands.Find("mnuPause");
    if (!pause->IsDown() && m_parts.table.Context() != nullptr) {
        table::RefreshTable(*m_parts.table.Context());
        Present();
    }
}

void TfrmMain::RestoreMainWindow() {
    const engine::PreferenceFile file(*m_game.services.paths);
    const std::string_view section = engine::kSectionPreference;
    const int screenWidth = ScreenWidth();
    const int screenHeight = ScreenHeight();
    QRect bounds(file.ReadInteger(section, "MainWindowState_Left", kDefaultPlacement),
                 file.ReadInteger(section, "MainWindowState_Top", kDefaultPlacement),
                 file.ReadInteger(section, "MainWindowState_Width", screenWidth - kDefaultScreenMargin),
                 file.ReadInteger(section, "MainWindowState_Height", screenHeight - kDefaultScreenMargin));
    bounds.setWidth(std::max(bounds.width(), kMinimumWidth));
    bounds.setHeight(std::max(bounds.height(), kMinimumHeight));
    // A window that would lie off every screen comes back on the primary one; one partly
    // off a screen stays where the player put it.
    bool onAScreen = false;
    for (const QScreen* s : QGuiApplication::screens()) onAScreen = onAScreen || s->geometry().intersects(bounds);
    if (!onAScreen) bounds.moveTopLeft(QPoint(kDefaultPlacement, kDefaultPlacement));
    setGeometry(bounds);
    if (file.ReadString(section, "MainWindowState_Maximized", kYes) == kYes) {
        for (std::string_view toolbar : {"pnlTB", "pnlTB1"}) Panel(toolbar)->resize(screenWidth + kMaximizedToolbarExtra, Panel(toolbar)->height());
        setWindowState(Qt::WindowMaximized);
    } else {
        setWindowState(Qt::WindowNoState);
    }
    ResizeTable();
}

}  // namespace shell
