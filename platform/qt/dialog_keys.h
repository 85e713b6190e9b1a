#pragma once

class QAbstractButton;
class QWidget;

namespace platform {

// The dialog keys, as in the platform's dialogs: Return clicks the push button that has the
// focus, else the default button (which may be none); Escape clicks the cancel button
// anywhere in the window (none: Escape does nothing).
void SetDialogButtons(QWidget& window, QAbstractButton* defaultButton, QAbstractButton* cancelButton);

}  // namespace platform
