#pragma once

#include "platform/core/timer_service.h"

namespace bars {

// The timer service the framework's windowless timers run on: the installed one (a virtual
// one in tests), else Qt's, installed on first use.
platform::ITimerService& FrameworkTimers();

}  // namespace bars
