#include "platform/core/virtual_keys.h"

#include "platform/core/ascii_case.h"

#include <array>
#include <string_view>

namespace platform {

namespace {

struct NamedKey {
    int key;
    std::string_view name;
};

// Keys whose names are not their character. Letters, digits and F-keys are built.
constexpr std::array<NamedKey, 19> kKeyNames{{
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},     {VK_ESCAPE, "Esc"},   {VK_RETURN, "Enter"}, {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},  {VK_NEXT, "PgDn"},   {VK_END, "End"},      {VK_HOME, "Home"},    {VK_LEFT, "Left"},
    {VK_UP, "Up"},       {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},    {VK_INSERT, "Ins"},   {VK_DELETE, "Del"},
    {VK_APPS, "Apps"},   {VK_PAUSE, "Pause"}, {VK_ADD, "Num +"},    {VK_SUBTRACT, "Num -"},
}};

struct Modifier {
    ShortCutValue bit;
    std::string_view name;
};

// In the order texts are written.
constexpr std::array<Modifier, 3> kModifiers{{
    {kShortCutCtrl, "Ctrl+"},
    {kShortCutShift, "Shift+"},
    {kShortCutAlt, "Alt+"},
}};

// The fixed keyboard: the character each key types unshifted and shifted.
struct CharacterKey {
    int key;
    char plain;
    char shifted;
};

constexpr std::array<CharacterKey, 11> kPunctuationKeys{{
    {VK_OEM_1, ';', ':'},
    {VK_OEM_PLUS, '=', '+'},
    {VK_OEM_COMMA, ',', '<'},
    {VK_OEM_MINUS, '-', '_'},
    {VK_OEM_PERIOD, '.', '>'},
    {VK_OEM_2, '/', '?'},
    {VK_OEM_3, '`', '~'},
    {VK_OEM_4, '[', '{'},
    {VK_OEM_5, '\\', '|'},
    {VK_OEM_6, ']', '}'},
    {VK_OEM_7, '\'', '"'},
}};

// Shifted digits 0-9.
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

bool IsLetterKey(int key) { return key >= VK_A && key <= VK_Z; }
bool IsDigitKey(int key) { return key >= VK_0 && key <= VK_9; }
bool IsFunctionKey(int key) { return key >= VK_F1 && key <= VK_F24; }

}  // namespace

ShortCutValue ShortCut(int key, unsigned shift) {
    if (key <= 0 || key > 0xFF) return 0;
    ShortCutValue value = static_cast<ShortCutValue>(key);
    if (shift & kShiftShift) value |= kShortCutShift;
    if (shift & kShiftCtrl) value |= kShortCutCtrl;
    if (shift & kShiftAlt) value |= kShortCutAlt;
    return value;
}

KeyAndShift ShortCutToKey(ShortCutValue shortCut) {
    KeyAndShift result{shortCut & 0xFF, kShiftNone};
    if (shortCut & kShortCutShift) result.shift |= kShiftShift;
    if (shortCut & kShortCutCtrl) result.shift |= kShiftCtrl;
    if (shortCut & kShortCutAlt) result.shift |= kShiftAlt;
    return result;
}

std::string KeyName(int key) {
    if (IsLetterKey(key) || IsDigitKey(key)) return std::string(1, static_cast<char>(key));
    if (IsFunctionKey(key)) return "F" + std::to_string(key - VK_F1 + 1);
    for (const NamedKey& named : kKeyNames)
        if (named.key == key) return std::string(named.name);
    for (const CharacterKey& punctuation : kPunctuationKeys)
        if (punctuation.key == key) return std::string(1, punctuation.plain);
    return {};
}

std::string ShortCutToText(ShortCutValue shortCut) {
    const std::string name = KeyName(shortCut & 0xFF);
    if (name.empty()) return {};
    std::string text;
    for (const Modifier& modifier : kModifiers)
        if (shortCut & modifier.bit) text += modifier.name;
    return text + name;
}

ShortCutValue TextToShortCut(std::string_view text) {
    ShortCutValue modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const Modifier& modifier : kModifiers) {
            if (text.size() > modifier.name.size() && EqualsIgnoreCase(text.substr(0, modifier.name.size()), modifier.name)) {
                modifiers |= modifier.bit;
                text.remove_prefix(modifier.name.size());
                found = true;
            }
        }
    }
    for (int key = 1; key <= 0xFF; ++key) {
        const std::string name = KeyName(key);
        if (!name.empty() && EqualsIgnoreCase(name, text)) return static_cast<ShortCutValue>(key | modifiers);
    }
    return 0;
}

std::optional<KeyAndShift> KeyOfCharacter(char c) {
    if (c >= 'a' && c <= 'z') return KeyAndShift{c - 'a' + VK_A, kShiftNone};
    if (c >= 'A' && c <= 'Z') return KeyAndShift{c, kShiftShift};
    if (c >= '0' && c <= '9') return KeyAndShift{c, kShiftNone};
    if (const auto digit = kShiftedDigits.find(c); digit != std::string_view::npos)
        return KeyAndShift{VK_0 + static_cast<int>(digit), kShiftShift};
    switch (c) {
        case ' ': return KeyAndShift{VK_SPACE, kShiftNone};
        case '\t': return KeyAndShift{VK_TAB, kShiftNone};
        case '\r': return KeyAndShift{VK_RETURN, kShiftNone};
        case '\b': return KeyAndShift{VK_BACK, kShiftNone};
        case '\x1b': return KeyAndShift{VK_ESCAPE, kShiftNone};
        default: break;
    }
    for (const CharacterKey& punctuation : kPunctuationKeys) {
        if (punctuation.plain == c) return KeyAndShift{punctuation.key, kShiftNone};
        if (punctuation.shifted == c) return KeyAndShift{punctuation.key, kShiftShift};
    }
    return std::nullopt;
}

}  // namespace platform
