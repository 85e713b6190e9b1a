#include "bars/services/captions.h"

#include "platform/qt/canvas.h"

#include <algorithm>

namespace bars {

std::string StripAccelerators(std::string_view caption) { return std::string(caption); }
int AcceleratorPosition(std::string_view) { return 0; }
std::string FitText(const Canvas&, std::string_view text, int) { return std::string(text); }
void DrawCaption(Canvas&, std::string_view, const Rect&, CaptionAlignment, bool, bool, bool) {}
int ClampWidth(int width) { return std::clamp(width, kMinItemWidth, kMaxItemWidth); }

}  // namespace bars
