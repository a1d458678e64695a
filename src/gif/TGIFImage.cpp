#include "gif/TGIFImage.h"

#include <strings.h>

#include "gif/GifBlocks.h"
#include "gif/GifByteReader.h"
#include "gif/GifErrors.h"
#include "gif/GifLimits.h"
#include "platform/FileSystem.h"

namespace gif {
namespace {

bool EqualsIgnoringCase(const std::uint8_t* bytes, const char* text) {
  return ::strncasecmp(reinterpret_cast<const char*>(bytes), text, 3) == 0;
}

}  // namespace

TGIFImage::TGIFImage(std::uint64_t decodedFrameLimit)
    : sharedData_(std::make_shared<TGIFData>()), decodedFrameLimit_(decodedFrameLimit) {}

void TGIFImage::LoadFile(const std::string& path) { LoadFromMemory(platform::ReadWholeFile(path), true); }

void TGIFImage::LoadStream(std::istream& stream) {
  const std::istream::pos_type start = stream.tellg();
  stream.seekg(0, std::ios::end);
  const std::istream::pos_type end = stream.tellg();
  stream.seekg(start);
  ReadGifStream(start < 0 || end < start ? 0 : static_cast<std::int64_t>(end - start), stream, true);
}

void TGIFImage::Reset() {
  sharedData_ = std::make_shared<TGIFData>();
  frames_.clear();
  activeFrame_ = -1;
  backgroundColor_ = clNone;
  loopCount_ = 1;
  hasLoopExtension_ = false;
  version_ = GifVersionUnknown;
  logicalWidth_ = 0;
  logicalHeight_ = 0;
}

void TGIFImage::ReadGifStream(std::int64_t size, std::istream& stream, bool decodeFirst) {
  Reset();
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (!bytes.empty() && !stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
    throw EGIFError(kStreamReadError);
  LoadFromMemory(std::move(bytes), decodeFirst);
}

void TGIFImage::LoadFromMemory(std::string bytes, bool decodeFirst) {
  Reset();
  if (!bytes.empty()) {
    const auto stream = std::make_shared<const std::string>(std::move(bytes));
    GifByteReader reader(*stream);
    ReadBlocks(reader, stream);
  }
  if (!frames_.empty()) {
    activeFrame_ = 0;
    if (decodeFirst) {
      try {
        frames_.front()->Bitmap();
      } catch (...) {
        frames_.erase(frames_.begin());
        if (frames_.empty()) activeFrame_ = -1;
        throw;
      }
    }
  }
  PaletteDirty = true;
  if (OnChange) OnChange();
}

void TGIFImage::ReadBlocks(GifByteReader& reader, const std::shared_ptr<const std::string>& stream) {
  std::uint8_t signature[3];
  reader.ReadLenient(signature, 3);
  if (!EqualsIgnoringCase(signature, "GIF")) throw EGIFError(kUnknownVersion);
  std::uint8_t version[3];
  reader.ReadLenient(version, 3);
  if (EqualsIgnoringCase(version, "87a"))
    version_ = GifVersion87a;
  else if (EqualsIgnoringCase(version, "89a"))
    version_ = GifVersion89a;
  else
    throw EGIFError(kUnknownVersion);

  std::uint8_t screen[7];
  reader.ReadLenient(screen, sizeof screen);
  logicalWidth_ = screen[0] | screen[1] << 8;
  logicalHeight_ = screen[2] | screen[3] << 8;
  const std::uint8_t packed = screen[4];
  TGIFData& data = *sharedData_;
  data.AspectRatio = screen[6];
  data.ColorBits = (packed & 7) + 1;
  data.ColorResolution = (packed >> 4 & 7) + 1;
  CheckPictureSize("logical screen", static_cast<std::uint32_t>(logicalWidth_),
                   static_cast<std::uint32_t>(logicalHeight_), 4);
  if (packed & 0x80) {
    data.GlobalColors.Count = 1 << data.ColorBits;
    reader.ReadLenient(data.GlobalColors.Entries.data(), static_cast<std::size_t>(data.GlobalColors.Count) * 3);
    if (screen[5] < data.GlobalColors.Count) backgroundColor_ = data.GlobalColors.Color(screen[5]);
  }

  TLoopInfo loop;
  std::uint8_t introducer = reader.ReadByteLenient();
  while (introducer != 0 && introducer != kTrailer && !reader.AtEnd()) {
    TExtensionRun run = ReadExtensionRun(reader, introducer, loop);
    hasLoopExtension_ = loop.HasLoopExtension;
    loopCount_ = loop.LoopCount;
    // Data cut off inside an extension ends the picture there, as data cut
    // off inside the last image does; only with no frame before it is there
    // nothing to show.
    if (run.CutOff && frames_.empty()) throw EGIFError(kStreamReadError);
    if (introducer == kImageIntroducer) {
      auto frame = std::make_unique<TGIFFrame>(*this);
      if (data.GlobalColors.Count > 0) frame->Item->ColorBits = data.ColorBits;
      frame->Item->Stream = stream;
      frame->Extensions = std::move(run.Kept);
      ReadImageBlock(reader, data, logicalWidth_, logicalHeight_, *frame);
      frames_.push_back(std::move(frame));
      if (reader.AtEnd()) {
        introducer = kTrailer;
      } else {
        introducer = reader.ReadByteLenient();
        while (introducer == 0 && !reader.AtEnd()) introducer = reader.ReadByteLenient();
        if (introducer != kExtensionIntroducer && introducer != kImageIntroducer && introducer != kTrailer)
          introducer = 0;
      }
    } else if (data.Comments.empty() && !run.Kept.empty()) {
      AddComments(run.Kept);
    } else if (introducer != 0 && introducer != kTrailer) {
      throw EGIFError(kStreamReadError);
    }
  }
}

void TGIFImage::AddComments(const std::vector<TExtension>& run) {
  std::vector<std::string>& comments = sharedData_->Comments;
  for (const TExtension& extension : run) {
    if (extension.Kind != TExtensionKind::ExtComment) continue;
    if (!comments.empty()) comments.emplace_back("\r\n\r\n");
    comments.insert(comments.end(), extension.DataBlocks.begin(), extension.DataBlocks.end());
  }
}

void TGIFImage::Assign(const TGIFImage& source) {
  if (&source == this) return;
  Reset();
  sharedData_ = source.sharedData_;
  for (const auto& frame : source.frames_) {
    auto copy = std::make_unique<TGIFFrame>(*this);
    copy->Item = frame->Item;
    copy->Extensions = frame->Extensions;
    copy->FrameLeft = frame->FrameLeft;
    copy->FrameTop = frame->FrameTop;
    copy->Interlaced = frame->Interlaced;
    copy->DataCorrupted = frame->DataCorrupted;
    copy->TransparentColor = frame->TransparentColor;
    copy->DelayMs = frame->DelayMs;
    copy->Disposal = frame->Disposal;
    copy->HasLocalColors = frame->HasLocalColors;
    frames_.push_back(std::move(copy));
  }
  activeFrame_ = source.activeFrame_;
  version_ = source.version_;
  logicalWidth_ = source.logicalWidth_;
  logicalHeight_ = source.logicalHeight_;
  backgroundColor_ = source.backgroundColor_;
  hasLoopExtension_ = source.hasLoopExtension_;
  loopCount_ = source.loopCount_;
  TransparentSwitch = source.TransparentSwitch;
  PaletteDirty = true;
  if (OnChange) OnChange();
}

std::uint64_t TGIFImage::DecodedBytes() const {
  std::uint64_t total = 0;
  for (const auto& frame : frames_) total += frame->DecodedBytes();
  return total;
}

void TGIFImage::MakeRoomFor(const TGIFFrame& frame, std::uint64_t bytes) {
  std::uint64_t total = DecodedBytes() - frame.DecodedBytes() + bytes;
  while (total > decodedFrameLimit_) {
    TGIFFrame* oldest = nullptr;
    for (const auto& other : frames_)
      if (other.get() != &frame && other->HasBitmap() && (!oldest || other->LastUse() < oldest->LastUse()))
        oldest = other.get();
    // The frame itself is decoded even when it alone is past the limit.
    if (!oldest) return;
    total -= oldest->DecodedBytes();
    oldest->DropBitmap();
  }
}

bool TGIFImage::Empty() const {
  if (frames_.empty()) return true;
  const TGIFFrame& frame = *frames_[static_cast<std::size_t>(std::max(activeFrame_, 0))];
  if (frame.HasBitmap()) return false;
  return frame.Item->EncodedData.empty();
}

int TGIFImage::Width() {
  if (Empty() || activeFrame_ < 0 || activeFrame_ >= FrameCount()) return 0;
  return Frame(activeFrame_).Bitmap().width;
}

int TGIFImage::Height() {
  if (Empty() || activeFrame_ < 0 || activeFrame_ >= FrameCount()) return 0;
  return Frame(activeFrame_).Bitmap().height;
}

void TGIFImage::SetWidth(int) { throw EGIFError(kCannotResize); }
void TGIFImage::SetHeight(int) { throw EGIFError(kCannotResize); }

bool TGIFImage::Transparent() const {
  if (!TransparentSwitch) return false;
  for (const auto& frame : frames_)
    if (frame->TransparentColor != clNone) return true;
  return false;
}

const std::vector<std::uint32_t>* TGIFImage::Palette() {
  if (frames_.empty()) return nullptr;
  return &Frame(std::max(activeFrame_, 0)).Bitmap().palette;
}

void TGIFImage::Draw(platform::Bitmap& canvas, const Rect& rect) {
  if (activeFrame_ >= 0) Frame(activeFrame_).FrameDraw(canvas, rect, Transparent());
}

}  // namespace gif
