#pragma once

#include "suit_shapes.h"

#include <QColor>
#include <QRectF>

#include <string_view>

// The look of each card set and the places of the indices, pips and court panels for
// each card size.
namespace art {

struct CardStyle {
    std::string_view set;
    QRgb paper;
    QRgb edge;                         // the card's one-pixel outline
    std::array<QRgb, kSuitCount> ink;  // hearts, diamonds, clubs, spades
    QRgb frame;                        // court panels and the joker
    QRgb panel;                        // inside a court panel
    QRgb robeDark;                     // courts of the black suits
    bool boldIndex;                    // the indices drawn in bold sans rather than serif
    bool innerLine;                    // a fine line inside the edge of every face
};

// The style of a card set; the first set's for an unknown one.
const CardStyle& StyleOf(std::string_view set);
QRgb InkOf(const CardStyle& style, Suit suit);

// Where things go on a face of one size, in pixels from the face's top-left.
struct FaceLayout {
    int width;
    int height;
    bool pips;         // false: the face shows only its indices
    QRectF rank;       // the top-left rank; the bottom-right one is this turned half round
    QRectF suit;       // the small suit under the rank
    int pixelSuit;     // size of the pixel suit sign used for the index (0: vector)
    double pipHeight;  // the pips of Two to Ten
    double aceHeight;  // the Ace's single pip
    double pipLeft;    // centre of the left column of pips (the right one mirrors it)
    double pipTop;     // centre of the top row (the bottom one mirrors it)
    QRectF court;      // the framed panel of the court cards
};

// The layout for a size letter "B", "M" or "L"; null for any other.
const FaceLayout* LayoutOf(char size);

// The face's outline with the corner pixels set so that the rounded corners the table
// cuts (three pixels a corner, one on the smallest cards) leave a closed edge.
void DrawCardEdge(QImage& image, const QRect& card, QRgb edge, QRgb fill);
// Only those corner pixels, for when something was drawn over them.
void CloseCardCorners(QImage& image, const QRect& card, QRgb edge);

}  // namespace art
