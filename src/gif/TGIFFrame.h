#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gif/BitmapDrawing.h"
#include "gif/GifColors.h"
#include "gif/TExtension.h"
#include "gif/TGIFData.h"
#include "platform/Bitmap.h"

namespace gif {

enum TDisposal : std::uint8_t {
  DisposalUnspecified = 0,
  DisposalKeep = 1,
  DisposalBackground = 2,
  DisposalPrevious = 3,
};

// One image of a GIF: kept encoded after the load and decoded into an
// indexed bitmap the first time it is needed.
class TGIFFrame {
 public:
  TGIFFrame() : Item(std::make_shared<TGIFItem>()) {}

  // The decoded picture: top-down rows of palette indexes, and a palette of
  // 2^BitmapDepth() entries (the frame's colours, then grey).
  const platform::Bitmap& Bitmap();
  bool HasBitmap() const { return bitmap_ != nullptr; }
  // 1, 4 or 8: the bits per pixel the frame's colour count calls for;
  // decodes the frame when needed. 0 for a frame without data.
  int BitmapDepth();

  int Width();
  int Height();

  // Draws the whole frame scaled into `rect` of `canvas`, keying out
  // TransparentColor when `transparent` is set and the frame has one.
  void FrameDraw(platform::Bitmap& canvas, const Rect& rect, bool transparent);

  std::vector<std::string> Comments() const;

  std::shared_ptr<TGIFItem> Item;
  std::vector<TExtension> Extensions;
  std::int32_t FrameLeft = 0;
  std::int32_t FrameTop = 0;
  bool Interlaced = false;
  bool DataCorrupted = false;
  TColor TransparentColor = clNone;
  std::uint16_t DelayMs = 0;
  std::uint8_t Disposal = DisposalUnspecified;
  bool HasLocalColors = false;

 private:
  void DecodeFrame();

  std::unique_ptr<platform::Bitmap> bitmap_;
};

}  // namespace gif
