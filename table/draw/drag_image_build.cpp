#include "table/draw/drag_image_build.h"

#include <algorithm>

#include "engine/model/card_codes.h"
#include "engine/rules/pile_sequences.h"
#include "engine/model/table_object.h"
#include "platform/qt/canvas.h"
#include "table/draw/card_corners.h"
#include "table/layout/table_geometry.h"
#include "table/draw/table_images.h"

namespace table {

namespace {

// Gives the face's corner pixels the drag image's pixels at (0, top), so the copied card
// shows what lies beneath it.
void MaskCorners(platform::Bitmap& face, const platform::Canvas& drag, int top, int cw, int ch) {
    platform::Canvas faceCanvas(face);
    CopyCardCorners(drag, {0, top, cw, top + ch}, faceCanvas, kSmallCardWidth, {0, 0, cw, ch}, kAllCorners);
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
                MaskCorners(face, canvas, top, cw, ch);
                canvas.BlockCopy(0, top, cw, ch, face, 0, 0);
            }
        }
        top += mainGame.FaceUpStepY;
    }
}

}  // namespace table
