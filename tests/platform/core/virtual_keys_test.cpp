#include "platform/core/virtual_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace platform;

struct ShortCutCase {
    int key;
    unsigned shift;
    ShortCutValue value;
    const char* text;
};

void PrintTo(const ShortCutCase& c, std::ostream* os) { *os << (*c.text ? c.text : "no text"); }

class ShortCutTextTest : public ::testing::TestWithParam<ShortCutCase> {};

TEST_P(ShortCutTextTest, ValueAndTextBothWays) {
    const ShortCutCase& c = GetParam();
    EXPECT_EQ(ShortCut(c.key, c.shift), c.value);
    EXPECT_EQ(ShortCutToKey(c.value), (KeyAndShift{c.key, c.shift}));
    EXPECT_EQ(ShortCutToText(c.value), c.text);
    EXPECT_EQ(TextToShortCut(c.text), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShortCutTextTest,
    ::testing::Values(ShortCutCase{VK_F2, kShiftNone, 0x71, "F2"},
                      ShortCutCase{VK_F12, kShiftCtrl, 0x4000 + 0x7B, "Ctrl+F12"},
                      ShortCutCase{'F', kShiftCtrl | kShiftShift, 0x6000 + 'F', "Ctrl+Shift+F"},
                      ShortCutCase{VK_RETURN, kShiftAlt, 0x8000 + VK_RETURN, "Alt+Enter"},
                      ShortCutCase{VK_DELETE, kShiftShift | kShiftAlt, 0xA000 + VK_DELETE, "Shift+Alt+Del"},
                      ShortCutCase{'Z', kShiftCtrl | kShiftShift | kShiftAlt, 0xE000 + 'Z', "Ctrl+Shift+Alt+Z"},
                      ShortCutCase{'7', kShiftNone, '7', "7"}, ShortCutCase{VK_PRIOR, kShiftNone, VK_PRIOR, "PgUp"},
                      ShortCutCase{VK_OEM_COMMA, kShiftCtrl, 0x4000 + VK_OEM_COMMA, "Ctrl+,"}),
    [](const auto& info) {
        std::string name = info.param.text;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(ShortCutText, UnknownTextsAndKeysGiveNothing) {
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(ShortCut(0xE8, kShiftCtrl)), "");  // a code without a name
    EXPECT_EQ(TextToShortCut(""), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
    EXPECT_EQ(TextToShortCut("Hyper+F2"), 0);
    EXPECT_EQ(TextToShortCut("ctrl+shift+f"), 0x6000 + 'F');  // modifiers and names in any case
    EXPECT_EQ(TextToShortCut("Shift+Ctrl+F"), 0x6000 + 'F');
    EXPECT_EQ(ShortCut(0, kShiftCtrl), 0);
}

TEST(KeyOfCharacter, FixedKeyboard) {
    EXPECT_EQ(KeyOfCharacter('a'), (KeyAndShift{'A', kShiftNone}));
    EXPECT_EQ(KeyOfCharacter('A'), (KeyAndShift{'A', kShiftShift}));
    EXPECT_EQ(KeyOfCharacter('5'), (KeyAndShift{'5', kShiftNone}));
    EXPECT_EQ(KeyOfCharacter('!'), (KeyAndShift{'1', kShiftShift}));
    EXPECT_EQ(KeyOfCharacter(')'), (KeyAndShift{'0', kShiftShift}));
    EXPECT_EQ(KeyOfCharacter(' '), (KeyAndShift{VK_SPACE, kShiftNone}));
    EXPECT_EQ(KeyOfCharacter('?'), (KeyAndShift{VK_OEM_2, kShiftShift}));
    EXPECT_EQ(KeyOfCharacter('\''), (KeyAndShift{VK_OEM_7, kShiftNone}));
    EXPECT_EQ(KeyOfCharacter('\x01'), std::nullopt);
    EXPECT_EQ(KeyOfCharacter('\xE9'), std::nullopt);
}

}  // namespace
