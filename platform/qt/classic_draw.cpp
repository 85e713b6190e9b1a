#include "platform/qt/classic_draw.h"

#include "platform/qt/canvas.h"

namespace platform {

void DrawEdge(Canvas&, Rect&, unsigned, unsigned) {}
void DrawFrameControl(Canvas&, const Rect&, unsigned, unsigned) {}
void DrawFocusRect(Canvas&, const Rect&) {}
QImage DitherPattern() { return {}; }
void FillPattern(Canvas&, const Rect&, const QImage&) {}
void FillWithBrush(Canvas&, const Rect&, const FillBrush&) {}

}  // namespace platform
