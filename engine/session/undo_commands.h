#pragma once

namespace engine {

class Game;

// The Undo and Redo commands of the main window. The newest step of the one store is
// written back to the board (UndoStore::UndoLastStep / RedoLastStep: the board goes to the
// other store, the table is redrawn) and the score is computed again from the restored
// board, as after a move. Nothing happens outside a game in progress, in a game without
// undo (UndoDisabled) or with the undo option off. True when a step was restored.
bool UndoMove(Game& game);
bool RedoMove(Game& game);

}  // namespace engine
