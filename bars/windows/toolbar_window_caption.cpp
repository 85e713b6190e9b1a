// The caption buttons of a main-menu bar: which show, where, how they are pressed and what
// they do.
#include "bars/windows/toolbar_window.h"

#include "bars/hooks/mdi_merge.h"
#include "bars/manager/bar_manager.h"
#include "bars/toolbars/bar.h"
#include "platform/core/system_colours.h"
#include "platform/core/window_messages.h"
#include "platform/qt/classic_draw.h"
#include "platform/qt/mouse_capture.h"

#include <QMdiSubWindow>

namespace bars {

namespace {
bool IsVertical(TcbBarDockingStyle side) { return side == dsLeft || side == dsRight; }
}  // namespace

std::vector<CaptionButton> TcbBarControl::CaptionButtons() const {
    if (!m_bar.IsMainMenu() || m_dockingStyle == dsNone || !ManagerAlive()) return {};
    if (const QMdiSubWindow* child = MaximizedMdiChild(Manager())) return MdiCaptionButtons(*child);
    if (Manager().ShowCloseButton()) return {CaptionButton{CaptionButtonKind::Close, true}};
    return {};
}

platform::Size TcbBarControl::CaptionButtonSize() const {
    return {platform::SystemMetric(platform::SM_CXSMSIZE) - 2, platform::SystemMetric(platform::SM_CYSMSIZE) - 4};
}

platform::Size TcbBarControl::CaptionButtonsSize() const {
    return CaptionButtonsExtent(static_cast<int>(CaptionButtons().size()), CaptionButtonSize(),
                                IsVertical(m_dockingStyle));
}

platform::Rect TcbBarControl::CaptionButtonRect(int index) const {
    return CaptionButtonRect(index, static_cast<int>(CaptionButtons().size()));
}

platform::Rect TcbBarControl::CaptionButtonRect(int index, int count) const {
    return CaptionButtonPlace(ClientRect(), CaptionButtonSize(), count, index, IsVertical(m_dockingStyle));
}

int TcbBarControl::CaptionButtonAt(platform::Point window, bool enabledOnly) const {
    return CaptionButtonAt(window, enabledOnly, CaptionButtons());
}

int TcbBarControl::CaptionButtonAt(platform::Point window, bool enabledOnly,
                                   const std::vector<CaptionButton>& buttons) const {
    const platform::Point p = WindowToClient(window);
    const int count = static_cast<int>(buttons.size());
    for (int i = 0; i < count; ++i)
        if ((buttons[static_cast<std::size_t>(i)].enabled || !enabledOnly) && CaptionButtonRect(i, count).Contains(p))
            return i;
    return -1;
}

void TcbBarControl::HoldCaptionButton(int index, CaptionButtonKind kind) {
    m_captionButtonTracking = m_captionButtonPressed = true;
    m_heldCaptionButton = index;
    m_heldCaptionKind = kind;
    platform::MessageRouter::Instance().Register(
        Handle(), [this](const platform::WindowMessage& message) { return HeldButtonMessage(message); });
    platform::SetCapture(Handle());
    Repaint();
}

void TcbBarControl::ReleaseCaptionButton(platform::Point window) {
    const std::vector<CaptionButton> buttons = CaptionButtons();
    const int at = CaptionButtonAt(window, false, buttons);
    const bool over = at == m_heldCaptionButton && buttons[static_cast<std::size_t>(at)].kind == m_heldCaptionKind;
    const CaptionButtonKind kind = m_heldCaptionKind;
    EndCaptionButtonHold();
    if (!over) return;
    // The command may close the child, and the manager may go with a closed form: last.
    TcbBarManager& manager = Manager();
    if (QMdiSubWindow* child = MaximizedMdiChild(manager))
        RunSystemCommand(*child, SystemCommandOf(kind));
    else if (manager.OnCloseButtonClick)
        manager.OnCloseButtonClick(manager);
}

void TcbBarControl::EndCaptionButtonHold() {
    if (!m_captionButtonTracking) return;
    m_captionButtonTracking = m_captionButtonPressed = false;
    m_heldCaptionButton = -1;
    // Out of the router first: letting the capture go must not come back here.
    platform::MessageRouter::Instance().Unregister(Handle());
    if (platform::GetCapture() == Handle()) platform::ReleaseCapture();
    if (!m_destroying) Repaint();
}

std::intptr_t TcbBarControl::HeldButtonMessage(const platform::WindowMessage& message) {
    switch (message.message) {
    // The whole window stays client to the input filter, as while no button is held.
    case platform::WM_NCHITTEST: return platform::HTCLIENT;
    case platform::WM_CANCELMODE:
        EndCaptionButtonHold();
        Rebuild();
        return 0;
    case platform::WM_CAPTURECHANGED: EndCaptionButtonHold(); return 0;
    default: return 0;
    }
}

void TcbBarControl::PaintCaptionButtons(platform::Canvas& canvas) {
    const std::vector<CaptionButton> buttons = CaptionButtons();
    const int count = static_cast<int>(buttons.size());
    const bool flat = count == 1 && Manager().FlatCloseButton();
    for (int i = 0; i < count; ++i) {
        const CaptionButton& button = buttons[static_cast<std::size_t>(i)];
        unsigned state = FrameControlOf(button.kind);
        if (!button.enabled) state |= platform::DFCS_INACTIVE;
        if (m_captionButtonPressed && i == m_heldCaptionButton) state |= platform::DFCS_PUSHED;
        if (flat) state |= platform::DFCS_FLAT;
        platform::DrawFrameControl(canvas, CaptionButtonRect(i, count), platform::DFC_CAPTION, state);
    }
}

}  // namespace bars
