#include "skin/SkinRegion.h"

#include <algorithm>
#include <cstdint>

#include "skin/SkinComposition.h"

namespace skin {
namespace {

bool Inside(std::uint32_t pixel) { return (pixel & 0x00FFFFFFu) == 0; }

// The runs of black pixels within `area` of the mask, in scan order, in the
// mask's coordinates moved by (dx, dy).
void AppendRuns(const platform::Bitmap& mask, const Rect& area, int dx, int dy, std::vector<Rect>& out) {
  const int left = std::max(area.left, 0), right = std::min(area.right, mask.width);
  const int top = std::max(area.top, 0), bottom = std::min(area.bottom, mask.height);
  for (int y = top; y < bottom; ++y) {
    const std::uint32_t* row = mask.Row(y);
    for (int x = left; x < right;) {
      if (!Inside(row[x])) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < right && Inside(row[x])) ++x;
      out.push_back({start + dx, y + dy, x + dx, y + dy + 1});
    }
  }
}

bool HoldsPixels(const platform::Bitmap& b) {
  return b.format == platform::Bitmap::Format::Argb32 && !b.IsEmpty() &&
         b.pixels.size() == static_cast<std::size_t>(b.width) * static_cast<std::size_t>(b.height);
}

void AppendInt32(std::string& out, int value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

}  // namespace

std::optional<Region> MaskRegion(const platform::Bitmap& mask, int x0, int y0) {
  if (!HoldsPixels(mask)) return std::nullopt;
  Region region;
  region.bounds = {x0, y0, x0 + mask.width, y0 + mask.height};
  AppendRuns(mask, {0, 0, mask.width, mask.height}, x0, y0, region.rects);
  return region;
}

std::string RegionDescription(const Region& region) {
  constexpr int kHeaderSize = 32;
  constexpr int kRectangles = 1;
  std::string out;
  out.reserve(kHeaderSize + region.rects.size() * 16);
  AppendInt32(out, kHeaderSize);
  AppendInt32(out, kRectangles);
  AppendInt32(out, static_cast<int>(region.rects.size()));
  AppendInt32(out, 0);
  for (int v : {region.bounds.left, region.bounds.top, region.bounds.right, region.bounds.bottom}) {
    AppendInt32(out, v);
  }
  for (const Rect& r : region.rects) {
    for (int v : {r.left, r.top, r.right, r.bottom}) AppendInt32(out, v);
  }
  return out;
}

Rect MaskSource(const platform::Bitmap& mask_picture, const Rect& unbounded_rect) {
  const Rect skin_rect = Bounded(unbounded_rect);
  if (mask_picture.width == skin_rect.Width() && mask_picture.height == skin_rect.Height())
    return {0, 0, mask_picture.width, mask_picture.height};
  return skin_rect;
}

std::optional<Region> ControlRegion(const platform::Bitmap& mask_picture, const Rect& unbounded_source,
                                    int kind, const PieceGeometry& unbounded_old,
                                    const PieceGeometry& unbounded_new, int width, int height) {
  if (!HoldsPixels(mask_picture) || kind < 0 || kind > 3) return std::nullopt;
  const Rect s = Bounded(unbounded_source);
  if (kind == 0) {
    Region region;
    region.bounds = {0, 0, s.Width(), s.Height()};
    AppendRuns(mask_picture, s, -s.left, -s.top, region.rects);
    return region;
  }

  // Kinds 2 and 3 fit the mask as a nine-piece one whose fixed direction
  // has no middle: the bottom points stand on the top ones, or the right
  // points on the left ones.
  PieceGeometry o = Bounded(unbounded_old);
  PieceGeometry n = Bounded(unbounded_new);
  width = Bounded(width);
  height = Bounded(height);
  if (kind == 2) {
    o.lb = o.lt;
    o.rb = o.rt;
    n.lt = n.lb = o.lt;
    n.rt = n.rb = {o.rt.x + width - s.Width(), o.rt.y};
  } else if (kind == 3) {
    o.rt = o.lt;
    o.rb = o.lb;
    n.lt = n.rt = o.lt;
    n.lb = n.rb = {o.lb.x, o.lb.y + height - s.Height()};
  }
  if (n.rt.x < n.lt.x || n.lb.y < n.lt.y) return std::nullopt;

  const platform::Bitmap fitted = ComposeBorder(mask_picture, s, o, n, width, height);
  if (fitted.IsEmpty()) return std::nullopt;
  const Rect& nc = n.client;
  Region region;
  region.bounds = {0, 0, width, height};
  if (nc.Width() >= 1 && nc.Height() >= 1) region.rects.push_back(nc);
  AppendRuns(fitted, {0, 0, width, nc.top}, 0, 0, region.rects);
  AppendRuns(fitted, {0, nc.bottom, width, height}, 0, 0, region.rects);
  AppendRuns(fitted, {0, nc.top, nc.left, nc.bottom}, 0, 0, region.rects);
  AppendRuns(fitted, {nc.right, nc.top, width, nc.bottom}, 0, 0, region.rects);
  return region;
}

}  // namespace skin
