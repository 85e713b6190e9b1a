#pragma once

#include "platform/core/cursor_table.h"

#include <QCursor>

#include <map>
#include <optional>
#include <string_view>

namespace platform {

// A cursor from the library's data: a PNG image whose text keys give the hot spot
// (kCursorHotSpotXKey, kCursorHotSpotYKey; the top-left corner when absent).
// Nothing when the data is not an image.
std::optional<QCursor> CursorFromData(std::string_view data);

// The application's numbered cursors (the table's are numbered 10-15 and 20-25).
class CursorTable : public ICursorTable {
public:
    bool LoadCursor(int id, const IResourceLibrary& library, std::string_view name) override;

    bool HasCursor(int id) const { return m_cursors.contains(id); }
    // The cursor of that number; the ordinary arrow for a number never loaded.
    QCursor Cursor(int id) const;

private:
    std::map<int, QCursor> m_cursors;
};

}  // namespace platform
