#include "engine/tableau_place.h"

#include "engine/game.h"
#include "engine/geometry_port.h"
#include "engine/table_object.h"
#include "engine/table_view.h"

namespace engine {

const IGeometry* GeometryOf(const Game& game) {
    return game.services.tableView != nullptr ? game.services.tableView->Geometry() : nullptr;
}

int GetTableauY(Game& game, int index) {
    const IGeometry* geometry = GeometryOf(game);
    return geometry != nullptr ? geometry->GetTableauY(index) : kAbsentTableauX;
}

}  // namespace engine
