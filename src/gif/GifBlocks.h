#pragma once
#include <cstdint>
#include <vector>

#include "gif/GifByteReader.h"
#include "gif/TExtension.h"
#include "gif/TGIFData.h"
#include "gif/TGIFFrame.h"

namespace gif {

struct TLoopInfo {
  bool HasLoopExtension = false;
  std::uint16_t LoopCount = 1;
};

inline constexpr std::uint8_t kExtensionIntroducer = '!';
inline constexpr std::uint8_t kImageIntroducer = ',';
inline constexpr std::uint8_t kTrailer = ';';

struct TExtensionRun {
  // The graphic control and comment extensions to attach to a following image.
  std::vector<TExtension> Kept;
  // The data ended inside an extension; what was read of it is kept.
  bool CutOff = false;
};

// Reads the extensions that start at `introducer` ('!') up to the next block
// that is not one, leaving that block's introducer in `introducer` (the
// trailer when the data ends). A plain text extension discards what came
// before it. Loop extensions are noted in `loop`.
TExtensionRun ReadExtensionRun(GifByteReader& reader, std::uint8_t& introducer, TLoopInfo& loop);

// Reads one image (after its ',') into `frame`; `frame.Extensions` must
// already hold the extensions that preceded it, and `frame.Item->Stream` the
// data `reader` reads, which the frame's encoded data will point into.
void ReadImageBlock(GifByteReader& reader, const TGIFData& data, int logicalWidth, int logicalHeight,
                    TGIFFrame& frame);

}  // namespace gif
