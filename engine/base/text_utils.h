#pragma once

#include <string>
#include <string_view>
#include <vector>

// Fixed-width text and number helpers. The settings block, pile strings and move logs
// are fixed-width text addressed by character position counted from 1.
namespace engine {

// The line break inside message and advice texts.
inline constexpr std::string_view kLineBreak = "\n";

// The characters before position, then newText, then the characters from
// position + length on. Positions count from 1; out-of-range spans are clipped.
std::string ReplaceSpan(std::string_view text, int position, int length, std::string_view newText);

// The last n characters; the whole text when n is at least its length.
std::string StrRight(std::string_view text, int n);
std::string StrOfChar(char c, int n);
std::string Spaces(int n);
// Exactly n characters: blank-padded on the right or cut to the first n.
std::string PadRight(std::string_view text, int n);
// Every occurrence of the character becomes the replacement text.
std::string ReplaceChar(char c, std::string_view replacement, std::string_view text);
std::string TrimRightSpaces(std::string_view text);
std::string TrimLeftSpaces(std::string_view text);

// The value in fixed notation with the given decimals, zero-padded on the left to the
// width, a minus sign moved to the front; width "*"s when it does not fit.
std::string FormatFixed(int width, int decimals, double value);
// FormatFixed with no decimals: 5 in width 3 is "005", -1 in width 4 is "-001".
std::string IntToZeroPad(long long value, int width);

// Repeated multiplication with 32-bit wrap-around; 1 for an exponent below 1.
int PowerInt(int base, int exponent);
int MaxOf(int a, int b);

// The character shift that protects GAMES.DAT; applying it twice restores the text.
std::string ScrambleChars(std::string_view text);

// Replaces destination by the lines below every line that starts with header, up to
// the next line starting with "[". Sections of the same name are all copied in order.
void CopyIniSection(std::vector<std::string>& destination, const std::vector<std::string>& source,
                    std::string_view header);

inline constexpr std::string_view kProductName = "Corvanet Solitaire";
inline constexpr std::string_view kGameCountText = "8";

// Replaces the first "[Program]" and the first "[GameNum_fw]" of a caption.
std::string ExpandMacros(std::string_view text);

}  // namespace engine
