#include "platform/qt/form_timer.h"

#include "platform/qt/controls.h"
#include "platform/qt/timer_service_qt.h"

namespace platform {

FormTimer::FormTimer(QObject* owner, std::string_view name, unsigned intervalMs)
    : QObject(owner), m_interval(intervalMs) {
    setObjectName(ToQString(name));
}

FormTimer::~FormTimer() { SetEnabled(false); }

void FormTimer::SetInterval(unsigned milliseconds) {
    m_interval = milliseconds;
    if (IsEnabled()) {
        SetEnabled(false);
        SetEnabled(true);
    }
}

void FormTimer::SetEnabled(bool enabled) {
    if (enabled == IsEnabled()) return;
    if (!enabled) {
        Timers().KillTimer(m_id);
        m_id = 0;
        return;
    }
    m_id = Timers().SetTimer(m_interval, [this](unsigned) {
        if (onTimer) onTimer();
    });
}

}  // namespace platform
