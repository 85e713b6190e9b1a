#pragma once

#include <string_view>

namespace engine {

// The card table's own global objects, which the engine creates, prepares and frees at
// the right moments of start-up and shut-down without knowing them: the table and pile
// images, the card faces, the drag image, the off-screen table image, the drag state, the
// card size and the card shadow. The card table implements it.
class ITableGlobals {
public:
    virtual ~ITableGlobals() = default;

    // The table and pile images, the card faces, the drag image and the off-screen image.
    virtual void CreateTableGlobals() = 0;
    virtual void FreeTableGlobals() = 0;

    // Forgets any lifted card: drag rectangles, drag height and drag image position.
    virtual void ClearDragState() = 0;
    // The card shadow offset in pixels (0 or 9).
    virtual void SetShadowOffset(int pixels) = 0;
    // Takes the card size of Card_Size ("B", "M" or "L") and loads the images for it.
    virtual void SetCardSize(std::string_view cardSize) = 0;
};

}  // namespace engine
