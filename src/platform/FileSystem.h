#pragma once
#include <sys/types.h>

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

// The same, for content written in pieces so that it never has to be held
// whole. The temporary file is `path` + ".tmp-" and six letters or digits,
// locked while it is written; until Commit() has renamed it over `path`,
// the old file stays as it was, and a writer that goes without Commit()
// removes it. Every call throws FileError "Cannot create file "%s". %s".
class TAtomicFileWriter {
 public:
  explicit TAtomicFileWriter(std::string path);
  ~TAtomicFileWriter();
  TAtomicFileWriter(const TAtomicFileWriter&) = delete;
  TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

  void Write(std::string_view bytes);
  void Commit();

 private:
  std::string path_;
  std::string temporary_path_;
  int fd_ = -1;
  off_t written_ = 0;
};

// Removes the temporary files that writes of `path` left behind when the
// process was killed or crashed during them. Files that a running write still
// holds locked, or that changed in the last minute, are left alone, as is
// anything not named the way the writer names its temporary files.
void RemoveAbandonedTemporaries(const std::string& path);

// The path of the entry of `folder` whose name equals `name` without regard
// to ASCII letter case, preferring an exact match; none when there is none.
// Windows folders match names this way, and data files written there may
// arrive here in any letter case.
std::optional<std::string> FindFileIgnoringCase(const std::string& folder,
                                                const std::string& name);

}  // namespace platform
