#include "bars/services/glyphs.h"

#include "platform/qt/canvas.h"
#include "platform/qt/image_list.h"

namespace bars {

namespace {

bool g_oldMaskOperation = false;

}  // namespace

void DrawGlyph(Canvas&, const FillBrush&, const Rect&, Colour, bool, bool, int, const ImageList*, const QImage*) {}
void GreyBitmap(QImage&, int, int, Colour) {}
bool UsesOldMaskOperation() { return g_oldMaskOperation; }
void SetUsesOldMaskOperation(bool old) { g_oldMaskOperation = old; }

}  // namespace bars
