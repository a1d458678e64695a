#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "support/TemporaryFolder.h"
#include "update/install/ProgramLock.h"
#include "update/install/ReleaseSwap.h"
#include "update/release/ReleaseError.h"
#include "updater/ReleaseFolders.h"

namespace {

using namespace updatertest;

TFolderSnapshot Merged(std::initializer_list<TFolderSnapshot> parts) {
  TFolderSnapshot merged;
  for (const TFolderSnapshot& part : parts)
    for (const auto& [path, content] : part) merged[path] = content;
  return merged;
}

class ReleaseSwapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    release_ = PublishRelease(NewRelease(), "1.03", update::TSecretKey::Generate(), update_folder_.Path());
    ResetApp();
  }

  void ResetApp() const {
    std::filesystem::remove_all(app_.Path());
    std::filesystem::create_directory(app_.Path());
    WriteFolder(app_.Path(), Merged({OldRelease(), UsersFiles(), {{".tarvik.lock", ""}}, extra_}));
  }
  std::string Archive() const { return update_folder_.File(release_.Archive); }
  TFolderSnapshot OldFolder() const { return Merged({OldRelease(), UsersFiles(), {{".tarvik.lock", ""}}, extra_}); }
  TFolderSnapshot NewFolder() const {
    return Merged({OldRelease(), UsersFiles(), {{".tarvik.lock", ""}}, extra_, NewRelease()});
  }

  // Kills an install at its first, second, ... step until one runs to the
  // end. After each kill the program is there whole, and its next start
  // leaves one whole release: `expected` once the journal was written.
  void KillAtEveryStep(const TFolderSnapshot& expected) {
    int step = 1;
    for (;; ++step) {
      ResetApp();
      const pid_t child = ::fork();
      if (child == 0) {
        int steps = 0;
        try {
          update::TReleaseSwap(app_.Path(), [&steps, step] {
            if (++steps == step) ::raise(SIGKILL);
          }).Install(Archive());
        } catch (const update::TReleaseError&) {
        }
        ::_exit(0);
      }
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      if (WIFEXITED(status)) break;
      ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

      const std::string program = app_.Read("tarvik");
      EXPECT_TRUE(program == OldRelease().at("tarvik").substr(1) || program == NewRelease().at("tarvik").substr(1))
          << "step " << step;
      // A roll forward that fails rolls back, and says so.
      update::TProgramLock::WhileRunning(app_.Path(), [](const std::string&) {});
      EXPECT_EQ(Snapshot(app_.Path()), expected) << "step " << step;
    }
    EXPECT_GT(step, 10);
  }

  TemporaryFolder app_;
  TemporaryFolder update_folder_;
  update::TReleaseDescription release_;
  TFolderSnapshot extra_;
};

TEST_F(ReleaseSwapTest, InstallReplacesTheProgramsFilesOnly) {
  update::TReleaseSwap(app_.Path()).Install(Archive());
  EXPECT_EQ(Snapshot(app_.Path()), NewFolder());
}

TEST_F(ReleaseSwapTest, KillAtAnyStepOfAnInstallEndsInTheNewRelease) { KillAtEveryStep(NewFolder()); }

TEST_F(ReleaseSwapTest, FileThatCannotBeReplacedPutsTheOldReleaseBackEvenAfterKills) {
  // A folder where the release's last file goes: every other file is in
  // place before the swap fails.
  extra_ = {{"tools/tarvik-release", "<folder>"}, {"tools/tarvik-release/keep", "mine"}};
  ResetApp();
  EXPECT_THROW(update::TReleaseSwap(app_.Path()).Install(Archive()), update::TReleaseError);
  EXPECT_EQ(Snapshot(app_.Path()), OldFolder());
  KillAtEveryStep(OldFolder());
}

}  // namespace
