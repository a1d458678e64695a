#include "platform/AppFolder.h"

#include <unistd.h>

#include <climits>

namespace platform {
namespace {

std::string FolderOfExecutable() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return "./";
  std::string path(buffer, static_cast<size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

std::string& Folder() {
  static std::string folder = FolderOfExecutable();
  return folder;
}

}  // namespace

const std::string& AppFolder() { return Folder(); }

void SetAppFolder(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  Folder() = std::move(folder);
}

}  // namespace platform
