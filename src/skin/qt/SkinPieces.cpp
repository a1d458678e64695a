#include "skin/qt/SkinPieces.h"

#include <cstdio>
#include <initializer_list>

#include "skin/SkinComposition.h"
#include "skin/SkinGeometry.h"
#include "skin/TskData.h"
#include "skin/qt/SkinImage.h"

namespace skin::qt {
namespace {

// Windows resized by dragging ask for a new size on every mouse move; past
// this many pictures the old sizes are not worth keeping.
constexpr std::size_t kMaxCachedPieces = 512;

const platform::Bitmap* ActivePicture(const TskData& data, int index) {
  const auto& pictures = data.ActivePictures();
  if (index < 0 || index >= static_cast<int>(pictures.size())) return nullptr;
  const platform::Bitmap& picture = pictures[static_cast<std::size_t>(index)];
  return picture.IsEmpty() ? nullptr : &picture;
}

QPixmap ToPixmap(const platform::Bitmap& bitmap) {
  const QImage image = WrapBitmap(bitmap);
  return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

std::string Key(const char* what, const void* owner, const Rect& r, std::initializer_list<int> values) {
  char text[64];
  std::snprintf(text, sizeof text, "%s %p %d %d %d %d", what, owner, r.left, r.top, r.right, r.bottom);
  std::string key = text;
  for (int value : values) key += ' ' + std::to_string(value);
  return key;
}

}  // namespace

QPixmap TskSkinPieces::Cached(const std::string& key, const std::function<QPixmap()>& compose) {
  if (auto found = cache_.find(key); found != cache_.end()) return found->second;
  if (cache_.size() >= kMaxCachedPieces) cache_.clear();
  QPixmap pixmap = compose();
  cache_.emplace(key, pixmap);
  return pixmap;
}

QPixmap TskSkinPieces::Entry(const TskDataSkinCustomControl& entry, const Rect& state, QSize size,
                             bool draw_client) {
  const platform::Bitmap* picture = ActivePicture(data_, entry.PictureIndex);
  if (!picture || size.isEmpty()) return {};
  return Cached(Key("entry", &entry, state, {size.width(), size.height(), draw_client}), [&] {
    const PieceGeometry geometry = GeometryOf(entry);
    const int kind = SizingKind(entry.SkinRect, geometry);
    const FittedGeometry fitted = NewGeometry(kind, entry.SkinRect, geometry, size.width(), size.height());
    return ToPixmap(ComposeEntryImage(*picture, state, kind, geometry, fitted, draw_client));
  });
}

QPixmap TskSkinPieces::Nine(int picture_index, const Rect& skin_rect, const PieceGeometry& geometry, QSize size,
                            bool draw_client, StretchFlags stretch) {
  const platform::Bitmap* picture = ActivePicture(data_, picture_index);
  if (!picture || size.isEmpty()) return {};
  const int flags = (draw_client ? 1 : 0) | (stretch.left ? 2 : 0) | (stretch.top ? 4 : 0) | (stretch.right ? 8 : 0) |
                    (stretch.bottom ? 16 : 0);
  const Point lt = geometry.lt, rt = geometry.rt, lb = geometry.lb, rb = geometry.rb;
  const Rect& c = geometry.client;
  return Cached(Key("nine", picture, skin_rect,
                    {size.width(), size.height(), flags, lt.x, lt.y, rt.x, rt.y, lb.x, lb.y, rb.x, rb.y, c.left, c.top,
                     c.right, c.bottom}),
                [&] {
                  const FittedGeometry fitted = NewGeometry(1, skin_rect, geometry, size.width(), size.height());
                  return ToPixmap(ComposeStretchedSkinImage(*picture, skin_rect, geometry, fitted.geometry,
                                                            size.width(), size.height(), draw_client, stretch));
                });
}

QPixmap TskSkinPieces::Framed(int picture_index, const Rect& piece, int border, QSize size, bool draw_client) {
  const int w = piece.Width(), h = piece.Height();
  if (w <= 2 * border || h <= 2 * border) return {};
  const PieceGeometry geometry{{border, border}, {w - border, border}, {border, h - border},
                               {w - border, h - border}, {border, border, w - border, h - border}};
  return Nine(picture_index, piece, geometry, size, draw_client);
}

QPixmap TskSkinPieces::Piece(int picture_index, const Rect& piece) {
  const platform::Bitmap* picture = ActivePicture(data_, picture_index);
  if (!picture || piece.Width() <= 0 || piece.Height() <= 0) return {};
  return Cached(Key("piece", picture, piece, {}),
                [&] { return ToPixmap(CopySkinImage(*picture, piece)); });
}

QPixmap TskSkinPieces::HorizontalStrip(int picture_index, const Rect& piece, int left, int right, int width) {
  const platform::Bitmap* picture = ActivePicture(data_, picture_index);
  if (!picture || width <= 0 || piece.Height() <= 0) return {};
  return Cached(Key("hstrip", picture, piece, {left, right, width}),
                [&] { return ToPixmap(ComposeHorizontalStrip(*picture, piece, left, right, width)); });
}

QPixmap TskSkinPieces::VerticalStrip(int picture_index, const Rect& piece, int top, int bottom, int height) {
  const platform::Bitmap* picture = ActivePicture(data_, picture_index);
  if (!picture || height <= 0 || piece.Width() <= 0) return {};
  return Cached(Key("vstrip", picture, piece, {top, bottom, height}),
                [&] { return ToPixmap(ComposeVerticalStrip(*picture, piece, top, bottom, height)); });
}

}  // namespace skin::qt
