#pragma once

#include "platform/core/canvas.h"

#include <vector>

class QMdiSubWindow;

namespace bars {

// The caption buttons at the far end of a main-menu bar: the minimize, restore and close
// buttons of the maximized MDI child the form shows, or the lone close button the manager
// may show.
enum class CaptionButtonKind { Minimize, Restore, Close };

struct CaptionButton {
    CaptionButtonKind kind = CaptionButtonKind::Close;
    bool enabled = true;
    bool operator==(const CaptionButton&) const = default;
};

// The close button of the three sits this far from the other two.
constexpr int kCaptionButtonGap = 2;

// The size of the buttons together: along the bar one button, or three and the gap; across
// it one button.
platform::Size CaptionButtonsExtent(int count, platform::Size button, bool vertical);
// Button `index` of `count`, the group at the far end of the client area, centred across it.
platform::Rect CaptionButtonPlace(const platform::Rect& client, platform::Size button, int count, int index,
                                  bool vertical);

// The child's three buttons, each enabled unless its system menu greys the command.
std::vector<CaptionButton> MdiCaptionButtons(const QMdiSubWindow& child);
// The system command (SC_MINIMIZE, SC_RESTORE, SC_CLOSE) and the frame-control glyph of a kind.
int SystemCommandOf(CaptionButtonKind kind);
unsigned FrameControlOf(CaptionButtonKind kind);
// The child carries out a command of its system menu.
void RunSystemCommand(QMdiSubWindow& child, int command);

}  // namespace bars
