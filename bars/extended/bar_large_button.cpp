#include "bars/extended/bar_large_button.h"

#include "bars/extended/extended_support.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/services/captions.h"
#include "bars/services/glyphs.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"
#include "platform/qt/classic_draw.h"
#include "platform/qt/image_list.h"

#include <algorithm>

namespace bars {

namespace {
constexpr int kNoImageHeight = 26;
constexpr int kNoImageWidth = 30;
constexpr int kStandInImage = 20;

platform::Rect Moved(platform::Rect r, int by) { return {r.left + by, r.top + by, r.right + by, r.bottom + by}; }
}  // namespace

// ---- item -----------------------------------------------------------------------------

TcbBarLargeButton::TcbBarLargeButton(TcbBarManager* manager, QWidget* owner) : TcbBarButton(manager, owner) {}

void TcbBarLargeButton::SetAutoGrayScale(bool value) {
    if (value == m_autoGrayScale) return;
    m_autoGrayScale = value;
    if (!IsLoading()) RepaintControls();
}

void TcbBarLargeButton::SetGlyphLayout(TcbBarGlyphLayout value) {
    if (value == m_glyphLayout) return;
    m_glyphLayout = value;
    if (!IsLoading()) GlyphLayoutChanged();
}

void TcbBarLargeButton::SetHeight(int value) {
    if (value < 0 || value == m_height) return;
    m_height = value;
    if (!IsLoading()) HeightChanged();
}

void TcbBarLargeButton::SetWidth(int value) {
    if (value < 0 || value == m_width) return;
    m_width = value;
    if (!IsLoading()) WidthChanged();
}

void TcbBarLargeButton::SetShowCaption(bool value) {
    if (value == m_showCaption) return;
    m_showCaption = value;
    if (!IsLoading()) ShowCaptionChanged();
}

void TcbBarLargeButton::SetHotGlyph(const platform::Bitmap& value) {
    m_hotGlyph = value;
    if (!IsLoading()) HotImagesChanged();
}

void TcbBarLargeButton::SetHotImageIndex(int value) {
    if (value == m_hotImageIndex) return;
    m_hotImageIndex = value;
    if (!IsLoading()) HotImagesChanged();
}

void TcbBarLargeButton::SetLargeGlyph(const platform::Bitmap& value) {
    m_largeGlyph = value;
    if (!IsLoading()) LargeImagesChanged();
}

void TcbBarLargeButton::SetLargeImageIndex(int value) {
    if (value == m_largeImageIndex) return;
    m_largeImageIndex = value;
    if (!IsLoading()) LargeImagesChanged();
}

bool TcbBarLargeButton::CanUseAccelerator(const TcbBarItemLink& link) const {
    const IBarWindow* window = link.Collection() ? link.Collection()->Window() : nullptr;
    if (window && !window->IsMenu() && !m_showCaption) return false;
    return TcbBarButton::CanUseAccelerator(link);
}

namespace {
// Each large-button control of the item gets the notice.
template <class Item>
void TellControls(const Item& item, void (TcbBarLargeButtonControl::*notice)()) {
    for (int i = 0; i < item.LinkCount(); ++i)
        if (auto* large = dynamic_cast<TcbBarLargeButtonControl*>(item.Links(i)->Control())) (large->*notice)();
}
}  // namespace

void TcbBarLargeButton::HotImagesChanged() { TellControls(*this, &TcbBarLargeButtonControl::HotImagesChanged); }
void TcbBarLargeButton::LargeImagesChanged() { TellControls(*this, &TcbBarLargeButtonControl::LargeImagesChanged); }
void TcbBarLargeButton::GlyphLayoutChanged() { TellControls(*this, &TcbBarLargeButtonControl::GlyphLayoutChanged); }
void TcbBarLargeButton::HeightChanged() { TellControls(*this, &TcbBarLargeButtonControl::HeightChanged); }
void TcbBarLargeButton::ShowCaptionChanged() { TellControls(*this, &TcbBarLargeButtonControl::ShowCaptionChanged); }
void TcbBarLargeButton::WidthChanged() { TellControls(*this, &TcbBarLargeButtonControl::WidthChanged); }

// ---- control --------------------------------------------------------------------------

platform::Size LargeButtonImage::Size() const {
    if (bitmap) return {bitmap->Width(), bitmap->Height()};
    if (list) return {list->Width(), list->Height()};
    return {kStandInImage, kStandInImage};
}

TcbBarLargeButton* TcbBarLargeButtonControl::LargeButton() const { return dynamic_cast<TcbBarLargeButton*>(Item()); }

namespace {
LargeButtonImage ImageOf(const platform::Bitmap& glyph, const platform::ImageList* list, int index) {
    if (!glyph.IsEmpty()) return {&glyph, nullptr, -1};
    if (list && index >= 0 && index < list->Count()) return {nullptr, list, index};
    return {};
}
}  // namespace

LargeButtonImage TcbBarLargeButtonControl::Large() const {
    const TcbBarLargeButton* button = LargeButton();
    if (!button) return {};
    return ImageOf(button->LargeGlyph(), Manager() ? Manager()->LargeImages() : nullptr, button->LargeImageIndex());
}

LargeButtonImage TcbBarLargeButtonControl::Hot() const {
    const TcbBarLargeButton* button = LargeButton();
    if (!button) return {};
    return ImageOf(button->HotGlyph(), Manager() ? Manager()->HotImages() : nullptr, button->HotImageIndex());
}

LargeButtonImage TcbBarLargeButtonControl::LargeFirst() const {
    const LargeButtonImage large = Large();
    return large.Exists() ? large : Hot();
}

LargeButtonImage TcbBarLargeButtonControl::HotFirst() const {
    const LargeButtonImage hot = Hot();
    return hot.Exists() ? hot : Large();
}

platform::Size TcbBarLargeButtonControl::LargeSize() const {
    const TcbBarLargeButton* button = LargeButton();
    if (!button) return {};
    const LargeButtonImage image = LargeFirst();
    platform::Size size{kNoImageWidth, kNoImageHeight};
    const bool turned = IsRotatedVertical(*this) && button->ShowCaption();
    if (image.Exists()) {
        platform::Size s = image.Size();
        if (turned) std::swap(s.width, s.height);
        size = {10 + s.width, 6 + s.height};
    }
    if (button->ShowCaption()) {
        const platform::CanvasFont font = FontOf(*this);
        const int textWidth = TextSizeIn(font, StripAccelerators(GetCaption())).width;
        const int textHeight = TextSizeIn(font, "Qq").height;
        if (button->GlyphLayout() == glTop || button->GlyphLayout() == glBottom) {
            size.height += textHeight + 1;
            size.width = std::max(size.width, textWidth + 6 + 10);
        } else {
            size.width += textWidth + 6;
            size.height = std::max(size.height, textHeight + 6);
        }
    }
    if (button->ButtonStyle() == bsDropDown) size.width += GetArrowWidth();
    if (button->Width() > 0) size.width = button->Width();
    if (button->Height() > 0) size.height = button->Height();
    return size;
}

int TcbBarLargeButtonControl::GetArrowWidth() const {
    if (IsInMenu(*this)) return TcbBarButtonControl::GetArrowWidth();
    return Manager() ? Manager()->LargeButtonArrowWidth() : 0;
}

int TcbBarLargeButtonControl::GetWidth() const {
    if (IsInMenu(*this)) return TcbBarButtonControl::GetWidth();
    const platform::Size size = LargeSize();
    return IsRotatedVertical(*this) ? size.height : size.width;
}

int TcbBarLargeButtonControl::GetHeight() const {
    if (IsInMenu(*this)) return TcbBarButtonControl::GetHeight();
    const platform::Size size = LargeSize();
    return IsRotatedVertical(*this) ? size.width : size.height;
}

bool TcbBarLargeButtonControl::Pushed() const {
    const TCustomcbBarControl* window = BarWindowOf(*this);
    const bool held = window && window->PressedControl() == this && window->PressedIn() && !DroppedDown();
    const bool holding = ClickHold() && Button() && Button()->ButtonStyle() != bsChecked;
    return held || holding;
}

LargeButtonPlacement PlaceLargeButton(const platform::Rect& c, platform::Size size, TcbBarGlyphLayout layout,
                                      bool vertical, bool showCaption) {
    const int w = size.width, h = size.height;
    const int cx = (c.left + c.right - w) / 2, cy = (c.top + c.bottom - h) / 2;
    LargeButtonPlacement p;
    p.caption = c;
    p.alignment = 1;
    int x = c.left + 4, y = c.top + 2;
    if (showCaption) {
        if (!vertical) {
            switch (layout) {
            case glLeft: x = c.left + 4, y = cy; break;
            case glRight: x = c.right - 4 - w, y = cy; break;
            case glTop: x = cx, y = c.top + 2; break;
            case glBottom: x = cx, y = c.bottom - 2 - h; break;
            }
        } else {
            switch (layout) {
            case glLeft: x = cx, y = c.top + 4; break;
            case glRight: x = cx, y = c.bottom - 4 - h; break;
            case glTop: x = c.right - 2 - w, y = cy; break;
            case glBottom: x = c.left + 2, y = cy; break;
            }
        }
    }
    p.image = {x, y, x + w, y + h};
    if (!vertical) {
        switch (layout) {
        case glLeft: p.caption.left = p.image.right + 3, p.alignment = 0; break;
        case glRight: p.caption.right = p.image.left - 3, p.alignment = 2; break;
        case glTop: p.caption.top = p.image.bottom; break;
        case glBottom: p.caption.bottom = p.image.top; break;
        }
    } else {
        switch (layout) {
        case glLeft: p.caption.top = p.image.bottom + 3, p.alignment = 0; break;
        case glRight: p.caption.bottom = p.image.top - 3, p.alignment = 2; break;
        case glTop: p.caption.right = p.image.left; break;
        case glBottom: p.caption.left = p.image.right; break;
        }
    }
    return p;
}

void TcbBarLargeButtonControl::Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) {
    TcbBarLargeButton* button = LargeButton();
    if (place == 1 || !button) {
        TcbBarButtonControl::Draw(canvas, rect, place);
        return;
    }
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    TcbBarManager* manager = Manager();
    const bool dropDown = button->ButtonStyle() == bsDropDown;
    platform::Rect content = rect;
    platform::Rect arrow;
    if (dropDown) {
        arrow = {rect.right - GetArrowWidth(), rect.top, rect.right, rect.bottom};
        content.right = arrow.left;
    }
    const bool hot = IsSelected();
    const bool pushed = Pushed();
    const bool down = button->Down();
    const bool enabled = GetEnabled();
    const LargeButtonImage image = hot ? HotFirst() : LargeFirst();
    const platform::Colour face = platform::SystemColour(platform::COLOR_BTNFACE);
    const platform::FillBrush brush{face, down && !hot && enabled ? platform::DitherPattern() : QImage()};
    if (hot || down) {
        platform::Rect edge = content;
        platform::DrawEdge(canvas, edge, down || pushed ? platform::BDR_SUNKENOUTER : platform::BDR_RAISEDINNER,
                           platform::BF_RECT);
    } else {
        FrameRectIn(canvas, content, face);
    }
    const platform::Rect cell{content.left + 1, content.top + 1, content.right - 1, content.bottom - 1};
    const platform::Rect moved = Moved(cell, (down ? 1 : 0) + (pushed ? 1 : 0));
    const bool vertical = place == 2;
    const LargeButtonPlacement placement =
        PlaceLargeButton(moved, image.Size(), button->GlyphLayout(), vertical, button->ShowCaption());
    if (!image.Exists()) {
        platform::FillWithBrush(canvas, cell, brush);
    } else {
        platform::FillWithBrush(canvas, cell, brush);
        DrawGlyph(canvas, brush, placement.image, manager ? manager->ImageListBkColor() : face,
                  button->AutoGrayScale() && !hot, button->Enabled(), image.index, image.list,
                  image.bitmap ? &image.bitmap->Image() : nullptr);
    }
    if (button->ShowCaption()) {
        canvas.SetFont(FontOf(*this));
        DrawCaption(canvas, GetCaption(), placement.caption, static_cast<CaptionAlignment>(placement.alignment), enabled,
                    false, vertical);
    }
    if (dropDown && arrow.Width() > 0) {
        canvas.FillSolidRect(arrow, face);
        platform::Rect edge = arrow;
        if (DroppedDown())
            platform::DrawEdge(canvas, edge, platform::BDR_SUNKENOUTER, platform::BF_RECT);
        else if (hot)
            platform::DrawEdge(canvas, edge, platform::BDR_RAISEDINNER, platform::BF_RECT);
        const platform::Colour colour = platform::SystemColour(enabled ? platform::COLOR_BTNTEXT : platform::COLOR_BTNSHADOW);
        const int x = arrow.left + (arrow.Width() - 5) / 2, y = arrow.top + (arrow.Height() - 3) / 2;
        for (int k = 0; k < 3; ++k) canvas.FillSolidRect({x + k, y + k, x + 5 - k, y + k + 1}, colour);
    }
}

}  // namespace bars
