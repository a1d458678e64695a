#pragma once

#include "gif/GifColors.h"
#include "gif/TGIFImage.h"
#include "platform/Bitmap.h"

namespace gif {

// Builds the picture of the logical screen as it stands when a frame is
// shown, applying the frames before it and their disposal. The last picture
// is kept, so that showing the next frame only redraws what changed.
//
// The picture is 32-bit; when it has a transparent key, pixels of the key's
// colour carry alpha 0 and all others 255, so the window layer can draw it
// over its background as it is.
class GifFrameComposer {
 public:
  explicit GifFrameComposer(TGIFImage& image) : image_(image) {}

  // The picture for frame `index` (clamped to the frames), with its key
  // colour in `key` (clNone when it has none). The image must have frames.
  const platform::Bitmap& ComposeFrame(int index, TColor& key);

  // Forgets the kept picture; every load of the image needs this.
  void Reset();

  // What the window background colour stands for when a picture is filled
  // with it; white unless the window layer knows better.
  void SetWindowColor(TColor color) { windowColor_ = color; }

  int CachedIndex() const { return cachedIndex_; }
  TColor CachedKey() const { return cachedKey_; }

 private:
  void StartPicture(TColor& fill, TColor& key);
  int StartFrame(int index);
  void DrawFrame(int index, TColor key);
  void FillFrameRect(int index, TColor fill, TColor key);

  TGIFImage& image_;
  // The picture of frame cachedIndex_; when that is -1 it shows no frame.
  platform::Bitmap picture_;
  int cachedIndex_ = -1;
  TColor cachedKey_ = clNone;
  TColor cachedFill_ = clNone;
  TColor windowColor_ = ColorFromRgb(255, 255, 255);
};

}  // namespace gif
