#pragma once

#include "platform/core/resource_names.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRectF>

#include <string_view>

class QPainter;

// Simple, recognisable stand-ins for every image, cursor and sound of the resource
// library, drawn from the resource's name and expected size.
namespace placeholders {

using platform::resources::ResourceEntry;

inline constexpr QRgb kTableGreen = qRgb(0, 96, 0);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);
// The key colours the table leaves out when it draws shadows and stock edges.
inline constexpr QRgb kShadowKey = kWhite;
inline constexpr QRgb kBorderKey = qRgb(0, 0, 255);

// An opaque image of the entry's size filled with one colour.
QImage BlankImage(const ResourceEntry& entry, QRgb fill);
// A suit's pip (suit 0-3: hearts, diamonds, clubs, spades) filling the square.
void DrawPip(QPainter& painter, int suit, const QRectF& square);
QColor SuitColour(int suit);

// Card faces and backs, pile marks, shadows and stock edges (card_images.cpp).
QImage DrawCardImage(const ResourceEntry& entry);
// Backgrounds, previews, icons, gauges, glyphs and suit images (table_images.cpp).
QImage DrawTableImage(const ResourceEntry& entry);
// A 32-bit cursor with transparency, and where it points (cursor_images.cpp).
QImage DrawCursor(const ResourceEntry& entry, QPoint& hotSpot);
// A RIFF WAVE file; empty for a name that has no sound here (wave_sounds.cpp).
QByteArray MakeSound(std::string_view name);

}  // namespace placeholders
