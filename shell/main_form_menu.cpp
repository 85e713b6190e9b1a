// The main window's menu bar: the framework's manager made from the commands, its hooks,
// and the dock areas the window's own panels lie inside.

#include <QEvent>
#include <QPalette>

#include <functional>
#include <utility>

#include "bars/design/manager_description.h"
#include "bars/hooks/owner_form.h"
#include "bars/hooks/shortcut_dispatch.h"
#include "bars/manager/bar_manager.h"
#include "bars/menus/menu_windows.h"
#include "bars/windows/dock_control.h"
#include "bars/windows/toolbar_windows.h"
#include "engine/ports/help_viewer.h"
#include "platform/core/canvas.h"
#include "platform/core/system_colours.h"
#include "platform/qt/input_event_filter.h"
#include "shell/main_form.h"
#include "shell/main_menu.h"

namespace shell {

namespace {

// Lays the window's panels out again when a dock area along its edges changes its size.
class DockFollower : public QObject {
public:
    DockFollower(QWidget& area, std::function<void()> realign) : QObject(&area), m_realign(std::move(realign)) {
        area.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move) m_realign();
        return false;
    }

private:
    std::function<void()> m_realign;
};

}  // namespace

void TfrmMain::BuildMenuBar() {
    // The toolbars and panels share the menu bar's face colour.
    const platform::Colour face = platform::ResolveColour(platform::clBtnFace);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(platform::RedOf(face), platform::GreenOf(face), platform::BlueOf(face)));
    setPalette(colours);
    bars::InstallToolbarWindows();
    bars::InstallMenuWindows();
    // The framework's hooks see keys and clicks through the application's one event filter.
    platform::InputEventFilter::Connect();
    m_barManager = &bars::BuildBarManager(this, MainMenuDescription());
    m_commands.Bind(*m_barManager);
    // While a card animation swallows input, no shortcut may start a command under it.
    bars::SetProgramInputFilter([this] { return m_filterInstalled; });
    // Help asked for on a command (F1) opens its page in the program's help window.
    bars::SetHelpViewer([this](int context) { m_parts.help.ShowHelpContext(context); });
    bars::DockAreas& areas = bars::DockAreasOf(*m_barManager);
    for (bars::TcbBarDockingStyle side : {bars::dsLeft, bars::dsTop, bars::dsRight, bars::dsBottom})
        new DockFollower(*areas.Area(side), [this] { AlignControls(); });
}

void TfrmMain::ReleaseMenuBar() {
    bars::SetProgramInputFilter({});
    bars::SetHelpViewer({});
    delete std::exchange(m_barManager, nullptr);
}

QRect TfrmMain::AlignArea() const {
    if (m_barManager == nullptr || !bars::HasDockAreas(*m_barManager)) return rect();
    const platform::Rect inner = bars::DockAreasOf(*m_barManager).InnerRect();
    return {inner.left, inner.top, inner.Width(), inner.Height()};
}

}  // namespace shell
