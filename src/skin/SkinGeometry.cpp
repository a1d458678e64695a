#include "skin/SkinGeometry.h"

#include <algorithm>

#include "skin/SkinControls.h"

namespace skin {

PieceGeometry GeometryOf(const TskDataSkinCustomControl& entry) {
  return {entry.LTPoint, entry.RTPoint, entry.LBPoint, entry.RBPoint, entry.ClientRect};
}

int Bounded(int value) { return std::clamp(value, -kCoordinateLimit, kCoordinateLimit); }

Rect Bounded(const Rect& r) { return {Bounded(r.left), Bounded(r.top), Bounded(r.right), Bounded(r.bottom)}; }

PieceGeometry Bounded(const PieceGeometry& g) {
  const auto point = [](Point p) { return Point{Bounded(p.x), Bounded(p.y)}; };
  return {point(g.lt), point(g.rt), point(g.lb), point(g.rb), Bounded(g.client)};
}

int SizingKind(const Rect& unbounded_rect, const PieceGeometry& g) {
  const Rect skin_rect = Bounded(unbounded_rect);
  if (skin_rect.Width() < 1 || skin_rect.Height() < 1) return -1;
  if (g.rb.x != 0 && g.rb.y != 0) return 1;
  if (g.rt.x != 0 || g.rt.y != 0) return 2;
  if (g.lb.x != 0 || g.lb.y != 0) return 3;
  return 0;
}

FittedGeometry NewGeometry(int kind, const Rect& unbounded_rect, const PieceGeometry& unbounded,
                           int width, int height) {
  const Rect skin_rect = Bounded(unbounded_rect);
  const PieceGeometry g = Bounded(unbounded);
  width = Bounded(width);
  height = Bounded(height);
  FittedGeometry fitted{width, height, g};
  PieceGeometry& n = fitted.geometry;
  switch (kind) {
    case 0:
      fitted.width = skin_rect.Width();
      fitted.height = skin_rect.Height();
      break;
    case 1: {
      const int dw = width - skin_rect.Width();
      const int dh = height - skin_rect.Height();
      n.rt = {g.rt.x + dw, g.rt.y};
      n.lb = {g.lb.x, g.lb.y + dh};
      n.rb = {g.rb.x + dw, g.rb.y + dh};
      n.client = {g.client.left, g.client.top, g.client.right + dw, g.client.bottom + dh};
      break;
    }
    case 2:
      fitted.height = skin_rect.Height();
      n.rt = {g.rt.x + width - skin_rect.Width(), g.rt.y};
      n.client.right = g.client.right + width - skin_rect.Width();
      break;
    case 3:
      fitted.width = skin_rect.Width();
      n.lb = {g.lb.x, g.lb.y + height - skin_rect.Height()};
      n.client.bottom = g.client.bottom + height - skin_rect.Height();
      break;
    default:
      break;
  }
  return fitted;
}

}  // namespace skin
