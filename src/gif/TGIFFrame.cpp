#include "gif/TGIFFrame.h"

#include <bit>

#include "gif/GifErrors.h"
#include "gif/GifLzw.h"
#include "gif/TGIFImage.h"

namespace gif {
namespace {

constexpr std::uint32_t kFillerGrey = 0xFF808080u;

int DepthForColorBits(int colorBits) {
  if (colorBits == 1) return 1;
  if (colorBits >= 2 && colorBits <= 4) return 4;
  if (colorBits >= 5 && colorBits <= 8) return 8;
  throw EGIFError(kBadColorCount);
}

}  // namespace

const platform::Bitmap& TGIFFrame::Bitmap() {
  if (!bitmap_ || bitmap_->IsEmpty()) {
    owner_.MakeRoomFor(*this, std::uint64_t{static_cast<std::uint32_t>(BitmapWidth())} *
                                  static_cast<std::uint32_t>(BitmapHeight()));
    DecodeFrame();
  }
  lastUse_ = owner_.NextUse();
  return *bitmap_;
}

int TGIFFrame::Width() {
  if (!bitmap_ && Item->EncodedData.empty()) return 0;
  return Bitmap().width;
}

int TGIFFrame::Height() {
  if (!bitmap_ && Item->EncodedData.empty()) return 0;
  return Bitmap().height;
}

void TGIFFrame::DecodeFrame() {
  if (Item->EncodedData.empty()) {
    bitmap_ = std::make_unique<platform::Bitmap>();
    return;
  }
  const int depth = DepthForColorBits(Item->ColorBits);
  auto decoded = std::make_unique<platform::Bitmap>(platform::Bitmap::Indexed(Item->Width, Item->Height));
  decoded->palette.assign(std::size_t{1} << depth, kFillerGrey);
  for (int i = 0; i < Item->Colors.Count && i < static_cast<int>(decoded->palette.size()); ++i)
    decoded->palette[static_cast<std::size_t>(i)] = ArgbFromColor(Item->Colors.Color(i));
  DataCorrupted |= DecodeLzw(Item->EncodedData, Item->ColorBits,
                             LzwTarget{decoded->indexes.data(), decoded->width, decoded->height, Interlaced});
  bitmap_ = std::move(decoded);
}

// The palette has 2^depth entries.
int TGIFFrame::BitmapDepth() {
  const std::size_t entries = Bitmap().palette.size();
  return entries == 0 ? 0 : std::countr_zero(entries);
}

void TGIFFrame::FrameDraw(platform::Bitmap& canvas, const Rect& rect, bool transparent) {
  const platform::Bitmap& picture = Bitmap();
  const TColor key = transparent ? TransparentColor : clNone;
  DrawTransparentStretched(canvas, rect, picture, Rect{0, 0, picture.width, picture.height}, key);
}

std::vector<std::string> TGIFFrame::Comments() const {
  for (const TExtension& extension : Extensions)
    if (extension.Kind == TExtensionKind::ExtComment) return extension.DataBlocks;
  return {};
}

}  // namespace gif
