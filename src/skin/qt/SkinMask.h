#pragma once
#include <QRegion>
#include <QSize>
#include <optional>

#include "platform/Bitmap.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinTypes.h"

class TskData;

namespace skin::qt {

// The shape active picture `mask_index` gives a window of `size` whose
// picture is laid out as `geometry` within `skin_rect`: the mask is read
// where MaskSource says. None when there is no such mask or the shape
// leaves nothing.
std::optional<QRegion> FittedMaskRegion(const TskData& data, int mask_index, const Rect& skin_rect,
                                        const PieceGeometry& geometry, QSize size);

// The same from a whole mask picture given as a bitmap (the window frame's).
std::optional<QRegion> FittedMaskRegion(const platform::Bitmap& mask, const Rect& skin_rect,
                                        const PieceGeometry& geometry, QSize size);

}  // namespace skin::qt
