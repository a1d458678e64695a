#pragma once
#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gif/BitmapDrawing.h"
#include "gif/GifColors.h"
#include "gif/GifLimits.h"
#include "gif/TGIFData.h"
#include "gif/TGIFFrame.h"

namespace gif {

enum TGIFVersion { GifVersionUnknown = 0, GifVersion87a = 1, GifVersion89a = 2 };

// A GIF read into frames. Only the encoded data is kept after a load; each
// frame is decoded the first time it is needed (frame 0 during the load) and
// kept, as long as the decoded frames together stay within the image's
// limit. Past that, the frames used longest ago are dropped and decoded again
// when next needed, so that many large frames in a small file cannot exhaust
// memory.
class TGIFImage {
 public:
  explicit TGIFImage(std::uint64_t decodedFrameLimit = kMaxDecodedFrameBytes);
  TGIFImage(const TGIFImage&) = delete;
  TGIFImage& operator=(const TGIFImage&) = delete;

  // Throws platform::FileError when the file cannot be read, EGIFError when
  // it is no GIF this program can show.
  void LoadFile(const std::string& path);
  void LoadStream(std::istream& stream);
  void ReadGifStream(std::int64_t size, std::istream& stream, bool decodeFirst);
  // The same load from bytes already in memory, which the image keeps.
  void LoadFromMemory(std::string bytes, bool decodeFirst = true);

  // Takes over a copy of `source`: its frames (sharing their encoded data)
  // and its image-wide facts; tells OnChange like a load.
  void Assign(const TGIFImage& source);

  int FrameCount() const { return static_cast<int>(frames_.size()); }
  TGIFFrame& Frame(int index) { return *frames_[static_cast<std::size_t>(index)]; }

  bool Empty() const;
  int LogicalWidth() const { return Empty() ? 0 : logicalWidth_; }
  int LogicalHeight() const { return Empty() ? 0 : logicalHeight_; }
  // The stored descriptor values, also when the image is empty.
  int ScreenWidth() const { return logicalWidth_; }
  int ScreenHeight() const { return logicalHeight_; }

  int Width();
  int Height();
  [[noreturn]] void SetWidth(int width);
  [[noreturn]] void SetHeight(int height);

  // What the decoded frames hold together.
  std::uint64_t DecodedBytes() const;
  // For the frames: a frame about to decode into `bytes` has the image drop
  // the bitmaps of the others used longest ago until it fits the limit; and
  // each use of a bitmap is counted.
  void MakeRoomFor(const TGIFFrame& frame, std::uint64_t bytes);
  std::uint64_t NextUse() { return ++uses_; }

  // True when TransparentSwitch is on and some frame has a transparent colour.
  bool Transparent() const;
  // The active frame's palette; null without frames. Valid until another
  // frame is decoded.
  const std::vector<std::uint32_t>* Palette();
  void Draw(platform::Bitmap& canvas, const Rect& rect);

  int ActiveFrame() const { return activeFrame_; }
  TGIFVersion GifVersion() const { return version_; }
  TColor BackgroundColor() const { return backgroundColor_; }
  bool HasLoopExtension() const { return hasLoopExtension_; }
  std::uint16_t LoopCount() const { return loopCount_; }
  const TGIFData& SharedData() const { return *sharedData_; }

  bool TransparentSwitch = true;
  bool PaletteDirty = false;
  std::function<void()> OnChange;

 private:
  void Reset();
  void ReadBlocks(class GifByteReader& reader, const std::shared_ptr<const std::string>& stream);
  void AddComments(const std::vector<TExtension>& run);

  std::vector<std::unique_ptr<TGIFFrame>> frames_;
  std::shared_ptr<TGIFData> sharedData_;
  int activeFrame_ = -1;
  TGIFVersion version_ = GifVersionUnknown;
  int logicalWidth_ = 0;
  int logicalHeight_ = 0;
  TColor backgroundColor_ = clNone;
  bool hasLoopExtension_ = false;
  std::uint16_t loopCount_ = 1;
  std::uint64_t decodedFrameLimit_;
  std::uint64_t uses_ = 0;
};

}  // namespace gif
