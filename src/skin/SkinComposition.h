#pragma once
#include <cstdint>

#include "platform/Bitmap.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinTypes.h"

namespace skin {

// Fitting an entry's picture piece to a control's size. `source` is the
// piece in the picture (the skin rectangle, or the rectangle of the
// control's current state); `old_geometry` gives its corner points and
// client rectangle and `new_geometry` the same at the control's size (see
// NewGeometry). Edges or a client area whose piece has no extent along the
// direction they repeat in stay blank. Results larger than
// kMaxComposedPixels are returned empty rather than allocated.

inline constexpr std::int64_t kMaxComposedPixels = std::int64_t{1} << 25;

struct StretchFlags {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
};

// Kind 1: corners copied, edges tiled, the client area tiled when
// `draw_client` is set.
platform::Bitmap ComposeSkinImage(const platform::Bitmap& picture, const Rect& source,
                                  const PieceGeometry& old_geometry, const PieceGeometry& new_geometry,
                                  int width, int height, bool draw_client);

// As ComposeSkinImage, but each edge whose flag is set is scaled once over
// its whole length instead of tiled (the hint and popup windows).
platform::Bitmap ComposeStretchedSkinImage(const platform::Bitmap& picture, const Rect& source,
                                           const PieceGeometry& old_geometry,
                                           const PieceGeometry& new_geometry, int width, int height,
                                           bool draw_client, const StretchFlags& stretch);

// Kind 2: the left `left_width` and right `right_width` columns at the ends,
// the middle repeated between them; `width` x the piece's height.
platform::Bitmap ComposeHorizontalStrip(const platform::Bitmap& picture, const Rect& source, int left_width,
                                        int right_width, int width);

// Kind 3: the same with rows; the piece's width x `height`.
platform::Bitmap ComposeVerticalStrip(const platform::Bitmap& picture, const Rect& source, int top_height,
                                      int bottom_height, int height);

// Kind 0: the piece one to one, at its own size.
platform::Bitmap CopySkinImage(const platform::Bitmap& picture, const Rect& source);

// The image of an entry of sizing kind `kind` fitted as NewGeometry fitted
// it, by the composition its kind calls for; `source` is the rectangle of
// the control's current state, laid out like the skin rectangle. Kind -1
// gives an empty bitmap.
platform::Bitmap ComposeEntryImage(const platform::Bitmap& picture, const Rect& source, int kind,
                                   const PieceGeometry& old_geometry, const FittedGeometry& fitted,
                                   bool draw_client);

// The corner copies and edge tiling alone, without the client area and
// without the check for a piece with no middle: how masks are fitted.
platform::Bitmap ComposeBorder(const platform::Bitmap& picture, const Rect& source,
                               const PieceGeometry& old_geometry, const PieceGeometry& new_geometry,
                               int width, int height);

}  // namespace skin
