#include "bars/services/framework_services.h"

#include "bars/services/bar_window_chain.h"
#include "bars/services/framework_cursors.h"
#include "bars/services/mouse_leave_tracking.h"
#include "bars/services/shapes.h"
#include "platform/core/cursor_table.h"
#include "platform/core/system_colours.h"
#include "platform/qt/cursors.h"
#include "platform/qt/work_area.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <array>
#include <string_view>
#include <utility>

namespace bars {

namespace {

struct DragCursor {
    int id;
    std::string_view resource;
};

constexpr std::array<DragCursor, 4> kDragCursors{{
    {kDragCursor, "CBBARDRAGCURSOR"},
    {kDragCopyCursor, "CBBARDRAGCOPYCURSOR"},
    {kNoDropCursor, "CBBARDRAGNODROPCURSOR"},
    {kEditSizingCursor, "CBBAREDITSIZINGCURSOR"},
}};

struct FrameworkPart {
    std::function<void()> initialize;
    std::function<void()> finalize;
};

struct FrameworkState {
    int count = 0;
    std::vector<FrameworkPart> parts;
};

FrameworkState& State() {
    static FrameworkState state;
    return state;
}

}  // namespace

void InitializeFramework(platform::ICursorTable* cursors, const platform::IResourceLibrary* library) {
    FrameworkState& state = State();
    if (state.count++ > 0) return;
    PopupEntries::Instance().Clear();
    RebuildDitherBrush();
    for (const FrameworkPart& part : state.parts)
        if (part.initialize) part.initialize();
    // Cursors are pictures of the windowing system: a program without one has none to install.
    if (cursors == nullptr && library == nullptr && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        cursors = &FrameworkCursors();
        library = &FrameworkResources::Instance();
    }
    if (cursors != nullptr && library != nullptr)
        for (const DragCursor& cursor : kDragCursors) cursors->LoadCursor(cursor.id, *library, cursor.resource);
}

void FinalizeFramework() {
    FrameworkState& state = State();
    if (state.count == 0 || --state.count > 0) return;
    for (auto part = state.parts.rbegin(); part != state.parts.rend(); ++part)
        if (part->finalize) part->finalize();
    FrameworkCursors() = {};
    PopupEntries::Instance().Clear();
    LiveBarWindows::Instance().Clear();
    SetActiveBarControl(nullptr);
    // Ends a fallback watch with its poll; the leave notification stays the default.
    SetLeaveNotificationAvailable(false);
    SetLeaveNotificationAvailable(true);
}

bool IsFrameworkInitialized() { return State().count > 0; }

namespace {
// The framework comes up with every program's application object, as a module of the program
// is initialised, and goes down with it.
void StartFramework() {
    InitializeFramework();
    qAddPostRoutine(FinalizeFramework);
}
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(StartFramework)

void AddFrameworkPart(std::function<void()> initialize, std::function<void()> finalize) {
    FrameworkState& state = State();
    if (state.count > 0 && initialize) initialize();
    state.parts.push_back({std::move(initialize), std::move(finalize)});
}

Rect GetWorkArea(Point point) { return platform::WorkArea(point); }

int FrameWidth() { return platform::SystemMetric(platform::SM_CXFRAME); }
int FrameHeight() { return platform::SystemMetric(platform::SM_CYFRAME); }
int BorderWidth() { return platform::SystemMetric(platform::SM_CXBORDER); }
int SmallCaptionHeight() { return platform::SystemMetric(platform::SM_CYSMCAPTION); }

PopupEntries& PopupEntries::Instance() {
    static PopupEntries entries;
    return entries;
}

void PopupEntries::Purge() {
    for (std::size_t i = m_entries.size(); i-- > 0;) {
        if (i >= m_entries.size()) continue;  // freeing an entry may have taken others with it
        if (m_entries[i].hasLink && m_entries[i].hasLink()) continue;
        Entry entry = std::move(m_entries[i]);
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
        if (entry.free) entry.free();
    }
}

void PopupEntries::Clear() {
    std::vector<Entry> entries;
    entries.swap(m_entries);
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        if (entry->free) entry->free();
}

}  // namespace bars
