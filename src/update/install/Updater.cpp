#include "update/install/Updater.h"

#include <sys/file.h>

#include <cstdlib>
#include <filesystem>

#include "net/ENetExceptions.h"
#include "net/TNetFileStream.h"
#include "net/TNetHTTP.h"
#include "net/TNetStringStream.h"
#include "platform/FileSystem.h"
#include "platform/LocaleNumbers.h"
#include "platform/UniqueFd.h"
#include "update/UpdateCheck.h"
#include "update/install/ProgramLock.h"
#include "update/install/ReleaseSwap.h"
#include "update/install/WatchedStream.h"
#include "update/release/ReleaseCheck.h"
#include "update/release/ReleaseError.h"

namespace update {
namespace {

const std::string kNothingChanged = " Nothing was changed.";

// The user pressed Cancel: the update ends without a word.
struct TCancelled {};

// A reason to stop, in the words the user is told.
class TUpdateFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

float VersionNumber(const std::string& text) { return OfferedVersion(text, platform::LocaleDecimalSeparator()); }

// A file in the application folder that the download goes to, and that goes
// again however the update ends. It is locked while it lives, so that the
// next updater removes one that a killed updater left, and only such a one.
class TDownloadFile {
 public:
  explicit TDownloadFile(const std::string& app_folder) : path_(app_folder + kDownloadName + ".tmp-XXXXXX") {
    platform::RemoveAbandonedTemporaries(app_folder + kDownloadName);
    lock_.Reset(::mkstemp(path_.data()));
    if (!lock_.Valid() || ::flock(lock_.Get(), LOCK_EX) != 0)
      throw TUpdateFailure("The update cannot be downloaded into the program's folder." + kNothingChanged);
  }
  ~TDownloadFile() { std::remove(path_.c_str()); }
  TDownloadFile(const TDownloadFile&) = delete;
  TDownloadFile& operator=(const TDownloadFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  static constexpr const char* kDownloadName = ".tarvik-download";
  std::string path_;
  platform::UniqueFd lock_;
};

class TUpdateRun {
 public:
  TUpdateRun(const std::string& app_folder, const TUpdaterArguments& arguments, TUpdaterHost& host,
             const TUpdaterLimits& limits)
      : app_folder_(app_folder), arguments_(arguments), host_(host), limits_(limits), http_(CreateNetHTTP1()) {
    http_->ReadTimeout = limits.ReadTimeoutMs;
  }

  TUpdateOutcome Run() {
    const TPublicKey key = VendorKey();
    host_.ShowStage(TUpdaterHost::TStage::Checking);
    const TReleaseDescription release = OfferedRelease(key);
    TDownloadFile archive(app_folder_);
    host_.ShowStage(TUpdaterHost::TStage::Downloading);
    Download(release, archive.Path());
    if (host_.Cancelled()) throw TCancelled();
    host_.ShowStage(TUpdaterHost::TStage::WaitingForProgram);
    const std::optional<TProgramLock> lock = TProgramLock::WhenNoProgramRuns(app_folder_, limits_.ProgramExit, [this] {
      if (host_.Cancelled()) throw TCancelled();
      host_.WaitAMoment();
    });
    if (!lock) {
      host_.Tell("The update cannot be installed while Project Tarvik is running from its folder. "
                 "Close every copy of it and update again." + kNothingChanged);
      return TUpdateOutcome::ProgramStillRunning;
    }
    host_.ShowStage(TUpdaterHost::TStage::Installing);
    try {
      TReleaseSwap(app_folder_).Install(archive.Path());
    } catch (const TReleaseError& error) {
      throw TUpdateFailure(std::string("The update could not be installed. ") + error.what());
    }
    return TUpdateOutcome::Installed;
  }

 private:
  TPublicKey VendorKey() const {
    const std::string path = app_folder_ + "update.pub";
    if (!platform::FileExists(path))
      throw TUpdateFailure("The update cannot be checked: the vendor's key \"update.pub\" is missing from the "
                           "program's folder. Please reinstall the current version!" + kNothingChanged);
    try {
      return TPublicKey::Load(path);
    } catch (const std::exception& error) {
      throw TUpdateFailure(std::string("The update cannot be checked: ") + error.what() + kNothingChanged);
    }
  }

  TReleaseDescription OfferedRelease(const TPublicKey& key) {
    const std::string url = arguments_.UpdateFolderUrl + "mainappupdate.inf";
    TNetStringStream text;
    const auto deadline = std::chrono::steady_clock::now() + limits_.DescriptionTime;
    TWatchedStream watched(text, kDescriptionByteLimit, [this, deadline](std::int64_t) {
      if (host_.Cancelled()) throw TCancelled();
      if (std::chrono::steady_clock::now() > deadline) throw TReleaseError("The server took too long to answer.");
    });
    Fetch(url, watched);
    try {
      TReleaseDescription release = ParseReleaseDescription(text.Text());
      CheckSignature(release, key);
      if (VersionNumber(release.Version) <= VersionNumber(arguments_.RunningVersion))
        throw TReleaseError("The update folder offers version " + release.Version +
                            ", which is not newer than the version running.");
      return release;
    } catch (const TReleaseError& error) {
      throw TUpdateFailure(std::string("The update cannot be installed. ") + error.what() + kNothingChanged);
    }
  }

  void Download(const TReleaseDescription& release, const std::string& path) {
    const auto total = static_cast<std::int64_t>(release.Size);
    {
      TNetFileStream file = TNetFileStream::Create(path);
      TWatchedStream watched(file, total, [this, total](std::int64_t received) {
        if (host_.Cancelled()) throw TCancelled();
        host_.ShowProgress(received, total);
      });
      Fetch(arguments_.UpdateFolderUrl + release.Archive, watched);
      file.Close();
    }
    try {
      CheckArchiveFile(release, path);
    } catch (const TReleaseError& error) {
      throw TUpdateFailure(std::string("The update cannot be installed. ") + error.what() + kNothingChanged);
    }
  }

  void Fetch(const std::string& url, TNetStream& destination) {
    try {
      http_->FetchUrl(url, destination);
      http_->CloseConnection();
    } catch (const TCancelled&) {
      throw;
    } catch (const std::exception& error) {
      if (host_.Cancelled()) throw TCancelled();
      throw TUpdateFailure("\"" + url + "\" could not be downloaded: " + error.what() + kNothingChanged);
    }
  }

  const std::string& app_folder_;
  const TUpdaterArguments& arguments_;
  TUpdaterHost& host_;
  const TUpdaterLimits& limits_;
  std::unique_ptr<TNetHTTP> http_;
};

}  // namespace

std::optional<TUpdaterArguments> ReadUpdaterArguments(const std::vector<std::string>& arguments) {
  if (arguments.size() != 3 || arguments[2] != UpdaterTag) return std::nullopt;
  const std::string& url = arguments[0];
  if (!url.starts_with("http://") && !url.starts_with("https://")) return std::nullopt;
  if (VersionNumber(arguments[1]) <= 0.0f) return std::nullopt;
  return TUpdaterArguments{url.ends_with('/') ? url : url + "/", arguments[1]};
}

TUpdateOutcome RunUpdate(const std::string& app_folder, const TUpdaterArguments& arguments, TUpdaterHost& host,
                         const TUpdaterLimits& limits) {
  const std::string folder = app_folder.ends_with('/') ? app_folder : app_folder + "/";
  try {
    return TUpdateRun(folder, arguments, host, limits).Run();
  } catch (const TCancelled&) {
  } catch (const TUpdateFailure& failure) {
    host.Tell(failure.what());
  } catch (const std::exception& error) {
    host.Tell(std::string("The update could not be installed: ") + error.what() + kNothingChanged);
  }
  return TUpdateOutcome::NothingInstalled;
}

}  // namespace update
