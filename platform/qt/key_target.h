#pragma once

class QKeyEvent;
class QWidget;

namespace platform {

// The keyboard focus of a window that is never activated: a field in a bar, menu or pop-up
// window of the toolbar framework, which take no focus of their own. While a field is the key
// target, the keys that reach another top-level window and pass the input hooks go to it
// instead, and a button pressed anywhere outside the field's window takes the focus from it
// (the field hears the focus going, as on any other window). The field is told FocusIn when it
// becomes the target and FocusOut when it stops being it.
void SetKeyTarget(QWidget* field);
QWidget* KeyTarget();

// A key event that reached the top-level window goes on to the key target: false when there is
// none, or when the window is the target's own.
bool DeliverToKeyTarget(const QWidget& window, const QKeyEvent& event);

}  // namespace platform
