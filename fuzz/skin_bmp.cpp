// Any bytes as a run of BMP images: each image decodes into a bitmap of the
// size its header gives, or the reader refuses it with "Bitmap image is not
// valid" and a reason; nothing is read past the input.
#include <cstdint>
#include <string_view>

#include "platform/ErrorReport.h"
#include "skin/BmpReader.h"
#include "skin/SkinError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  skin::ByteReader reader(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    while (reader.Remaining() > 0) {
      const std::size_t before = reader.Remaining();
      const platform::Bitmap bitmap = skin::ReadBmpImage(reader);
      if (bitmap.pixels.size() != static_cast<std::size_t>(bitmap.width) * bitmap.height ||
          reader.Remaining() >= before) {
        __builtin_trap();
      }
    }
  } catch (const skin::SkinError& error) {
    if (std::string_view(error.what()) != skin::kBitmapNotValid || platform::ErrorText(error) == error.what()) {
      __builtin_trap();
    }
  }
  return 0;
}
