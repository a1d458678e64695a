#pragma once
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/UniqueFd.h"

namespace platform {

// A file that could not be opened, read, created or written. The message is
// the one the user sees, e.g. Cannot open file "/x/Hours.dat". Permission denied
class FileError : public std::runtime_error {
 public:
  FileError(const std::string& message, int error_number)
      : std::runtime_error(message), error_number_(error_number) {}
  int ErrorNumber() const { return error_number_; }

  // "Cannot open file "%s". %s" and "Cannot create file "%s". %s": the path,
  // then the system's text for `error_number`.
  static FileError CannotOpen(const std::string& path, int error_number);
  static FileError CannotCreate(const std::string& path, int error_number);

 private:
  int error_number_;
};

// Which version of a file is on disk. A writer that replaces the file by
// renaming another over it leaves a new inode; one that writes in place
// leaves a new size or modification time, which is kept to the nanosecond.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modified_nanoseconds = 0;  // since 1970

  bool operator==(const FileStamp&) const = default;
};

bool FileExists(const std::string& path);

// The stamp of the regular file at `path`, links followed; none when there
// is no such file.
std::optional<FileStamp> StampOf(const std::string& path);

// The whole file as bytes. Throws FileError "Cannot open file "%s". %s".
std::string ReadWholeFile(const std::string& path);
// The same, and `stamp` is the version of the file that was read.
std::string ReadWholeFile(const std::string& path, FileStamp& stamp);

// Replaces the file with `bytes` so that a crash, a kill or a full disk leaves
// either the old or the new content, never a mix: the bytes go to a temporary
// file in the same folder, are flushed to disk, and the temporary file is
// renamed over the old one. Throws FileError "Cannot create file "%s". %s".
void WriteWholeFileAtomically(const std::string& path, std::string_view bytes);

// The same, for content written in pieces so that it never has to be held
// whole. Every call throws FileError "Cannot create file "%s". %s", naming
// `path`.
//
// A symbolic link is saved through: the file it leads to is replaced, in
// that file's folder, and the link stays. The temporary file is that file's
// path + ".tmp-" and six letters or digits, locked while it is written; until
// Commit() renames it over the file, the old file stays as it was, and a
// writer that goes without Commit() removes it. The new file keeps the old
// one's permission bits and, where the process may, its owner and group.
//
// Renaming asks only the folder's leave, so a file the process may not write
// is refused before anything is written. Where the folder takes no new file
// but the file itself may be written, the content is held until Commit() and
// written over the file in place, flushed: without the rename's safety, but
// saved.
class TAtomicFileWriter {
 public:
  explicit TAtomicFileWriter(std::string path);
  ~TAtomicFileWriter();
  TAtomicFileWriter(const TAtomicFileWriter&) = delete;
  TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

  void Write(std::string_view bytes);
  // Brings what was written to disk, leaving only the rename to Commit(), so
  // that a caller may look at the file being replaced at the last moment.
  void Flush();
  // Puts the new content in place; returns the version of the file now there.
  FileStamp Commit();

 private:
  FileStamp WriteInPlace();

  std::string path_;            // as the caller named it, for messages
  std::string target_;          // the file itself, every link followed
  std::string temporary_path_;  // empty once renamed, and when writing in place
  UniqueFd fd_;
  off_t written_ = 0;
  bool flushed_ = false;
  bool in_place_ = false;
  std::string held_;  // the content, while it waits to be written in place
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
