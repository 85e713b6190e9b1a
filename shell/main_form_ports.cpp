// The main window's side of the engine's and the table's ports. The engine's commands
// by enum and its items by name meet in one lookup of the window's items.

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <array>
#include <utility>

#include "engine/base/system_utils.h"
#include "engine/play/autoplay_buttons.h"
#include "engine/startup/startup_steps.h"
#include "engine/state/game.h"
#include "engine/undo/undo_buttons.h"
#include "platform/core/resource_library.h"
#include "platform/qt/controls.h"
#include "platform/qt/image_data.h"
#include "platform/qt/popup_menu.h"
#include "platform/qt/screen_cursor.h"
#include "shell/main_form.h"
#include "shell/table_parts.h"
#include "shell/toolbar_design.h"
#include "table/layout/table_layout.h"

namespace shell {

namespace {

using engine::ShellCommand;
using engine::ShellPanel;

constexpr std::array<std::pair<ShellCommand, std::string_view>, 12> kCommandItems{{
    {ShellCommand::kShowTime, "mnuShowTime"},
    {ShellCommand::kShowScore, "mnuShowScore"},
    {ShellCommand::kUndoMenu, "mnuUndo"},
    {ShellCommand::kRedoMenu, "mnuRedo"},
    {ShellCommand::kUndoButton, "tbUndo"},
    {ShellCommand::kRedoButton, "tbRedo"},
    {ShellCommand::kUndoSmallButton, "tbUndo1"},
    {ShellCommand::kRedoSmallButton, "tbRedo1"},
    {ShellCommand::kAutoPlay, "mnuAutoPlay"},
    {ShellCommand::kPause, "mnuPause"},
    {ShellCommand::kQuitGame, "mnuQuitGame"},
    {ShellCommand::kSnapshotPosition, "mnuSnapshotPosition"},
}};

constexpr std::array<std::pair<ShellPanel, std::string_view>, 7> kPanels{{
    {ShellPanel::kTempo, "pnlTempo"},
    {ShellPanel::kScore, "pnlScore"},
    {ShellPanel::kPilesSize, "pnlPilesSize"},
    {ShellPanel::kLargeToolbar, "pnlTB"},
    {ShellPanel::kSmallToolbar, "pnlTB1"},
    {ShellPanel::kGreyLine, "pnlLineaGrigia"},
    {ShellPanel::kBlackLine, "pnlLineaNera"},
}};

constexpr std::array<std::pair<table::TableCommand, std::string_view>, 5> kTableCommands{{
    {table::TableCommand::kCustomize, "mnuCustomize"},
    {table::TableCommand::kSave, "mnuSave"},
    {table::TableCommand::kSaveButton, "tbSave1"},
    {table::TableCommand::kSnapshotPosition, "mnuSnapshotPosition"},
    {table::TableCommand::kHoldAndExit, "mnuHoldAndExit"},
}};

template <typename Key, std::size_t N>
std::string_view NameOf(const std::array<std::pair<Key, std::string_view>, N>& table, Key key) {
    for (const auto& [k, name] : table)
        if (k == key) return name;
    return {};
}

// Large buttons show their glyph at twice the library's size.
constexpr int kLargeGlyphScale = 2;

}  // namespace

// One of the window's items, whichever kind it is.
struct WindowItem {
    Command* command = nullptr;
    platform::PopupItem* popup = nullptr;
    QWidget* widget = nullptr;
};

namespace {

WindowItem FindItem(const TfrmMain& form, CommandTable& commands, std::string_view name) {
    if (Command* command = commands.Find(name)) return {command, nullptr, nullptr};
    if (platform::PopupItem* item = form.PopupItem(name)) return {nullptr, item, nullptr};
    return {nullptr, nullptr, form.findChild<QWidget*>(platform::ToQString(name))};
}

}  // namespace

platform::Panel* TfrmMain::Panel(std::string_view name) const { return Control<platform::Panel>(name); }
platform::SpeedButton* TfrmMain::Button(std::string_view name) const { return Control<platform::SpeedButton>(name); }
platform::Label* TfrmMain::Label(std::string_view name) const { return Control<platform::Label>(name); }

platform::PopupMenu& TfrmMain::PopupMenu(std::string_view name) const {
    return *findChild<platform::PopupMenu*>(platform::ToQString(name), Qt::FindDirectChildrenOnly);
}

platform::PopupItem* TfrmMain::PopupItem(std::string_view name) const {
    for (platform::PopupMenu* menu : findChildren<platform::PopupMenu*>(Qt::FindDirectChildrenOnly))
        if (platform::PopupItem* item = menu->Find(name)) return item;
    return nullptr;
}

// engine::IShellPort

void TfrmMain::SetLabelText(engine::ShellLabel label, std::string_view text) {
    if (platform::Label* l = Label(label == engine::ShellLabel::kTempo ? "lblTempo" : "lblScore")) l->SetCaption(text);
}

void TfrmMain::RepaintLabel(engine::ShellLabel label) {
    if (platform::Label* l = Label(label == engine::ShellLabel::kTempo ? "lblTempo" : "lblScore")) l->repaint();
}

bool TfrmMain::IsCommandEnabled(ShellCommand command) const { return IsItemEnabled(NameOf(kCommandItems, command)); }

void TfrmMain::SetCommandEnabled(ShellCommand command, bool enabled) {
    SetItemEnabled(NameOf(kCommandItems, command), enabled);
}

bool TfrmMain::IsCommandDown(ShellCommand command) const {
    const std::string_view name = NameOf(kCommandItems, command);
    if (const Command* c = m_commands.Find(name)) return c->IsDown();
    if (const platform::SpeedButton* b = Button(name)) return b->IsDown();
    return false;
}

void TfrmMain::SetCommandDown(ShellCommand command, bool down) {
    const std::string_view name = NameOf(kCommandItems, command);
    if (Command* c = m_commands.Find(name)) c->SetDown(down);
    if (platform::SpeedButton* b = Button(name)) b->SetDown(down);
}

engine::ShellRect TfrmMain::PanelBounds(ShellPanel panel) const {
    const platform::Panel* p = Panel(NameOf(kPanels, panel));
    if (p == nullptr) return {};
    const QRect r = p->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void TfrmMain::SetPanelBounds(ShellPanel panel, const engine::ShellRect& bounds) {
    if (platform::Panel* p = Panel(NameOf(kPanels, panel))) p->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
}

bool TfrmMain::IsPanelVisible(ShellPanel panel) const {
    const platform::Panel* p = Panel(NameOf(kPanels, panel));
    return p != nullptr && !p->isHidden();
}

void TfrmMain::SetPanelVisible(ShellPanel panel, bool visible) {
    SetItemVisible(NameOf(kPanels, panel), visible);
}

int TfrmMain::LastToolbarButtonRight(ShellPanel toolbar) const {
    const platform::SpeedButton* exit = Button(toolbar == ShellPanel::kSmallToolbar ? "tbExit1" : "tbExit");
    if (exit == nullptr) return 0;
    return exit->mapTo(this, QPoint(exit->width(), 0)).x();
}

engine::ShellRect TfrmMain::WindowBounds() const {
    const QRect r = frameGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

int TfrmMain::ScreenWidth() const {
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return s != nullptr ? s->geometry().width() : width();
}

int TfrmMain::ScreenHeight() const {
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return s != nullptr ? s->geometry().height() : height();
}

engine::ShellPoint TfrmMain::CursorPos() const {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void TfrmMain::SetCursor(int cursorId) { m_parts.cursor.Set(cursorId); }

int TfrmMain::CurrentCursor() const { return m_parts.cursor.Current(); }

void TfrmMain::SetCommandGlyph(ShellCommand command, std::string_view bitmapName) {
    SetItemGlyph(NameOf(kCommandItems, command), bitmapName);
}

void TfrmMain::InstallMessageFilter(engine::MessageFilter filter) {
    if (!m_filterInstalled) m_savedOnMessage = m_parts.application.OnMessage();
    m_filterInstalled = true;
    m_filter = filter;
    m_parts.application.SetOnMessage([this, filter](const platform::AppMessage& message) {
        return filter == engine::MessageFilter::kWinAnimation ? WinAnimationMessageFilter(message)
                                                              : SwallowInputMessageFilter(message);
    });
}

void TfrmMain::RestoreMessageHandler() {
    m_parts.application.SetOnMessage(m_savedOnMessage);
    m_filterInstalled = false;
    CloseIfDeferred();
}

// engine::IWindowItems

std::string TfrmMain::ItemCaption(std::string_view item) const {
    const WindowItem found = FindItem(*this, const_cast<CommandTable&>(m_commands), item);
    if (found.command != nullptr) return found.command->Caption();
    if (found.popup != nullptr) return found.popup->caption;
    if (auto* label = qobject_cast<platform::Label*>(found.widget)) return label->Caption();
    return {};
}

void TfrmMain::SetItemCaption(std::string_view item, std::string_view caption) {
    const WindowItem found = FindItem(*this, m_commands, item);
    if (found.command != nullptr) found.command->SetCaption(caption);
    if (found.popup != nullptr) found.popup->caption = std::string(caption);
    if (auto* label = qobject_cast<platform::Label*>(found.widget)) label->SetCaption(caption);
}

bool TfrmMain::IsItemEnabled(std::string_view item) const {
    const WindowItem found = FindItem(*this, const_cast<CommandTable&>(m_commands), item);
    if (found.command != nullptr) return found.command->IsEnabled();
    if (found.popup != nullptr) return found.popup->enabled;
    return found.widget != nullptr && found.widget->isEnabled();
}

void TfrmMain::SetItemEnabled(std::string_view item, bool enabled) {
    const WindowItem found = FindItem(*this, m_commands, item);
    if (found.command != nullptr) found.command->SetEnabled(enabled);
    if (found.popup != nullptr) found.popup->enabled = enabled;
    if (found.widget != nullptr) found.widget->setEnabled(enabled);
}

void TfrmMain::SetItemVisible(std::string_view item, bool visible) {
    const WindowItem found = FindItem(*this, m_commands, item);
    if (found.command != nullptr) found.command->SetVisible(visible);
    if (found.popup != nullptr) found.popup->visible = visible;
    if (found.widget == nullptr) return;
    found.widget->setVisible(visible);
    AlignControls();
}

void TfrmMain::SetItemGlyph(std::string_view item, std::string_view bitmapName) {
    platform::SpeedButton* button = Button(item);
    if (button == nullptr) return;
    const std::string data = m_parts.library.BitmapData(bitmapName);
    const QImage glyph = platform::DecodeImage(data);
    if (glyph.isNull()) return;
    button->SetKeyedGlyph(glyph, button->width() >= kLargeButton ? kLargeGlyphScale : 1);
}

// engine::IStartupShell

void TfrmMain::SetApplicationTitle(std::string_view title) { m_parts.application.SetTitle(std::string(title)); }

void TfrmMain::SetTableCursor(int cursorId) {
    if (cursorId == engine::kDefaultCursor)
        unsetCursor();
    else
        setCursor(m_parts.cursor.CursorOf(cursorId));
}

void TfrmMain::ApplyToolbar(bool large, bool flat) {
    SetToolbarLarge(large, false);
    SetToolbarFlat(flat, false);
}

int TfrmMain::ScreenColourCount() const {
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return engine::NumColors(s != nullptr ? s->depth() : 32, 1);
}

void TfrmMain::SwitchAutoPlayOn() {
    m_commands.Find("mnuAutoPlay")->SetDown(true);
    mnuAutoPlayClick();
}

void TfrmMain::InstallActivationHandler() { m_parts.application.SetOnActivate([this] { m_AppActivate(); }); }

// table::ITableWindow

int TfrmMain::ScrollBarWidth() const { return style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

int TfrmMain::ScrollPosition() const { return m_parts.table.Surface().ScrollPosition(); }

bool TfrmMain::IsPanelVisible(table::TablePanel panel) const {
    switch (panel) {
    case table::TablePanel::kLargeToolbar:
        return IsPanelVisible(ShellPanel::kLargeToolbar);
    case table::TablePanel::kSmallToolbar:
        return IsPanelVisible(ShellPanel::kSmallToolbar);
    default:
        return false;  // the demo panel is not built
    }
}

int TfrmMain::PanelBottom(table::TablePanel panel) const {
    const platform::Panel* p = Panel(panel == table::TablePanel::kSmallToolbar ? "pnlTB1" : "pnlTB");
    return panel == table::TablePanel::kDemo || p == nullptr ? 0 : p->geometry().bottom() + 1;
}

void TfrmMain::SetCommandEnabled(table::TableCommand command, bool enabled) {
    SetItemEnabled(NameOf(kTableCommands, command), enabled);
}

void TfrmMain::EnableAutoPlayButtons(bool enabled) { engine::EnableAutoPlayButtons(*this, enabled); }

void TfrmMain::EnableUndoRedoButtons(bool enabled) { engine::EnableUndoRedoButtons(*this, enabled); }

}  // namespace shell
