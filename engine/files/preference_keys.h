#pragma once

#include <span>
#include <string_view>

#include "engine/model/preference_fields.h"

namespace engine {

// Sections of the preference file.
inline constexpr std::string_view kSectionPreference = "Preference";
inline constexpr std::string_view kSectionSettings = "Settings";
inline constexpr std::string_view kSectionUsers = "Users";
inline constexpr std::string_view kSectionFavouriteGames = "Favourite Games";
inline constexpr std::string_view kSectionParameters = "Parameters";
inline constexpr std::string_view kSectionAutoplay = "Autoplay";

// The winning-animation switch of the options dialog; read when a game is won.
inline constexpr std::string_view kWinningAnimationKey = "Winning_Animation";

// The system button-face colour (hexadecimal 8000000F) as the file stores it.
inline constexpr int kButtonFaceColour = -2147483633;

// How a key's text becomes the value kept.
enum class ReadAs {
    Text,          // the text as it stands
    Number,        // an integer, kept as its decimal text
    Digits,        // an integer, kept zero-padded to the field's width ("011")
    AnyTextIsYes,  // "Y" when the key holds any text, else "N"
};

// Where a default comes from when the key is absent.
enum class DefaultRule {
    Fixed,               // the row's default
    CardSetForScreen,    // 3 on screens of 256 colours or fewer, else 1
    SameAsCardsAnimate,  // the value just read for Cards_Animate
};

// What a value read from the file is put right to.
enum class Repair {
    None,
    ZeroBackToFirst,         // back 0 ("000") becomes "001"
    ZeroColourToButtonFace,  // colour 0 becomes the button-face colour
    EmptyToZero,             // an empty text becomes "0"
    UnknownCardSize,         // a size other than "B", "M" or "L" becomes the default
};

// Where the value goes: a settings field, or a start-up value outside the block.
enum class Target {
    Field,
    ToolbarLarge,
    ToolbarFlat,
    FastSearchType,
    FoundationMarkStyle,
    RandomGameType,
    AutoplaySaveMode,
    AutoPlay,
};

struct PreferenceKey {
    std::string_view section;
    std::string_view key;
    fields::Field field;
    ReadAs readAs;
    std::string_view defaultValue;  // text, or the decimal text of a number
    DefaultRule defaultRule;
    Repair repair;
    Target target;
};

// Every key read at start-up, in reading order.
std::span<const PreferenceKey> PreferenceKeys();

// Case-insensitive lookups; nullptr when the key is not read at start-up.
const PreferenceKey* FindPreferenceKey(std::string_view section, std::string_view key);
const PreferenceKey* FindPreferenceKeyOfField(fields::Field field);

}  // namespace engine
