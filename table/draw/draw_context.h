#pragma once

#include <functional>

#include "engine/base/gradient.h"
#include "engine/base/system_utils.h"
#include "platform/core/canvas.h"

namespace engine {
class GameDefRecord;
class Media;
class PileStore;
class Registers;
class SettingsBlock;
class TMainGame;
}  // namespace engine

namespace platform {
class Bitmap;
class Canvas;
class IClock;
class IMessages;
class PathResolver;
class ResourceBitmaps;
}  // namespace platform

namespace table {

class ISurface;
class ITableWindow;
class TableBackground;
class TableBuffers;
class TableImages;
class TableLayout;
enum class MarkImage;

// The grab offset of a lifted card (the press point less the card's top-left corner), and
// the pointer's last position while it drags.
struct DragGrab {
    int x = 0;
    int y = 0;
    int pointerX = 0;
    int pointerY = 0;
};

// Moves a card image across the window in frames (card -1 is a back); filled in by the
// card animations. Without it a card simply appears at its target.
using SlideCardFn = std::function<void(int card, int fromX, int fromY, int toX, int toY, bool toBuffer,
                                       bool fineSteps, bool shadowAdjust, bool lift)>;

// Everything the table's drawing reads and draws on. It owns none of it: the game state
// belongs to the engine, the geometry and images to the table's setup, the window to the
// shell. One per table.
struct DrawContext {
    engine::SettingsBlock& settings;
    const engine::GameDefRecord& gameDef;
    engine::TMainGame& mainGame;
    engine::PileStore& piles;
    const engine::Registers& registers;
    TableLayout& geometry;  // the card places, the card size and the lifted stack's measures
    TableImages& images;
    TableBuffers& buffers;
    ISurface& surface;
    ITableWindow& window;
    platform::IClock& clock;
    const platform::ResourceBitmaps& bitmaps;
    const platform::PathResolver& paths;
    platform::IMessages& messages;
    engine::Media* media = nullptr;  // none: no sound
    DragGrab dragGrab{};
    SlideCardFn slideCard{};
    // Colours the display shows (NumColors); 256 or fewer gets the plain background.
    int displayColours = engine::kManyColours;
    engine::SystemColourResolver resolveSystemColour{};

    // S, the window's scroll position: table rows lie this far below window rows.
    int ScrollOffset() const;
    // The rows the canvas lies below window coordinates: S for the off-screen images.
    int YShift(const platform::ICanvas& canvas) const;
    platform::Canvas& Window();
    platform::Canvas& Buffer();
    TableBackground& Background();
    bool IsWindow(const platform::ICanvas& canvas);
    bool IsBuffer(const platform::ICanvas& canvas);

    int CardWidth() const;
    int CardHeight() const;
    // (x, y, x + CardWidth, y + CardHeight).
    platform::Rect CardRectAt(int x, int y) const;
    // Cards_Shadowed is not "N".
    bool ShadowsOn() const;
    // Piles_TT is not "N": tableau piles are laid untidily.
    bool UntidyPiles() const;

    // The images of the card size in use. A face index outside the faces, or a mark
    // without an image, gives an empty bitmap.
    platform::Bitmap& Face(int bitmapIndex);
    platform::Bitmap& Back();
    const platform::Bitmap& Mark(MarkImage image);
    const platform::Bitmap& Shadow(int which);  // 1 right edge, 2 bottom edge
    const platform::Bitmap& Border(int which);  // 1 right edge, 2 bottom edge
    platform::Bitmap& DragBitmap();
    // The card size letter of Card_Size ("B", "M", "L").
    char CardSizeLetter() const;
};

}  // namespace table
