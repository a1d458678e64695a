#include "skin/stored/StoredSkin.h"

#include <cstddef>
#include <string>

// Written by EmbedBytes.cmake from the compiled default skin.
extern const unsigned char kDefaultSkinZlibStream[];
extern const std::size_t kDefaultSkinZlibStreamSize;

namespace skin {

std::string_view StoredSkinBytes() {
  return {reinterpret_cast<const char*>(kDefaultSkinZlibStream), kDefaultSkinZlibStreamSize};
}

void LoadStoredSkin(TskCompressedStoredSkin& stored) {
  stored.FileName = std::string(kStoredSkinName);
  stored.CompressedFileName = std::string(kStoredSkinName);
  stored.CompressedStream = std::string(StoredSkinBytes());
}

}  // namespace skin
