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
    MakeFace(index);
    return m_faces[static_cast<std::size_t>(index)];
}

const platform::Bitmap& TableImages::CardFace(int index) const {
    if (index < 0 || index >= engine::kCardBitmapCount) return m_noFace;
    MakeFace(index);
    return m_faces[static_cast<std::size_t>(index)];
}

platform::Bitmap& TableImages::Drag() const {
    // Cutting the hearts makes the copy (CutSuitFaces).
    if (m_dragIsFace0) MakeFace(0);
    return m_drag;
}

platform::Bitmap& TableImages::MarkImage(PileMark mark) const {
    const auto slot = static_cast<std::size_t>(mark);
    if (!m_pendingMarks[slot].empty()) {
        m_library.LoadResBitmap(m_marks[slot], m_pendingMarks[slot]);
        m_pendingMarks[slot].clear();
    }
    return m_marks[slot];
}

const platform::Bitmap& TableImages::Shadow(int number) const { return m_shadows[number == 1 ? 0 : 1]; }

const platform::Bitmap& TableImages::Border(int number) const { return m_borders[number == 1 ? 0 : 1]; }

void TableImages::LoadCardImages(std::string_view cardSize) {
    m_dragIsFace0 = false;  // it becomes face 0 of this load instead
    LoadTableImages(cardSize);
    m_dragIsFace0 = true;
}

void TableImages::LoadTableImages(std::string_view cardSize) {
    Drag();  // still owed face 0, it takes the one of the load before
    const std::string_view s = Letter(cardSize);
    for (std::size_t i = 0; i < kPileMarkCodes.size(); ++i) {
        m_marks[i].Clear();
        m_pendingMarks[i] = Name(kMarkPrefix, s, kPileMarkCodes[i]);
    }
    SelectCardBack();
    for (std::size_t i = 0; i < m_shadows.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        m_library.LoadResBitmap(m_shadows[i], Name(kShadowPrefix, s, number));
        m_library.LoadResBitmap(m_borders[i], Name(kBorderPrefix, s, number));
    }
    for (const SuitStrip& strip : kSuitStrips) {
        const auto suit = static_cast<std::size_t>(strip.firstFace / engine::kSuitSize);
        for (int j = 0; j < engine::kSuitSize; ++j) m_faces[static_cast<std::size_t>(strip.firstFace + j)].Clear();
        m_pendingSuits[suit] = PendingSuit{StripName(strip.letter), m_geometry.CardWidth(), m_geometry.CardHeight()};
    }
    m_library.LoadResBitmap(m_faces[engine::kJokerBitmapIndex], Name(kJokerPrefix, s));
}

void TableImages::BuildSuitFaces(char suit) {
    for (const SuitStrip& strip : kSuitStrips) {
        if (strip.letter == suit)
            CutSuitFaces(static_cast<std::size_t>(strip.firstFace / engine::kSuitSize), StripName(suit),
                         m_geometry.CardWidth(), m_geometry.CardHeight());
    }
}

std::string TableImages::StripName(char suit) const {
    const std::string size = m_settings.GetField(fields::kCardSize.position, fields::kCardSize.width);
    const std::string set = m_settings.GetField(fields::kCardSet.position, fields::kCardSet.width);
    return Name(kStripPrefix, size, set, std::string(1, suit));
}

void TableImages::MakeFace(int index) const {
    const auto suit = static_cast<std::size_t>(index / engine::kSuitSize);
    if (suit >= m_pendingSuits.size() || !m_pendingSuits[suit]) return;
    const PendingSuit pending = *m_pendingSuits[suit];
    CutSuitFaces(suit, pending.strip, pending.width, pending.height);
}

void TableImages::CutSuitFaces(std::size_t suit, const std::string& strip, int cw, int ch) const {
    m_pendingSuits[suit].reset();
    platform::Bitmap source;
    m_library.LoadResBitmap(source, strip);
    for (int j = 0; j < engine::kSuitSize; ++j) {
        platform::Bitmap& face = m_faces[suit * engine::kSuitSize + static_cast<std::size_t>(j)];
        // A fresh face, white where a missing strip gives nothing to copy.
        face.Clear();
        face.SetSize(cw, ch);
        platform::Canvas canvas(face);
        canvas.BlockCopy(0, 0, cw, ch, source, (j % kFacesPerStripRow) * cw, (j / kFacesPerStripRow) * ch);
    }
    // The drag image is face 0 as cut, before any drawing changes its corners.
    if (suit == 0 && m_dragIsFace0) {
        m_drag = m_faces[0];
        m_dragIsFace0 = false;
    }
}

void TableImages::SelectCardBack() {
    const std::string back = m_settings.GetField(fields::kBackCard.position, fields::kBackCard.width);
    // A number the library has no back for (a damaged Back_Card) shows the back a missing
    // key gives.
    if (!LoadBack(back) && back != kDefaultBack) LoadBack(kDefaultBack);
}

bool TableImages::LoadBack(std::string_view back) {
    const std::string size = m_settings.GetField(fields::kCardSize.position, fields::kCardSize.width);
    if (CardSizeLetter(size) == kMediumCards && back != kMediumOwnBack) {
        platform::Bitmap big;
        const bool found = m_library.LoadResBitmap(big, Name(kBigBackPrefix, back));
        m_back.Clear();
        m_back.SetSize(kMediumBack.width, kMediumBack.height);
        platform::Canvas canvas(m_back);
        canvas.StretchCopy({0, 0, kMediumBack.width, kMediumBack.height}, big, {0, 0, kBigBack.width, kBigBack.height});
        return found;
    }
    return m_library.LoadResBitmap(m_back, Name(kBackPrefix, Letter(size), back));
}

}  // namespace table
