#pragma once

#include "bars/edits/bar_custom_combo.h"
#include "platform/qt/bitmap.h"

#include <string>
#include <vector>

namespace bars {

// A font face picker: the screen's fonts, each with the mark of a scalable (TrueType) or
// bitmap font.
class TcbBarFontNameCombo : public TcbBarCustomCombo {
public:
    static constexpr const char* kClassName = "TcbBarFontNameCombo";
    static constexpr std::size_t kMaxFaceName = 32;

    struct Face {
        std::string name;
        bool trueType = false;
    };

    TcbBarFontNameCombo(TcbBarManager* manager, QWidget* owner);

    // The fonts as the platform lists them, names cut to 32 characters.
    static std::vector<Face> ScreenFonts();
    // Fills the entries (the constructor does it from ScreenFonts).
    void SetFaces(std::vector<Face> faces);
    bool IsTrueType(int index) const;

    void SetText(const std::string& value) override;
    void DrawItem(platform::Canvas& canvas, int index, const platform::Rect& rect, unsigned state) override;
    void MeasureItemWidth(int index, int& width) override;
    void DoClick() override;

private:
    std::vector<Face> m_faces;
};

// The two marks: 'T'-shaped for scalable fonts, a small grid for the others.
const platform::Bitmap& FontMark(bool trueType);

}  // namespace bars
