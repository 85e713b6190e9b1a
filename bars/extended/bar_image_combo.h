#pragma once

#include "bars/edits/bar_custom_combo.h"
#include "bars/edits/edit_controls.h"

#include <vector>

namespace platform {
class ImageList;
}

namespace bars {

// A picker of image-list images, each entry an image and (with ShowText) its text.
class TcbBarImageCombo : public TcbBarCustomCombo {
public:
    static constexpr const char* kClassName = "TcbBarImageCombo";

    TcbBarImageCombo(TcbBarManager* manager, QWidget* owner);

    platform::ImageList* Images() const { return m_images; }
    void SetImages(platform::ImageList* value);
    void ImageListFreed(const platform::ImageList* images) override;
    // The image of each entry, by entry ("ImageIndexes" in a form's stream).
    int ImageIndexes(int index) const;
    void SetImageIndexes(int index, int imageIndex);
    bool ShowText() const { return m_showText; }
    void SetShowText(bool value);

    void DrawItem(platform::Canvas& canvas, int index, const platform::Rect& rect, unsigned state) override;
    void MeasureItemWidth(int index, int& width) override;
    void DoClick() override;

private:
    platform::ImageList* m_images = nullptr;
    std::vector<int> m_imageIndexes;
    bool m_showText = true;
};

class TcbBarImageComboControl : public TcbBarComboControl {
public:
    using TcbBarComboControl::TcbBarComboControl;
};

}  // namespace bars
