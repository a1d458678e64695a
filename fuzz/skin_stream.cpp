// Any bytes as a stored skin either load or fail with the skin's own error,
// never touching memory out of bounds or allocating without limit. The first
// byte picks the road: 0 hands the rest to the inflater as zlib data, so
// damaged streams are explored; anything else deflates the rest first, so
// the stream parser, the BMP reader and the INI reader see the bytes as they
// are.
#include <zlib.h>

#include <cstdint>
#include <string>

#include "skin/SkinError.h"
#include "skin/TskData.h"

namespace {

std::string Deflated(const std::uint8_t* data, std::size_t size) {
  uLongf length = compressBound(static_cast<uLong>(size));
  std::string out(length, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &length, data, static_cast<uLong>(size), 1);
  out.resize(length);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  TskCompressedStoredSkin stored;
  stored.CompressedStream = data[0] == 0 ? std::string(reinterpret_cast<const char*>(data + 1), size - 1)
                                         : Deflated(data + 1, size - 1);
  skin::SkinForms no_windows;
  TskData skin_data(nullptr, no_windows);
  try {
    skin_data.LoadCompressedStoredSkin(stored);
  } catch (const skin::SkinError&) {
    // Refused with a message: what the loader must do with bad data.
  }
  return 0;
}
