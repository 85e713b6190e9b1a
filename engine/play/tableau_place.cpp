#include "engine/play/tableau_place.h"

#include "engine/state/game.h"
#include "engine/ports/geometry_port.h"
#include "engine/model/table_object.h"
#include "engine/ports/table_port.h"

namespace engine {

const IGeometry* GeometryOf(const Game& game) {
    return game.services.tableView != nullptr ? game.services.tableView->Geometry() : nullptr;
}

int GetTableauY(Game& game, int index) {
    const IGeometry* geometry = GeometryOf(game);
    return geometry != nullptr ? geometry->GetTableauY(index) : kAbsentTableauX;
}

}  // namespace engine
