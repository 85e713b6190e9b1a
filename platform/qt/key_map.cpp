#include "platform/qt/key_map.h"

#include "platform/core/virtual_keys.h"

#include <QKeyEvent>

#include <array>

namespace platform {

namespace {

struct QtKey {
    int qt;
    int vk;
};

constexpr std::array<QtKey, 51> kQtKeys{{
    {Qt::Key_Backspace, VK_BACK},     {Qt::Key_Tab, VK_TAB},          {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Clear, VK_CLEAR},        {Qt::Key_Return, VK_RETURN},    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},        {Qt::Key_Control, VK_CONTROL},  {Qt::Key_Alt, VK_MENU},
    {Qt::Key_AltGr, VK_MENU},         {Qt::Key_Pause, VK_PAUSE},      {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_Escape, VK_ESCAPE},      {Qt::Key_Space, VK_SPACE},      {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},      {Qt::Key_End, VK_END},          {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},          {Qt::Key_Up, VK_UP},            {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},          {Qt::Key_Select, VK_SELECT},    {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Execute, VK_EXECUTE},    {Qt::Key_Insert, VK_INSERT},    {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Help, VK_HELP},          {Qt::Key_Meta, VK_LWIN},        {Qt::Key_Super_L, VK_LWIN},
    {Qt::Key_Super_R, VK_RWIN},       {Qt::Key_Menu, VK_APPS},        {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},  {Qt::Key_Semicolon, VK_OEM_1},  {Qt::Key_Colon, VK_OEM_1},
    {Qt::Key_Equal, VK_OEM_PLUS},     {Qt::Key_Plus, VK_OEM_PLUS},    {Qt::Key_Comma, VK_OEM_COMMA},
    {Qt::Key_Less, VK_OEM_COMMA},     {Qt::Key_Minus, VK_OEM_MINUS},  {Qt::Key_Underscore, VK_OEM_MINUS},
    {Qt::Key_Period, VK_OEM_PERIOD},  {Qt::Key_Greater, VK_OEM_PERIOD}, {Qt::Key_Slash, VK_OEM_2},
    {Qt::Key_Question, VK_OEM_2},     {Qt::Key_QuoteLeft, VK_OEM_3},  {Qt::Key_BracketLeft, VK_OEM_4},
    {Qt::Key_Backslash, VK_OEM_5},    {Qt::Key_BracketRight, VK_OEM_6}, {Qt::Key_Apostrophe, VK_OEM_7},
}};

// Keypad keys that keep their own codes (digits are handled by range).
constexpr std::array<QtKey, 5> kKeypadKeys{{
    {Qt::Key_Asterisk, VK_MULTIPLY},
    {Qt::Key_Plus, VK_ADD},
    {Qt::Key_Minus, VK_SUBTRACT},
    {Qt::Key_Period, VK_DECIMAL},
    {Qt::Key_Slash, VK_DIVIDE},
}};

// Shifted digits as Qt reports them on the fixed keyboard: the key is the digit's.
constexpr std::array<int, 10> kShiftedDigitKeys{
    Qt::Key_ParenRight, Qt::Key_Exclam,      Qt::Key_At,        Qt::Key_NumberSign, Qt::Key_Dollar,
    Qt::Key_Percent,    Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk,   Qt::Key_ParenLeft,
};

}  // namespace

int VirtualKeyOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return VK_NUMPAD0 + (qtKey - Qt::Key_0);
        for (const QtKey& key : kKeypadKeys)
            if (key.qt == qtKey) return key.vk;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return VK_A + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return VK_0 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return VK_F1 + (qtKey - Qt::Key_F1);
    for (std::size_t digit = 0; digit < kShiftedDigitKeys.size(); ++digit)
        if (kShiftedDigitKeys[digit] == qtKey) return VK_0 + static_cast<int>(digit);
    for (const QtKey& key : kQtKeys)
        if (key.qt == qtKey) return key.vk;
    // Latin letters with accents and the like arrive as their character.
    if (qtKey >= 'a' && qtKey <= 'z') return VK_A + (qtKey - 'a');
    return 0;
}

unsigned ShiftStateOf(Qt::KeyboardModifiers modifiers) {
    unsigned shift = kShiftNone;
    if (modifiers & Qt::ShiftModifier) shift |= kShiftShift;
    if (modifiers & Qt::ControlModifier) shift |= kShiftCtrl;
    if (modifiers & Qt::AltModifier) shift |= kShiftAlt;
    return shift;
}

std::optional<KeyHookMessage> KeyMessageOf(const QKeyEvent& event) {
    const bool up = event.type() == QEvent::KeyRelease;
    if (!up && event.type() != QEvent::KeyPress) return std::nullopt;
    const int key = VirtualKeyOfQtKey(event.key(), event.modifiers());
    if (key == 0) return std::nullopt;
    KeyHookMessage message;
    message.key = key;
    message.keyData = 1;
    if (up) message.keyData |= kKeyDataUp;
    // Alt makes every key a system key, and so is Alt itself.
    const bool alt = (event.modifiers() & Qt::AltModifier) != 0 || key == VK_MENU;
    if (alt) message.keyData |= kKeyDataAlt;
    if (alt)
        message.message = up ? WM_SYSKEYUP : WM_SYSKEYDOWN;
    else
        message.message = up ? WM_KEYUP : WM_KEYDOWN;
    return message;
}

}  // namespace platform
