#pragma once

namespace engine {
class GameDefRecord;
class PileStore;
class TMainGame;
}  // namespace engine

namespace table {

class TableGeometry;
class TableImages;

// Draws the lifted card (TMainGame.LiftedCard) into the drag image at (0, 0), or, when the
// lifted rectangle is taller than a card, the card and every card above it, each a
// face-up step lower, every card showing the one beneath through its rounded corners.
// Cards without a face image are skipped. The drag image grows to CardWidth x DragHeight
// when it is smaller.
void BuildDragImage(TableImages& images, const TableGeometry& geometry, const engine::TMainGame& mainGame,
                    const engine::PileStore& piles, const engine::GameDefRecord& gameDef);

}  // namespace table
