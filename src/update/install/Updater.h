#pragma once
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace update {

// What the program passes to "Updater.exe": the update folder's address,
// the running release ("1.01999998092651") and "A".
struct TUpdaterArguments {
  std::string UpdateFolderUrl;  // ends with "/"
  std::string RunningVersion;
};

// None unless there are exactly those three, with an http or https address
// and a release that reads as a number.
std::optional<TUpdaterArguments> ReadUpdaterArguments(const std::vector<std::string>& arguments);

// What the updater shows while it works; the window, or a test.
class TUpdaterHost {
 public:
  enum class TStage { Checking, Downloading, WaitingForProgram, Installing };

  virtual ~TUpdaterHost() = default;
  virtual void ShowStage(TStage stage) = 0;
  // `total` is the archive's size. Called after every piece that arrives.
  virtual void ShowProgress(std::int64_t received, std::int64_t total) = 0;
  // Until the files are being replaced, the user may cancel.
  virtual bool Cancelled() const = 0;
  // Passes a tenth of a second while the program closes.
  virtual void WaitAMoment() = 0;
  // Tells the user why nothing was installed.
  virtual void Tell(const std::string& message) = 0;
};

struct TUpdaterLimits {
  std::chrono::milliseconds ProgramExit = std::chrono::seconds(60);
  std::chrono::milliseconds DescriptionTime = std::chrono::seconds(30);
  // Longest silence of the server during a download.
  int ReadTimeoutMs = 30000;
};

enum class TUpdateOutcome { Installed, NothingInstalled, ProgramStillRunning };

// Fetches the update folder's description afresh, checks it against the
// vendor's key "update.pub" of `app_folder` and against the running
// release, downloads and checks the archive, waits until no copy of the
// program runs from the folder, and swaps the files. Whatever does not
// hold leaves the folder as it was and is told to the user through `host`;
// only a cancel goes untold.
TUpdateOutcome RunUpdate(const std::string& app_folder, const TUpdaterArguments& arguments, TUpdaterHost& host,
                         const TUpdaterLimits& limits = {});

}  // namespace update
