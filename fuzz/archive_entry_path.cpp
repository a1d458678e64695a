// Any bytes as an archive entry's path are refused or give a plain relative
// path that stays inside the folder and passes the check again unchanged;
// the same bytes as a swap journal are refused or read back as written.
#include <cstdint>
#include <string_view>

#include "update/install/SwapJournal.h"
#include "update/release/ArchiveEntryPath.h"
#include "update/release/ReleaseError.h"

namespace {

void CheckPath(std::string_view bytes) {
  std::string path;
  try {
    path = update::CheckedEntryPath(bytes);
  } catch (const update::TReleaseError&) {
    return;
  }
  if (path.empty()) return;  // the folder itself
  const std::string slashed = "/" + path + "/";
  if (path.starts_with('/') || slashed.find("/../") != std::string::npos || slashed.find("/./") != std::string::npos ||
      slashed.find("//") != std::string::npos || path.find('\0') != std::string::npos ||
      update::CheckedEntryPath(path) != path)
    __builtin_trap();
}

void CheckJournal(std::string_view bytes) {
  update::TSwapJournal journal;
  try {
    journal = update::ParseSwapJournal(bytes);
  } catch (const update::TReleaseError&) {
    return;
  }
  const update::TSwapJournal again = update::ParseSwapJournal(update::FormatSwapJournal(journal));
  if (again.Direction != journal.Direction || again.Files != journal.Files) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckPath(bytes);
  CheckJournal(bytes);
  return 0;
}
