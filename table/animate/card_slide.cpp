#include "table/animate/card_slide.h"

#include <algorithm>
#include <cstdlib>

#include "engine/model/preference_fields.h"
#include "engine/model/table_object.h"
#include "platform/core/clock.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "table/animate/animation_settings.h"
#include "table/draw/draw_context.h"
#include "table/draw/drag_image.h"
#include "table/draw/drag_image_build.h"
#include "table/layout/table_layout.h"

namespace table {

namespace {

// The step formula, written as the frame count grows: D / (D / 50 * 100 / 6.25 * 4 / 100 + 4).
constexpr double kStepDistanceUnit = 50.0;
constexpr double kStepPercent = 100.0;
constexpr double kStepDivisor = 6.25;
constexpr double kStepFactor = 4.0;
constexpr double kStepBaseFrames = 4.0;
constexpr double kHalf = 0.5;
// Fine steps (the deal's flights) are this share of the normal step.
constexpr double kFineStepShare = 0.3;

// Below this a place is off the table; a card sent there leaves by three card sizes.
constexpr int kOffTable = -9999;
constexpr int kOffTableCards = 3;
// The drop after a raised slide waits twice the frame time.
constexpr int kDropWaitFrames = 2;
constexpr int kPercent = 100;

// One coordinate of the slide: where it starts, where it ends, where it is.
struct Axis {
    int from = 0;
    int to = 0;
    int now = 0;
    bool done = false;

    // Clamps the value to the target, marking the axis done when it reaches or passes it.
    void Set(int value) {
        const bool passed = to >= from ? value >= to : value <= to;
        if (passed) {
            value = to;
            done = true;
        }
        now = value;
    }
};

// The card becomes the drag image at (x, y); nothing stays lifted.
void LiftForSlide(DrawContext& context, int card, int x, int y) {
    engine::TMainGame& game = context.mainGame;
    const int cw = context.CardWidth();
    const int ch = context.CardHeight();
    // A lifted stack slides as its lowest card alone: the rest of the stack's image
    // would stay on the window, where the slide's frames never clear it.
    if (context.geometry.DragHeight() > ch) EraseDragImage(context);
    game.LiftedCard = static_cast<std::int16_t>(card);
    context.geometry.SetDragHeight(ch);
    context.geometry.SetDragRects(x, y, x + cw, y + ch);
    if (card == kSlideBack) {
        platform::Bitmap& drag = context.DragBitmap();
        if (drag.Width() < cw || drag.Height() < ch)
            drag.SetSize(std::max(drag.Width(), cw), std::max(drag.Height(), ch));
        platform::Canvas canvas(drag);
        canvas.BlockCopy(0, 0, cw, ch, context.Back(), 0, 0);
    } else {
        BuildDragImage(context.images, context.geometry.Geometry(), game, context.piles, context.gameDef);
    }
    game.LiftedCard = 0;
    game.LiftedTopCard = 0;
    game.DragImagePos = {};
}

}  // namespace

int SlideStep(int distance, bool fineSteps) {
    if (distance <= 0) return 0;
    const double d = distance;
    int step = static_cast<int>(
        d / (d / kStepDistanceUnit * kStepPercent / kStepDivisor * kStepFactor / kStepPercent + kStepBaseFrames) +
        kHalf);
    if (fineSteps) step = static_cast<int>(step * kFineStepShare);
    return std::min(step, distance);
}

int SlideCard(DrawContext& context, int card, int fromX, int fromY, int toX, int toY, bool toBuffer,
              bool fineSteps, bool shadowAdjust, bool lift) {
    const int speed = SpeedMoveCard(context.settings);
    const int shadow = context.geometry.ShadowOffset();
    if (shadowAdjust) {
        toX -= shadow;
        toY -= shadow;
    }
    if (toX < kOffTable || toY < kOffTable) {
        toX = -kOffTableCards * context.CardWidth();
        toY = -kOffTableCards * context.CardHeight();
    }
    const bool drivenByX = std::abs(toX - fromX) >= std::abs(toY - fromY);
    const int distance = std::max(std::abs(toX - fromX), std::abs(toY - fromY));
    Axis x{fromX, toX, fromX};
    Axis y{fromY, toY, fromY};
    Axis& driving = drivenByX ? x : y;
    Axis& other = drivenByX ? y : x;
    int step = SlideStep(distance, fineSteps);
    if (driving.to < driving.from) step = -step;

    if (lift) LiftForSlide(context, card, fromX, fromY);
    const ScopedField noShadows(context.settings, engine::fields::kCardsShadowed, "N");
    EraseDragShadow(context);

    int moves = 0;
    auto move = [&](int px, int py, bool intoBuffer, bool restoreCorners) {
        ++moves;
        return MoveDragImage(context, px, py, intoBuffer, restoreCorners);
    };
    while (step != 0) {
        driving.Set(driving.now + step);
        const int percent = static_cast<int>(std::abs(driving.now - driving.from) * static_cast<double>(kPercent) /
                                                 distance +
                                             kHalf);
        other.Set(other.from + static_cast<int>((other.to - other.from) * percent / static_cast<double>(kPercent)));
        if (!fineSteps && speed >= 1) context.clock.Delay(static_cast<std::uint32_t>(speed));
        if (driving.done && other.done) break;
        move(x.now, y.now, false, false);
    }

    int finalX = toX;
    int finalY = toY;
    if (shadowAdjust) {
        move(toX, toY, false, false);
        if (speed > 0) context.clock.Delay(static_cast<std::uint32_t>(kDropWaitFrames * speed));
        finalX = toX + shadow;
        finalY = toY + shadow;
    }
    // The image may already lie at the target; the move still lands it in the buffer.
    move(finalX, finalY, toBuffer, true);
    return moves;
}

void InstallCardSlide(DrawContext& context) {
    context.slideCard = [&context](int card, int fromX, int fromY, int toX, int toY, bool toBuffer, bool fineSteps,
                                   bool shadowAdjust, bool lift) {
        SlideCard(context, card, fromX, fromY, toX, toY, toBuffer, fineSteps, shadowAdjust, lift);
    };
}

}  // namespace table
