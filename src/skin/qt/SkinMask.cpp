#include "skin/qt/SkinMask.h"

#include "skin/SkinRegion.h"
#include "skin/TskData.h"
#include "skin/qt/SkinImage.h"

namespace skin::qt {

std::optional<QRegion> FittedMaskRegion(const platform::Bitmap& mask, const Rect& skin_rect,
                                        const PieceGeometry& geometry, QSize size) {
  if (mask.IsEmpty() || size.isEmpty()) return std::nullopt;
  const int kind = SizingKind(skin_rect, geometry);
  const FittedGeometry fitted = NewGeometry(kind, skin_rect, geometry, size.width(), size.height());
  const std::optional<Region> region =
      ControlRegion(mask, MaskSource(mask, skin_rect), kind, geometry, fitted.geometry, fitted.width, fitted.height);
  if (!region || region->rects.empty()) return std::nullopt;
  return ToQRegion(*region);
}

std::optional<QRegion> FittedMaskRegion(const TskData& data, int mask_index, const Rect& skin_rect,
                                        const PieceGeometry& geometry, QSize size) {
  const auto& pictures = data.ActivePictures();
  if (mask_index < 0 || mask_index >= static_cast<int>(pictures.size())) return std::nullopt;
  return FittedMaskRegion(pictures[static_cast<std::size_t>(mask_index)], skin_rect, geometry, size);
}

}  // namespace skin::qt
