#pragma once

#include <QObject>

#include <functional>
#include <string_view>

namespace platform {

// A form's timer on the timer service: while enabled, runs onTimer every interval.
class FormTimer : public QObject {
    Q_OBJECT
public:
    FormTimer(QObject* owner, std::string_view name, unsigned intervalMs);
    ~FormTimer() override;

    unsigned Interval() const { return m_interval; }
    void SetInterval(unsigned milliseconds);
    bool IsEnabled() const { return m_id != 0; }
    void SetEnabled(bool enabled);

    std::function<void()> onTimer;

private:
    unsigned m_interval;
    unsigned m_id = 0;
};

}  // namespace platform
