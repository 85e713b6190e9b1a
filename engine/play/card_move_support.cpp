#include "engine/play/card_move_support.h"

#include <algorithm>

#include "engine/state/game.h"
#include "engine/model/pile_names.h"
#include "engine/ports/table_port.h"
#include "engine/model/board_measures.h"

namespace engine::moves {

IGeometry* Geometry(Game& game) {
    return game.services.tableView != nullptr ? game.services.tableView->MutableGeometry() : nullptr;
}

bool SettingIs(const Game& game, fields::Field field, std::string_view text) {
    return game.settings.GetField(field.position, field.width) == text;
}

int PileCount(const Game& game, int kind) {
    switch (kind) {
    case pile_kind::kFoundation:
        return FoundationCountOf(game.gameDef);
    case pile_kind::kTableau:
        return TableauCountOf(game.gameDef);
    case pile_kind::kReserve:
        return ReserveCountOf(game.gameDef);
    case pile_kind::kWaste:
        return 1;
    default:
        return 0;
    }
}

std::string TargetName(const Game& game, int kind, int index) {
    if (index < 0 || index >= PileCount(game, kind)) return {};
    const std::optional<PileRef> pile = PileOfKind(kind, index);
    return pile ? PileName(*pile, PileNumberForm::kNoLeadingZero) : std::string();
}

int PileX(const Game& game, const IGeometry& geometry, int kind, int index) {
    switch (kind) {
    case pile_kind::kFoundation:
        return game.mainGame.GetFoundationX(index);
    case pile_kind::kTableau:
        return geometry.TableauX(index);
    case pile_kind::kReserve:
        return game.mainGame.GetReserveX(index);
    case pile_kind::kWaste:
        return game.mainGame.GetStockX(kWasteLine);
    default:
        return kAbsentPileX;
    }
}

bool IsOnTable(const Game& game, const IGeometry& geometry, int kind, int index) {
    return IsPileOnTable(PileX(game, geometry, kind, index));
}

std::optional<TableRect> TopCardPlace(Game& game, const IGeometry& geometry, int kind, int index) {
    const std::string name = TargetName(game, kind, index);
    if (name.empty()) return std::nullopt;
    TableRect place;
    if (kind == pile_kind::kWaste) {
        place.left = game.mainGame.GetStockX(kWasteLine);
        place.top = game.mainGame.GetStockY(kWasteLine);
    } else {
        place.left = geometry.CardX(name, index, 0, false);
        place.top = geometry.CardY(name, index, 0, false);
    }
    place.right = place.left + geometry.CardWidth();
    place.bottom = place.top + geometry.CardHeight();
    return place;
}

}  // namespace engine::moves
