#pragma once
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

class TNetCustomHTTP;
class TNetStream;

// The live update: fetch the update description, compare the offered
// release with ours, ask the user and hand over to the updater.
namespace update {

// "http://" + the update host + "/liveupdate/project_tarvik/".
std::string UpdateBaseUrl();

// The running release; the same release as the title's "1.02".
constexpr float AppVersion = 1.02f;
constexpr const char* UpdaterTag = "A";

// The description holds a few keys; a larger answer is no description.
constexpr std::int64_t kDescriptionByteLimit = 64 * 1024;

// How long a check waits for the update host before it counts as a failed
// download: without any data arriving, and in all.
struct TUpdateTimeLimits {
  std::chrono::milliseconds Silence{30000};
  std::chrono::milliseconds Total{60000};
};

// What the check needs from the main window.
class TUpdateHost {
 public:
  virtual ~TUpdateHost() = default;
  virtual TNetCustomHTTP& HttpClient() = 0;  // NetHTTP1
  virtual void ProcessPendingMessages() = 0;
  // Information box with OK and Cancel: true when OK was pressed.
  virtual bool AskInformation(const std::string& text) = 0;
  virtual void ShowInformation(const std::string& text) = 0;
  virtual void ShowWarning(const std::string& text) = 0;
  virtual void StartProgram(const std::vector<std::string>& arguments) = 0;
  virtual void CloseMainWindow() = 0;
  // True once the window has begun to close: a check that was waiting for
  // the network then ends without a word.
  virtual bool Closing() const = 0;
};

// Fetches the update description at `url` into `destination` from its
// position. An answer larger than kDescriptionByteLimit raises
// ENetBodyTooLarge with no more than that written; every other failure
// raises as TNetCustomHTTP::FetchUrl does.
void FetchDescription(TNetCustomHTTP& http, const std::string& url, TNetStream& destination);

// Downloads `url` into the file `local_file` (a full path), within `limits`
// and kDescriptionByteLimit. True when the file was fetched; a failure of the
// download deletes the partial file and is swallowed. A `local_file` that
// cannot be created raises platform::FileError.
bool DownloadFile(TUpdateHost& host, const std::string& url, const std::string& local_file,
                  const TUpdateTimeLimits& limits = {});

// The offered release as the check reads it: the text of APPLICATION /
// Version converted with `decimal_separator` and taken to single precision;
// 0 when it does not convert or lies beyond the range of a single.
float OfferedVersion(const std::string& version_text, char decimal_separator);

// The updater's arguments after its path: the update folder address, the
// running release as "1.01999998092651" (locale separator), and "A".
std::vector<std::string> UpdaterArguments(const std::string& base_url, char decimal_separator);

class TUpdateCheck {
 public:
  // `base_url` is the update folder (UpdateBaseUrl() in the program).
  TUpdateCheck(TUpdateHost& host, std::string base_url, TUpdateTimeLimits limits = {})
      : host_(host), base_url_(std::move(base_url)), limits_(limits) {}

  // Silent: the "no new updates" message is not shown. A check asked for
  // while one is running (the window stays responsive during the download)
  // does not start, so that two checks never share the connection; asked
  // for by the user, it says that one is running. Raises
  // platform::FileError when the description cannot be created in the
  // application folder.
  void CheckForUpdate(bool Silent);
  bool Running() const { return running_; }

 private:
  TUpdateHost& host_;
  std::string base_url_;
  TUpdateTimeLimits limits_;
  bool running_ = false;
};

}  // namespace update
