#pragma once
#include <string>
#include <string_view>

namespace update {

// The path of an archive entry made plain ("./bin/tool" and "bin/tool/" give
// "bin/tool"; "." and "./", the folder itself, give ""), so that it names a
// place inside the folder the release unpacks into and nothing else. Throws
// TReleaseError for a path that is empty, absolute, climbs out with "..",
// holds "." or an empty step, a backslash or a control character, is too
// long or too deep, or names a file of the installation
// (BelongsToInstallation).
std::string CheckedEntryPath(std::string_view entry_path);

}  // namespace update
