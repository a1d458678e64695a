#include "gif/GifFrameComposer.h"

#include <algorithm>

#include "gif/BitmapDrawing.h"
#include "gif/GifLimits.h"

namespace gif {
namespace {

Rect FrameRect(const TGIFFrame& frame) {
  return Rect{frame.FrameLeft, frame.FrameTop, frame.BitmapWidth(), frame.BitmapHeight()};
}

// Gives the pixels of `rect` that show the key colour alpha 0, so that the
// picture carries its own transparency.
void MarkKeyTransparent(platform::Bitmap& picture, const Rect& rect, TColor key) {
  const std::uint32_t keyArgb = ArgbFromColor(key);
  const int x0 = std::max(rect.left, 0);
  const int x1 = static_cast<int>(std::min<std::int64_t>(std::int64_t{rect.left} + rect.width, picture.width));
  const int y0 = std::max(rect.top, 0);
  const int y1 = static_cast<int>(std::min<std::int64_t>(std::int64_t{rect.top} + rect.height, picture.height));
  for (int y = y0; y < y1; ++y) {
    std::uint32_t* row = picture.Row(y);
    for (int x = x0; x < x1; ++x)
      if (row[x] == keyArgb) row[x] = keyArgb & kRgbMask;
  }
}

}  // namespace

void GifFrameComposer::Reset() {
  picture_ = platform::Bitmap{};
  cachedIndex_ = -1;
  cachedKey_ = clNone;
  cachedFill_ = clNone;
}

const platform::Bitmap& GifFrameComposer::ComposeFrame(int index, TColor& key) {
  index = std::clamp(index, 0, image_.FrameCount() - 1);
  // Repainting the frame on show needs no work at all.
  if (cachedIndex_ == index) {
    key = cachedKey_;
    return picture_;
  }
  // A frame that cannot be shown leaves the kept picture and CachedIndex as
  // they were: it is still the right one for its frame, so showing that
  // frame again, or the one after it, costs nothing more. Decoding first
  // means the kept picture is never half drawn by the frame shown.
  image_.Frame(index).Bitmap();
  const bool reuse = cachedIndex_ >= 0 && cachedIndex_ == index - 1 &&
                     image_.Frame(cachedIndex_).Disposal != DisposalPrevious;
  if (reuse) {
    if (image_.Frame(cachedIndex_).Disposal == DisposalBackground)
      FillFrameRect(cachedIndex_, cachedFill_, cachedKey_);
    DrawFrame(index, cachedKey_);
    cachedIndex_ = index;
    key = cachedKey_;
    return picture_;
  }

  // The picture is built anew over the kept one, so that playing on
  // allocates nothing; until it is complete it shows no frame, also when a
  // frame before the one shown fails on the way.
  cachedIndex_ = -1;
  TColor fill = clNone;
  TColor newKey = clNone;
  StartPicture(fill, newKey);
  const int first = StartFrame(index);
  for (int i = first; i < index; ++i) {
    const TGIFFrame& frame = image_.Frame(i);
    if (frame.Disposal == DisposalUnspecified || frame.Disposal == DisposalKeep)
      DrawFrame(i, newKey);
    else if (frame.Disposal == DisposalBackground && i > first)
      FillFrameRect(i, fill, newKey);
  }
  DrawFrame(index, newKey);

  cachedIndex_ = index;
  cachedKey_ = newKey;
  cachedFill_ = fill;
  key = newKey;
  return picture_;
}

void GifFrameComposer::StartPicture(TColor& fill, TColor& key) {
  const int width = image_.ScreenWidth();
  const int height = image_.ScreenHeight();
  CheckPictureSize("logical screen", static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), 4);
  TGIFFrame& active = image_.Frame(std::max(image_.ActiveFrame(), 0));
  if (active.TransparentColor != clNone) {
    key = active.TransparentColor;
    fill = key;
  } else if (image_.BackgroundColor() != clNone && image_.Transparent()) {
    fill = image_.BackgroundColor();
  } else {
    fill = windowColor_;
  }
  if (picture_.width != width || picture_.height != height) picture_ = platform::Bitmap::Argb(width, height);
  FillRect(picture_, Rect{0, 0, width, height}, fill);
  if (key != clNone) MarkKeyTransparent(picture_, Rect{0, 0, width, height}, key);
}

// The nearest frame at or before `index` whose picture does not depend on
// the frames before it: one covering the whole screen with no transparent
// colour, or one that is cleared to the background before the next frame.
//
// A full-screen frame before `index` that restores the previous picture
// (DisposalPrevious) is never a start: the replay skips such frames, so
// starting there would begin from the bare fill and lose everything drawn
// before it, while the frames after it are drawn over what came before it.
int GifFrameComposer::StartFrame(int index) {
  int first = std::max(0, index);
  while (first > 0) {
    const TGIFFrame& frame = image_.Frame(first);
    const bool coversScreen =
        frame.BitmapWidth() == image_.ScreenWidth() && frame.BitmapHeight() == image_.ScreenHeight();
    const bool undone = frame.Disposal == DisposalPrevious && first < index;
    if (coversScreen && !undone &&
        (frame.TransparentColor == clNone || (frame.Disposal == DisposalBackground && first < index)))
      break;
    --first;
  }
  return first;
}

void GifFrameComposer::DrawFrame(int index, TColor key) {
  TGIFFrame& frame = image_.Frame(index);
  const Rect rect = FrameRect(frame);
  frame.FrameDraw(picture_, rect, true);
  if (key != clNone) MarkKeyTransparent(picture_, rect, key);
}

void GifFrameComposer::FillFrameRect(int index, TColor fill, TColor key) {
  const Rect rect = FrameRect(image_.Frame(index));
  FillRect(picture_, rect, fill);
  if (key != clNone) MarkKeyTransparent(picture_, rect, key);
}

}  // namespace gif
