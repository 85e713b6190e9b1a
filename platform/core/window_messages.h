#pragma once

#include "platform/core/canvas.h"
#include "platform/core/window_handle.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace platform {

// Message numbers of the framework's windows. Qt events are translated into these once, at
// window level, so the framework's code can read as message handling.
// NOLINTBEGIN(readability-identifier-naming): the numbers keep their customary names.
inline constexpr unsigned WM_NULL = 0x0000;
inline constexpr unsigned WM_CREATE = 0x0001;
inline constexpr unsigned WM_DESTROY = 0x0002;
inline constexpr unsigned WM_MOVE = 0x0003;
inline constexpr unsigned WM_SIZE = 0x0005;
inline constexpr unsigned WM_ACTIVATE = 0x0006;
inline constexpr unsigned WM_SETFOCUS = 0x0007;
inline constexpr unsigned WM_KILLFOCUS = 0x0008;
inline constexpr unsigned WM_ENABLE = 0x000A;
inline constexpr unsigned WM_PAINT = 0x000F;
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_QUIT = 0x0012;
inline constexpr unsigned WM_ERASEBKGND = 0x0014;
inline constexpr unsigned WM_SYSCOLORCHANGE = 0x0015;
inline constexpr unsigned WM_SHOWWINDOW = 0x0018;
inline constexpr unsigned WM_SETTINGCHANGE = 0x001A;
inline constexpr unsigned WM_ACTIVATEAPP = 0x001C;
inline constexpr unsigned WM_FONTCHANGE = 0x001D;
inline constexpr unsigned WM_CANCELMODE = 0x001F;
inline constexpr unsigned WM_SETCURSOR = 0x0020;
inline constexpr unsigned WM_MOUSEACTIVATE = 0x0021;
inline constexpr unsigned WM_CHILDACTIVATE = 0x0022;
inline constexpr unsigned WM_WINDOWPOSCHANGED = 0x0047;
inline constexpr unsigned WM_HELP = 0x0053;
inline constexpr unsigned WM_CONTEXTMENU = 0x007B;
inline constexpr unsigned WM_DISPLAYCHANGE = 0x007E;
inline constexpr unsigned WM_NCCALCSIZE = 0x0083;
inline constexpr unsigned WM_NCHITTEST = 0x0084;
inline constexpr unsigned WM_NCPAINT = 0x0085;
inline constexpr unsigned WM_NCACTIVATE = 0x0086;
inline constexpr unsigned WM_NCMOUSEMOVE = 0x00A0;
inline constexpr unsigned WM_NCLBUTTONDOWN = 0x00A1;
inline constexpr unsigned WM_NCLBUTTONUP = 0x00A2;
inline constexpr unsigned WM_NCLBUTTONDBLCLK = 0x00A3;
inline constexpr unsigned WM_NCRBUTTONDOWN = 0x00A4;
inline constexpr unsigned WM_NCRBUTTONUP = 0x00A5;
inline constexpr unsigned WM_NCRBUTTONDBLCLK = 0x00A6;
inline constexpr unsigned WM_NCMBUTTONDOWN = 0x00A7;
inline constexpr unsigned WM_NCMBUTTONUP = 0x00A8;
inline constexpr unsigned WM_NCMBUTTONDBLCLK = 0x00A9;
inline constexpr unsigned WM_KEYDOWN = 0x0100;
inline constexpr unsigned WM_KEYUP = 0x0101;
inline constexpr unsigned WM_CHAR = 0x0102;
inline constexpr unsigned WM_SYSKEYDOWN = 0x0104;
inline constexpr unsigned WM_SYSKEYUP = 0x0105;
inline constexpr unsigned WM_SYSCHAR = 0x0106;
inline constexpr unsigned WM_COMMAND = 0x0111;
inline constexpr unsigned WM_SYSCOMMAND = 0x0112;
inline constexpr unsigned WM_TIMER = 0x0113;
inline constexpr unsigned WM_MOUSEMOVE = 0x0200;
inline constexpr unsigned WM_LBUTTONDOWN = 0x0201;
inline constexpr unsigned WM_LBUTTONUP = 0x0202;
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
inline constexpr unsigned WM_RBUTTONDOWN = 0x0204;
inline constexpr unsigned WM_RBUTTONUP = 0x0205;
inline constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
inline constexpr unsigned WM_MBUTTONDOWN = 0x0207;
inline constexpr unsigned WM_MBUTTONUP = 0x0208;
inline constexpr unsigned WM_MBUTTONDBLCLK = 0x0209;
inline constexpr unsigned WM_MOUSEWHEEL = 0x020A;
inline constexpr unsigned WM_CAPTURECHANGED = 0x0215;
inline constexpr unsigned WM_MDIACTIVATE = 0x0222;
inline constexpr unsigned WM_MOUSELEAVE = 0x02A3;
inline constexpr unsigned WM_USER = 0x0400;
// A form's own font changed (not the system's font list).
inline constexpr unsigned CM_FONTCHANGED = 0xB009;

// The client mouse message of a non-client one is its number plus this.
inline constexpr unsigned kNonClientToClientOffset = 0x160;
inline constexpr unsigned WM_MOUSEFIRST = WM_MOUSEMOVE;
inline constexpr unsigned WM_MOUSELAST = WM_MOUSEWHEEL;
inline constexpr unsigned WM_KEYFIRST = WM_KEYDOWN;
inline constexpr unsigned WM_KEYLAST = 0x0108;

// WM_ACTIVATE's first parameter.
inline constexpr int WA_INACTIVE = 0;
inline constexpr int WA_ACTIVE = 1;
inline constexpr int WA_CLICKACTIVE = 2;
// WM_SETTINGCHANGE's first parameter when the desktop's work area changed, and when its
// window metrics and fonts (the menu font among them) did.
inline constexpr int SPI_SETWORKAREA = 0x002F;
inline constexpr int SPI_SETNONCLIENTMETRICS = 0x002A;
// WM_SYSCOMMAND's first parameter: the commands of a window's system menu.
inline constexpr int SC_MINIMIZE = 0xF020;
inline constexpr int SC_CLOSE = 0xF060;
inline constexpr int SC_RESTORE = 0xF120;
// WM_SIZE's first parameter: the window state.
inline constexpr int SIZE_RESTORED = 0;
inline constexpr int SIZE_MINIMIZED = 1;
inline constexpr int SIZE_MAXIMIZED = 2;
// WM_MOUSEACTIVATE's answers.
inline constexpr int MA_ACTIVATE = 1;
inline constexpr int MA_NOACTIVATE = 3;

// Key flags of mouse messages.
inline constexpr unsigned MK_LBUTTON = 0x0001;
inline constexpr unsigned MK_RBUTTON = 0x0002;
inline constexpr unsigned MK_SHIFT = 0x0004;
inline constexpr unsigned MK_CONTROL = 0x0008;
inline constexpr unsigned MK_MBUTTON = 0x0010;

// Hit-test codes of WM_NCHITTEST.
inline constexpr int HTERROR = -2;
inline constexpr int HTTRANSPARENT = -1;
inline constexpr int HTNOWHERE = 0;
inline constexpr int HTCLIENT = 1;
inline constexpr int HTCAPTION = 2;
inline constexpr int HTSYSMENU = 3;
inline constexpr int HTGROWBOX = 4;
inline constexpr int HTMENU = 5;
inline constexpr int HTHSCROLL = 6;
inline constexpr int HTVSCROLL = 7;
inline constexpr int HTMINBUTTON = 8;
inline constexpr int HTMAXBUTTON = 9;
inline constexpr int HTLEFT = 10;
inline constexpr int HTRIGHT = 11;
inline constexpr int HTTOP = 12;
inline constexpr int HTTOPLEFT = 13;
inline constexpr int HTTOPRIGHT = 14;
inline constexpr int HTBOTTOM = 15;
inline constexpr int HTBOTTOMLEFT = 16;
inline constexpr int HTBOTTOMRIGHT = 17;
inline constexpr int HTBORDER = 18;
inline constexpr int HTCLOSE = 20;
inline constexpr int HTHELP = 21;
// NOLINTEND(readability-identifier-naming)

constexpr bool IsMouseMessage(unsigned message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }
constexpr bool IsNonClientMouseMessage(unsigned message) {
    return message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK;
}
constexpr bool IsKeyMessage(unsigned message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

// The two halves of a parameter packed as (low 16 bits, high 16 bits), signed.
constexpr std::intptr_t MakeParam(int low, int high) {
    return static_cast<std::intptr_t>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(low)) |
                                      static_cast<std::uint32_t>(static_cast<std::uint16_t>(high)) << 16);
}
constexpr int LowWord(std::intptr_t value) { return static_cast<std::int16_t>(value & 0xFFFF); }
constexpr int HighWord(std::intptr_t value) { return static_cast<std::int16_t>((value >> 16) & 0xFFFF); }
constexpr std::intptr_t PointParam(Point p) { return MakeParam(p.x, p.y); }
constexpr Point ParamPoint(std::intptr_t value) { return {LowWord(value), HighWord(value)}; }

struct WindowMessage {
    WindowHandle window = kNoWindow;
    unsigned message = WM_NULL;
    std::intptr_t wParam = 0;
    std::intptr_t lParam = 0;
    bool operator==(const WindowMessage&) const = default;
};

// What a window answers to a sent message.
using MessageHandler = std::function<std::intptr_t(const WindowMessage&)>;

// Delivers messages to the windows that registered a handler: what sending a message to a
// window means here. One per process, on the GUI thread.
class MessageRouter {
public:
    static MessageRouter& Instance();

    void Register(WindowHandle window, MessageHandler handler);
    void Unregister(WindowHandle window);
    bool IsRegistered(WindowHandle window) const { return m_handlers.contains(window); }
    // The window's answer; 0 when it has no handler. A handler may unregister windows,
    // its own included.
    std::intptr_t Send(const WindowMessage& message);
    std::intptr_t Send(WindowHandle window, unsigned message, std::intptr_t wParam = 0, std::intptr_t lParam = 0) {
        return Send(WindowMessage{window, message, wParam, lParam});
    }

private:
    std::map<WindowHandle, std::shared_ptr<MessageHandler>> m_handlers;
};

}  // namespace platform
