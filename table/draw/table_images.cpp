#include "table/draw/table_images.h"

#include <string>

#include "engine/model/preference_fields.h"
#include "engine/model/settings_block.h"
#include "platform/qt/canvas.h"
#include "platform/qt/resource_bitmaps.h"
#include "table/layout/card_sizes.h"
#include "table/layout/table_geometry.h"

namespace table {

namespace {

namespace fields = engine::fields;

constexpr std::string_view kMarkPrefix = "W";
constexpr std::string_view kShadowPrefix = "SHADOW_";
constexpr std::string_view kBorderPrefix = "3D_BORDER_";
constexpr std::string_view kJokerPrefix = "JOKER_";
constexpr std::string_view kStripPrefix = "C";
constexpr std::string_view kBackPrefix = "D";
constexpr std::string_view kBigBackPrefix = "DB";

struct SuitStrip {
    char letter;
    int firstFace;
};

constexpr std::array<SuitStrip, engine::kSuitCount> kSuitStrips = {{
    {'H', engine::kHearts* engine::kSuitSize},
    {'D', engine::kDiamonds* engine::kSuitSize},
    {'C', engine::kClubs* engine::kSuitSize},
    {'S', engine::kSpades* engine::kSuitSize},
}};

// The big back is scaled to the medium card's size.
constexpr CardDimensions kBigBack = *CardDimensionsFor(kBigCards);
constexpr CardDimensions kMediumBack = *CardDimensionsFor(kMediumCards);

std::string Name(std::string_view a, std::string_view b, std::string_view c = {}, std::string_view d = {}) {
    std::string name(a);
    name += b;
    name += c;
    name += d;
    return name;
}

std::string_view Letter(std::string_view cardSize) { return cardSize.substr(0, 1); }

}  // namespace

std::optional<PileMark> PileMarkOfCode(std::string_view code) {
    for (std::size_t i = 0; i < kPileMarkCodes.size(); ++i) {
        if (kPileMarkCodes[i] == code) return static_cast<PileMark>(i);
    }
    return std::nullopt;
}

TableImages::TableImages(const platform::ResourceBitmaps& library, const engine::SettingsBlock& settings,
                         const TableGeometry& geometry)
    : m_library(library), m_settings(settings), m_geometry(geometry) {}

platform::Bitmap& TableImages::CardFace(int index) {
    if (index < 0 || index >= engine::kCardBitmapCount) {
        m_noFace.Clear();
        return m_noFace;
    }
    return m_faces[static_cast<std::size_t>(index)];
}

const platform::Bitmap& TableImages::CardFace(int index) const {
    if (index < 0 || index >= engine::kCardBitmapCount) return m_noFace;
    return m_faces[static_cast<std::size_t>(index)];
}

const platform::Bitmap& TableImages::Shadow(int number) const { return m_shadows[number == 1 ? 0 : 1]; }

const platform::Bitmap& TableImages::Border(int number) const { return m_borders[number == 1 ? 0 : 1]; }

void TableImages::LoadCardImages(std::string_view cardSize) {
    LoadTableImages(cardSize);
    m_drag = m_faces[0];
}

void TableImages::LoadTableImages(std::string_view cardSize) {
    const std::string_view s = Letter(cardSize);
    for (std::size_t i = 0; i < kPileMarkCodes.size(); ++i) {
        m_library.LoadResBitmap(m_marks[i], Name(kMarkPrefix, s, kPileMarkCodes[i]));
    }
    SelectCardBack();
    for (std::size_t i = 0; i < m_shadows.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        m_library.LoadResBitmap(m_shadows[i], Name(kShadowPrefix, s, number));
        m_library.LoadResBitmap(m_borders[i], Name(kBorderPrefix, s, number));
    }
    for (const SuitStrip& strip : kSuitStrips) BuildSuitFaces(strip.letter);
    m_library.LoadResBitmap(m_faces[engine::kJokerBitmapIndex], Name(kJokerPrefix, s));
}

void TableImages::BuildSuitFaces(char suit) {
    const SuitStrip* strip = nullptr;
    for (const SuitStrip& entry : kSuitStrips) {
        if (entry.letter == suit) strip = &entry;
    }
    if (strip == nullptr) return;
    const std::string size = m_settings.GetField(fields::kCardSize.position, fields::kCardSize.width);
    const std::string set = m_settings.GetField(fields::kCardSet.position, fields::kCardSet.width);
    platform::Bitmap source;
    m_library.LoadResBitmap(source, Name(kStripPrefix, size, set, std::string(1, suit)));
    const int cw = m_geometry.CardWidth();
    const int ch = m_geometry.CardHeight();
    for (int j = 0; j < engine::kSuitSize; ++j) {
        platform::Bitmap& face = m_faces[static_cast<std::size_t>(strip->firstFace + j)];
        // A fresh face, white where a missing strip gives nothing to copy.
        face.Clear();
        face.SetSize(cw, ch);
        platform::Canvas canvas(face);
        canvas.BlockCopy(0, 0, cw, ch, source, (j % kFacesPerStripRow) * cw, (j / kFacesPerStripRow) * ch);
    }
}

void TableImages::SelectCardBack() {
    const std::string size = m_settings.GetField(fields::kCardSize.position, fields::kCardSize.width);
    const std::string back = m_settings.GetField(fields::kBackCard.position, fields::kBackCard.width);
    if (CardSizeLetter(size) == kMediumCards && back != kMediumOwnBack) {
        platform::Bitmap big;
        m_library.LoadResBitmap(big, Name(kBigBackPrefix, back));
        m_back.Clear();
        m_back.SetSize(kMediumBack.width, kMediumBack.height);
        platform::Canvas canvas(m_back);
        canvas.StretchCopy({0, 0, kMediumBack.width, kMediumBack.height}, big, {0, 0, kBigBack.width, kBigBack.height});
        return;
    }
    m_library.LoadResBitmap(m_back, Name(kBackPrefix, Letter(size), back));
}

}  // namespace table
