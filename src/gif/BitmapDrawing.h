#pragma once
#include "gif/GifColors.h"
#include "platform/Bitmap.h"

namespace gif {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Fills `rect` of a 32-bit bitmap with an opaque colour, clipped to it.
void FillRect(platform::Bitmap& canvas, const Rect& rect, TColor color);

// Copies `sourceRect` of the indexed `source` scaled onto `destRect`
// of the 32-bit `canvas`, clipped to the canvas. Scaling picks the nearest
// source pixel, never blends. Source pixels whose colour equals `key` leave
// the canvas unchanged; with `key` clNone every pixel is copied, opaque.
// Two-colour bitmaps are keyed on `key` like all others, not on white: a
// GIF's transparent colour is any entry of its table, and keying white
// would show a 1-bit frame's transparent pixels and cut out its white ones.
void DrawTransparentStretched(platform::Bitmap& canvas, const Rect& destRect,
                              const platform::Bitmap& source, const Rect& sourceRect, TColor key);

}  // namespace gif
