#include "bars/services/framework_services.h"

namespace bars {

void InitializeFramework(platform::ICursorTable*, const platform::IResourceLibrary*) {}
void FinalizeFramework() {}
bool IsFrameworkInitialized() { return false; }
void AddFrameworkPart(std::function<void()>, std::function<void()>) {}
Rect GetWorkArea(Point) { return {}; }
int FrameWidth() { return 0; }
int FrameHeight() { return 0; }
int BorderWidth() { return 0; }
int SmallCaptionHeight() { return 0; }

PopupEntries& PopupEntries::Instance() {
    static PopupEntries entries;
    return entries;
}
void PopupEntries::Purge() {}
void PopupEntries::Clear() { m_entries.clear(); }

}  // namespace bars
