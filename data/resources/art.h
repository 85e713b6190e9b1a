#pragma once

#include "platform/core/resource_names.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>

#include <cstdint>
#include <string_view>

// The drawings of the card resource library: every image, cursor and sound that the
// program asks for by name, made from the entry's name and expected size.
namespace art {

namespace res = platform::resources;
using res::ResourceEntry;

inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);

// A colour of the names table (0x00BBGGRR) as a Qt colour.
constexpr QRgb FromBgr(std::uint32_t bgr) {
    return qRgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}
inline constexpr QRgb kShadowKey = FromBgr(res::kShadowKeyColour);
inline constexpr QRgb kBorderKey = FromBgr(res::kBorderKeyColour);
inline constexpr QRgb kIconKey = FromBgr(res::kIconKeyColour);

// An opaque 32-bit image filled with one colour.
QImage OpaqueImage(int width, int height, QRgb fill);
// A transparent image to draw on with antialiasing before it is keyed.
QImage ClearImage(int width, int height);
// Puts a drawing made on a transparent image onto a key colour: pixels less than half
// covered become the key, the others are blended over the matte colour and made opaque,
// so that no half-tone of the key is left at the edges.
QImage OnKeyColour(const QImage& drawing, QRgb key, QRgb matte);

// Copies a card image onto a picture the way the table lays it: the pixels of the
// rounded corners are not copied, so whatever lies beneath shows through them.
void PasteCard(QImage& target, const QImage& card, QPoint at);
// A card back of the size letter and back number, as the library holds it.
QImage BackImage(char size, int back);

// One entry point per family (card_faces.cpp, card_backs.cpp, table_marks.cpp, ...).
QImage DrawCardStrip(const ResourceEntry& entry);
QImage DrawJoker(const ResourceEntry& entry);
QImage DrawCardBack(const ResourceEntry& entry);
QImage DrawPileMark(const ResourceEntry& entry);
QImage DrawShadow(const ResourceEntry& entry);
QImage DrawBorder(const ResourceEntry& entry);
QImage DrawBackground(const ResourceEntry& entry);
QImage DrawFolderIcon(const ResourceEntry& entry);
QImage DrawTypeIcon(const ResourceEntry& entry);
QImage DrawGauge(const ResourceEntry& entry);
QImage DrawToolbarGlyph(const ResourceEntry& entry);
QImage DrawSuitImage(const ResourceEntry& entry);
QImage DrawWindowPicture(const ResourceEntry& entry);
// A 32-bit cursor with transparency, and where it points.
QImage DrawCursor(const ResourceEntry& entry, QPoint& hotSpot);
// A RIFF WAVE file; empty for a name that has no sound here.
QByteArray MakeSound(std::string_view name);

}  // namespace art
