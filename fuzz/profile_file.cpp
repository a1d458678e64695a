// Any bytes as a profile file give values or the default, never a crash; an
// update description's Version, whatever it holds, converts to a finite
// number or to no update.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "platform/ProfileFile.h"
#include "update/UpdateCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const platform::ProfileFile profile = platform::ProfileFile::FromText(bytes);
  // Keys a reader asks for, and the first line's own words.
  for (const char* key : {"AppName", "BannerPath1", "Version", ""}) {
    const std::string value = profile.ReadString("Settings", key, "d");
    if (value.size() > 4 * platform::ProfileFile::kMaxValueBytes) __builtin_trap();
    const std::string version = profile.ReadString("APPLICATION", key);
    for (const char separator : {'.', ','}) {
      const float offered = update::OfferedVersion(version, separator);
      if (!std::isfinite(offered)) __builtin_trap();
    }
  }
  const std::string_view first_line = bytes.substr(0, bytes.find('\n'));
  profile.ReadString(first_line, first_line);
  return 0;
}
