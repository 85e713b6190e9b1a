#include "shell/main_form.h"

#include <QContextMenuEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QTimer>

#include "engine/base/decimal_text.h"
#include "engine/base/system_utils.h"
#include "engine/base/text_utils.h"
#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/files/preferences.h"
#include "engine/files/score_upgrade.h"
#include "engine/files/statistics_files.h"
#include "engine/model/preference_fields.h"
#include "engine/model/table_object.h"
#include "engine/play/autoplay.h"
#include "engine/play/card_moves.h"
#include "engine/session/new_game.h"
#include "engine/startup/globals.h"
#include "engine/startup/loader.h"
#include "engine/startup/startup_steps.h"
#include "engine/state/game.h"
#include "engine/state/game_clock.h"
#include "platform/core/clock.h"
#include "platform/core/messages.h"
#include "platform/qt/controls.h"
#include "platform/qt/form_timer.h"
#include "platform/qt/popup_menu.h"
#include "platform/qt/screen_cursor.h"
#include "shell/table_parts.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/draw/table_refresh.h"
#include "table/layout/table_layout.h"
#include "table/mouse/table_mouse.h"

namespace shell {

namespace {

namespace fields = engine::fields;

constexpr int kNewsFromRun = 5;
constexpr std::string_view kNewsQuestionKey = "News_Question";
constexpr std::string_view kNewsFirstDisplayKey = "News_First_Display";
constexpr std::string_view kConfirmQuitKey = "ConfirmQuit";
constexpr std::string_view kAutoPlayKey = "AutoPlay";
constexpr std::string_view kRandomGameTypeKey = "Random_Game_Type";
constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";

table::MouseButton TableButton(platform::FormMouseButton button) {
    switch (button) {
    case platform::FormMouseButton::kRight:
        return table::MouseButton::kRight;
    case platform::FormMouseButton::kMiddle:
        return table::MouseButton::kMiddle;
    default:
        return table::MouseButton::kLeft;
    }
}

}  // namespace

TfrmMain::TfrmMain(const MainWindowParts& parts)
    : C_TAdvancedForm(nullptr, parts.fontFallback),
      m_parts(parts),
      m_game(parts.game),
      m_commands(MainCommands(), CommandHandlers()),
      m_presenter(parts.table.Surface()) {
    BuildComponents();
    BindEvents();
    m_parts.table.Window().SetTarget(this);
    engine::Services& services = m_game.services;
    services.shellPort = this;
    services.windowItems = this;
    services.startupShell = this;
    // While the desktop opens a link the hourglass shows; then the cursor it replaced.
    m_game.media.SetBusyCursor([this, replaced = engine::kDefaultCursor](bool busy) mutable {
        if (busy) replaced = CurrentCursor();
        SetCursor(busy ? engine::kHourglassCursor : replaced);
    });
    Created();
}

TfrmMain::~TfrmMain() {
    ReleaseMenuBar();
    if (m_filterInstalled) RestoreMessageHandler();
    if (m_parts.table.Window().Target() == this) m_parts.table.Window().SetTarget(nullptr);
    if (!m_freed) {
        engine::Services& services = m_game.services;
        services.shellPort = nullptr;
        services.windowItems = nullptr;
        services.startupShell = nullptr;
        m_game.media.SetBusyCursor({});
    }
}

void TfrmMain::BindEvents() {
    events.onCreate = [this] { FormCreate(); };
    events.onShow = [this] { FormShow(); };
    events.onResize = [this] { FormResize(); };
    events.onMouseDown = [this](platform::FormMouseButton b, platform::FormShift s, int x, int y) {
        imgSfondoMouseDown(b, s, x, y);
    };
    events.onMouseMove = [this](platform::FormShift, int x, int y) { imgSfondoMouseMove(x, y); };
    events.onMouseUp = [this](platform::FormMouseButton, platform::FormShift, int, int) { imgSfondoMouseUp(); };
    events.onDblClick = [this] { imgSfondoDblClick(); };
    events.onKeyPress = [this](char& key) { FormKeyPress(key); };
    events.onCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    events.onClose = [this](platform::CloseAction& action) { FormClose(action); };
    m_timer->onTimer = [this] { Timer1Timer(); };
    m_frameTimer->onTimer = [this] {
        m_frameTimer->SetEnabled(false);
        Present();
    };
    BindToolbarButtons();
}

bool TfrmMain::Flag(int index) const { return !m_freed && m_game.registers.GetFlag(index) != 0; }

void TfrmMain::FormCreate() {
    SetLabelText(engine::ShellLabel::kTempo, engine::ZeroClockText(TimeSeparator()));
    engine::StartupHooks hooks;
    hooks.applyAutoplay = [this](int gameId) { engine::ApplyAutoplay(m_game, gameId); };
    m_loaded = engine::LoadTable(m_game, hooks);
    if (m_loaded) LoadToolbarGlyphs();
    m_timer->SetEnabled(m_loaded);
}

void TfrmMain::FormShow() {
    if (!Flag(engine::flag::kStartupPending) || m_parts.table.Context() == nullptr) return;
    table::RefreshTable(*m_parts.table.Context());
    Present();
}

void TfrmMain::m_AppActivate() {
    if (m_freed) return;
    const platform::PathResolver& paths = *m_game.services.paths;
    const BusyScope busy(*this);
    if (Flag(engine::flag::kStartupPending)) {
        m_game.registers.SetFlag(engine::flag::kStartupPending, 0);
        engine::UpdateMainTitle(m_game);
        Update();
        engine::UpgradeScoreFile(m_game.services);
        engine::PreferenceFile file(paths);
        if (engine::ReadRunCount(file) >= kNewsFromRun &&
            file.ReadString(engine::kSectionPreference, kNewsQuestionKey, kYes) != kNo) {
            const bool firstDisplay = file.ReadString(engine::kSectionPreference, kNewsFirstDisplayKey, kYes) == kYes;
            if (m_parts.dialogs.ShowNewsletter(*this, firstDisplay))
                file.WriteString(engine::kSectionPreference, kNewsQuestionKey, kNo);
            file.WriteString(engine::kSectionPreference, kNewsFirstDisplayKey, kNo);
            Update();
        }
        // Tips_StartUp would start the tip of the day, which this program does not offer.
        if (!engine::AnyStatisticsFile(paths)) mnuOpenClick();
        if (m_freed) return;
    }
    const auto field = [this](fields::Field f) { return m_game.settings.GetField(f.position, f.width); };
    const std::optional<int> backgroundBitmap = engine::ReadDecimal(field(fields::kBackgroundBmp));
    if (ScreenColourCount() <= engine::kLowColourLimit && field(fields::kFadeBackground) == kYes &&
        (field(fields::kBackgroundDef) == kYes || backgroundBitmap.value_or(0) == 0))
        FormResize();
}

void TfrmMain::FormPaint(const QRegion& region) {
    m_presenter.Paint(m_freed ? nullptr : m_parts.table.Context(), region);
}

void TfrmMain::FormResize() {
    if (!Flag(engine::flag::kStartupPending)) ResizeTable();
}

void TfrmMain::imgSfondoMouseDown(platform::FormMouseButton button, platform::FormShift shift, int x, int y) {
    table::TableMouse* mouse = m_parts.table.Mouse();
    if (mouse == nullptr) return;
    const BusyScope busy(*this);
    mouse->TableMouseDown(TableButton(button), {shift.shift, shift.ctrl, shift.alt}, x, y);
    Present();
}

void TfrmMain::imgSfondoMouseMove(int x, int y) {
    table::TableMouse* mouse = m_parts.table.Mouse();
    if (mouse == nullptr) return;
    const BusyScope busy(*this);
    mouse->TableMouseMove(x, y);
    PresentSoon();
}

void TfrmMain::imgSfondoMouseUp() {
    table::TableMouse* mouse = m_parts.table.Mouse();
    if (mouse == nullptr) return;
    const BusyScope busy(*this);
    mouse->RestoreTableCursor();
    mouse->TableMouseUp();
    Present();
}

void TfrmMain::imgSfondoDblClick() {
    if (m_freed) return;
    const BusyScope busy(*this);
    engine::DoubleClickMove(m_game, true, true);
    Present();
}

void TfrmMain::FormKeyPress(char&) {
    platform::Panel* tip = Panel("pnlPilesSize");
    if (tip != nullptr && !tip->isHidden()) tip->hide();
}

void TfrmMain::pnlPilesSizeMouseMove() {
    platform::Panel* tip = Panel("pnlPilesSize");
    tip->hide();
    repaint(tip->geometry());
}

void TfrmMain::pnlTB1MouseMove() { SetCursor(engine::kDefaultCursor); }

void TfrmMain::Timer1Timer() {
    if (m_freed || m_game.services.clock == nullptr) return;
    engine::ClockTick(m_game.registers, *m_game.services.clock, *this);
}

void TfrmMain::WriteWindowPlacement() {
    engine::PreferenceFile file(*m_game.services.paths);
    // A window minimized from the maximized state comes back maximized; one minimized
    // from the normal state keeps its normal bounds.
    if (windowState().testFlag(Qt::WindowMaximized)) {
        file.WriteString(engine::kSectionPreference, "MainWindowState_Maximized", kYes);
        return;
    }
    const QRect bounds = isMinimized() ? normalGeometry() : geometry();
    file.WriteString(engine::kSectionPreference, "MainWindowState_Maximized", kNo);
    file.WriteInteger(engine::kSectionPreference, "MainWindowState_Left", bounds.x());
    file.WriteInteger(engine::kSectionPreference, "MainWindowState_Top", bounds.y());
    file.WriteInteger(engine::kSectionPreference, "MainWindowState_Width", bounds.width());
    file.WriteInteger(engine::kSectionPreference, "MainWindowState_Height", bounds.height());
}

void TfrmMain::FormCloseQuery(bool& canClose) {
    if (m_freed) return;
    WriteWindowPlacement();
    engine::TMainGame& mainGame = m_game.mainGame;
    if (Flag(engine::flag::kWinAnimationRunning)) {
        StopWinningAnimation();
        RestoreMessageHandler();
        mainGame.CloseRequested = 1;
        canClose = false;
    } else if (m_filterInstalled || (m_busy > 0 && !m_closing)) {
        // A card or deal animation, or other engine code, runs under this close: it ends
        // first, then the window closes, so nothing is freed under it.
        m_closeDeferred = true;
        mainGame.CloseRequested = 1;
        canClose = false;
    } else {
        // Every close that is carried out asks, the game-end code's close after the winning
        // animation too.
        const engine::PreferenceFile file(*m_game.services.paths);
        if (file.ReadString(engine::kSectionPreference, kConfirmQuitKey, kNo) != kNo)
            canClose = m_game.services.messages->Confirm(std::string(kExitQuestion), std::string(engine::kProductName));
        if (!canClose) mainGame.CloseRequested = 0;
    }
    if (!canClose) {
        m_closing = false;
        m_game.registers.SetFlag(engine::flag::kHoldAndExit, 0);
    }
}

void TfrmMain::FormClose(platform::CloseAction&) {
    if (m_freed) return;
    // Nothing that comes after may reach the game state once it is freed: the clock, the
    // paint, the mouse, the resize and the activation handlers go first.
    m_timer->SetEnabled(false);
    m_timer->onTimer = nullptr;
    m_frameTimer->SetEnabled(false);
    events.onMouseDown = nullptr;
    events.onMouseMove = nullptr;
    events.onMouseUp = nullptr;
    events.onDblClick = nullptr;
    events.onResize = nullptr;
    events.onShow = nullptr;
    m_parts.application.SetOnActivate({});

    engine::EndGame(m_game);
    UpdateMainWindow();
    hide();
    m_game.media.StopSound();
    engine::PreferenceFile file(*m_game.services.paths);
    if (m_game.mainGame.AutoplaySaveMode == 1) {
        const Command* autoPlay = m_commands.Find("mnuAutoPlay");
        file.WriteString(engine::kSectionPreference, kAutoPlayKey, autoPlay->IsDown() ? kYes : kNo);
    }
    file.WriteInteger(engine::kSectionSettings, kRandomGameTypeKey, m_game.mainGame.RandomGameType);
    m_freed = true;
    m_parts.table.Window().SetTarget(nullptr);
    if (m_parts.freeGlobals) m_parts.freeGlobals();
}

void TfrmMain::CloseMainWindow() {
    m_closing = true;
    if (m_busy > 0 || m_filterInstalled) {
        m_closeDeferred = true;
        return;
    }
    close();
}

void TfrmMain::CloseIfDeferred() {
    if (!m_closeDeferred || m_filterInstalled || m_busy > 0) return;
    m_closeDeferred = false;
    QTimer::singleShot(0, this, [this] { close(); });
}

void TfrmMain::paintEvent(QPaintEvent* event) {
    FormPaint(event->region());
    QPainter painter(this);
    const QImage& image = m_parts.table.Surface().Image().Image();
    for (const QRect& r : event->region()) {
        painter.fillRect(r, Qt::black);
        painter.drawImage(r.topLeft(), image, r);
    }
}

void TfrmMain::Present() {
    if (!m_presenter.Present(*this, m_freed ? nullptr : m_parts.table.Context())) return;
    if (m_game.services.clock != nullptr) m_shownAt = m_game.services.clock->TickCount();
}

bool TfrmMain::ShownWithinAFrame() const {
    platform::IClock* clock = m_game.services.clock;
    return clock != nullptr && clock->TickCount() - m_shownAt < kFrameMs;
}

void TfrmMain::PresentFrame(std::uint32_t waitMs) {
    if (waitMs < kFrameMs && ShownWithinAFrame()) return;
    Present();
}

void TfrmMain::PresentSoon() {
    if (ShownWithinAFrame())
        m_frameTimer->SetEnabled(true);
    else
        Present();
}

void TfrmMain::InvalidateRect(const engine::TableRect& rect) {
    m_presenter.Invalidate(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
}

void TfrmMain::InvalidateAll() { m_presenter.Invalidate(rect()); }

void TfrmMain::UpdateWindow() { Present(); }

void TfrmMain::UpdateMainWindow() { UpdateWindow(); }

void TfrmMain::AlignControls() {
    platform::Form::AlignControls();
    m_parts.table.Surface().SetSize(width(), height());
}

// A right-click on the bare table offers the table's pop-up menu, when it is switched on.
// Not while cards are lifted: the menu would take the release that drops them, and they
// would stay off the table. Not on a bar, a dock or a panel that passes the click on.
void TfrmMain::contextMenuEvent(QContextMenuEvent* event) {
    if (m_freed || m_game.settings.GetField(fields::kShowMainPopupMenu.position, fields::kShowMainPopupMenu.width) == kNo)
        return;
    if (m_game.mainGame.LiftedCard != 0 || childAt(event->pos()) != nullptr || !AlignArea().contains(event->pos()))
        return;
    const table::DrawContext* context = m_parts.table.Context();
    if (context != nullptr && !context->geometry.PileAtPoint(event->pos().x(), event->pos().y()).name.empty()) return;
    PopupMenu("popMain").Popup(event->globalPos().x(), event->globalPos().y());
}

}  // namespace shell
