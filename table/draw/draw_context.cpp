#include "table/draw/draw_context.h"

#include "engine/model/preference_fields.h"
#include "engine/model/settings_block.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "table/layout/table_layout.h"
#include "table/draw/pile_marks.h"
#include "table/draw/table_buffer.h"
#include "table/draw/table_images.h"
#include "table/draw/table_surface.h"

namespace table {

namespace {

constexpr std::string_view kNo = "N";

// The drawing names the first "004" image by the tableau and the second by the
// foundations; the loaded slot of each other mark carries its own code.
PileMark SlotOf(MarkImage image) {
    if (image == MarkImage::k004Tableau) return PileMark::k004;
    if (image == MarkImage::k004Foundation) return PileMark::k004Second;
    return PileMarkOfCode(MarkImageCode(image)).value_or(PileMark::k004);
}

const platform::Bitmap& NoImage() {
    static const platform::Bitmap empty;
    return empty;
}

}  // namespace

int DrawContext::ScrollOffset() const { return surface.ScrollPosition(); }

int DrawContext::YShift(const platform::ICanvas& canvas) const {
    return buffers.IsOffScreen(canvas) ? ScrollOffset() : 0;
}

platform::Canvas& DrawContext::Window() { return surface.Canvas(); }
platform::Canvas& DrawContext::Buffer() { return buffers.BufferCanvas(); }
TableBackground& DrawContext::Background() { return buffers.Background(); }
bool DrawContext::IsWindow(const platform::ICanvas& canvas) { return &canvas == &surface.Canvas(); }
bool DrawContext::IsBuffer(const platform::ICanvas& canvas) { return &canvas == &buffers.BufferCanvas(); }

int DrawContext::CardWidth() const { return geometry.CardWidth(); }
int DrawContext::CardHeight() const { return geometry.CardHeight(); }

platform::Rect DrawContext::CardRectAt(int x, int y) const { return {x, y, x + CardWidth(), y + CardHeight()}; }

bool DrawContext::ShadowsOn() const {
    return settings.GetField(engine::fields::kCardsShadowed.position, engine::fields::kCardsShadowed.width) != kNo;
}

bool DrawContext::UntidyPiles() const {
    return settings.GetField(engine::fields::kPilesTT.position, engine::fields::kPilesTT.width) != kNo;
}

platform::Bitmap& DrawContext::Face(int bitmapIndex) { return images.CardFace(bitmapIndex); }
platform::Bitmap& DrawContext::Back() { return images.CardBackBitmap(); }

const platform::Bitmap& DrawContext::Mark(MarkImage image) {
    if (image == MarkImage::kNone || image == MarkImage::kStock021) return NoImage();
    return images.Mark(SlotOf(image));
}

const platform::Bitmap& DrawContext::Shadow(int which) { return images.Shadow(which); }
const platform::Bitmap& DrawContext::Border(int which) { return images.Border(which); }
platform::Bitmap& DrawContext::DragBitmap() { return images.DragBitmap(); }

char DrawContext::CardSizeLetter() const {
    const std::string size = settings.GetField(engine::fields::kCardSize.position, engine::fields::kCardSize.width);
    return size.empty() ? '\0' : size.front();
}

}  // namespace table
