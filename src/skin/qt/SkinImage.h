#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>

#include "platform/Bitmap.h"
#include "skin/SkinRegion.h"
#include "skin/SkinTypes.h"

// The meeting point of the skin core's plain types and Qt's.
namespace skin::qt {

// A view of `bitmap`'s pixels as a QImage, without copying them: valid while
// the bitmap lives unchanged. An empty bitmap gives a null image.
QImage WrapBitmap(const platform::Bitmap& bitmap);

inline QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
inline Rect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

// Skin colours are written 0x00BBGGRR, red in the lowest byte.
inline QColor ToQColor(Colour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// A skin font height counts the whole character cell, as the skin format's
// fonts always did; Arial's cell is about 1.12 times its em, which is what
// Qt's pixel size measures: height 14 is a 12 pixel font.
QFont ToQFont(const SkinFont& font);

QRegion ToQRegion(const Region& region);

}  // namespace skin::qt
