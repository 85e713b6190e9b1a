#pragma once

#include "platform/core/canvas.h"

#include <functional>
#include <vector>

namespace platform {
class ICursorTable;
class IResourceLibrary;
}  // namespace platform

namespace bars {

using platform::Point;
using platform::Rect;

// The framework's drag cursors: resources of the program and their numbers in the cursor table.
inline constexpr int kDragCursor = 1041;
inline constexpr int kDragCopyCursor = 1042;
inline constexpr int kNoDropCursor = 1043;
inline constexpr int kEditSizingCursor = 1044;

// Brings up the framework's process-wide state once (a second call only counts): the pop-up
// entry list, the dither brush, the parts added by the rest of the framework, and the drag
// cursors: into the table from the library given, by default from the framework's own resources
// into its own table (FrameworkCursors). Every program that links the framework has it done as
// its application object is made, and undone as that goes. Finalisation, when the count is back
// to zero, takes the parts down in reverse order and empties the lists, the framework's cursors,
// the active bar window and the leave watch.
void InitializeFramework(platform::ICursorTable* cursors = nullptr, const platform::IResourceLibrary* library = nullptr);
void FinalizeFramework();
bool IsFrameworkInitialized();
// Steps that other parts of the framework add to initialisation (run now when already
// initialised) and to finalisation (run in reverse order).
void AddFrameworkPart(std::function<void()> initialize, std::function<void()> finalize);

// The work area of the screen nearest to the point.
Rect GetWorkArea(Point point);

// The system metrics the framework reads.
int FrameWidth();
int FrameHeight();
int BorderWidth();
int SmallCaptionHeight();

// Pop-up entries that managers create for their bars' context menus, purged from last to first
// of those that no longer have a link.
class PopupEntries {
public:
    struct Entry {
        const void* owner = nullptr;
        std::function<bool()> hasLink;
        std::function<void()> free;
    };
    static PopupEntries& Instance();
    void Add(Entry entry) { m_entries.push_back(std::move(entry)); }
    void Purge();
    std::size_t Count() const { return m_entries.size(); }
    void Clear();

private:
    std::vector<Entry> m_entries;
};

}  // namespace bars
