#pragma once

namespace engine {

class Game;
class GameDefRecord;

// What a press on a card of a drag game may do, decided from the board alone: the table's
// mouse code asks these before it lifts anything, and the automatic players ask the same
// to find the moves a player has.

// OpenRowStart: a left press on a tableau pile numbered below OpenRowStart x
// OpenRowStartFactor (from 1) does nothing.
bool IsTableauPileOpen(const GameDefRecord& game, int pileIndex);

// A press on a tableau card of the games whose presses lift cards.
enum class TableauPress {
    kNothing,
    kTurnUp,     // the face-down top card is turned up
    kLiftCard,   // the card alone
    kLiftStack,  // the card with every card above it
};
// The row fan modes lift any card with any button; otherwise only a left press lifts or
// turns up. Notes the stack's top card, as CanMoveSequence does, whenever it asks that.
TableauPress TableauCardPress(Game& game, int card, int pileIndex, bool left);

// Kinds 2, 12 and 15 play a pressed tableau top onto the third stock-row pile.
bool PlaysOntoDiscard(int kind);
// A left press on a tableau card in those kinds: a top card one rank away from the third
// pile's top card is played (kinds 2 and 15: the pairing test of the rule checker, King
// and Ace refused in kind 2 and meeting in kind 15; kind 12 the next or previous rank);
// another is refused with a beep, except a covered card in kinds 2 and 15.
enum class DiscardPress { kIgnored, kRefused, kPlays };
DiscardPress PressOntoDiscard(const Game& game, int card, int pileIndex);

// Kinds 3 and 4: a press on a tableau card selects it for a pair; kind 3 takes only top
// cards, kind 4 every uncovered card.
bool IsPairingSelectable(Game& game, int card);

// FoundationTakeBack: whether a press lifts the foundation's top card back into play.
bool MayLiftFromFoundation(const Game& game, int foundationIndex, int card);

// A press on a reserve card: its top card when face up, or any card of an open fan.
enum class ReservePress { kNothing, kLiftTop, kLiftFromFan };
ReservePress LeftReservePress(const Game& game, int card);

// Whether a press on the waste's top card lifts it (the waste shows its cards).
bool MayLiftFromWaste(const Game& game, int card);

}  // namespace engine
