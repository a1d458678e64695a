#include "skin/PixelCopy.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace skin {
namespace {

bool HoldsPixels(const platform::Bitmap& b) {
  return b.format == platform::Bitmap::Format::Argb32 && b.width > 0 && b.height > 0 &&
         b.pixels.size() == static_cast<std::size_t>(b.width) * static_cast<std::size_t>(b.height);
}

// The visible part of an area of the target.
Rect Visible(const Rect& area, const platform::Bitmap& target) {
  return {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, target.width),
          std::min(area.bottom, target.height)};
}

// Copies `count` source columns from x = `from` of a picture row, blank
// where they fall outside the picture.
void CopyColumns(const platform::Bitmap& picture, int row, std::int64_t from, int count, std::uint32_t* out) {
  if (row < 0 || row >= picture.height) {
    std::fill_n(out, count, 0u);
    return;
  }
  const std::uint32_t* line = picture.Row(row);
  for (int i = 0; i < count;) {
    const std::int64_t x = from + i;
    if (x < 0 || x >= picture.width) {
      out[i++] = 0;
      continue;
    }
    const int run = static_cast<int>(std::min<std::int64_t>(count - i, picture.width - x));
    std::memcpy(out + i, line + x, static_cast<std::size_t>(run) * sizeof(std::uint32_t));
    i += run;
  }
}

// One target row of a horizontally repeated piece row: the first period is
// read from the picture, the rest doubles what is already written, which
// keeps the pattern because every copied length is a whole number of periods.
void TileRow(const platform::Bitmap& picture, int source_row, const Rect& source, std::uint32_t* row,
             int origin_x, int x0, int x1) {
  const int period = source.Width();
  const int phase = static_cast<int>((static_cast<std::int64_t>(x0) - origin_x) % period);
  const int first = std::min(period, x1 - x0);
  const int head = std::min(period - phase, first);
  CopyColumns(picture, source_row, static_cast<std::int64_t>(source.left) + phase, head, row + x0);
  CopyColumns(picture, source_row, source.left, first - head, row + x0 + head);
  int written = first;
  while (x0 + written < x1) {
    const int chunk = std::min(written, x1 - x0 - written);
    std::memcpy(row + x0 + written, row + x0, static_cast<std::size_t>(chunk) * sizeof(std::uint32_t));
    written += chunk;
  }
}

}  // namespace

void TilePiece(const platform::Bitmap& picture, const Rect& source, platform::Bitmap& target,
               const Rect& area) {
  const int period_x = source.Width();
  const int period_y = source.Height();
  const Rect visible = Visible(area, target);
  if (!HoldsPixels(picture) || !HoldsPixels(target)) return;
  if (period_x <= 0 || period_y <= 0 || visible.Width() <= 0 || visible.Height() <= 0) return;
  const std::size_t width_bytes = static_cast<std::size_t>(visible.Width()) * sizeof(std::uint32_t);
  for (int y = visible.top; y < visible.bottom; ++y) {
    std::uint32_t* row = target.Row(y);
    // A row one period further down repeats one already composed.
    if (y - period_y >= visible.top) {
      std::memcpy(row + visible.left, target.Row(y - period_y) + visible.left, width_bytes);
      continue;
    }
    const int source_row = static_cast<int>(
        source.top + (static_cast<std::int64_t>(y) - area.top) % period_y);
    TileRow(picture, source_row, source, row, area.left, visible.left, visible.right);
  }
}

void StretchPiece(const platform::Bitmap& picture, const Rect& source, platform::Bitmap& target,
                  const Rect& area) {
  const std::int64_t sw = source.Width(), sh = source.Height();
  const std::int64_t tw = area.Width(), th = area.Height();
  const Rect visible = Visible(area, target);
  if (!HoldsPixels(picture) || !HoldsPixels(target)) return;
  if (sw <= 0 || sh <= 0 || tw <= 0 || th <= 0) return;
  for (int y = visible.top; y < visible.bottom; ++y) {
    const std::int64_t sy = source.top + (y - area.top) * sh / th;
    std::uint32_t* row = target.Row(y);
    for (int x = visible.left; x < visible.right; ++x) {
      const std::int64_t sx = source.left + (x - area.left) * sw / tw;
      const bool inside = sx >= 0 && sy >= 0 && sx < picture.width && sy < picture.height;
      row[x] = inside ? picture.At(static_cast<int>(sx), static_cast<int>(sy)) : 0u;
    }
  }
}

}  // namespace skin
