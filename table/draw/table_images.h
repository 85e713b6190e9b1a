#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/model/card_codes.h"
#include "platform/core/canvas.h"
#include "platform/qt/bitmap.h"
#include "table/layout/card_images_port.h"

namespace engine {
class SettingsBlock;
}

namespace platform {
class ResourceBitmaps;
}

namespace table {

class TableGeometry;

// The pile-mark images in the order they are loaded, each from the library bitmap
// "W" + size letter + its code. The drawing's second "004" image is the one of code "005".
enum class PileMark {
    k004,
    kWaste,  // "_WASTE"
    k022,
    k004Second,  // code "005"
    k008,
    k010,
    k012,
    k013,
    k014,
    k015,
    k016,
    k017,
    k018,
    k019,
    k020,
    k006,
    k003,
    k011,
    kTableau,  // "_TABLEAU"
    k001,
    k009,
};

inline constexpr std::array<std::string_view, 21> kPileMarkCodes = {
    "004", "_WASTE", "022", "005", "008", "010", "012", "013",      "014", "015", "016",
    "017", "018",    "019", "020", "006", "003", "011", "_TABLEAU", "001", "009",
};

// The mark loaded from the code ("005" gives the second "004" image); none for a code
// without a mark.
std::optional<PileMark> PileMarkOfCode(std::string_view code);

// Shadows are drawn with white left out, the 3-D borders with pure blue (0x00BBGGRR).
inline constexpr platform::Colour kShadowTransparentColour = platform::Rgb(255, 255, 255);
inline constexpr platform::Colour kBorderTransparentColour = 0xFF0000;

// The suit strips "C" + size + set + letter hold five faces a row.
inline constexpr int kFacesPerStripRow = 5;

// The back that the medium size loads directly rather than scaled from the big back.
inline constexpr std::string_view kMediumOwnBack = "011";
// The back of a Back_Card that is missing, or names no back of the library.
inline constexpr std::string_view kDefaultBack = "011";

// The card faces, the back, the drag image and the table images of the current card
// size, loaded from the card resource library. One per table. A suit's faces, each pile
// mark and the drag image's first copy are made when first asked for: most tables never
// show some of them.
class TableImages : public ICardImages {
public:
    TableImages(const platform::ResourceBitmaps& library, const engine::SettingsBlock& settings,
                const TableGeometry& geometry);

    // ICardImages: LoadTableImages, then the drag image becomes a copy of face 0.
    void LoadCardImages(std::string_view cardSize) override;

    // The pile marks, the back, shadows, borders, the four suits' faces and the joker;
    // marks and faces come from the names and the card size they have now, when first
    // asked for.
    void LoadTableImages(std::string_view cardSize);
    // Cuts the 13 faces of a suit ('H', 'D', 'C' or 'S') out of its strip now.
    void BuildSuitFaces(char suit);
    // The back chosen by Back_Card for Card_Size; the default back when the library has
    // no back of that number.
    void SelectCardBack();

    // Slots 0-51 the faces (both decks share them), 52 the joker; an empty bitmap for
    // any other index. Drawing may change a face's corner pixels before copying it.
    platform::Bitmap& CardFace(int index);
    const platform::Bitmap& CardFace(int index) const;
    platform::Bitmap& CardBackBitmap() { return m_back; }
    const platform::Bitmap& CardBackBitmap() const { return m_back; }
    platform::Bitmap& DragBitmap() { return std::as_const(*this).Drag(); }
    const platform::Bitmap& DragBitmap() const { return Drag(); }
    platform::Bitmap& Mark(PileMark mark) { return std::as_const(*this).MarkImage(mark); }
    const platform::Bitmap& Mark(PileMark mark) const { return MarkImage(mark); }
    // Images 1 and 2 of "SHADOW_" and "3D_BORDER_"; any other number gives image 2.
    const platform::Bitmap& Shadow(int number) const;
    const platform::Bitmap& Border(int number) const;

private:
    // A suit's faces still to be cut: the strip and the card size at LoadTableImages.
    struct PendingSuit {
        std::string strip;
        int width = 0;
        int height = 0;
    };
    std::string StripName(char suit) const;
    // The back of that number for Card_Size into CardBackBitmap; false when the library lacks it.
    bool LoadBack(std::string_view back);
    void CutSuitFaces(std::size_t suit, const std::string& strip, int width, int height) const;
    void MakeFace(int index) const;
    platform::Bitmap& MarkImage(PileMark mark) const;
    platform::Bitmap& Drag() const;

    const platform::ResourceBitmaps& m_library;
    const engine::SettingsBlock& m_settings;
    const TableGeometry& m_geometry;
    // Made when first read, so the reading accessors fill them too.
    mutable std::array<platform::Bitmap, engine::kCardBitmapCount> m_faces;
    mutable std::array<std::optional<PendingSuit>, engine::kSuitCount> m_pendingSuits;
    platform::Bitmap m_back;
    mutable platform::Bitmap m_drag;
    mutable bool m_dragIsFace0 = false;  // still to become a copy of face 0 when the hearts are cut
    platform::Bitmap m_noFace;
    mutable std::array<platform::Bitmap, kPileMarkCodes.size()> m_marks;
    mutable std::array<std::string, kPileMarkCodes.size()> m_pendingMarks;  // the library name; empty once loaded
    std::array<platform::Bitmap, 2> m_shadows;
    std::array<platform::Bitmap, 2> m_borders;
};

}  // namespace table
