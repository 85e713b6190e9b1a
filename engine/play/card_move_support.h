#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/ports/geometry_port.h"
#include "engine/model/settings_block.h"

// Small readers shared by the move operations (card_moves*.cpp, autoplay*.cpp).
namespace engine {

class Game;

namespace moves {

inline constexpr std::string_view kYes = "Y";
inline constexpr std::string_view kNo = "N";

// The table's geometry, writable; null where no table is laid out (nothing can move then).
IGeometry* Geometry(Game& game);

// A settings flag field holds exactly the text.
bool SettingIs(const Game& game, fields::Field field, std::string_view text);

// The game's foundations, tableau piles or reserves (by pile_kind), never more than the
// pile lists hold; 1 for the waste, 0 for any other kind.
int PileCount(const Game& game, int kind);

// "Dest3", "Fila12", "Appogg2" (number = index + 1, no leading zero) or "Mazzo_Vis";
// empty for a kind or index the game does not have.
std::string TargetName(const Game& game, int kind, int index);

// The pile's stored x: a place at kAbsentPileX or left of it is not on the table.
int PileX(Game& game, const IGeometry& geometry, int kind, int index);
bool IsOnTable(Game& game, const IGeometry& geometry, int kind, int index);

// The place of the pile's top card (the waste: its stored place), one card in size;
// nothing for a kind or index the game does not have.
std::optional<TableRect> TopCardPlace(Game& game, const IGeometry& geometry, int kind, int index);

}  // namespace moves
}  // namespace engine
