#include "platform/core/resource_names.h"

#include <cstdio>
#include <string>

namespace platform::resources {

namespace {

std::string ZeroPadded(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

constexpr int kBackDigits = 3;
constexpr int kBackgroundDigits = 3;
constexpr int kGameIdDigits = 4;

void AddBitmap(std::vector<ResourceEntry>& list, ResourceFamily family, std::string name, int width, int height) {
    list.push_back({std::move(name), ResourceKind::Bitmap, family, width, height});
}

void AddCardImages(std::vector<ResourceEntry>& list, const CardSizeSpec& size) {
    const char s = size.letter;
    for (std::string_view set : kCardSets)
        for (char suit : kSuitLetters)
            AddBitmap(list, ResourceFamily::CardStrip, CardStripName(s, set, suit), size.width * kStripColumns,
                      size.height * kStripRows);
    AddBitmap(list, ResourceFamily::Joker, JokerName(s), size.width, size.height);
    for (int back = kFirstBack; back <= kLastBack; ++back)
        AddBitmap(list, ResourceFamily::CardBack, CardBackName(s, back), size.width, size.height);
    for (std::string_view code : kPileMarkCodes)
        AddBitmap(list, ResourceFamily::PileMark, PileMarkName(s, code), size.width, size.height);
    AddBitmap(list, ResourceFamily::PileMark, PileMarkName(s, kTableauMarkCode), size.width, size.height);
    AddBitmap(list, ResourceFamily::Shadow, ShadowName(s, 1), kShadowThickness, size.height);
    AddBitmap(list, ResourceFamily::Shadow, ShadowName(s, 2), size.width, kShadowThickness);
    AddBitmap(list, ResourceFamily::Border, BorderName(s, 1), kBorderDepth, size.height + kBorderExtraHeight);
    AddBitmap(list, ResourceFamily::Border, BorderName(s, 2), size.width + kBorderExtraWidth, kBorderDepth);
}

}  // namespace

std::string_view FolderOf(ResourceKind kind) {
    switch (kind) {
        case ResourceKind::Bitmap: return kBitmapFolder;
        case ResourceKind::Cursor: return kCursorFolder;
        case ResourceKind::Wave: return kWaveFolder;
    }
    return {};
}

const CardSizeSpec* FindCardSize(char letter) {
    for (const CardSizeSpec& size : kCardSizes)
        if (size.letter == letter) return &size;
    return nullptr;
}

std::string_view GameTypeKey(int category) {
    for (const GameTypeIcon& icon : kGameTypeIcons)
        if (icon.category == category) return icon.key;
    return {};
}

std::string_view TableCursorName(int id) {
    for (const TableCursor& cursor : kTableCursors)
        if (cursor.id == id) return cursor.name;
    return {};
}

std::string CardStripName(char size, std::string_view cardSet, char suit) {
    return std::string("C") + size + std::string(cardSet) + suit;
}

std::string JokerName(char size) { return std::string("JOKER_") + size; }

std::string CardBackName(char size, int back) { return std::string("D") + size + ZeroPadded(back, kBackDigits); }

std::string PileMarkName(char size, std::string_view code) { return std::string("W") + size + std::string(code); }

std::string ShadowName(char size, int which) { return std::string("SHADOW_") + size + std::to_string(which); }

std::string BorderName(char size, int which) { return std::string("3D_BORDER_") + size + std::to_string(which); }

std::string BackgroundName(int number) { return "B" + ZeroPadded(number, kBackgroundDigits); }

std::string GamePreviewName(int gameId) { return "GAME" + ZeroPadded(gameId, kGameIdDigits); }

std::vector<ResourceEntry> AllResources() {
    std::vector<ResourceEntry> list;
    for (const CardSizeSpec& size : kCardSizes) AddCardImages(list, size);
    for (int number : kBackgroundNumbers)
        AddBitmap(list, ResourceFamily::Background, BackgroundName(number), kBackgroundTileSize, kBackgroundTileSize);
    for (std::string_view icon : kFolderIcons)
        AddBitmap(list, ResourceFamily::FolderIcon, std::string(icon), kIconSize, kIconSize);
    for (const GameTypeIcon& type : kGameTypeIcons) {
        const std::string key(type.key);
        AddBitmap(list, ResourceFamily::TypeIcon, key, kIconSize, kIconSize);
        AddBitmap(list, ResourceFamily::TypeIcon, key + std::string(kWinSuffix), kIconSize, kIconSize);
        AddBitmap(list, ResourceFamily::TypeIcon, key + std::string(kNoWinSuffix), kIconSize, kIconSize);
    }
    for (std::string_view gauge : kGauges)
        AddBitmap(list, ResourceFamily::Gauge, std::string(gauge), kGaugeWidth, kGaugeHeight);
    for (std::string_view glyph : kToolbarGlyphs) {
        AddBitmap(list, ResourceFamily::ToolbarGlyph, std::string(glyph), kGlyphSize, kGlyphSize);
        AddBitmap(list, ResourceFamily::ToolbarGlyph, std::string(glyph) + std::string(kDisabledSuffix), kGlyphSize,
                  kGlyphSize);
    }
    for (std::string_view suit : kSuitImages)
        AddBitmap(list, ResourceFamily::SuitImage, std::string(suit), kSuitImageSize, kSuitImageSize);
    for (const WindowPicture& picture : kWindowPictures)
        AddBitmap(list, ResourceFamily::WindowPicture, std::string(picture.name), picture.width, picture.height);
    for (const TableCursor& cursor : kTableCursors)
        list.push_back(
            {std::string(cursor.name), ResourceKind::Cursor, ResourceFamily::Cursor, kCursorSize, kCursorSize});
    for (std::string_view sound : kSoundNames)
        list.push_back({std::string(sound), ResourceKind::Wave, ResourceFamily::Sound});
    return list;
}

}  // namespace platform::resources
