#pragma once

class QWidget;

namespace platform {

// The owner of a top-level window: the window stays above its owner's window, and input on it
// counts as input on the owner where the framework asks which window chain a click belongs to.
// None (nullptr) takes the owner away. The link goes when either of them is destroyed.
void SetOwnerWindow(QWidget& window, QWidget* owner);
QWidget* OwnerWindow(const QWidget& window);

}  // namespace platform
