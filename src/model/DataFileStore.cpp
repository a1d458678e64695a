// Where the three data files live, and loading and saving them whole.
#include <stdexcept>

#include "model/DataFileFormats.h"
#include "model/LineFormat.h"
#include "model/UProjects.h"
#include "platform/AppFolder.h"
#include "platform/FileSystem.h"

namespace {

const std::string kCategoriesFile = "categories.dat";
const std::string kProjectsFileRead = "projects.dat";
const std::string kProjectsFileCreated = "Projects.dat";
const std::string kHoursFile = "Hours.dat";

// The path a data file is read from and written to: the file of that name in
// the application folder in whatever letter case it has (files written on
// Windows may arrive in any case, and "projects.dat" is created as
// "Projects.dat"), else `created_name`. So a save replaces the file that was
// read and never leaves two.
std::string DataFilePath(const std::string& name, const std::string& created_name) {
  const std::string& folder = platform::AppFolder();
  if (auto existing = platform::FindFileIgnoringCase(folder, name)) return *existing;
  return folder + created_name;
}

// What a load that stopped at `line` put in the window and what it left out.
std::string ReadUpTo(size_t line) {
  const std::string stopped = std::to_string(line);
  if (line <= 1) return "Reading stopped at line 1, so nothing of the file is in the window.";
  const std::string read = line == 2 ? "Line 1 was read and is" : "Lines 1 to " + std::to_string(line - 1) + " were read and are";
  return read + " in the window; line " + stopped + " and everything after it were not read and are missing from the window.";
}

// The line a byte offset lies on, counting from 1, with the line breaks the
// reader knows.
size_t LineOfOffset(std::string_view bytes, size_t offset) {
  datafiles::LineReader lines(bytes.substr(0, offset));
  size_t count = 0;
  for (std::string_view line; lines.Next(line);) ++count;
  const bool starts_line = offset == 0 || bytes[offset - 1] == '\n' || bytes[offset - 1] == '\r';
  return starts_line ? count + 1 : count;
}

// Called when a load stopped before the end of its file. A later save writes
// only what was read, so the whole file is set aside beside it first, and
// the load's error goes on to say what was read, what was not, and where
// the copy is. An earlier copy that holds something else is never
// overwritten. When no copy can be made the user still sees the load's own
// error, told why, and `unread` keeps every save off the file.
[[noreturn]] void StopLoadKeepingBackup(const std::string& path, std::string_view bytes, const std::string& error,
                                        const std::string& read_and_unread, bool& unread) {
  std::string note;
  try {
    std::string backup = path + ".bak";
    for (int n = 2; platform::FileExists(backup); ++n) {
      if (platform::ReadWholeFile(backup) == bytes) break;
      backup = path + ".bak" + std::to_string(n);
    }
    platform::WriteWholeFileAtomically(backup, bytes);
    note = "The whole file was copied to \"" + backup +
           "\" first. Save Changes writes only what the window shows, so the rest is in that copy.";
  } catch (const std::exception& backup_error) {
    unread = true;
    note = "No copy of the file could be kept (" + std::string(backup_error.what()) +
           "), so Save Changes will not write over it.";
  }
  throw std::runtime_error(error + "\r\n" + read_and_unread + "\r\n" + note);
}

// The text of a data file ends at a NUL, as it always has; anything other
// than NUL after it is the user's all the same, so such a file is treated
// like one whose load stopped early.
void StopAtNul(const std::string& path, std::string_view bytes, bool& unread) {
  const size_t nul = bytes.find('\0');
  if (nul == std::string_view::npos || bytes.find_first_not_of('\0', nul) == std::string_view::npos) return;
  const size_t line = LineOfOffset(bytes, nul);
  StopLoadKeepingBackup(path, bytes,
                        "File \"" + path + "\" holds a NUL byte on line " + std::to_string(line) + ".",
                        "What comes before it was read and is in the window; what follows it was not read and "
                        "is missing from the window.",
                        unread);
}

// Loads the file at `path`, if there is one, with `read`, and notes which
// version of it was read. A file that is there but cannot be read sets
// `unread`: the model gets nothing of it, and a save would replace
// everything the file holds with nothing.
template <typename Read>
void LoadFile(const std::string& path, TDataFileState& state, Read read) {
  state = TDataFileState{.seen = true, .stamp = std::nullopt};
  // A save that was killed half-way left its temporary file; the data file
  // itself is whole, old or new, and the leftover is of no use to anyone.
  platform::RemoveAbandonedTemporaries(path);
  if (!platform::FileExists(path)) return;
  std::string bytes;
  try {
    platform::FileStamp stamp;
    bytes = platform::ReadWholeFile(path, stamp);
    state.stamp = stamp;
  } catch (const platform::FileError& error) {
    state.unread = true;
    throw platform::FileError(std::string(error.what()) + "\r\nSave Changes will not write over this file.",
                              error.ErrorNumber());
  } catch (...) {
    state.unread = true;
    throw;
  }
  try {
    read(bytes);
  } catch (const datafiles::ReadStopped& error) {
    StopLoadKeepingBackup(path, bytes, error.what(), ReadUpTo(error.LineNumber()), state.unread);
  }
  StopAtNul(path, bytes, state.unread);
}

// Whether the save may write over the file at `path`: not when another
// writer changed it since this program last read or saved it, unless
// `overwrite_changed` says so. A file that is gone since holds nothing to
// lose.
bool MayOverwrite(const std::string& path, const TDataFileState& state, const TOverwriteQuery& overwrite_changed) {
  if (!state.seen) return true;
  const std::optional<platform::FileStamp> now = platform::StampOf(path);
  if (!now || now == state.stamp) return true;
  if (!overwrite_changed)
    throw std::runtime_error("File \"" + path +
                             "\" was not written: it changed on disk after it was last read or saved, and writing "
                             "over it would destroy that change.");
  return overwrite_changed(path);
}

// Writes the text `write` gives over the file at `path`, unless the load
// found that file and could not read it: it is still there and holds what
// the model never got. Once the file is gone (moved away by the user), the
// save goes ahead and the file is the program's again. A file another
// writer changed is written over only as MayOverwrite says.
template <typename Write>
void SaveFile(const std::string& path, TDataFileState& state, const TOverwriteQuery& overwrite_changed, Write write) {
  if (state.unread && platform::FileExists(path))
    throw std::runtime_error("File \"" + path +
                             "\" was not written: it could not be read when the program started, and writing "
                             "over it would destroy what it holds. Make it readable and start the program again, "
                             "or move it elsewhere and save again.");
  platform::TAtomicFileWriter file(path);
  write([&file](std::string_view piece) { file.Write(piece); });
  // Looked at after the slow part of the save, so that a change made while
  // it wrote is seen too.
  file.Flush();
  if (!MayOverwrite(path, state, overwrite_changed)) return;
  state = TDataFileState{.seen = true, .stamp = file.Commit()};
}

}  // namespace

void TProjects::LoadCategories() {
  LoadFile(DataFilePath(kCategoriesFile, kCategoriesFile), categories_file_,
           [this](std::string_view bytes) { datafiles::ReadCategories(bytes, Categories); });
}

void TProjects::LoadProjects() {
  LoadFile(DataFilePath(kProjectsFileRead, kProjectsFileCreated), projects_file_,
           [this](std::string_view bytes) { datafiles::ReadProjects(bytes, *this); });
}

void THours::LoadHours() {
  LoadFile(DataFilePath(kHoursFile, kHoursFile), hours_file_,
           [this](std::string_view bytes) { datafiles::ReadHours(bytes, *this); });
}

void TProjects::SaveCategories(const TOverwriteQuery& overwrite_changed) {
  SaveFile(DataFilePath(kCategoriesFile, kCategoriesFile), categories_file_, overwrite_changed,
           [this](const datafiles::TextSink& sink) { datafiles::WriteCategoriesText(Categories, sink); });
}

void TProjects::SaveProjects(const TOverwriteQuery& overwrite_changed) {
  SaveFile(DataFilePath(kProjectsFileRead, kProjectsFileCreated), projects_file_, overwrite_changed,
           [this](const datafiles::TextSink& sink) { datafiles::WriteProjectsText(*this, sink); });
}

void THours::SaveHours(const TOverwriteQuery& overwrite_changed) {
  SaveFile(DataFilePath(kHoursFile, kHoursFile), hours_file_, overwrite_changed,
           [this](const datafiles::TextSink& sink) { datafiles::WriteHoursText(*this, sink); });
}
