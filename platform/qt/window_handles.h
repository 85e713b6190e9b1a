#pragma once

#include "platform/core/window_handle.h"

class QWidget;

namespace platform {

// The handle of a widget (kNoWindow for none). The widget is remembered so that WidgetOf
// can find it again while it lives.
WindowHandle HandleOf(const QWidget* widget);
// The live widget of a handle; nullptr once it is destroyed or for a handle never made.
QWidget* WidgetOf(WindowHandle handle);

}  // namespace platform
