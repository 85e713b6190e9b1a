#include "engine/base/text_utils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace engine;

TEST(TextUtilsTest, ReplaceSpanCountsFromOne) {
    EXPECT_EQ(ReplaceSpan("abcdef", 2, 3, "XY"), "aXYef");
    EXPECT_EQ(ReplaceSpan("abcdef", 1, 2, ""), "cdef");
    EXPECT_EQ(ReplaceSpan("abcdef", 6, 4, "XYZ"), "abcdeXYZ");
    EXPECT_EQ(ReplaceSpan("abc", 5, 1, "X"), "abcX");
    EXPECT_EQ(ReplaceSpan("abc", 2, 0, "X"), "aXbc");
    // Spans before the text or with a negative length never duplicate characters.
    EXPECT_EQ(ReplaceSpan("abc", 0, 1, "X"), "Xbc");
    EXPECT_EQ(ReplaceSpan("abc", 2, -5, "X"), "aXbc");
}

TEST(TextUtilsTest, StrRightAndRepeats) {
    EXPECT_EQ(StrRight("Mazzo", 3), "zzo");
    EXPECT_EQ(StrRight("Mazzo", 9), "Mazzo");
    EXPECT_EQ(StrRight("Mazzo", 0), "");
    EXPECT_EQ(StrRight("Mazzo", -1), "");
    EXPECT_EQ(StrOfChar('*', 3), "***");
    EXPECT_EQ(StrOfChar('*', 0), "");
    EXPECT_EQ(StrOfChar('*', -2), "");
    EXPECT_EQ(Spaces(2), "  ");
}

TEST(TextUtilsTest, PaddingAndTrimming) {
    EXPECT_EQ(PadRight("ab", 4), "ab  ");
    EXPECT_EQ(PadRight("abcdef", 4), "abcd");
    EXPECT_EQ(PadRight("ab", 0), "");
    EXPECT_EQ(TrimRightSpaces("  ab  "), "  ab");
    EXPECT_EQ(TrimLeftSpaces("  ab  "), "ab  ");
    EXPECT_EQ(TrimLeftSpaces("    "), "");
    EXPECT_EQ(TrimRightSpaces("    "), "");
    EXPECT_EQ(TrimLeftSpaces(""), "");
    // Only blanks are trimmed.
    EXPECT_EQ(TrimRightSpaces("ab\t"), "ab\t");
    // No 255-character limit.
    const std::string longText = std::string(300, 'x') + "  ";
    EXPECT_EQ(TrimRightSpaces(longText).size(), 300u);
}

TEST(TextUtilsTest, ReplaceCharTakesAnyReplacement) {
    EXPECT_EQ(ReplaceChar('\\', "/", "DATA\\CFG.DAT"), "DATA/CFG.DAT");
    EXPECT_EQ(ReplaceChar('a', "", "banana"), "bnn");
    EXPECT_EQ(ReplaceChar('a', "<>", "ab"), "<>b");
}

TEST(TextUtilsTest, ZeroPaddedNumbers) {
    EXPECT_EQ(IntToZeroPad(5, 3), "005");
    EXPECT_EQ(IntToZeroPad(0, 4), "0000");
    EXPECT_EQ(IntToZeroPad(42, 2), "42");
    EXPECT_EQ(IntToZeroPad(-1, 4), "-001");
    EXPECT_EQ(IntToZeroPad(-12, 2), "**");
    EXPECT_EQ(IntToZeroPad(1234, 3), "***");
    EXPECT_EQ(IntToZeroPad(1234567890123LL, 13), "1234567890123");
    EXPECT_EQ(IntToZeroPad(1234567890123LL, 15), "001234567890123");
}

TEST(TextUtilsTest, FormatFixedUsesPointAndStars) {
    EXPECT_EQ(FormatFixed(3, 0, 12345), "***");
    EXPECT_EQ(FormatFixed(6, 2, 3.14159), "003.14");
    EXPECT_EQ(FormatFixed(6, 2, -3.14159), "-03.14");
    EXPECT_EQ(FormatFixed(3, 2, 9.999), "***");
    EXPECT_EQ(FormatFixed(5, 0, 7.0), "00007");
}

TEST(TextUtilsTest, PowerAndMax) {
    EXPECT_EQ(PowerInt(2, 10), 1024);
    EXPECT_EQ(PowerInt(7, 0), 1);
    EXPECT_EQ(PowerInt(7, -3), 1);
    EXPECT_EQ(PowerInt(-3, 3), -27);
    EXPECT_EQ(PowerInt(2, 32), 0);  // wraps like a 32-bit integer
    EXPECT_EQ(MaxOf(3, -4), 3);
    EXPECT_EQ(MaxOf(-3, -2), -2);
}

TEST(TextUtilsTest, ScrambleCharsIsItsOwnInverse) {
    EXPECT_EQ(ScrambleChars(" "), "P");
    EXPECT_EQ(ScrambleChars("P"), " ");
    EXPECT_EQ(ScrambleChars("0"), "`");
    std::string printable;
    for (int c = 32; c < 128; ++c) printable += static_cast<char>(c);
    EXPECT_NE(ScrambleChars(printable), printable);
    EXPECT_EQ(ScrambleChars(ScrambleChars(printable)), printable);
    EXPECT_EQ(ScrambleChars(""), "");
}

TEST(TextUtilsTest, CopyIniSectionCollectsEverySectionOfTheName) {
    const std::vector<std::string> source = {
        "[Sect1]", "a=1", "b=2", "[Sect2]", "x", "[Sect1]", "c=3", "", "[Sect10]", "d=4",
    };
    std::vector<std::string> lines = {"stale"};
    CopyIniSection(lines, source, "[Sect2]");
    EXPECT_EQ(lines, (std::vector<std::string>{"x"}));

    // "[Sect10]" begins with "[Sect1" but not with "[Sect1]".
    CopyIniSection(lines, source, "[Sect1]");
    EXPECT_EQ(lines, (std::vector<std::string>{"a=1", "b=2", "c=3", ""}));
}

TEST(TextUtilsTest, CopyIniSectionEdgeCases) {
    std::vector<std::string> lines = {"stale"};
    CopyIniSection(lines, {"[Other]", "a=1"}, "[Sect1]");
    EXPECT_TRUE(lines.empty());

    // Two headers in a row and a header on the last line.
    CopyIniSection(lines, {"[Sect1]", "[Sect1]", "a=1", "[Sect1]"}, "[Sect1]");
    EXPECT_EQ(lines, (std::vector<std::string>{"a=1"}));

    // The header is compared exactly, not case-insensitively, and must begin the line.
    CopyIniSection(lines, {"[sect1]", "a=1", " [Sect1]", "b=2"}, "[Sect1]");
    EXPECT_TRUE(lines.empty());
}

TEST(TextUtilsTest, ExpandMacrosReplacesOnlyTheFirst) {
    EXPECT_EQ(ExpandMacros("About [Program]"), "About Corvanet Solitaire");
    EXPECT_EQ(ExpandMacros("[Program] [Program]"), "Corvanet Solitaire [Program]");
    EXPECT_EQ(ExpandMacros("[GameNum_fw] games of [Program], [GameNum_fw]"),
              "8 games of Corvanet Solitaire, [GameNum_fw]");
    EXPECT_EQ(ExpandMacros("no macro"), "no macro");
}

}  // namespace
