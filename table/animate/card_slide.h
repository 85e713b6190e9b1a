#pragma once

namespace table {

struct DrawContext;

// The image that SlideCard moves for this card code: a card back.
inline constexpr int kSlideBack = -1;

// Pixels the driving axis advances per frame for a slide of distance pixels: about
// distance / (4 + distance / 78) to the nearest integer, and a third less than that with
// fine steps (the deal's flights). Never more than the distance; 0 for no distance.
int SlideStep(int distance, bool fineSteps);

// Moves a card's image (kSlideBack: a back) from (fromX, fromY) to (toX, toY) on the
// window, one drag-image move per frame, waiting Speed_Move_Card milliseconds between
// frames unless fineSteps. toBuffer leaves the card in the off-screen table at the end.
// shadowAdjust makes the card travel raised by the shadow offset and drop at the end;
// lift first makes the drag image the card itself (the lifted state is cleared again
// right away). A target below -9999 slides the card off the table, to three card sizes
// left of and above the origin. Returns the number of drag-image moves made.
int SlideCard(DrawContext& context, int card, int fromX, int fromY, int toX, int toY, bool toBuffer,
              bool fineSteps, bool shadowAdjust, bool lift);

// Lets the drawing's deal flights and the engine's slides go through SlideCard.
void InstallCardSlide(DrawContext& context);

}  // namespace table
