#pragma once

#include <string>
#include <string_view>

#include "platform/core/canvas.h"

namespace platform {
class Canvas;
}

namespace table {

struct DrawContext;

// Background modes; 3 and above name a numbered picture of the card library.
namespace background_mode {
inline constexpr int kDefault = 0;
inline constexpr int kColour = 1;
inline constexpr int kPictureFile = 2;
inline constexpr int kFirstLibraryPicture = 3;
}  // namespace background_mode

// Library pictures below this number are tiles; from it on they are drawn once, untiled.
inline constexpr int kFirstWholePicture = 500;

inline constexpr platform::Colour kDefaultBackgroundColour = platform::Rgb(0, 96, 0);
inline constexpr platform::Colour kPaletteBackgroundColour = platform::Rgb(0, 128, 0);
inline constexpr std::string_view kPictureMissingText = "Customized background image not found: ";

// Paints the background the settings describe into the canvas and into BackgroundBitmap.
// A Background_bmp that names no picture of the library becomes 0 (none), as a missing
// key gives.
void PaintConfiguredBackground(DrawContext& context, platform::Canvas& canvas);

// Paints a background of a mode into the canvas and, unless canvasOnly, BackgroundBitmap.
// A fixed colour other than 0 fills the colour first whatever the mode. fileName is the
// picture of mode 2; empty takes the preference key Customized_Background.
void PaintBackground(DrawContext& context, platform::Canvas& canvas, int mode, platform::Colour colour = 0,
                     platform::Colour fixedColour = 0, bool canvasOnly = false, std::string_view fileName = {});

// Paints the numbered library picture "B" + three digits, any number from 1 on: the
// configured background number (Background_bmp) always names a picture, also 1 and 2.
// False, with nothing painted, when the library has no such picture.
bool PaintBackgroundPicture(DrawContext& context, platform::Canvas& canvas, int number, bool canvasOnly = false);

// The library name of a background picture: 7 gives "B007".
std::string LibraryPictureName(int number);

}  // namespace table
