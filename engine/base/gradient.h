#pragma once

#include <functional>

#include "platform/core/canvas.h"

namespace engine {

// a * b / c rounded half away from zero, through a 64-bit product; -1 when c is 0 or the
// result does not fit in 32 bits (as the platform's MulDiv).
int MulDiv(int a, int b, int c);

// Colours with this bit set name a system colour by their low byte.
inline constexpr platform::Colour kSystemColourFlag = 0x8000'0000u;
// Turns a system colour into its current red-green-blue value.
using SystemColourResolver = std::function<platform::Colour(platform::Colour)>;

inline constexpr int kGradientBands = 256;

// Fills the rectangle in 256 horizontal bands from colour b at the bottom edge up to
// nearly colour a at the top. A system colour a is resolved first; without a resolver
// its low 24 bits are taken as they are.
void FillGradient(platform::ICanvas& canvas, const platform::Rect& rect, platform::Colour a, platform::Colour b,
                  const SystemColourResolver& resolveSystemColour = {});

}  // namespace engine
