#include "tests/support/recording_shell_port.h"

namespace test_support {

using engine::ShellPanel;
using engine::ShellRect;

namespace {

// The main window at its design size.
constexpr ShellRect kDesignWindow{50, 50, 751, 407};
constexpr int kDesignClientHeight = 360;
constexpr int kDesignScreenWidth = 1024;
constexpr int kLargeToolbarLastButtonRight = 360;
constexpr int kSmallToolbarLastButtonRight = 190;

template <typename Enum>
int ValueOf(Enum e) {
    return static_cast<int>(e);
}

}  // namespace

RecordingShellPort::RecordingShellPort()
    : m_window(kDesignWindow), m_clientHeight(kDesignClientHeight), m_screenWidth(kDesignScreenWidth) {
    m_labels[engine::ShellLabel::kTempo] = "0";
    m_labels[engine::ShellLabel::kScore] = "0";
    m_panels[ShellPanel::kTempo] = {{0, 0, 80, 25}, true};
    m_panels[ShellPanel::kScore] = {{0, 0, 70, 26}, true};
    m_panels[ShellPanel::kPilesSize] = {{0, 0, 80, 30}, false};
    m_panels[ShellPanel::kLargeToolbar] = {{0, 0, 751, 46}, true};
    m_panels[ShellPanel::kSmallToolbar] = {{0, 0, 751, 24}, false};
    m_panels[ShellPanel::kGreyLine] = {{0, 0, 751, 1}, true};
    m_panels[ShellPanel::kBlackLine] = {{0, 0, 751, 1}, true};
    m_lastButtonRight[ShellPanel::kLargeToolbar] = kLargeToolbarLastButtonRight;
    m_lastButtonRight[ShellPanel::kSmallToolbar] = kSmallToolbarLastButtonRight;
}

void RecordingShellPort::SetLabelText(engine::ShellLabel label, std::string_view text) {
    m_labels[label] = std::string(text);
    m_events.push_back({ShellEvent::Kind::LabelText, ValueOf(label), std::string(text), false, {}});
}

void RecordingShellPort::RepaintLabel(engine::ShellLabel label) {
    ++m_repaints[label];
    m_events.push_back({ShellEvent::Kind::LabelRepaint, ValueOf(label), {}, false, {}});
}

bool RecordingShellPort::IsCommandEnabled(engine::ShellCommand command) const {
    const auto it = m_commands.find(command);
    return it == m_commands.end() || it->second.enabled;
}

void RecordingShellPort::SetCommandEnabled(engine::ShellCommand command, bool enabled) {
    m_commands[command].enabled = enabled;
    m_events.push_back({ShellEvent::Kind::CommandEnabled, ValueOf(command), {}, enabled, {}});
}

bool RecordingShellPort::IsCommandDown(engine::ShellCommand command) const {
    const auto it = m_commands.find(command);
    return it != m_commands.end() && it->second.down;
}

void RecordingShellPort::SetCommandDown(engine::ShellCommand command, bool down) {
    m_commands[command].down = down;
    m_events.push_back({ShellEvent::Kind::CommandDown, ValueOf(command), {}, down, {}});
}

void RecordingShellPort::SetCaption(std::string_view caption) {
    m_caption = std::string(caption);
    m_events.push_back({ShellEvent::Kind::Caption, 0, m_caption, false, {}});
}

ShellRect RecordingShellPort::PanelBounds(ShellPanel panel) const {
    const auto it = m_panels.find(panel);
    return it == m_panels.end() ? ShellRect{} : it->second.bounds;
}

void RecordingShellPort::SetPanelBounds(ShellPanel panel, const ShellRect& bounds) {
    m_panels[panel].bounds = bounds;
    m_events.push_back({ShellEvent::Kind::PanelBounds, ValueOf(panel), {}, false, bounds});
}

bool RecordingShellPort::IsPanelVisible(ShellPanel panel) const {
    const auto it = m_panels.find(panel);
    return it != m_panels.end() && it->second.visible;
}

void RecordingShellPort::SetPanelVisible(ShellPanel panel, bool visible) {
    m_panels[panel].visible = visible;
    m_events.push_back({ShellEvent::Kind::PanelVisible, ValueOf(panel), {}, visible, {}});
}

int RecordingShellPort::LastToolbarButtonRight(ShellPanel toolbar) const {
    const auto it = m_lastButtonRight.find(toolbar);
    return it == m_lastButtonRight.end() ? 0 : it->second;
}

void RecordingShellPort::SetCursor(int cursorId) {
    m_cursor = cursorId;
    m_events.push_back({ShellEvent::Kind::Cursor, cursorId, {}, false, {}});
}

void RecordingShellPort::ArrangePanel(ShellPanel panel, const ShellRect& bounds, bool visible) {
    m_panels[panel] = {bounds, visible};
}

std::string RecordingShellPort::LabelText(engine::ShellLabel label) const {
    const auto it = m_labels.find(label);
    return it == m_labels.end() ? std::string() : it->second;
}

int RecordingShellPort::RepaintCount(engine::ShellLabel label) const {
    const auto it = m_repaints.find(label);
    return it == m_repaints.end() ? 0 : it->second;
}

std::size_t RecordingShellPort::Count(ShellEvent::Kind kind) const {
    std::size_t count = 0;
    for (const ShellEvent& event : m_events) count += event.kind == kind ? 1 : 0;
    return count;
}

void RecordingShellPort::SetCommandGlyph(engine::ShellCommand command, std::string_view bitmapName) {
    m_glyphs[command] = std::string(bitmapName);
    m_events.push_back({ShellEvent::Kind::Glyph, ValueOf(command), std::string(bitmapName), false, {}});
}

std::string RecordingShellPort::Glyph(engine::ShellCommand command) const {
    const auto it = m_glyphs.find(command);
    return it == m_glyphs.end() ? std::string() : it->second;
}

void RecordingShellPort::UpdateMainWindow() {
    m_windowCalls.emplace_back("update");
}

void RecordingShellPort::InstallMessageFilter(engine::MessageFilter filter) {
    m_activeFilter = filter;
    m_windowCalls.emplace_back(filter == engine::MessageFilter::kWinAnimation ? "filter:win" : "filter:swallow");
}

void RecordingShellPort::RestoreMessageHandler() {
    m_activeFilter.reset();
    m_windowCalls.emplace_back("restore");
}

void RecordingShellPort::OpenGameChooser() {
    m_windowCalls.emplace_back("chooser");
    if (m_onChooser) m_onChooser();
}

void RecordingShellPort::CloseMainWindow() {
    m_windowCalls.emplace_back("close");
    if (m_onClose) m_onClose();
}

std::size_t RecordingShellPort::CountWindowCalls(std::string_view call) const {
    std::size_t count = 0;
    for (const std::string& entry : m_windowCalls) count += entry == call ? 1 : 0;
    return count;
}

void RecordingShellPort::RunAutoPlayClick() {
    m_windowCalls.emplace_back("autoplay click");
    if (m_onAutoPlayClick) m_onAutoPlayClick();
}

}  // namespace test_support
