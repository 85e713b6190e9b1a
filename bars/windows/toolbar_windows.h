#pragma once

namespace bars {

// Makes bars show in toolbar windows and buttons in button controls; idempotent. A form's
// manager needs it before its first bar becomes visible.
void InstallToolbarWindows();
// Undoes it: bars get no windows and buttons no controls (a model without windows).
void RemoveToolbarWindows();

}  // namespace bars
