#pragma once
#include <QPixmap>
#include <QSize>
#include <functional>
#include <string>
#include <unordered_map>

#include "skin/SkinComposition.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinTypes.h"

class TskData;
class TskDataSkinCustomControl;

namespace skin::qt {

// The composed pictures of one skin, kept so that a repaint at an unchanged
// size copies a finished pixmap instead of composing again. A skin change
// replaces the whole object, and the pictures with it.
class TskSkinPieces {
 public:
  explicit TskSkinPieces(const TskData& data) : data_(data) {}

  const TskData& Data() const { return data_; }

  // The entry fitted to `size` by its sizing kind, showing the state
  // rectangle `state` (laid out like its skin rectangle). Fixed kinds come
  // back at their own size. Null when the entry has no picture.
  QPixmap Entry(const TskDataSkinCustomControl& entry, const Rect& state, QSize size, bool draw_client);

  // Nine-piece composition of `skin_rect` of an active picture, with the
  // edges of the flags in `stretch` scaled instead of tiled.
  QPixmap Nine(int picture_index, const Rect& skin_rect, const PieceGeometry& geometry, QSize size, bool draw_client,
               StretchFlags stretch = {});

  // `piece` as a frame `border` pixels wide around a tiled middle: for
  // entries that give only a rectangle.
  QPixmap Framed(int picture_index, const Rect& piece, int border, QSize size, bool draw_client);

  // The piece `piece` of active picture `picture_index` as it stands.
  QPixmap Piece(int picture_index, const Rect& piece);

  // The piece with its left and right ends kept and the middle repeated
  // to `width` (kind 2 composition); with its top and bottom ends kept and
  // the middle repeated to `height` (kind 3).
  QPixmap HorizontalStrip(int picture_index, const Rect& piece, int left, int right, int width);
  QPixmap VerticalStrip(int picture_index, const Rect& piece, int top, int bottom, int height);

 private:
  QPixmap Cached(const std::string& key, const std::function<QPixmap()>& compose);

  const TskData& data_;
  std::unordered_map<std::string, QPixmap> cache_;
};

}  // namespace skin::qt
