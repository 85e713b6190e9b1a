#include "tests/shell/table_drawing_rig.h"

namespace shell_test {

TableDrawingRig::TableDrawingRig(engine::Game& game, const platform::ResourceBitmaps& bitmaps)
    : layout(game.services, {game.settings, game.mainGame, game.gameDef, game.Piles(), game.registers}, window,
             nullptr),
      images(bitmaps, game.settings, layout.Geometry()),
      context{game.settings,         game.gameDef, game.mainGame, game.Piles(),
              game.registers,        layout,       images,        buffers,
              surface,               window,       *game.services.clock, bitmaps,
              *game.services.paths,  *game.services.messages} {
    buffers.SetSize(FixedTableWindow::kWidth, FixedTableWindow::kHeight);
}

}  // namespace shell_test
