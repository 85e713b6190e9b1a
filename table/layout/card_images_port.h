#pragma once

#include <string_view>

namespace table {

// The card images as the table's setup sees them; table/draw/table_images.h implements it.
class ICardImages {
public:
    virtual ~ICardImages() = default;
    // Loads every card and table image of the card size ("B", "M" or "L") and makes the
    // drag image a copy of the first face.
    virtual void LoadCardImages(std::string_view cardSize) = 0;
};

}  // namespace table
