#pragma once
#include "platform/Bitmap.h"
#include "skin/SkinTypes.h"

namespace skin {

// The copies skin composition is made of. Rectangles come from skin data and
// are not trusted: every read is clipped to the picture and every write to
// the target; a source pixel outside the picture copies as blank (0). Both
// bitmaps are 32-bit; anything else is left alone.

// Fills `target_area` of `target` with copies of `source_area` of `picture`,
// the first at the area's top-left corner, the last ones cut at its right and
// bottom edges. A source of equal size gives a one-to-one copy; a source
// with no width or height leaves the area as it is.
void TilePiece(const platform::Bitmap& picture, const Rect& source_area, platform::Bitmap& target,
               const Rect& target_area);

// Scales `source_area` once into the whole of `target_area`, nearest pixel.
void StretchPiece(const platform::Bitmap& picture, const Rect& source_area, platform::Bitmap& target,
                  const Rect& target_area);

}  // namespace skin
