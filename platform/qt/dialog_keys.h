#pragma once

class QAbstractButton;
class QWidget;

namespace platform {

// Return clicks the default button and Escape the cancel button anywhere in the window,
// as in the platform's dialogs; either may be none.
void SetDialogButtons(QWidget& window, QAbstractButton* defaultButton, QAbstractButton* cancelButton);

}  // namespace platform
