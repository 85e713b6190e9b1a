#pragma once

#include "engine/model/settings_block.h"

// The settings fields that the preference file fills, by name, so that the rest of the
// engine never spells a position/width pair twice.
namespace engine::fields {

// Table look
inline constexpr Field kShowToolTips{244, 1};
inline constexpr Field kBackCard{21, 3};
inline constexpr Field kCardSet{24, 3};
inline constexpr Field kCardSize{128, 1};
inline constexpr Field kBackgroundBmp{43, 4};
inline constexpr Field kBackgroundFixedCol{47, 15};
inline constexpr Field kBackgroundCol{28, 15};
inline constexpr Field kBackgroundDef{27, 1};
inline constexpr Field kFadeBackground{135, 1};
inline constexpr Field kCustomizedBackground{246, 1};

// Current game and player
inline constexpr Field kGame{62, 4};
inline constexpr Field kGameName{189, 50};
inline constexpr Field kUserDefault{77, 30};

// Display and play options
inline constexpr Field kShowTime{66, 1};
inline constexpr Field kShowScore{136, 1};
inline constexpr Field kCardsAnimate{67, 1};
inline constexpr Field kCardsShadowed{178, 1};
inline constexpr Field kPilesTT{179, 1};
inline constexpr Field kAutomaticFaceUp{239, 1};
inline constexpr Field kDealAnimation{241, 1};
inline constexpr Field kRedealAnimation{242, 1};
inline constexpr Field kLanguage{68, 6};
inline constexpr Field kSpeedMoveCard{74, 2};
inline constexpr Field kStatusBar{76, 1};
inline constexpr Field kUndoEnabled{137, 1};
inline constexpr Field kConfirmQuitGame{185, 1};
inline constexpr Field kConfirmEnterHiScores{186, 1};
inline constexpr Field kRandomBackground{152, 1};
inline constexpr Field kRandomCard{187, 1};
inline constexpr Field kRandomDeck{188, 1};
inline constexpr Field kVertScrollBar{243, 1};
inline constexpr Field kShowPilesSize{245, 1};
inline constexpr Field kShowMainPopupMenu{253, 1};
inline constexpr Field kShowPartialHiddenCard{255, 1};
inline constexpr Field kRightClickToFoundations{247, 1};
inline constexpr Field kRightClickToTableaus{248, 1};
inline constexpr Field kDoubleClickToFoundations{249, 1};
inline constexpr Field kDoubleClickToTableaus{251, 1};
inline constexpr Field kCursor{172, 2};

// Sounds: the master switch, then one switch per sound
inline constexpr Field kSoundsEnabled{141, 1};
inline constexpr Field kSoundsAbout{142, 1};
inline constexpr Field kSoundsAutoplay{143, 1};
inline constexpr Field kSoundsCardDown{181, 1};
inline constexpr Field kSoundsCardUp{182, 1};
inline constexpr Field kSoundsNewHiScores{174, 1};
inline constexpr Field kSoundsFaceUp{180, 1};
inline constexpr Field kSoundsGameWon{144, 1};
inline constexpr Field kSoundsHiScores{171, 1};
inline constexpr Field kSoundsNewGame{145, 1};
inline constexpr Field kSoundsPairing{175, 1};
inline constexpr Field kSoundsRedeal{183, 1};
inline constexpr Field kSoundsRedealWithoutAnimation{252, 1};
inline constexpr Field kSoundsRedo{146, 1};
inline constexpr Field kSoundsRestart{147, 1};
inline constexpr Field kSoundsShuffle{149, 1};
inline constexpr Field kSoundsSplash{148, 1};
inline constexpr Field kSoundsStock{176, 1};
inline constexpr Field kSoundsFoundation{184, 1};
inline constexpr Field kSoundsTableau{177, 1};
inline constexpr Field kSoundsUndo{151, 1};

// Marks a key that fills no settings field.
inline constexpr Field kNoField{0, 0};

}  // namespace engine::fields
