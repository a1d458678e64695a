#include <archive_entry.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "net/LocalNginx.h"
#include "platform/FileSystem.h"
#include "platform/ProcessStart.h"
#include "support/ScopedEnvironment.h"
#include "support/TemporaryFolder.h"
#include "update/UpdateCheck.h"
#include "update/install/ProgramLock.h"
#include "update/install/Updater.h"
#include "update/release/ReleaseDescription.h"
#include "updater/ReleaseFolders.h"

namespace {

using namespace updatertest;
using update::TUpdateOutcome;

// Records what the window would show.
class RecordingHost : public update::TUpdaterHost {
 public:
  void ShowStage(TStage stage) override { stages.push_back(stage); }
  void ShowProgress(std::int64_t received, std::int64_t total) override {
    last_received = received;
    last_total = total;
    if (cancel_at_progress) cancelled = true;
  }
  bool Cancelled() const override { return cancelled; }
  void WaitAMoment() override {
    if (during_wait) during_wait();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  void Tell(const std::string& message) override { told.push_back(message); }

  std::vector<TStage> stages;
  std::vector<std::string> told;
  std::int64_t last_received = 0;
  std::int64_t last_total = 0;
  bool cancel_at_progress = false;
  bool cancelled = false;
  std::function<void()> during_wait;
};

bool WaitFor(const std::function<bool()>& done) {
  for (int tries = 0; tries < 200; ++tries) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

class UpdaterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    web_root_ = new TemporaryFolder;
    nginx_ = new LocalNginx(web_root_->Path());
  }
  static void TearDownTestSuite() {
    delete nginx_;
    delete web_root_;
  }

  void SetUp() override {
    std::filesystem::remove_all(UpdateFolder());
    WriteFolder(app_.Path(), OldRelease());
    WriteFolder(app_.Path(), UsersFiles());
    WriteFolder(app_.Path(), {{"update.pub", vendor_.PublicKey().Pem()}, {".tarvik.lock", ""}});
    before_ = Snapshot(app_.Path());
  }

  static std::string UpdateFolder() { return web_root_->File("liveupdate/project_tarvik/"); }

  update::TReleaseDescription Publish(const TFolderSnapshot& files, const std::string& version,
                                      const update::TSecretKey& key) const {
    return PublishRelease(files, version, key, UpdateFolder());
  }

  TUpdateOutcome Update(const update::TUpdaterLimits& limits = {}) {
    const auto arguments =
        update::ReadUpdaterArguments({nginx_->Url("/liveupdate/project_tarvik/"), "1.01999998092651", "A"});
    return update::RunUpdate(app_.Path(), *arguments, host_, limits);
  }

  // Nothing installed, the user told why (in words that hold `reason`),
  // and the folder exactly as it was.
  void ExpectRefused(const std::string& reason) {
    host_ = RecordingHost();
    EXPECT_EQ(Update(), TUpdateOutcome::NothingInstalled) << reason;
    ASSERT_EQ(host_.told.size(), 1u) << reason;
    EXPECT_NE(host_.told[0].find(reason), std::string::npos) << host_.told[0];
    EXPECT_EQ(Snapshot(app_.Path()), before_) << reason;
  }

  static TemporaryFolder* web_root_;
  static LocalNginx* nginx_;
  TemporaryFolder app_;
  update::TSecretKey vendor_ = update::TSecretKey::Generate();
  RecordingHost host_;
  TFolderSnapshot before_;
};

TemporaryFolder* UpdaterTest::web_root_ = nullptr;
LocalNginx* UpdaterTest::nginx_ = nullptr;

TEST_F(UpdaterTest, FullUpdateReplacesTheProgramsFilesAndKeepsTheUsers) {
  const update::TReleaseDescription release = Publish(NewRelease(), "1.03", vendor_);
  EXPECT_EQ(Update(), TUpdateOutcome::Installed);
  EXPECT_TRUE(host_.told.empty());
  EXPECT_EQ(host_.last_received, static_cast<std::int64_t>(release.Size));
  EXPECT_EQ(host_.last_total, static_cast<std::int64_t>(release.Size));
  TFolderSnapshot expected = before_;
  for (const auto& [path, content] : NewRelease()) expected[path] = content;
  EXPECT_EQ(Snapshot(app_.Path()), expected);
}

TEST_F(UpdaterTest, ReleasesThatDoNotHoldLeaveTheFolderAsItWas) {
  // An archive changed after signing.
  const update::TReleaseDescription release = Publish(NewRelease(), "1.03", vendor_);
  std::string archive = platform::ReadWholeFile(UpdateFolder() + release.Archive);
  archive[archive.size() / 2] ^= 1;
  platform::WriteWholeFileAtomically(UpdateFolder() + release.Archive, archive);
  ExpectRefused("SHA-256");

  // Signed with another key.
  Publish(NewRelease(), "1.03", update::TSecretKey::Generate());
  ExpectRefused("not signed with the vendor's key");

  // An older release, replayed as it was signed, and its description
  // changed to offer it as a newer one.
  Publish(OldRelease(), "1.01", vendor_);
  ExpectRefused("not newer");
  const std::string old_description = platform::ReadWholeFile(UpdateFolder() + "mainappupdate.inf");
  platform::WriteWholeFileAtomically(UpdateFolder() + "mainappupdate.inf",
                                     "[APPLICATION]\r\nVersion=1.05\r\n" + old_description.substr(old_description.find("Archive")));
  ExpectRefused("not signed with the vendor's key");

  // A signed archive that would write outside the folder.
  const TemporaryFolder hostile;
  WriteTar(hostile.File("hostile.tar.gz"), {{"tarvik", AE_IFREG, "x"}, {"../evil", AE_IFREG, "x"}});
  PublishArchive(hostile.File("hostile.tar.gz"), "1.03", vendor_, UpdateFolder());
  ExpectRefused("leads out of the folder");
  EXPECT_FALSE(std::filesystem::exists(app_.File("../evil")));

  // A description too long to be one.
  platform::WriteWholeFileAtomically(UpdateFolder() + "mainappupdate.inf",
                                     std::string(update::kDescriptionByteLimit + 1, ';'));
  ExpectRefused("more than");

  // No vendor's key beside the program.
  Publish(NewRelease(), "1.03", vendor_);
  std::filesystem::remove(app_.File("update.pub"));
  before_ = Snapshot(app_.Path());
  ExpectRefused("update.pub");
}

TEST_F(UpdaterTest, WaitsForTheProgramToCloseAndGivesUpWhenItDoesNot) {
  Publish(NewRelease(), "1.03", vendor_);
  auto running = std::make_optional(update::TProgramLock::WhileRunning(app_.Path(), [](const std::string&) {}));
  update::TUpdaterLimits limits;
  limits.ProgramExit = std::chrono::milliseconds(300);
  EXPECT_EQ(Update(limits), TUpdateOutcome::ProgramStillRunning);
  ASSERT_EQ(host_.told.size(), 1u);
  EXPECT_EQ(Snapshot(app_.Path()), before_);

  host_ = RecordingHost();
  host_.during_wait = [&running] { running.reset(); };
  EXPECT_EQ(Update(limits), TUpdateOutcome::Installed);
  EXPECT_EQ(host_.stages.back(), update::TUpdaterHost::TStage::Installing);
}

TEST_F(UpdaterTest, CancelDuringTheDownloadEndsWithoutAWord) {
  Publish(NewRelease(), "1.03", vendor_);
  host_.cancel_at_progress = true;
  EXPECT_EQ(Update(), TUpdateOutcome::NothingInstalled);
  EXPECT_TRUE(host_.told.empty());
  EXPECT_EQ(Snapshot(app_.Path()), before_);
}

TEST_F(UpdaterTest, UpdaterProgramInstallsTheReleaseAndStartsTheNewProgram) {
  std::filesystem::copy_file(TARVIK_UPDATER_PROGRAM, app_.File("Updater.exe"),
                             std::filesystem::copy_options::overwrite_existing);
  TFolderSnapshot release = NewRelease();
  release["tarvik"] = "*#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/restarted\"\n";
  Publish(release, "1.03", vendor_);
  const std::vector<std::string> command = {app_.File("Updater.exe"), nginx_->Url("/liveupdate/project_tarvik/"),
                                            "1.01999998092651", "A"};
  ScopedEnvironment environment;
  environment.Set("QT_QPA_PLATFORM", "offscreen");
  EXPECT_EQ(platform::RunAndCapture(command, std::chrono::seconds(60)).ending,
            platform::CapturedOutput::Ending::Succeeded);
  EXPECT_TRUE(WaitFor([this] { return app_.Has("restarted"); }));
  TFolderSnapshot expected = before_;
  for (const auto& [path, content] : release) expected[path] = content;
  expected["restarted"] = "\n";
  EXPECT_EQ(Snapshot(app_.Path()), expected);
}

TEST(UpdaterArguments, OnlyWhatTheProgramPassesIsTaken) {
  const auto read = update::ReadUpdaterArguments({"http://h/liveupdate/project_tarvik", "1.01999998092651", "A"});
  ASSERT_TRUE(read);
  EXPECT_EQ(read->UpdateFolderUrl, "http://h/liveupdate/project_tarvik/");
  EXPECT_FALSE(update::ReadUpdaterArguments({"http://h/", "1.02"}));
  EXPECT_FALSE(update::ReadUpdaterArguments({"http://h/", "1.02", "B"}));
  EXPECT_FALSE(update::ReadUpdaterArguments({"file:///etc/", "1.02", "A"}));
  EXPECT_FALSE(update::ReadUpdaterArguments({"http://h/", "new", "A"}));
}

}  // namespace
