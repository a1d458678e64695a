#include "gif/BitmapDrawing.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace gif {
namespace {

// The colours of a source bitmap's pixels, and which of them match the key,
// so that the inner loops only look up tables.
struct SourceColors {
  std::array<std::uint32_t, 256> argb{};
  std::array<bool, 256> keyed{};
};

SourceColors ColorsOf(const platform::Bitmap& source, TColor key) {
  SourceColors colors;
  const std::uint32_t keyRgb = ArgbFromColor(key) & kRgbMask;
  for (std::size_t i = 0; i < colors.argb.size(); ++i) {
    const std::uint32_t argb = i < source.palette.size() ? source.palette[i] | 0xFF000000u : 0xFF000000u;
    colors.argb[i] = argb;
    colors.keyed[i] = key != clNone && (argb & kRgbMask) == keyRgb;
  }
  return colors;
}

// The part of `destRect` that lies on the canvas, as [x0, x1) x [y0, y1).
struct Span {
  int x0, x1, y0, y1;
  bool Empty() const { return x0 >= x1 || y0 >= y1; }
};

Span ClipToCanvas(const platform::Bitmap& canvas, const Rect& rect) {
  const std::int64_t right = std::int64_t{rect.left} + rect.width;
  const std::int64_t bottom = std::int64_t{rect.top} + rect.height;
  return Span{std::max(rect.left, 0), static_cast<int>(std::min<std::int64_t>(right, canvas.width)),
              std::max(rect.top, 0), static_cast<int>(std::min<std::int64_t>(bottom, canvas.height))};
}

void DrawUnscaledIndexed(platform::Bitmap& canvas, const Span& span, const Rect& destRect,
                         const platform::Bitmap& source, const Rect& sourceRect,
                         const SourceColors& colors) {
  const int dx = sourceRect.left - destRect.left;
  const int dy = sourceRect.top - destRect.top;
  const int x0 = std::max(span.x0, -dx);
  const int x1 = std::min(span.x1, source.width - dx);
  const int y0 = std::max(span.y0, -dy);
  const int y1 = std::min(span.y1, source.height - dy);
  if (x0 >= x1) return;
  for (int y = y0; y < y1; ++y) {
    const std::uint8_t* from =
        source.indexes.data() + static_cast<std::size_t>(y + dy) * source.width + (x0 + dx);
    std::uint32_t* to = canvas.Row(y) + x0;
    for (int n = x1 - x0; n > 0; --n, ++from, ++to)
      if (!colors.keyed[*from]) *to = colors.argb[*from];
  }
}

}  // namespace

void FillRect(platform::Bitmap& canvas, const Rect& rect, TColor color) {
  const Span span = ClipToCanvas(canvas, rect);
  if (span.Empty()) return;
  const std::uint32_t argb = ArgbFromColor(color);
  for (int y = span.y0; y < span.y1; ++y) std::fill(canvas.Row(y) + span.x0, canvas.Row(y) + span.x1, argb);
}

void DrawTransparentStretched(platform::Bitmap& canvas, const Rect& destRect,
                              const platform::Bitmap& source, const Rect& sourceRect, TColor key) {
  const Span span = ClipToCanvas(canvas, destRect);
  if (span.Empty() || sourceRect.width <= 0 || sourceRect.height <= 0 || source.IsEmpty()) return;
  const SourceColors colors = ColorsOf(source, key);
  if (sourceRect.width == destRect.width && sourceRect.height == destRect.height) {
    DrawUnscaledIndexed(canvas, span, destRect, source, sourceRect, colors);
    return;
  }
  for (int y = span.y0; y < span.y1; ++y) {
    const std::int64_t sy = sourceRect.top + std::int64_t{y - destRect.top} * sourceRect.height / destRect.height;
    if (sy < 0 || sy >= source.height) continue;
    std::uint32_t* to = canvas.Row(y);
    for (int x = span.x0; x < span.x1; ++x) {
      const std::int64_t sx = sourceRect.left + std::int64_t{x - destRect.left} * sourceRect.width / destRect.width;
      if (sx < 0 || sx >= source.width) continue;
      const std::uint8_t index = source.indexes[static_cast<std::size_t>(sy) * source.width + static_cast<std::size_t>(sx)];
      if (!colors.keyed[index]) to[x] = colors.argb[index];
    }
  }
}

}  // namespace gif
