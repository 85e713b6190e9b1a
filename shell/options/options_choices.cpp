#include "shell/options/options_choices.h"

#include <cstdint>

namespace shell {

namespace {

constexpr std::array kCardBackNodes{
    OptionNode{0, "Animals", 0},   OptionNode{1, "Tropical fish", 19}, OptionNode{0, "Children", 0},
    OptionNode{1, "Snowman", 3},   OptionNode{0, "Flowers", 0},        OptionNode{1, "Roses", 14},
    OptionNode{0, "Geometric", 0}, OptionNode{1, "Plaiting 1", 11},    OptionNode{0, "Paintings", 0},
    OptionNode{1, "Boat", 1},
};

constexpr std::array kBackgroundNodes{
    OptionNode{0, "Colors", 0},
    OptionNode{1, "Blue", 16711680},
    OptionNode{1, "Green", 32768},
    OptionNode{1, "Navy", 8388608},
    OptionNode{1, "Olive", 32896},
    OptionNode{1, "Teal", 8421376},
    OptionNode{1, "White", 16777215},
    OptionNode{0, "Over 256 colors", 0},
    OptionNode{1, "Metal", 0},
    OptionNode{2, "Metal gold", 287},
    OptionNode{1, "Nature", 0},
    OptionNode{2, "Meadow", 324},
    OptionNode{1, "Tissue", 0},
    OptionNode{2, "Moquette 1", 296},
    OptionNode{1, "Walls", 0},
    OptionNode{2, "Brick wall 1", 304},
    OptionNode{1, "Wood", 0},
    OptionNode{2, "Parquet", 311},
    OptionNode{0, "Under 256 colors", 0},
    OptionNode{1, "Geometricals", 0},
    OptionNode{2, "Moquette", 102},
};

constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";

}  // namespace

std::span<const OptionNode> CardBackNodes() { return kCardBackNodes; }
std::span<const OptionNode> BackgroundNodes() { return kBackgroundNodes; }

bool IsColourBackground(int value) {
    return value == background_value::kOwnColour || value > background_value::kLastPicture;
}

BackgroundFields StoredBackground(int value, platform::Colour chosenColour) {
    BackgroundFields fields{"0", chosenColour, 0, std::string(kNo)};
    if (value <= 0)
        fields.isDefault = kYes;
    else if (value > background_value::kLastPicture)
        fields.fixedColour = static_cast<platform::Colour>(value);
    else if (value != background_value::kOwnColour)
        fields.bitmap = std::to_string(value);
    return fields;
}

BackgroundFields AppliedBackground(int value, platform::Colour chosenColour) {
    BackgroundFields fields = StoredBackground(value, chosenColour);
    if (value != background_value::kOwnColour) fields.colour = 0;
    return fields;
}

int ColourNumber(platform::Colour colour) { return static_cast<std::int32_t>(colour); }

std::string ColourText(platform::Colour colour) { return std::to_string(ColourNumber(colour)); }

}  // namespace shell
