#include "engine/files/preference_keys.h"

#include <algorithm>
#include <array>

#include "platform/core/ascii_case.h"

namespace engine {

namespace {

using namespace fields;

constexpr PreferenceKey Text(std::string_view key, Field field, std::string_view defaultValue,
                             Repair repair = Repair::None) {
    return {kSectionPreference, key, field, ReadAs::Text, defaultValue, DefaultRule::Fixed, repair, Target::Field};
}

constexpr PreferenceKey Number(std::string_view key, Field field, std::string_view defaultValue,
                               Repair repair = Repair::None) {
    return {kSectionPreference, key, field, ReadAs::Number, defaultValue, DefaultRule::Fixed, repair, Target::Field};
}

constexpr PreferenceKey Digits(std::string_view key, Field field, std::string_view defaultValue,
                               Repair repair = Repair::None) {
    return {kSectionPreference, key, field, ReadAs::Digits, defaultValue, DefaultRule::Fixed, repair, Target::Field};
}

constexpr PreferenceKey Outside(std::string_view section, std::string_view key, ReadAs readAs,
                                std::string_view defaultValue, Target target) {
    return {section, key, kNoField, readAs, defaultValue, DefaultRule::Fixed, Repair::None, target};
}

constexpr auto kKeys = std::to_array<PreferenceKey>({
    Text("Show_ToolTips", kShowToolTips, "Y"),
    Outside(kSectionPreference, "ToolBar_Large", ReadAs::Text, "N", Target::ToolbarLarge),
    Outside(kSectionPreference, "ToolBar_Flat", ReadAs::Text, "Y", Target::ToolbarFlat),
    Digits("Back_Card", kBackCard, "11", Repair::ZeroBackToFirst),
    {kSectionPreference, "Card", kCardSet, ReadAs::Digits, "1", DefaultRule::CardSetForScreen, Repair::None,
     Target::Field},
    Text("Card_Size", kCardSize, "B", Repair::UnknownCardSize),
    Text("Background_bmp", kBackgroundBmp, "", Repair::EmptyToZero),
    Number("Background_Fixed_Col", kBackgroundFixedCol, "32768"),
    Number("Background_Col", kBackgroundCol, "-2147483633", Repair::ZeroColourToButtonFace),
    Text("Background_def", kBackgroundDef, "N"),
    Text("Fade_Background", kFadeBackground, "Y"),
    {kSectionPreference, "Customized_Background", kCustomizedBackground, ReadAs::AnyTextIsYes, "",
     DefaultRule::Fixed, Repair::None, Target::Field},
    Digits("Game", kGame, "1"),
    Text("Game_name", kGameName, "Freecell"),
    Text("Show_Time", kShowTime, "Y"),
    Text("Show_Score", kShowScore, "Y"),
    Text("Cards_Animate", kCardsAnimate, "Y"),
    {kSectionPreference, "Cards_Shadowed", kCardsShadowed, ReadAs::Text, "", DefaultRule::SameAsCardsAnimate,
     Repair::None, Target::Field},
    Text("Piles_TT", kPilesTT, "N"),
    Text("Automatic_FaceUp", kAutomaticFaceUp, "Y"),
    Text("Deal_Animation", kDealAnimation, "Y"),
    Text("Redeal_Animation", kRedealAnimation, "Y"),
    Number("Language", kLanguage, "20000"),
    Number("Speed_Move_Card", kSpeedMoveCard, "10"),
    Text("StatusBar", kStatusBar, "N"),
    Text("UserDefault", kUserDefault, ""),
    Text("Undo_Enabled", kUndoEnabled, "0"),
    Text("ConfirmQuitGame", kConfirmQuitGame, "N"),
    Text("ConfirmEnterHiScores", kConfirmEnterHiScores, "Y"),
    Text("Sounds_Enabled", kSoundsEnabled, "Y"),
    Text("Sounds_About", kSoundsAbout, "Y"),
    Text("Sounds_Autoplay", kSoundsAutoplay, "Y"),
    Text("Sounds_CardDown", kSoundsCardDown, "Y"),
    Text("Sounds_CardUp", kSoundsCardUp, "Y"),
    Text("Sounds_NewHiScores", kSoundsNewHiScores, "Y"),
    Text("Sounds_FaceUp", kSoundsFaceUp, "Y"),
    Text("Sounds_GameWon", kSoundsGameWon, "Y"),
    Text("Sounds_HiScores", kSoundsHiScores, "Y"),
    Text("Sounds_NewGame", kSoundsNewGame, "Y"),
    Text("Sounds_Pairing", kSoundsPairing, "Y"),
    Text("Sounds_Redeal", kSoundsRedeal, "Y"),
    Text("Sounds_Redeal_Without_Animation", kSoundsRedealWithoutAnimation, "Y"),
    Text("Sounds_Redo", kSoundsRedo, "Y"),
    Text("Sounds_Restart", kSoundsRestart, "Y"),
    Text("Sounds_Shuffle", kSoundsShuffle, "Y"),
    Text("Sounds_Splash", kSoundsSplash, "Y"),
    Text("Sounds_Stock", kSoundsStock, "Y"),
    Text("Sounds_Foundation", kSoundsFoundation, "Y"),
    Text("Sounds_Tableau", kSoundsTableau, "Y"),
    Text("Sounds_Undo", kSoundsUndo, "Y"),
    Text("Random_Background", kRandomBackground, "N"),
    Text("Random_Card", kRandomCard, "N"),
    Text("Random_Deck", kRandomDeck, "N"),
    Text("VertScrollBar", kVertScrollBar, "Y"),
    Text("ShowPilesSize", kShowPilesSize, "N"),
    Text("Show_Main_Popup_Menu", kShowMainPopupMenu, "Y"),
    Text("Show_Partial_Hidden_Card", kShowPartialHiddenCard, "Y"),
    Text("RightClick_To_Foundations", kRightClickToFoundations, "Y"),
    Text("RightClick_To_Tableaus", kRightClickToTableaus, "Y"),
    Text("DoubleClick_To_Foundations", kDoubleClickToFoundations, "Y"),
    Text("DoubleClick_To_Tableaus", kDoubleClickToTableaus, "N"),
    Outside(kSectionSettings, "Games_Fast_Search_Type", ReadAs::Number, "0", Target::FastSearchType),
    Number("Cursor", kCursor, "10"),
    Outside(kSectionPreference, "HighLights_Foundations_Mark", ReadAs::Number, "0", Target::FoundationMarkStyle),
    Outside(kSectionSettings, "Random_Game_Type", ReadAs::Number, "2", Target::RandomGameType),
    Outside(kSectionPreference, "AutoPlay_All_Games", ReadAs::Number, "1", Target::AutoplaySaveMode),
    Outside(kSectionPreference, "AutoPlay", ReadAs::Text, "Y", Target::AutoPlay),
});

}  // namespace

std::span<const PreferenceKey> PreferenceKeys() {
    return kKeys;
}

const PreferenceKey* FindPreferenceKey(std::string_view section, std::string_view key) {
    const auto found = std::ranges::find_if(kKeys, [&](const PreferenceKey& row) {
        return platform::EqualsIgnoreCase(row.section, section) && platform::EqualsIgnoreCase(row.key, key);
    });
    return found == kKeys.end() ? nullptr : &*found;
}

const PreferenceKey* FindPreferenceKeyOfField(fields::Field field) {
    if (field.width <= 0) {
        return nullptr;
    }
    const auto found = std::ranges::find_if(kKeys, [&](const PreferenceKey& row) {
        return row.field.position == field.position && row.field.width == field.width;
    });
    return found == kKeys.end() ? nullptr : &*found;
}

}  // namespace engine
