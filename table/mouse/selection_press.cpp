#include "table/mouse/selection_press.h"

#include "engine/play/selection_play.h"

namespace table {

void SelectionPress(MouseParts& parts, const TablePress& press) {
    engine::SelectionGamePress(parts.game, press.Left(), press.hit.name, press.hit.card, press.hit.rect);
}

}  // namespace table
