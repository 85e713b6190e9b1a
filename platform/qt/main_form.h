#pragma once

class QWidget;

namespace platform {

// The program's main form: the owner that components fall back on when they are made
// without one. None until the program names it; it is forgotten when the form is destroyed.
QWidget* MainForm();
void SetMainForm(QWidget* form);

}  // namespace platform
