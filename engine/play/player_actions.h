#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

class Game;

// The actions a player can take on the table, found and made through the operations the
// mouse code uses: the press decisions (engine/play/press_rules.h, stock_press.h), the
// acceptance tests (CanDropOnPile, CanMoveSequence) and the operations a press or a drop
// runs (ExecuteAction, TurnCardFaceUp, SelectPairingCard). For the automatic player of
// the tests and the maintainers' random play; the game itself never calls them.

enum class ActionKind {
    kMove,      // a card, or the stack from it, dropped on a pile
    kStock,     // a press on the stock (and its release)
    kTurnUp,    // a press on a face-down tableau top
    kSelect,    // presses that select a pair (or a card that completes alone) for removal
    kDiscard,   // a press on a tableau top that plays it onto the third stock-row pile
};

struct PlayerAction {
    ActionKind kind = ActionKind::kMove;
    int card = 0;        // the card moved, turned, played, or selected first
    int second = 0;      // kSelect: the card selected second; 0 when the first completes alone
    std::string target;  // kMove: "Dest1", "Fila3", "Appogg2" (as the move code names piles)
    bool stack = false;  // kMove: the card is lifted with the cards on it
    friend bool operator==(const PlayerAction&, const PlayerAction&) = default;
};

// The one notation of actions: "12>Fila3", "12>>Fila3" (a stack), "stock", "up 12",
// "pick 12+1", "pick 13", "play 12".
std::string ActionText(const PlayerAction& action);
std::optional<PlayerAction> ParseAction(std::string_view text);

// Which actions LegalActions looks for: all of them, or only those that turn a card up,
// play a card to a foundation or remove a card alone (cheaper to find).
enum class ActionScope { kAll, kFoundationsAndTurns };

// Every action the table would let the player take now, in a fixed order: the presses
// that select pairs or play cards in the games whose presses do that, otherwise the
// face-down tops to turn and every card the player could lift onto every pile that
// accepts it; then a press on the stock when it would deal or redeal. None once the game
// is over.
std::vector<PlayerAction> LegalActions(Game& game, ActionScope scope = ActionScope::kAll);

// Takes the action as the table does, as one undo step together with the moves that
// follow a player's action (the tableau fill, and the automatic moves while AutoPlay is
// on). The game is not ended here: the caller calls EndGame when the won flag is set (a
// pair's removal, or a stock deal of kinds 2 and 15, ends a won game by itself). True
// when the board changed.
bool PerformAction(Game& game, const PlayerAction& action);

// PerformAction, then EndGame when the action won, as the table's mouse handling does.
bool PlayAction(Game& game, const PlayerAction& action);

// The same without folding the action's undo steps into one: quicker, and as exact to
// take back by undoing as many steps as it returns (0 when the board did not change).
// For searches that take their own actions back at once.
int PerformActionUngrouped(Game& game, const PlayerAction& action);

// A double click on a top card: the move search sends it to its first legal place
// (AutoMoveCard), as one move followed as any other; EndGame when it won. True when the
// card moved. Needs the table's geometry to find the card.
bool SendCard(Game& game, int card);

// The won flag is set, or the engine has already ended the game as won.
bool IsWonNow(const Game& game);

// The card codes on the board, sorted: every pile but the selection line of a pairing
// game (which repeats cards lying elsewhere) and blanked slots.
std::vector<int> BoardCodes(const Game& game);

}  // namespace engine
