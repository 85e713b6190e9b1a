#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace engine {
class Game;
}

// A player without a mouse: it finds the moves the table would let a player make, and
// makes them as the table does, through the engine's public operations alone.
namespace engine::play_test {

// One move: the card (the lowest of a stack) and the action ExecuteAction takes; or a
// press on the stock (kStockPress), or the clicks of a pairing selection (kPairSelection,
// the cards in click order).
struct PlayerMove {
    int card = 0;
    std::string action;
    bool stack = false;  // several cards are lifted
    std::vector<int> selection{};
    friend bool operator==(const PlayerMove&, const PlayerMove&) = default;
};

inline constexpr std::string_view kStockPress = "Mazzo";
inline constexpr std::string_view kPairSelection = "Selezionate_Dest";

// Every move the table would allow now: each card the player could lift (a face-up top
// card, a movable stack, a reserve or waste top, a foundation top where cards may come
// back) onto each pile that accepts it, a card played onto the discard line, a pairing
// selection that completes, then a press on the stock when it would do something.
std::vector<PlayerMove> LegalMoves(Game& game);

// Makes the move as the table does: one undo step, with the moves that follow it (the
// tableau fill, and the autoplay passes while AutoPlay is on). The game is not ended.
// True when the board changed.
bool MakeMove(Game& game, const PlayerMove& move);
// MakeMove, then EndGame when the move won, as the table's mouse handling does.
bool PlayMove(Game& game, const PlayerMove& move);

// A double click on a top card: the move search sends it to its first legal place
// (AutoMoveCard), as one move followed as any other; EndGame when it won. True when the
// card moved.
bool SendCard(Game& game, int card);

// The card codes on the board, sorted: every pile but the selection line of a pairing
// game (which repeats cards lying elsewhere) and blanked slots.
std::vector<int> BoardCodes(const Game& game);

// "012>Fila03" ("012>>Fila03" for a stack), as a frozen script writes a move.
std::string MoveText(const PlayerMove& move);
PlayerMove ParseMove(const std::string& text);

}  // namespace engine::play_test
