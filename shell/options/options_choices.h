#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "engine/model/preference_fields.h"
#include "platform/core/canvas.h"

// What the options dialog offers and how a choice becomes settings fields.
namespace shell {

// A node of the dialog's trees: its text, its value and whether it opens a new folder
// (folders carry 0 and hold the nodes up to the next folder of their level or above).
struct OptionNode {
    int level;  // 0 top, 1 below a top folder, 2 below that
    std::string_view text;
    int value;
};

// Backs by their back number.
std::span<const OptionNode> CardBackNodes();
// Backgrounds: 0 or less the default, 1 the player's own colour, 2-1000 a numbered
// picture, above 1000 a fixed colour (0x00BBGGRR).
std::span<const OptionNode> BackgroundNodes();

namespace background_value {
inline constexpr int kOwnColour = 1;
inline constexpr int kLastPicture = 1000;
inline constexpr int kFirstWholePicture = 500;
}  // namespace background_value

bool IsColourBackground(int value);

// The four background fields: Background_bmp (text), Background_Col, Background_Fixed_Col
// and Background_Def.
struct BackgroundFields {
    std::string bitmap;
    platform::Colour colour = 0;
    platform::Colour fixedColour = 0;
    std::string isDefault;
};

// The fields OK stores for a background value: the chosen colour always goes with them.
BackgroundFields StoredBackground(int value, platform::Colour chosenColour);
// The fields the table is drawn with: the chosen colour only for the player's colour.
BackgroundFields AppliedBackground(int value, platform::Colour chosenColour);

// A colour as the settings and the preference file keep it: a signed decimal number, so
// the system colours (high bit set) read negative.
int ColourNumber(platform::Colour colour);
std::string ColourText(platform::Colour colour);

// The settings the dialog copies when it opens and puts back when it is cancelled.
inline constexpr std::array<engine::fields::Field, 9> kCopiedFields{
    engine::fields::kCardSize,     engine::fields::kCardSet,        engine::fields::kFadeBackground,
    engine::fields::kBackCard,     engine::fields::kBackgroundBmp,  engine::fields::kBackgroundCol,
    engine::fields::kBackgroundFixedCol, engine::fields::kBackgroundDef, engine::fields::kPilesTT};

}  // namespace shell
