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

class TGIFImage;

enum TDisposal : std::uint8_t {
  DisposalUnspecified = 0,
  DisposalKeep = 1,
  DisposalBackground = 2,
  DisposalPrevious = 3,
};

// One image of a GIF: kept encoded after the load and decoded into an
// indexed bitmap the first time it is needed. The bitmap is kept while the
// decoded frames of its image fit their limit (see TGIFImage).
class TGIFFrame {
 public:
  explicit TGIFFrame(TGIFImage& owner) : Item(std::make_shared<TGIFItem>()), owner_(owner) {}

  // The decoded picture: top-down rows of palette indexes, and a palette of
  // 2^BitmapDepth() entries (the frame's colours, then grey). Valid until
  // another frame of the image is decoded, which may drop it.
  const platform::Bitmap& Bitmap();
  bool HasBitmap() const { return bitmap_ != nullptr; }
  // What the bitmap's pixels take; 0 while the frame is not decoded.
  std::uint64_t DecodedBytes() const { return bitmap_ ? bitmap_->indexes.size() : 0; }
  // When the bitmap was last asked for, on the image's count of uses.
  std::uint64_t LastUse() const { return lastUse_; }
  // Frees the bitmap; the next Bitmap() decodes the frame again.
  void DropBitmap() { bitmap_.reset(); }
  // The bitmap's size, known without decoding: the descriptor's, or 0 x 0
  // for a frame without data.
  int BitmapWidth() const { return Item->EncodedData.empty() ? 0 : Item->Width; }
  int BitmapHeight() const { return Item->EncodedData.empty() ? 0 : Item->Height; }
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

  TGIFImage& owner_;
  std::unique_ptr<platform::Bitmap> bitmap_;
  std::uint64_t lastUse_ = 0;
};

}  // namespace gif
