#include "bars/popups/framework_timers.h"

#include "platform/qt/timer_service_qt.h"

namespace bars {

platform::ITimerService& FrameworkTimers() {
    if (platform::ITimerService* installed = platform::InstalledTimerService()) return *installed;
    static platform::QtTimerService service;
    platform::InstallTimerService(&service);
    return service;
}

}  // namespace bars
