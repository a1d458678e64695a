#include "update/release/InstallationFiles.h"

#include <array>

#include "platform/Text.h"

namespace update {
namespace {

constexpr std::array<std::string_view, 3> kDataFiles = {"categories.dat", "projects.dat", "hours.dat"};
constexpr std::array<std::string_view, 3> kSetUpFiles = {"mainappupdate.inf", "dbconfig.dat", "update.pub"};

// "Hours.dat.bak", "Hours.dat.bak2": the copies a damaged file leaves; and
// "Hours.dat.tmp-XXXXXX": a save in progress.
bool IsDataFileCompanion(std::string_view rest) {
  if (rest.starts_with(".tmp-")) return true;
  if (!rest.starts_with(".bak")) return false;
  rest.remove_prefix(4);
  return rest.find_first_not_of("0123456789") == rest.npos;
}

}  // namespace

bool BelongsToInstallation(std::string_view top_level_name) {
  const std::string name = platform::LowerAscii(top_level_name);
  if (name.starts_with(".tarvik")) return true;
  for (const std::string_view file : kSetUpFiles)
    if (name == file) return true;
  for (const std::string_view file : kDataFiles)
    if (name.starts_with(file) && (name.size() == file.size() || IsDataFileCompanion(std::string_view(name).substr(file.size()))))
      return true;
  return false;
}

}  // namespace update
