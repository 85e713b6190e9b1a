#pragma once

#include <QCursor>

#include <functional>

namespace platform {

// The screen cursor numbers besides the program's own cursor table.
inline constexpr int kArrowCursorId = 0;
inline constexpr int kHourglassCursorId = -11;

// The screen's cursor: one cursor over every window of the program while it is set,
// the windows' own cursors when it is the arrow (0).
class ScreenCursor {
public:
    // Turns a number of the program's cursor table into a cursor.
    using Lookup = std::function<QCursor(int id)>;

    explicit ScreenCursor(Lookup lookup = {}) : m_lookup(std::move(lookup)) {}
    ~ScreenCursor();
    ScreenCursor(const ScreenCursor&) = delete;
    ScreenCursor& operator=(const ScreenCursor&) = delete;

    void SetLookup(Lookup lookup) { m_lookup = std::move(lookup); }
    int Current() const { return m_current; }
    void Set(int id);
    // The cursor a number stands for: the hourglass, or one of the program's cursor table.
    QCursor CursorOf(int id) const;

private:
    Lookup m_lookup;
    int m_current = kArrowCursorId;
};

}  // namespace platform
