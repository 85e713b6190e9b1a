#include "table/drag_image_build.h"

#include <algorithm>
#include <array>

#include "engine/card_codes.h"
#include "engine/pile_sequences.h"
#include "engine/table_object.h"
#include "platform/qt/canvas.h"
#include "table/layout/table_geometry.h"
#include "table/table_images.h"

namespace table {

namespace {

// Cards of this width round their corners by one pixel, wider ones by three.
constexpr int kSmallCardWidth = 25;

// Gives the face's corner pixels the drag image's pixels at (0, top), so the copied card
// shows what lies beneath it.
void MaskCorners(platform::Bitmap& face, const platform::Bitmap& drag, int top, int cw, int ch) {
    struct Offset {
        int dx, dy;
    };
    // From each corner: the corner pixel, then one along each edge.
    constexpr std::array<Offset, 3> kPattern = {{{0, 0}, {1, 0}, {0, 1}}};
    const int patternSize = cw == kSmallCardWidth ? 1 : static_cast<int>(kPattern.size());
    const std::array<Offset, 4> corners = {{{0, 0}, {cw - 1, 0}, {0, ch - 1}, {cw - 1, ch - 1}}};
    const QImage& source = drag.Image();
    QImage& target = face.Image();
    for (const Offset& corner : corners) {
        const int sx = corner.dx == 0 ? 1 : -1;
        const int sy = corner.dy == 0 ? 1 : -1;
        for (int p = 0; p < patternSize; ++p) {
            const int x = corner.dx + sx * kPattern[static_cast<std::size_t>(p)].dx;
            const int y = corner.dy + sy * kPattern[static_cast<std::size_t>(p)].dy;
            if (source.valid(x, top + y) && target.valid(x, y)) target.setPixel(x, y, source.pixel(x, top + y));
        }
    }
}

}  // namespace

void BuildDragImage(TableImages& images, const TableGeometry& geometry, const engine::TMainGame& mainGame,
                    const engine::PileStore& piles, const engine::GameDefRecord& gameDef) {
    const int cw = geometry.CardWidth();
    const int ch = geometry.CardHeight();
    platform::Bitmap& drag = images.DragBitmap();
    const int neededHeight = std::max(geometry.DragHeight(), ch);
    if (drag.Width() < cw || drag.Height() < neededHeight)
        drag.SetSize(std::max(drag.Width(), cw), std::max(drag.Height(), neededHeight));
    platform::Canvas canvas(drag);

    const engine::TableRect lifted = geometry.DragRect();
    if (lifted.bottom - lifted.top == ch) {
        const platform::Bitmap& face = images.CardFace(engine::CardBitmapIndex(mainGame.LiftedCard));
        if (!face.IsEmpty()) canvas.BlockCopy(0, 0, cw, ch, face, 0, 0);
        return;
    }
    engine::CardList stack;
    engine::GetCardsAbove(piles, gameDef, stack, mainGame.LiftedCard);
    int top = 0;
    for (const int card : stack) {
        const int index = engine::CardBitmapIndex(card);
        if (index >= 0) {
            platform::Bitmap face = images.CardFace(index);
            if (!face.IsEmpty()) {
                MaskCorners(face, drag, top, cw, ch);
                canvas.BlockCopy(0, top, cw, ch, face, 0, 0);
            }
        }
        top += mainGame.FaceUpStepY;
    }
}

}  // namespace table
