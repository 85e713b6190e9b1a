#pragma once

#include <string_view>

namespace platform {

class IResourceLibrary;

// The application's table of numbered cursors.
class ICursorTable {
public:
    virtual ~ICursorTable() = default;
    // Makes the library's cursor `name` cursor number `id`; false when the library lacks
    // it or it cannot be read (the number then keeps what it had).
    virtual bool LoadCursor(int id, const IResourceLibrary& library, std::string_view name) = 0;
};

}  // namespace platform
