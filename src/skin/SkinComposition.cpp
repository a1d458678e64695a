#include "skin/SkinComposition.h"

#include <algorithm>

#include "skin/PixelCopy.h"

namespace skin {
namespace {

platform::Bitmap Blank(int width, int height) {
  if (width <= 0 || height <= 0 || std::int64_t{width} * height > kMaxComposedPixels) return {};
  return platform::Bitmap::Argb(width, height);
}

// A rectangle given relative to the piece, in picture coordinates.
Rect InPicture(const Rect& source, int left, int top, int right, int bottom) {
  return {source.left + left, source.top + top, source.left + right, source.top + bottom};
}

enum class EdgeFill { Tile, Stretch };

void FillEdge(const platform::Bitmap& picture, const Rect& from, platform::Bitmap& out, const Rect& to,
              EdgeFill fill) {
  if (fill == EdgeFill::Stretch) {
    StretchPiece(picture, from, out, to);
  } else {
    TilePiece(picture, from, out, to);
  }
}

// Edges first, then the corners over them, each as its step of the
// composition names it.
void DrawBorder(const platform::Bitmap& picture, const Rect& s, const PieceGeometry& o,
                const PieceGeometry& n, platform::Bitmap& out, const StretchFlags& stretch) {
  const int sw = s.Width(), sh = s.Height();
  const int w = out.width, h = out.height;
  const auto fill = [](bool stretched) { return stretched ? EdgeFill::Stretch : EdgeFill::Tile; };
  const Rect& c = o.client;
  const Rect& nc = n.client;

  FillEdge(picture, InPicture(s, o.lt.x, 0, o.rt.x, c.top), out, {n.lt.x, 0, n.rt.x, nc.top}, fill(stretch.top));
  FillEdge(picture, InPicture(s, o.lb.x, c.bottom, o.rb.x, sh), out, {n.lb.x, nc.bottom, n.rb.x, h},
           fill(stretch.bottom));
  FillEdge(picture, InPicture(s, 0, o.lt.y, c.left, o.lb.y), out, {0, n.lt.y, nc.left, n.lb.y},
           fill(stretch.left));
  FillEdge(picture, InPicture(s, c.right, o.rt.y, sw, o.rb.y), out, {nc.right, n.rt.y, w, n.rb.y},
           fill(stretch.right));

  const struct {
    Rect from;
    Rect to;
  } corners[] = {
      {{0, 0, o.lt.x, c.top}, {0, 0, n.lt.x, nc.top}},
      {{0, c.top, c.left, o.lt.y}, {0, nc.top, nc.left, n.lt.y}},
      {{o.rt.x, 0, sw, c.top}, {n.rt.x, 0, w, nc.top}},
      {{c.right, c.top, sw, o.rt.y}, {nc.right, nc.top, w, n.rt.y}},
      {{0, o.lb.y, c.left, sh}, {0, n.lb.y, nc.left, h}},
      {{c.left, c.bottom, o.lb.x, sh}, {nc.left, nc.bottom, n.lb.x, h}},
      {{o.rb.x, c.bottom, sw, sh}, {n.rb.x, nc.bottom, w, h}},
      {{c.right, o.rb.y, sw, c.bottom}, {nc.right, n.rb.y, w, nc.bottom}},
  };
  for (const auto& corner : corners) {
    const Rect& f = corner.from;
    TilePiece(picture, InPicture(s, f.left, f.top, f.right, f.bottom), out, corner.to);
  }
}

platform::Bitmap Compose(const platform::Bitmap& picture, const Rect& unbounded_source,
                         const PieceGeometry& unbounded_old, const PieceGeometry& unbounded_new, int width,
                         int height, bool draw_client, const StretchFlags& stretch) {
  const Rect s = Bounded(unbounded_source);
  const PieceGeometry o = Bounded(unbounded_old);
  const PieceGeometry n = Bounded(unbounded_new);
  platform::Bitmap out = Blank(Bounded(width), Bounded(height));
  if (out.IsEmpty() || picture.IsEmpty() || o.rb.x == o.lt.x || o.rb.y == o.lt.y) return out;
  DrawBorder(picture, s, o, n, out, stretch);
  if (draw_client) {
    const Rect& c = o.client;
    TilePiece(picture, InPicture(s, c.left, c.top, c.right, c.bottom), out, n.client);
  }
  return out;
}

}  // namespace

platform::Bitmap ComposeSkinImage(const platform::Bitmap& picture, const Rect& source,
                                  const PieceGeometry& old_geometry, const PieceGeometry& new_geometry,
                                  int width, int height, bool draw_client) {
  return Compose(picture, source, old_geometry, new_geometry, width, height, draw_client, {});
}

platform::Bitmap ComposeStretchedSkinImage(const platform::Bitmap& picture, const Rect& source,
                                           const PieceGeometry& old_geometry,
                                           const PieceGeometry& new_geometry, int width, int height,
                                           bool draw_client, const StretchFlags& stretch) {
  return Compose(picture, source, old_geometry, new_geometry, width, height, draw_client, stretch);
}

platform::Bitmap CopySkinImage(const platform::Bitmap& picture, const Rect& unbounded_source) {
  const Rect s = Bounded(unbounded_source);
  platform::Bitmap out = Blank(s.Width(), s.Height());
  if (!out.IsEmpty()) TilePiece(picture, s, out, {0, 0, s.Width(), s.Height()});
  return out;
}

platform::Bitmap ComposeEntryImage(const platform::Bitmap& picture, const Rect& source, int kind,
                                   const PieceGeometry& old_geometry, const FittedGeometry& fitted,
                                   bool draw_client) {
  const PieceGeometry g = Bounded(old_geometry);
  const Rect s = Bounded(source);
  switch (kind) {
    case 0: return CopySkinImage(picture, s);
    case 1:
      return ComposeSkinImage(picture, s, g, fitted.geometry, fitted.width, fitted.height, draw_client);
    case 2: return ComposeHorizontalStrip(picture, s, g.lt.x, s.Width() - g.rt.x, fitted.width);
    case 3: return ComposeVerticalStrip(picture, s, g.lt.y, s.Height() - g.lb.y, fitted.height);
    default: return {};
  }
}

platform::Bitmap ComposeBorder(const platform::Bitmap& picture, const Rect& source,
                               const PieceGeometry& old_geometry, const PieceGeometry& new_geometry,
                               int width, int height) {
  platform::Bitmap out = Blank(Bounded(width), Bounded(height));
  if (out.IsEmpty()) return out;
  DrawBorder(picture, Bounded(source), Bounded(old_geometry), Bounded(new_geometry), out, {});
  return out;
}

platform::Bitmap ComposeHorizontalStrip(const platform::Bitmap& picture, const Rect& unbounded_source,
                                        int left_width, int right_width, int width) {
  const Rect s = Bounded(unbounded_source);
  const int a = Bounded(left_width), b = Bounded(right_width), w = Bounded(width);
  platform::Bitmap out = Blank(w, s.Height());
  if (out.IsEmpty()) return out;
  if (a != 0) TilePiece(picture, InPicture(s, 0, 0, a, s.Height()), out, {0, 0, a, s.Height()});
  if (b != 0) {
    TilePiece(picture, InPicture(s, s.Width() - b, 0, s.Width(), s.Height()), out, {w - b, 0, w, s.Height()});
  }
  // A middle piece of no width still repeats its first column.
  const int middle = std::max(1, s.Width() - a - b);
  if (w - a - b >= 0) {
    TilePiece(picture, InPicture(s, a, 0, a + middle, s.Height()), out, {a, 0, w - b, s.Height()});
  }
  return out;
}

platform::Bitmap ComposeVerticalStrip(const platform::Bitmap& picture, const Rect& unbounded_source,
                                      int top_height, int bottom_height, int height) {
  const Rect s = Bounded(unbounded_source);
  const int a = Bounded(top_height), b = Bounded(bottom_height), h = Bounded(height);
  platform::Bitmap out = Blank(s.Width(), h);
  if (out.IsEmpty()) return out;
  if (a != 0) TilePiece(picture, InPicture(s, 0, 0, s.Width(), a), out, {0, 0, s.Width(), a});
  if (b != 0) {
    TilePiece(picture, InPicture(s, 0, s.Height() - b, s.Width(), s.Height()), out, {0, h - b, s.Width(), h});
  }
  // Unlike the horizontal strip, a middle of no height draws nothing.
  const int middle = s.Height() - a - b;
  if (middle > 0 && h - a - b >= 0) {
    TilePiece(picture, InPicture(s, 0, a, s.Width(), a + middle), out, {0, a, s.Width(), h - b});
  }
  return out;
}

}  // namespace skin
