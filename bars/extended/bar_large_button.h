#pragma once

#include "bars/controls/button_control.h"
#include "bars/items/bar_button.h"
#include "platform/qt/image_list.h"

namespace bars {

enum TcbBarGlyphLayout { glLeft, glRight, glTop, glBottom };

// A button with its own large and hot images, drawn large on toolbars with its caption
// beside or under the image; in menus it is a plain button.
class TcbBarLargeButton : public TcbBarButton {
public:
    static constexpr const char* kClassName = "TcbBarLargeButton";
    TcbBarLargeButton(TcbBarManager* manager, QWidget* owner);

    bool AutoGrayScale() const { return m_autoGrayScale; }
    void SetAutoGrayScale(bool value);
    TcbBarGlyphLayout GlyphLayout() const { return m_glyphLayout; }
    void SetGlyphLayout(TcbBarGlyphLayout value);
    int Height() const { return m_height; }
    void SetHeight(int value);
    const platform::Bitmap& HotGlyph() const { return m_hotGlyph; }
    void SetHotGlyph(const platform::Bitmap& value);
    int HotImageIndex() const { return m_hotImageIndex; }
    void SetHotImageIndex(int value);
    const platform::Bitmap& LargeGlyph() const { return m_largeGlyph; }
    void SetLargeGlyph(const platform::Bitmap& value);
    int LargeImageIndex() const { return m_largeImageIndex; }
    void SetLargeImageIndex(int value);
    bool ShowCaption() const { return m_showCaption; }
    void SetShowCaption(bool value);
    int Width() const { return m_width; }
    void SetWidth(int value);

    bool UsesHotImages() const override { return m_hotImageIndex > -1; }
    bool UsesLargeImages() const override { return m_largeImageIndex > -1; }
    bool CanUseAccelerator(const TcbBarItemLink& link) const override;
    void HotImagesChanged() override;
    void LargeImagesChanged() override;

    virtual void GlyphLayoutChanged();
    virtual void HeightChanged();
    virtual void ShowCaptionChanged();
    virtual void WidthChanged();

private:
    bool m_autoGrayScale = true;
    TcbBarGlyphLayout m_glyphLayout = glTop;
    int m_height = 0;
    platform::Bitmap m_hotGlyph;
    int m_hotImageIndex = -1;
    platform::Bitmap m_largeGlyph;
    int m_largeImageIndex = -1;
    bool m_showCaption = true;
    int m_width = 0;
};

// One of the large button's images: a bitmap of its own or a list's image.
struct LargeButtonImage {
    const platform::Bitmap* bitmap = nullptr;
    const platform::ImageList* list = nullptr;
    int index = -1;
    bool Exists() const { return bitmap || list; }
    platform::Size Size() const;
};

class TcbBarLargeButtonControl : public TcbBarButtonControl {
public:
    using TcbBarButtonControl::TcbBarButtonControl;

    TcbBarLargeButton* LargeButton() const;
    // On toolbars the manager's large-button arrow width.
    int GetArrowWidth() const override;
    int GetWidth() const override;
    int GetHeight() const override;
    void Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) override;

    virtual void GlyphLayoutChanged() { RelayoutWindow(); }
    virtual void HeightChanged() { RelayoutWindow(); }
    virtual void ShowCaptionChanged() { RelayoutWindow(); }
    virtual void WidthChanged() { RelayoutWindow(); }
    virtual void HotImagesChanged() { RelayoutWindow(); }
    virtual void LargeImagesChanged() { RelayoutWindow(); }

    // The large image, else the hot one (measuring; drawing while not hot).
    LargeButtonImage LargeFirst() const;
    LargeButtonImage HotFirst() const;
    // The size on a toolbar, before it is turned for a rotated vertical bar.
    platform::Size LargeSize() const;

private:
    LargeButtonImage Large() const;
    LargeButtonImage Hot() const;
    bool Pushed() const;
};

// Where the image and the caption go inside the moved content rectangle.
struct LargeButtonPlacement {
    platform::Rect image;
    platform::Rect caption;
    int alignment = 0;  // 0 start, 1 centred, 2 end
};
LargeButtonPlacement PlaceLargeButton(const platform::Rect& content, platform::Size image, TcbBarGlyphLayout layout,
                                      bool vertical, bool showCaption);

}  // namespace bars
