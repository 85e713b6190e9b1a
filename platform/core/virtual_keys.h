#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Virtual-key codes: the framework's own numbering of keys, independent of the keyboard
// layout. Letters and digits are their upper-case ASCII codes ('A' = 0x41, '0' = 0x30).
// NOLINTBEGIN(readability-identifier-naming): the codes keep their customary names.
inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_CANCEL = 0x03;
inline constexpr int VK_MBUTTON = 0x04;
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_CLEAR = 0x0C;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;  // Alt
inline constexpr int VK_PAUSE = 0x13;
inline constexpr int VK_CAPITAL = 0x14;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;  // Page Up
inline constexpr int VK_NEXT = 0x22;   // Page Down
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_SELECT = 0x29;
inline constexpr int VK_PRINT = 0x2A;
inline constexpr int VK_EXECUTE = 0x2B;
inline constexpr int VK_SNAPSHOT = 0x2C;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_HELP = 0x2F;
inline constexpr int VK_0 = 0x30;
inline constexpr int VK_9 = 0x39;
inline constexpr int VK_A = 0x41;
inline constexpr int VK_Z = 0x5A;
inline constexpr int VK_LWIN = 0x5B;
inline constexpr int VK_RWIN = 0x5C;
inline constexpr int VK_APPS = 0x5D;
inline constexpr int VK_NUMPAD0 = 0x60;
inline constexpr int VK_NUMPAD9 = 0x69;
inline constexpr int VK_MULTIPLY = 0x6A;
inline constexpr int VK_ADD = 0x6B;
inline constexpr int VK_SEPARATOR = 0x6C;
inline constexpr int VK_SUBTRACT = 0x6D;
inline constexpr int VK_DECIMAL = 0x6E;
inline constexpr int VK_DIVIDE = 0x6F;
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F10 = 0x79;
inline constexpr int VK_F12 = 0x7B;
inline constexpr int VK_F24 = 0x87;
inline constexpr int VK_NUMLOCK = 0x90;
inline constexpr int VK_SCROLL = 0x91;
inline constexpr int VK_LSHIFT = 0xA0;
inline constexpr int VK_RSHIFT = 0xA1;
inline constexpr int VK_LCONTROL = 0xA2;
inline constexpr int VK_RCONTROL = 0xA3;
inline constexpr int VK_LMENU = 0xA4;
inline constexpr int VK_RMENU = 0xA5;
inline constexpr int VK_OEM_1 = 0xBA;       // ;:
inline constexpr int VK_OEM_PLUS = 0xBB;    // =+
inline constexpr int VK_OEM_COMMA = 0xBC;   // ,<
inline constexpr int VK_OEM_MINUS = 0xBD;   // -_
inline constexpr int VK_OEM_PERIOD = 0xBE;  // .>
inline constexpr int VK_OEM_2 = 0xBF;       // /?
inline constexpr int VK_OEM_3 = 0xC0;       // `~
inline constexpr int VK_OEM_4 = 0xDB;       // [{
inline constexpr int VK_OEM_5 = 0xDC;       // \|
inline constexpr int VK_OEM_6 = 0xDD;       // ]}
inline constexpr int VK_OEM_7 = 0xDE;       // '"
// NOLINTEND(readability-identifier-naming)

// The modifier keys of a shortcut or key event.
enum ShiftState : unsigned {
    kShiftNone = 0,
    kShiftShift = 1,
    kShiftAlt = 2,
    kShiftCtrl = 4,
};

// A shortcut: the virtual-key code plus these bits; 0 is no shortcut.
using ShortCutValue = std::uint16_t;
inline constexpr ShortCutValue kShortCutShift = 0x2000;
inline constexpr ShortCutValue kShortCutCtrl = 0x4000;
inline constexpr ShortCutValue kShortCutAlt = 0x8000;
inline constexpr ShortCutValue kShortCutKeyMask = 0x1FFF;

struct KeyAndShift {
    int key = 0;
    unsigned shift = kShiftNone;  // ShiftState bits
    bool operator==(const KeyAndShift&) const = default;
};

ShortCutValue ShortCut(int key, unsigned shift);
KeyAndShift ShortCutToKey(ShortCutValue shortCut);

// The name of a key as shortcut texts spell it ("F2", "Enter", "PgUp", "A"); empty when the
// key has no name.
std::string KeyName(int key);
// "Ctrl+Shift+F", "Alt+Enter", "F2"; empty for 0 or a key without a name.
std::string ShortCutToText(ShortCutValue shortCut);
// The reverse, modifiers in any order and case; 0 when the text names no shortcut.
ShortCutValue TextToShortCut(std::string_view text);

// The key that types a character on the framework's fixed keyboard, with the modifiers it
// needs ('a' -> A, 'A' -> Shift+A, '!' -> Shift+1); nothing for a character no key types.
std::optional<KeyAndShift> KeyOfCharacter(char c);

}  // namespace platform
