#pragma once

#include "card_style.h"

#include <QImage>

// One card face of any size and set, on its own image (also used by the previews and
// the window pictures).
namespace art {

inline constexpr int kRanksPerSuit = 13;
inline constexpr int kJack = 11;
inline constexpr int kKing = 13;

// rank 1 (Ace) to 13 (King); size "B", "M" or "L".
QImage DrawFace(char size, std::string_view set, Suit suit, int rank);
QImage DrawJokerFace(char size);

// The court panel of a Jack, Queen or King (court_figures.cpp).
void DrawCourtPanel(QImage& face, const QRectF& panel, int rank, Suit suit, const CardStyle& style);

}  // namespace art
