#pragma once
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// A file that could not be opened, read, created or written. The message is
// the one the user sees, e.g. Cannot open file "/x/Hours.dat". Permission denied
class FileError : public std::runtime_error {
 public:
  FileError(const std::string& message, int error_number)
      : std::runtime_error(message), error_number_(error_number) {}
  int ErrorNumber() const { return error_number_; }

 private:
  int error_number_;
};

bool FileExists(const std::string& path);

// The whole file as bytes. Throws FileError "Cannot open file "%s". %s".
std::string ReadWholeFile(const std::string& path);

// Replaces the file with `bytes` so that a crash, a kill or a full disk leaves
// either the old or the new content, never a mix: the bytes go to a temporary
// file in the same folder, are flushed to disk, and the temporary file is
// renamed over the old one. Throws FileError "Cannot create file "%s". %s".
void WriteWholeFileAtomically(const std::string& path, std::string_view bytes);

// The path of the entry of `folder` whose name equals `name` without regard
// to ASCII letter case, preferring an exact match; none when there is none.
// Windows folders match names this way, and data files written there may
// arrive here in any letter case.
std::optional<std::string> FindFileIgnoringCase(const std::string& folder,
                                                const std::string& name);

}  // namespace platform
