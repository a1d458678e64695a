#pragma once
#include <functional>
#include <string>
#include <vector>

#include "update/install/SwapJournal.h"

namespace update {

// Replaces the program's files with a release's, so that a crash or a kill
// at any moment leaves the whole old release or, once the next start of
// the updater or the program has finished the journal, the whole new one.
// Every file is renamed into place over the old one, which is linked aside
// first, so the program's files are never missing, not even for a moment.
// Work happens in the folder ".tarvik-update" of the application folder:
// "new/" holds the unpacked release, "old/" the replaced files, "journal"
// the swap under way. Files of the folder that the release does not carry
// stay as they are. Use only while holding TProgramLock exclusively.
class TReleaseSwap {
 public:
  // Runs after each step that changes the application folder; tests end
  // the process there to see what a kill at that moment leaves.
  using TStepHook = std::function<void()>;

  explicit TReleaseSwap(std::string app_folder, TStepHook after_step = {});

  // Finishes what a cut-short swap left: an install is completed, a roll
  // back is completed, and the work folder goes. Throws TReleaseError when
  // the journal cannot be read or a file cannot be moved.
  void Recover();

  // Installs the release in the (verified) archive. Throws TReleaseError
  // when the archive is refused, with nothing changed, or when a file
  // cannot be replaced, after putting the old release back.
  void Install(const std::string& archive_path);

 private:
  std::string WorkFolder() const;
  std::string JournalPath() const;
  std::string NewPath(const std::string& file) const;
  std::string OldPath(const std::string& file) const;
  std::string AppPath(const std::string& file) const;

  void WriteJournal(const TSwapJournal& journal);
  // Carries out the journal in its direction, turning an install that fails
  // into a roll back, then clears the journal and the work folder.
  void Complete(TSwapJournal journal);
  void InstallFile(const TSwapFile& file);
  void RollBackFile(const TSwapFile& file);
  void FlushFolders(const std::vector<TSwapFile>& files) const;
  void RemoveWorkFolder() const;
  void Step() const;

  std::string app_folder_;
  TStepHook after_step_;
};

}  // namespace update
