#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

// Text for the drawings, set as outlines so that hinting never changes a picture. The
// faces are DejaVu (Debian's fonts-dejavu-core), loaded from their files; where they are
// missing the system's sans serif stands in and a warning says so.
namespace art {

enum class Face { Sans, SansBold, Serif, SerifBold };

// Loads the faces once; needs the application object. False when one fell back.
bool LoadFaces();
QFont FontOf(Face face, double pixelSize);

// The text's outline with its capital letters exactly box.height() tall, standing on
// the box's bottom edge; squeezed sideways when wider than the box, and placed in it
// by the horizontal alignment (left, centre or right).
QPainterPath FitText(const QString& text, Face face, const QRectF& box, Qt::Alignment alignment = Qt::AlignHCenter);

}  // namespace art
