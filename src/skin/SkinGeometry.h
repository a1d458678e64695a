#pragma once
#include "skin/SkinTypes.h"

class TskDataSkinCustomControl;

namespace skin {

// Where an entry's corner pieces end and its client area lies, relative to
// the top-left corner of its skin rectangle.
struct PieceGeometry {
  Point lt, rt, lb, rb;
  Rect client;
  friend bool operator==(const PieceGeometry&, const PieceGeometry&) = default;
};

PieceGeometry GeometryOf(const TskDataSkinCustomControl& entry);

// Coordinates from skin data can be as large as an int holds; held within
// this bound, the sums composition makes of them cannot overflow.
inline constexpr int kCoordinateLimit = 1 << 24;
int Bounded(int value);
Rect Bounded(const Rect& r);
PieceGeometry Bounded(const PieceGeometry& g);

// How an entry fits a control's size:
//   -1 nothing is composed (the skin rectangle has no area)
//    0 fixed: the control always has the skin rectangle's size
//    1 sizable both ways, from nine pieces
//    2 sizable in width only, three pieces side by side
//    3 sizable in height only, three pieces stacked
int SizingKind(const Rect& skin_rect, const PieceGeometry& geometry);

struct FittedGeometry {
  int width = 0;   // the size the control accepts
  int height = 0;
  PieceGeometry geometry;  // the points and client rectangle at that size
};

// The geometry of an entry of sizing kind `kind` at width x height. Kinds 2
// and 3 leave the points they do not move (the bottom ones, resp. the right
// ones) as they are; kind -1 keeps the size it is given and the old geometry.
FittedGeometry NewGeometry(int kind, const Rect& skin_rect, const PieceGeometry& geometry, int width,
                           int height);

}  // namespace skin
