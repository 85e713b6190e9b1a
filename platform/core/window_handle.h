#pragma once

#include <cstdint>

namespace platform {

// A window as the Qt-free layers see it: an opaque number, 0 for none. The Qt side makes
// one from a widget's address and finds the widget again only while it is alive.
using WindowHandle = std::uintptr_t;
inline constexpr WindowHandle kNoWindow = 0;

}  // namespace platform
