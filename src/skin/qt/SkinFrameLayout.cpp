#include "skin/qt/SkinFrameLayout.h"

#include <algorithm>

#include "skin/qt/SkinImage.h"

namespace skin::qt {

PieceGeometry FrameGeometry(const TskDataSkinFormInfo& info) {
  return {info.LTPoint, info.RTPoint, info.LBPoint, info.RBPoint, info.ClientRect};
}

Rect WholePicture(const platform::Bitmap& picture) { return {0, 0, picture.width, picture.height}; }

QMargins FrameMargins(const TskDataSkinFormInfo& info, QSize picture) {
  const Rect& c = info.ClientRect;
  return QMargins(std::max(c.left, 0), std::max(c.top, 0), std::max(picture.width() - c.right, 0),
                  std::max(picture.height() - c.bottom, 0));
}

QRect PlaceFrameObject(const Rect& object, int picture_width, int window_width) {
  QRect placed = ToQRect(object);
  if (object.left + object.right > picture_width) placed.translate(window_width - picture_width, 0);
  return placed;
}

QRect PlaceCaption(const Rect& caption, int picture_width, int window_width) {
  QRect placed = ToQRect(caption);
  placed.setRight(placed.right() + window_width - picture_width);
  return placed;
}

Qt::Edges ResizeEdges(QPoint point, QSize size, int grip) {
  Qt::Edges edges;
  if (grip <= 0) return edges;
  if (point.x() < grip) edges |= Qt::LeftEdge;
  if (point.x() >= size.width() - grip) edges |= Qt::RightEdge;
  if (point.y() < grip) edges |= Qt::TopEdge;
  if (point.y() >= size.height() - grip) edges |= Qt::BottomEdge;
  return edges;
}

}  // namespace skin::qt
