#pragma once

#include "platform/core/canvas.h"

#include <optional>
#include <string>
#include <string_view>

namespace bars {

enum TcbBarSpinEditValueType { svtInteger, svtFloat };
enum TcbBarSpinEditPrefixPlace { ppStart, ppEnd };

// The number rules of the spin edit, without any window.
struct SpinNumberFormat {
    TcbBarSpinEditValueType valueType = svtInteger;
    std::string prefix;
    TcbBarSpinEditPrefixPlace prefixPlace = ppEnd;
    // The locale's: floating-point numbers are shown, typed and read with it alone.
    char decimalSeparator = '.';
};

// Integers are truncated toward zero and kept within the 32-bit range that their texts are
// read in.
double MakeWhole(double value, TcbBarSpinEditValueType type);
// Limits of 0 and 0 mean none.
double ClampToLimits(double value, double minValue, double maxValue);
std::string SpinDisplayText(double value, const SpinNumberFormat& format);
// The text without the first occurrence of the prefix.
std::string WithoutPrefix(std::string_view text, std::string_view prefix);
// The number a text reads as: a 32-bit integer for svtInteger, floating point for svtFloat;
// none when it is not one.
std::optional<double> ReadSpinNumber(std::string_view text, const SpinNumberFormat& format);
// Any finite number at all, with the given decimal separator (the text setter takes floats
// also for integer fields).
std::optional<double> ReadAnyNumber(std::string_view text, char decimalSeparator = '.');
// The value of a text: unconvertible text counts as the lower limit.
double SpinValueOfText(std::string_view text, const SpinNumberFormat& format, double minValue);

// The up and down buttons cut off the right end of a field rectangle.
struct SpinButtonsLayout {
    bool shown = false;
    platform::Rect strip;    // the whole strip, its outer columns in the bar's background
    platform::Rect buttons;  // the strip less those columns
    platform::Rect up;
    platform::Rect down;
    platform::Rect field;    // what is left for the field
    int a = 0;               // rows of an arrow
    int arrowWidth = 0;      // 2a - 1
};
SpinButtonsLayout LayoutSpinButtons(const platform::Rect& rect);

// The arrow's horizontal side starts at (x, y) inside a button's filled area.
platform::Point SpinArrowOrigin(const platform::Rect& filled, int a, bool up);

}  // namespace bars
