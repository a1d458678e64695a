#include "update/UpdateCheck.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "VendorAddresses.h"
#include "net/TNetCustomHTTP.h"
#include "net/TNetFileStream.h"
#include "net/TNetLimitedStream.h"
#include "platform/AppFolder.h"
#include "platform/FileSystem.h"
#include "platform/LocaleNumbers.h"
#include "platform/ProfileFile.h"

namespace update {
namespace {

const std::string kDescriptionFile = "mainappupdate.inf";
const std::string kUpdaterFile = "Updater.exe";

const std::string kNoUpdates = "There are no new updates for this application!";
const std::string kCheckRunning =
    "The program is already checking for updates. Please wait for that check to finish.";
const std::string kUpdaterMissing = "The updater module is missing. Please reinstall again the current version!";
// The line break is LF then CR, as users of earlier releases saw it.
const std::string kCloseToUpdate =
    "To update your software the application will close to\x0A\x0Dreplace some files. Do you want to update now?";

std::string OfferText(const std::string& version_text) {
  return "There is a new update: (version " + version_text +
         ") available for your application!. Do you want download this update now?";
}

// Holds the HTTP client to the check's time limits for one download and
// gives it back as it was, however the download ends.
class TimeLimitsInForce {
 public:
  TimeLimitsInForce(TNetCustomHTTP& http, const TUpdateTimeLimits& limits)
      : http_(http), read_timeout_(http.ReadTimeout), deadline_(http.Deadline) {
    http_.ReadTimeout = static_cast<int>(limits.Silence.count());
    http_.Deadline = std::chrono::steady_clock::now() + limits.Total;
  }
  ~TimeLimitsInForce() {
    http_.ReadTimeout = read_timeout_;
    http_.Deadline = deadline_;
  }
  TimeLimitsInForce(const TimeLimitsInForce&) = delete;
  TimeLimitsInForce& operator=(const TimeLimitsInForce&) = delete;

 private:
  TNetCustomHTTP& http_;
  int read_timeout_;
  std::optional<std::chrono::steady_clock::time_point> deadline_;
};

// Clears the running flag however the check ends.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace

std::string UpdateBaseUrl() { return std::string("http://") + TARVIK_UPDATE_HOST + "/liveupdate/project_tarvik/"; }

void FetchDescription(TNetCustomHTTP& http, const std::string& url, TNetStream& destination) {
  TNetLimitedStream description(destination, kDescriptionByteLimit);
  http.FetchUrl(url, description);
}

bool DownloadFile(TUpdateHost& host, const std::string& url, const std::string& local_file,
                  const TUpdateTimeLimits& limits) {
  std::remove(local_file.c_str());
  // Only the download counts as "no update" when it fails. An application
  // folder where the description cannot even be created is the folder the
  // program keeps its data in: that error goes on to the user rather than
  // pass for "There are no new updates".
  TNetFileStream file = TNetFileStream::Create(local_file);
  try {
    host.ProcessPendingMessages();
    const TimeLimitsInForce time_limits(host.HttpClient(), limits);
    FetchDescription(host.HttpClient(), url, file);
    file.Close();
    host.HttpClient().CloseConnection();
    return true;
  } catch (...) {
    // A failed download counts as no update; the user is not told.
    try {
      host.HttpClient().CloseConnection();
    } catch (...) {
    }
    try {
      file.Close();
    } catch (...) {
    }
    std::remove(local_file.c_str());
    return false;
  }
}

float OfferedVersion(const std::string& version_text, char decimal_separator) {
  const auto offered = platform::ReadDecimal(version_text, decimal_separator);
  // A number beyond the range of a single has no single to compare: it is
  // refused like text that does not convert.
  if (!offered || std::fabs(*offered) > std::numeric_limits<float>::max()) return 0.0f;
  return static_cast<float>(*offered);
}

std::vector<std::string> UpdaterArguments(const std::string& base_url, char decimal_separator) {
  return {base_url, platform::FormatGeneral15(static_cast<long double>(AppVersion), decimal_separator),
          UpdaterTag};
}

void TUpdateCheck::CheckForUpdate(bool Silent) {
  if (running_) {
    if (!Silent) host_.ShowInformation(kCheckRunning);
    return;
  }
  RunningFlag running(running_);

  const std::string local_file = platform::AppFolder() + kDescriptionFile;
  const bool fetched = DownloadFile(host_, base_url_ + kDescriptionFile, local_file, limits_);
  if (host_.Closing()) return;
  if (fetched && platform::FileExists(local_file)) {
    const std::string version_text =
        platform::ProfileFile::Load(local_file).ReadString("APPLICATION", "Version");
    const char separator = platform::LocaleDecimalSeparator();
    if (AppVersion < OfferedVersion(version_text, separator)) {
      if (!host_.AskInformation(OfferText(version_text))) return;
      const std::string updater = platform::AppFolder() + kUpdaterFile;
      if (!platform::FileExists(updater)) {
        host_.ShowWarning(kUpdaterMissing);
        return;
      }
      if (!host_.AskInformation(kCloseToUpdate)) return;
      std::vector<std::string> arguments{updater};
      for (std::string& argument : UpdaterArguments(base_url_, separator)) arguments.push_back(std::move(argument));
      host_.StartProgram(arguments);
      host_.CloseMainWindow();
      return;
    }
  }
  if (!Silent) host_.ShowInformation(kNoUpdates);
}

}  // namespace update
