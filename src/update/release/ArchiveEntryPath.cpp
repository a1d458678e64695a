#include "update/release/ArchiveEntryPath.h"

#include "update/release/InstallationFiles.h"
#include "update/release/ReleaseError.h"

namespace update {
namespace {

constexpr std::size_t kMaxPathLength = 1024;
constexpr std::size_t kMaxNameLength = 255;
constexpr int kMaxDepth = 16;

[[noreturn]] void Refuse(std::string_view entry_path, const std::string& why) {
  std::string shown;
  for (const char c : entry_path.substr(0, 200))
    shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
  throw TReleaseError("The archive's entry \"" + shown + "\" " + why + ".");
}

}  // namespace

std::string CheckedEntryPath(std::string_view entry_path) {
  std::string_view path = entry_path;
  if (path == "." || path == "./") return std::string();
  // Tar writers put "./" in front of every entry of a folder packed as ".",
  // and a "/" after a directory's name.
  if (path.starts_with("./")) path.remove_prefix(2);
  if (path.ends_with('/')) path.remove_suffix(1);
  if (path.empty()) Refuse(entry_path, "has no name");
  if (path.front() == '/') Refuse(entry_path, "is an absolute path");
  if (path.size() > kMaxPathLength) Refuse(entry_path, "is too long");
  for (const char c : path)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '\\')
      Refuse(entry_path, "holds a control character or a backslash");

  int depth = 0;
  for (std::size_t start = 0; start <= path.size();) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    const std::string_view name = path.substr(start, end - start);
    if (name == "..") Refuse(entry_path, "leads out of the folder");
    if (name.empty() || name == ".") Refuse(entry_path, "has an empty step or \".\" in its path");
    if (name.size() > kMaxNameLength) Refuse(entry_path, "has a name that is too long");
    if (++depth > kMaxDepth) Refuse(entry_path, "lies too deep");
    if (start == 0 && BelongsToInstallation(name)) Refuse(entry_path, "would replace a file that belongs to the user");
    start = end + 1;
  }
  return std::string(path);
}

}  // namespace update
