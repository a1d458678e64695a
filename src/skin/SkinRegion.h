#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinTypes.h"

namespace skin {

// A window shape as a list of rectangles, which the window system layer
// turns into its own region.
struct Region {
  std::vector<Rect> rects;
  Rect bounds;
};

// The black pixels of a mask (red, green and blue all 0; alpha ignored), one
// rectangle per run of them in a row, in scan order, moved by (x0, y0). The
// list grows as needed, so a mask with any number of runs (more than the
// 10001 a fixed scratch list would take) gives all of them, bounded only by
// the mask's own size. An empty mask gives no region.
std::optional<Region> MaskRegion(const platform::Bitmap& mask, int x0, int y0);

// The region description the platform builds a region from: a 32-byte
// header (its size 32, type 1, the number of rectangles, 0, the bounding
// rectangle) and 16 bytes per rectangle, 32-bit little-endian integers.
std::string RegionDescription(const Region& region);

// Where in its mask picture a control's shape lies, for a control whose
// picture is the piece `skin_rect` of its own picture. A mask picture of
// exactly the piece's size is the piece's own mask and is taken whole from
// 0, 0 (for a fixed-size control, the whole mask at offset 0, 0); any other
// mask picture is laid out like the control's picture, as the fitting of
// sizable controls reads it, and the shape is its piece at `skin_rect`.
// Taking such a larger mask whole would shape the control by pixels that
// belong to other pieces, whatever lies at its top-left corner.
Rect MaskSource(const platform::Bitmap& mask_picture, const Rect& skin_rect);

// The shape of a control of sizing kind `kind` at width x height, from its
// entry's mask picture (the piece `source` of it, laid out like the
// control's picture). Kind 0 takes the mask as it is; kinds 1 to 3 fit it
// to the new size and keep the client rectangle whole. No mask, kind -1, or
// a new geometry whose right corner points lie left of or above the left
// ones give no region.
std::optional<Region> ControlRegion(const platform::Bitmap& mask_picture, const Rect& source, int kind,
                                    const PieceGeometry& old_geometry, const PieceGeometry& new_geometry,
                                    int width, int height);

}  // namespace skin
