#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/model/game_kinds.h"
#include "engine/model/pile_names.h"
#include "engine/model/settings_block.h"

namespace engine {

class Game;
class IGeometry;
class ITableView;

// What the action executor's branches share while one action runs.
struct ActionRun {
    Game& game;
    int card;
    std::string_view action;
    bool moved = false;
    // A card left a tableau pile: the closing steps turn uncovered cards face up.
    bool leftTableau = false;
    // The board before the action went to the undo store.
    bool snapshotPushed = false;
};

namespace action {

// Empty-place marks of the table (1 stock, 6 tableau).
inline constexpr int kStockMark = 1;
inline constexpr int kTableauMark = 6;
// A mark drawn for no pile in particular.
inline constexpr int kNoPileIndex = -1;

inline constexpr char kFaceUpText[] = "1";
inline constexpr char kFaceDownText[] = "0";
// The card a slide shows as a back.
inline constexpr int kBackImage = -1;

// The pile number written after a prefix at a 1-based character position: one or two
// decimal digits, the rest of the text; nothing for anything else or 0.
std::optional<int> PileNumberAt(std::string_view action, std::size_t position);

int TableauCount(const Game& game);
int ReserveCount(const Game& game);
int GameKind(const Game& game);

// The settings switch is "Y" / is not "N".
bool IsYes(const Game& game, const fields::Field& field);
bool IsNotNo(const Game& game, const fields::Field& field);

// Plays the sound when its switch is "Y" (and sounds are on).
void PlaySound(Game& game, std::string_view name, const fields::Field& soundSwitch);
// A wait on the clock that handles no events.
void Wait(Game& game, std::uint32_t milliseconds);

// The board before the action becomes an undo step; once per action.
void PushSnapshot(ActionRun& run);
// True when the card lies on some pile, as RemoveCardFromBoard would find it.
bool IsOnBoard(const Game& game, int card);
// RemoveCardFromBoard / BlankCardOnBoard, noting a card that left a tableau pile.
int TakeCard(ActionRun& run, int card);
int BlankCard(ActionRun& run, int card);
// Flag 8 from the win test.
void SetWonFlag(Game& game);

// The stock row's lines.
const std::string& StockLine(const Game& game);
const std::string& WasteLine(const Game& game);
// Takes the stock's top card off the stock line; 0 when the stock is empty.
int TakeStockTop(Game& game);

// The drawn table; null where nothing is drawn.
ITableView* View(Game& game);
const IGeometry* Geometry(Game& game);

// A card place of a named pile (the geometry's CardX / CardY); the pile's base place
// when the table has no geometry.
struct Place {
    int x = 0;
    int y = 0;
};
Place CardPlace(Game& game, const PileRef& pile, int cardsLeftOut, bool nextCard);
Place StockPlace(const Game& game, int line);
Place TableauPlace(Game& game, int index);
// The place of a card wherever it lies; the stock's place when the table cannot tell.
Place PlaceOfCard(Game& game, int card);

// Draws the top card or the empty mark of a place on the window and in the buffer.
void DrawPlace(Game& game, const PileRef& pile);
// The card slides (as a raised, lifted card) and lands in the buffer.
void Slide(Game& game, int image, const Place& from, const Place& to, bool shadowAdjust);
// The whole table drawn again.
void RepaintWholeTable(Game& game);

}  // namespace action
}  // namespace engine
