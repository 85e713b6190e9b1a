#include "engine/session/undo_commands.h"

#include "engine/state/game.h"
#include "engine/model/preference_fields.h"
#include "engine/rules/score_display.h"
#include "engine/undo/undo_buttons.h"

namespace engine {

namespace {

constexpr int kNoUndo = 1;

bool MayRestore(const Game& game) {
    if (game.registers.GetFlag(flag::kGameInProgress) == 0) return false;
    if (game.gameDef[words::kUndoDisabled] == kNoUndo) return false;
    return game.settings.GetField(fields::kUndoEnabled.position, fields::kUndoEnabled.width) != kUndoOptionOff;
}

// The score shown and stored belongs to the board: a restored board brings its own back.
void RescoreRestoredBoard(Game& game) {
    StatusContext status = game.Status();
    ComputeScore(status);
}

}  // namespace

bool UndoMove(Game& game) {
    if (!MayRestore(game) || !game.undo.UndoLastStep()) return false;
    RescoreRestoredBoard(game);
    return true;
}

bool RedoMove(Game& game) {
    if (!MayRestore(game) || !game.undo.RedoLastStep()) return false;
    RescoreRestoredBoard(game);
    return true;
}

}  // namespace engine
