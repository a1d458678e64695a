#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace update {

// The journal of a file swap: which way it goes and the release's files,
// each a path relative to the application folder. It is written whole and
// atomically before the first file moves and removed after the last, so
// whoever finds it knows a swap was cut short and how to finish it.
struct TSwapFile {
  std::string Path;
  // Whether the folder held a file of this path before the swap: a swap
  // cut short cannot tell the new file from an old one by looking.
  bool Replaces = false;

  bool operator==(const TSwapFile&) const = default;
};

struct TSwapJournal {
  enum class TDirection { Install, RollBack };
  TDirection Direction = TDirection::Install;
  std::vector<TSwapFile> Files;
};

std::string FormatSwapJournal(const TSwapJournal& journal);

// Throws TReleaseError for text that is no journal, or names a path that
// CheckedEntryPath refuses.
TSwapJournal ParseSwapJournal(std::string_view text);

}  // namespace update
