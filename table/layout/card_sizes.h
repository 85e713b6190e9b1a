#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace table {

// The three card sets by the letter of Card_Size (field 128/1).
inline constexpr char kBigCards = 'B';
inline constexpr char kMediumCards = 'M';
inline constexpr char kSmallCards = 'L';

struct CardDimensions {
    char size;
    int height;
    int width;
};

inline constexpr std::array<CardDimensions, 3> kCardDimensions = {{
    {kBigCards, 96, 71},
    {kMediumCards, 80, 59},
    {kSmallCards, 32, 25},
}};

constexpr std::optional<CardDimensions> CardDimensionsFor(char size) {
    for (const CardDimensions& entry : kCardDimensions) {
        if (entry.size == size) return entry;
    }
    return std::nullopt;
}

// The first character of a Card_Size text; '\0' for an empty text.
constexpr char CardSizeLetter(std::string_view cardSize) { return cardSize.empty() ? '\0' : cardSize.front(); }

// A pair of fan steps: after a face-up card and after a face-down one.
struct FanStepPair {
    int up;
    int down;
};

// The fan steps of each card size.
struct FanSteps {
    char size;
    FanStepPair vertical;    // fan modes 1 and 7
    FanStepPair horizontal;  // fan mode 2
    FanStepPair mode6;       // fan mode 6
};

inline constexpr std::array<FanSteps, 3> kFanSteps = {{
    {kBigCards, {18, 4}, {12, 4}, {7, 7}},
    {kMediumCards, {14, 4}, {10, 4}, {5, 5}},
    {kSmallCards, {3, 3}, {3, 3}, {3, 3}},
}};

constexpr std::optional<FanSteps> FanStepsFor(char size) {
    for (const FanSteps& entry : kFanSteps) {
        if (entry.size == size) return entry;
    }
    return std::nullopt;
}

// The steps every game starts from before its fan modes choose.
inline constexpr int kDefaultFanMode5Step = 3;
inline constexpr int kDefaultSideBySideGap = 6;

}  // namespace table
