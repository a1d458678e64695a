#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <string>

#include "platform/Bitmap.h"
#include "skin/SkinRegion.h"
#include "skin/SkinTypes.h"

// The meeting point of the skin core's plain types and Qt's.
namespace skin::qt {

// A view of `bitmap`'s pixels as a QImage, without copying them: valid while
// the bitmap lives unchanged. An empty bitmap gives a null image.
QImage WrapBitmap(const platform::Bitmap& bitmap);

inline QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// Where a picture composed at `composed` (the size an entry's sizing kind
// accepts) sits in a control of `target`: centred along each direction in
// which the two differ.
inline QPoint ComposedOffset(QSize composed, QSize target) {
  return QPoint(composed.width() == target.width() ? 0 : (target.width() - composed.width()) / 2,
                composed.height() == target.height() ? 0 : (target.height() - composed.height()) / 2);
}

// Skin colours are written 0x00BBGGRR, red in the lowest byte.
inline QColor ToQColor(Colour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// A skin font height counts the whole character cell, as the skin format's
// fonts always did; Arial's cell is about 1.12 times its em, which is what
// Qt's pixel size measures: height 14 is a 12 pixel font.
QFont ToQFont(const SkinFont& font);

// The platform's region from a region description (RegionDescription):
// the rectangles its header counts, as far as the bytes hold them.
QRegion RegionFromDescription(const std::string& description);
// The same for a region, through its description.
QRegion ToQRegion(const Region& region);

}  // namespace skin::qt
