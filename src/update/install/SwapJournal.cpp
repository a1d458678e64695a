#include "update/install/SwapJournal.h"

#include "update/release/ArchiveEntryPath.h"
#include "update/release/ReleaseError.h"

namespace update {
namespace {

constexpr std::string_view kHeading = "Project Tarvik file swap 1";
constexpr std::string_view kInstall = "install";
constexpr std::string_view kRollBack = "roll back";
// The last line: a journal cut short by a full disk never reads as whole.
constexpr std::string_view kEnd = "end";
// Each file's line: whether it replaces a file, a blank, its path.
constexpr char kReplaces = 'R';
constexpr char kAdds = 'A';

std::string_view NextLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  if (end == text.npos) throw TReleaseError("The swap journal is cut short.");
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end + 1);
  return line;
}

}  // namespace

std::string FormatSwapJournal(const TSwapJournal& journal) {
  std::string text(kHeading);
  text += '\n';
  text += journal.Direction == TSwapJournal::TDirection::Install ? kInstall : kRollBack;
  text += '\n';
  for (const TSwapFile& file : journal.Files) {
    text += file.Replaces ? kReplaces : kAdds;
    text += ' ' + file.Path + '\n';
  }
  text += kEnd;
  text += '\n';
  return text;
}

TSwapJournal ParseSwapJournal(std::string_view text) {
  if (NextLine(text) != kHeading) throw TReleaseError("The swap journal is not one this updater wrote.");
  TSwapJournal journal;
  const std::string_view direction = NextLine(text);
  if (direction == kInstall)
    journal.Direction = TSwapJournal::TDirection::Install;
  else if (direction == kRollBack)
    journal.Direction = TSwapJournal::TDirection::RollBack;
  else
    throw TReleaseError("The swap journal names no direction.");
  for (std::string_view line = NextLine(text); line != kEnd; line = NextLine(text)) {
    if (line.size() < 3 || (line[0] != kReplaces && line[0] != kAdds) || line[1] != ' ')
      throw TReleaseError("The swap journal holds a line it cannot read.");
    TSwapFile file{CheckedEntryPath(line.substr(2)), line[0] == kReplaces};
    if (file.Path.empty()) throw TReleaseError("The swap journal names the folder itself.");
    journal.Files.push_back(std::move(file));
  }
  if (!text.empty()) throw TReleaseError("The swap journal goes on after its end.");
  return journal;
}

}  // namespace update
