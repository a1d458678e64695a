#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gif/TColorTable.h"

namespace gif {

// What the whole image shares: the screen descriptor's colour facts and the
// comments that no image followed.
struct TGIFData {
  std::vector<std::string> Comments;
  std::uint8_t AspectRatio = 0;
  int ColorBits = 0;
  int ColorResolution = 0;
  TColorTable GlobalColors;
};

// One frame's encoded picture and colours, as read from the stream.
struct TGIFItem {
  // The LZW code size byte, then the data sub-blocks exactly as read: a view
  // into the loaded stream, which `Stream` keeps for as long as the item
  // lives, so that a load copies no image data.
  std::shared_ptr<const std::string> Stream;
  std::string_view EncodedData;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::uint8_t DescriptorFlags = 0;
  int ColorBits = 0;
  TColorTable Colors;
};

}  // namespace gif
