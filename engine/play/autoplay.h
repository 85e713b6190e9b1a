#pragma once

#include <string_view>

// The automatic moves to the foundations, and the per-game AutoPlay switch.
namespace engine {

class Game;

// The Complete command's question.
inline constexpr std::string_view kCompleteQuestion = "Move all possible cards to the foundations?";

// The AutoPlay option: mnuAutoPlay down and enabled.
bool IsAutoPlayActive(const Game& game);

// While AutoPlay is on and a game is in progress: passes over the reserves, the waste and
// the tableau until a cycle moves nothing, as one undo step; asks first when ask is set
// (the Complete command). Ends a won game. True when a cycle moved a card.
bool AutoPlayToFoundations(Game& game, bool ask);

// The passes. Each returns whether it moved a card, clears idle when it did, and sets
// stop when the run was told to stop (flag 9). With once set a pass ends at its first move.
bool AutoPlayReserves(Game& game, bool& idle, bool& stop, bool once);
bool AutoPlayWaste(Game& game, bool& idle, bool& stop);
bool AutoPlayTableau(Game& game, bool& idle, bool& stop, bool once);

// What follows each move of the player: the automatic tableau fill, then, while AutoPlay
// is on, the passes and the fill in turn until the passes move nothing. It does not end a
// won game: the caller closes its undo group first, then calls EndGame when flag 8 is set.
// True when the passes moved a card.
bool FollowUpMoves(Game& game);

// The AutoPlay menu item and both toolbar buttons, enabled or disabled together.
void EnableAutoPlayButtons(Game& game, bool enabled);

// The per-game AutoPlay switch kept in section "Autoplay" of the preference file, used
// when one switch per game is kept (TMainGame.AutoplaySaveMode 2).
bool IsAutoplayOn(Game& game, int gameId);
void ApplyAutoplay(Game& game, int gameId);
void SaveAutoplay(Game& game, int gameId);

}  // namespace engine
