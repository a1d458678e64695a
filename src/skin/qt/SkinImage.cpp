#include "skin/qt/SkinImage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace skin::qt {
namespace {

constexpr double kArialCellPerEm = 1.117;

}  // namespace

QImage WrapBitmap(const platform::Bitmap& bitmap) {
  if (bitmap.IsEmpty()) return {};
  const std::size_t count = static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height);
  if (bitmap.format == platform::Bitmap::Format::Argb32) {
    if (bitmap.pixels.size() < count) return {};
    return QImage(reinterpret_cast<const uchar*>(bitmap.pixels.data()), bitmap.width, bitmap.height,
                  static_cast<qsizetype>(bitmap.width) * 4, QImage::Format_ARGB32);
  }
  if (bitmap.indexes.size() < count) return {};
  QImage image(bitmap.indexes.data(), bitmap.width, bitmap.height, bitmap.width, QImage::Format_Indexed8);
  QList<QRgb> colours(bitmap.palette.begin(), bitmap.palette.end());
  // An index past the palette would read outside Qt's colour table.
  colours.resize(256, 0xFF000000u);
  image.setColorTable(colours);
  return image;
}

QFont ToQFont(const SkinFont& font) {
  QFont out(QString::fromStdString(font.name));
  // The largest em whose cell still fits the height, as the window system
  // that skins were made for picks it.
  out.setPixelSize(std::max(1, static_cast<int>(std::abs(font.height) / kArialCellPerEm)));
  out.setBold(font.style.bold);
  out.setItalic(font.style.italic);
  out.setUnderline(font.style.underline);
  out.setStrikeOut(font.style.strikeout);
  return out;
}

QRegion RegionFromDescription(const std::string& description) {
  constexpr std::size_t kHeaderSize = 32, kRectSize = 16;
  const auto int32_at = [&](std::size_t offset) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= std::uint32_t{static_cast<unsigned char>(description[offset + i])} << (8 * i);
    return static_cast<std::int32_t>(bits);
  };
  if (description.size() < kHeaderSize || int32_at(0) != static_cast<std::int32_t>(kHeaderSize) || int32_at(4) != 1)
    return {};
  const std::size_t held = (description.size() - kHeaderSize) / kRectSize;
  const std::size_t count = std::min(static_cast<std::size_t>(std::max(int32_at(8), 0)), held);
  // Mask runs are one pixel high and never overlap, so sorted they already
  // form the y-x bands setRects takes in one go; anything taller (a client
  // rectangle) is united afterwards.
  QList<QRect> runs;
  QRegion out;
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t at = kHeaderSize + k * kRectSize;
    const Rect r{int32_at(at), int32_at(at + 4), int32_at(at + 8), int32_at(at + 12)};
    if (r.Width() <= 0 || r.Height() <= 0) continue;
    if (r.Height() == 1)
      runs.push_back(ToQRect(r));
    else
      out += ToQRect(r);
  }
  std::sort(runs.begin(), runs.end(), [](const QRect& a, const QRect& b) {
    return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left();
  });
  QRegion banded;
  banded.setRects(runs.constData(), static_cast<int>(runs.size()));
  return out.isEmpty() ? banded : out.united(banded);
}

QRegion ToQRegion(const Region& region) { return RegionFromDescription(RegionDescription(region)); }

}  // namespace skin::qt
