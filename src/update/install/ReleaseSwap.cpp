#include "update/install/ReleaseSwap.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>

#include "platform/FileSystem.h"
#include "platform/UniqueFd.h"
#include "update/release/ReleaseArchive.h"
#include "update/release/ReleaseError.h"

namespace update {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kWorkFolder = ".tarvik-update/";

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

[[noreturn]] void RaiseMoveError(const std::string& what, const std::string& path) {
  throw TReleaseError("Cannot " + what + " \"" + path + "\": " + std::strerror(errno) + ".");
}

void MakeParentFolders(const std::string& path) {
  std::error_code error;
  fs::create_directories(fs::path(path).parent_path(), error);
  if (error) throw TReleaseError("Cannot make the folder for \"" + path + "\": " + error.message() + ".");
}

void Rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) RaiseMoveError("move a file to", to);
}

void FlushFolder(const std::string& folder) {
  const platform::UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Valid()) ::fsync(fd.Get());
}

}  // namespace

TReleaseSwap::TReleaseSwap(std::string app_folder, TStepHook after_step)
    : app_folder_(std::move(app_folder)), after_step_(std::move(after_step)) {
  if (app_folder_.empty() || app_folder_.back() != '/') app_folder_ += '/';
}

std::string TReleaseSwap::WorkFolder() const { return app_folder_ + std::string(kWorkFolder); }
std::string TReleaseSwap::JournalPath() const { return WorkFolder() + "journal"; }
std::string TReleaseSwap::NewPath(const std::string& file) const { return WorkFolder() + "new/" + file; }
std::string TReleaseSwap::OldPath(const std::string& file) const { return WorkFolder() + "old/" + file; }
std::string TReleaseSwap::AppPath(const std::string& file) const { return app_folder_ + file; }

void TReleaseSwap::Step() const {
  if (after_step_) after_step_();
}

void TReleaseSwap::Recover() {
  if (Exists(JournalPath())) {
    std::string text;
    try {
      text = platform::ReadWholeFile(JournalPath());
    } catch (const platform::FileError& error) {
      throw TReleaseError(error.what());
    }
    Complete(ParseSwapJournal(text));
  } else {
    // Without a journal nothing was moved yet, or everything already was.
    RemoveWorkFolder();
  }
}

void TReleaseSwap::Install(const std::string& archive_path) {
  Recover();
  TSwapJournal journal;
  try {
    std::error_code error;
    fs::create_directories(WorkFolder() + "new", error);
    if (error) throw TReleaseError("Cannot make the folder \"" + WorkFolder() + "\": " + error.message() + ".");
    for (std::string& path : UnpackRelease(archive_path, WorkFolder() + "new"))
      journal.Files.push_back({path, Exists(AppPath(path))});
    WriteJournal(journal);
  } catch (...) {
    RemoveWorkFolder();
    throw;
  }
  Complete(std::move(journal));
}

void TReleaseSwap::WriteJournal(const TSwapJournal& journal) {
  try {
    platform::WriteWholeFileAtomically(JournalPath(), FormatSwapJournal(journal));
  } catch (const platform::FileError& error) {
    throw TReleaseError(error.what());
  }
  // On disk before the first file moves, or a power cut could leave moves
  // that no journal tells of.
  FlushFolder(WorkFolder());
  Step();
}

void TReleaseSwap::Complete(TSwapJournal journal) {
  std::optional<std::string> failure;
  if (journal.Direction == TSwapJournal::TDirection::Install) {
    try {
      for (const TSwapFile& file : journal.Files) InstallFile(file);
    } catch (const TReleaseError& error) {
      failure = error.what();
      journal.Direction = TSwapJournal::TDirection::RollBack;
      WriteJournal(journal);
    }
  }
  if (journal.Direction == TSwapJournal::TDirection::RollBack)
    for (auto file = journal.Files.rbegin(); file != journal.Files.rend(); ++file) RollBackFile(*file);
  // The moves must be on disk before the journal that would redo them goes.
  FlushFolders(journal.Files);
  if (::unlink(JournalPath().c_str()) != 0) RaiseMoveError("remove", JournalPath());
  Step();
  RemoveWorkFolder();
  if (failure) throw TReleaseError(*failure + " The release in place was kept.");
}

// Before: the new file waits in "new/", the old one (if any) is in place.
// Linked aside, the old file stays in place until the new one is renamed
// over it in one step. Whatever was done before a kill is not done twice.
void TReleaseSwap::InstallFile(const TSwapFile& file) {
  const std::string new_path = NewPath(file.Path);
  if (!Exists(new_path)) return;
  const std::string app_path = AppPath(file.Path);
  MakeParentFolders(app_path);
  if (file.Replaces) {
    const std::string old_path = OldPath(file.Path);
    if (!Exists(old_path)) {
      MakeParentFolders(old_path);
      if (::link(app_path.c_str(), old_path.c_str()) != 0) RaiseMoveError("keep a copy of", app_path);
      Step();
    }
  }
  Rename(new_path, app_path);
  Step();
}

// A file still waiting in "new/" was never installed: the old one is in
// place. An installed one goes back to what was there: the old file, or
// nothing when the release added it.
void TReleaseSwap::RollBackFile(const TSwapFile& file) {
  if (Exists(NewPath(file.Path))) return;
  const std::string app_path = AppPath(file.Path);
  if (file.Replaces) {
    const std::string old_path = OldPath(file.Path);
    if (!Exists(old_path)) return;
    Rename(old_path, app_path);
  } else {
    if (!Exists(app_path)) return;
    if (::unlink(app_path.c_str()) != 0) RaiseMoveError("remove", app_path);
  }
  Step();
}

void TReleaseSwap::FlushFolders(const std::vector<TSwapFile>& files) const {
  std::set<std::string> folders{app_folder_};
  for (const TSwapFile& file : files) folders.insert(fs::path(AppPath(file.Path)).parent_path().string());
  for (const std::string& folder : folders) FlushFolder(folder);
}

void TReleaseSwap::RemoveWorkFolder() const {
  std::error_code ignored;
  fs::remove_all(WorkFolder(), ignored);
}

}  // namespace update
