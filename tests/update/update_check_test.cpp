#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "VendorAddresses.h"

#include "net/ScriptedServer.h"
#include "net/TNetHTTP.h"
#include "platform/FileSystem.h"
#include "platform/ProcessStart.h"
#include "support/TemporaryFolder.h"
#include "update/UpdateCheck.h"

namespace {

const std::string kNoUpdates = "There are no new updates for this application!";
const std::string kCheckRunning =
    "The program is already checking for updates. Please wait for that check to finish.";

std::string Answer(int status, const std::string& body) {
  const std::string reason = status == 200 ? "OK" : "Not Found";
  return "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

// Serves one answer to every request and counts them.
class UpdateServer {
 public:
  UpdateServer(int status, std::string body)
      : server_([this, status, body = std::move(body)](ScriptedPeer& peer) {
          const std::string head = peer.ReadHead();
          if (head.empty()) return;
          peer.Send(Answer(status, body));
        }) {}
  std::string BaseUrl() const { return server_.Url("/liveupdate/project_tarvik/"); }
  size_t Requests() const { return server_.Requests().size(); }
  std::string FirstRequestLine() const {
    const std::string head = server_.Requests().at(0);
    return head.substr(0, head.find("\r\n"));
  }

 private:
  ScriptedServer server_;
};

// The main window as the check sees it: answers questions from a script and
// records what was shown.
class FakeWindow : public update::TUpdateHost {
 public:
  TNetCustomHTTP& HttpClient() override { return *http_; }
  void ProcessPendingMessages() override {
    if (during_download) during_download();
  }
  bool AskInformation(const std::string& text) override {
    shown.push_back("ask: " + text);
    const bool ok = answers.empty() ? false : answers.front();
    if (!answers.empty()) answers.erase(answers.begin());
    return ok;
  }
  void ShowInformation(const std::string& text) override { shown.push_back("info: " + text); }
  void ShowWarning(const std::string& text) override { shown.push_back("warning: " + text); }
  void StartProgram(const std::vector<std::string>& arguments) override { platform::StartProcess(arguments); }
  void CloseMainWindow() override { closed = true; }
  bool Closing() const override { return closing; }

  std::vector<bool> answers;
  std::vector<std::string> shown;
  std::function<void()> during_download;
  bool closed = false;
  bool closing = false;

 private:
  std::unique_ptr<TNetHTTP> http_ = CreateNetHTTP1();
};

class UpdateCheck : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("LC_ALL", "C.UTF-8", 1); }
  void TearDown() override { ::unsetenv("LC_ALL"); }

  std::vector<std::string> Run(const std::string& version_line, bool silent, std::vector<bool> answers = {}) {
    UpdateServer server(200, "[APPLICATION]\r\n" + version_line + "\r\n");
    window.answers = std::move(answers);
    update::TUpdateCheck check(window, server.BaseUrl());
    check.CheckForUpdate(silent);
    EXPECT_EQ(server.FirstRequestLine(), "GET /liveupdate/project_tarvik/mainappupdate.inf HTTP/1.1");
    return window.shown;
  }

  std::vector<std::string> Run(const UpdateServer& server, bool silent) {
    window.shown.clear();
    update::TUpdateCheck check(window, server.BaseUrl());
    check.CheckForUpdate(silent);
    return window.shown;
  }

  void InstallUpdaterStub() {
    folder.Write("Updater.exe", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n");
    ::chmod(folder.File("Updater.exe").c_str(), 0755);
  }

  std::string UpdaterArgumentsSeen() {
    for (int i = 0; i < 500 && !folder.Has("Updater.exe.args"); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return folder.Has("Updater.exe.args") ? folder.Read("Updater.exe.args") : "<never started>";
  }

  TemporaryAppFolder folder;
  FakeWindow window;
};

TEST_F(UpdateCheck, SameOrUnreadableReleaseIsNoUpdate) {
  for (const char* line : {"Version=1.02", "Version=1.020", "Version=1.0200000001", "Version=", "Version=1,03",
                           "Other=1.03", "Version=abc", "Version=1e39"}) {
    window.shown.clear();
    EXPECT_EQ(Run(line, false), std::vector<std::string>{"info: " + kNoUpdates}) << line;
    window.shown.clear();
    EXPECT_TRUE(Run(line, true).empty()) << line << ": a silent check says nothing";
  }
}

TEST_F(UpdateCheck, NewerReleaseIsOfferedWithTheTextAsWritten) {
  const auto shown = Run("Version = 1.030", true, {false});
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0],
            "ask: There is a new update: (version 1.030) available for your application!. Do you want download "
            "this update now?");
  EXPECT_FALSE(window.closed);
  EXPECT_TRUE(folder.Has("mainappupdate.inf")) << "the description stays after the check";
}

TEST_F(UpdateCheck, MissingUpdaterIsWarnedAbout) {
  const auto shown = Run("Version=1.03", false, {true});
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1], "warning: The updater module is missing. Please reinstall again the current version!");
  EXPECT_FALSE(window.closed);
}

TEST_F(UpdateCheck, CancellingTheSecondQuestionChangesNothing) {
  InstallUpdaterStub();
  const auto shown = Run("Version=1.03", false, {true, false});
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1],
            "ask: To update your software the application will close to\n\rreplace some files. Do you want to "
            "update now?");
  EXPECT_FALSE(window.closed);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(folder.Has("Updater.exe.args"));
}

TEST_F(UpdateCheck, AcceptingStartsTheUpdaterWithThreeArgumentsAndCloses) {
  InstallUpdaterStub();
  UpdateServer server(200, "[APPLICATION]\r\nVersion=1.03\r\n");
  window.answers = {true, true};
  update::TUpdateCheck check(window, server.BaseUrl());
  check.CheckForUpdate(false);
  EXPECT_TRUE(window.closed);
  EXPECT_EQ(UpdaterArgumentsSeen(), server.BaseUrl() + "\n1.01999998092651\nA\n");
}

TEST_F(UpdateCheck, FailedDownloadLeavesNoFileAndCountsAsNoUpdate) {
  folder.Write("mainappupdate.inf", "[APPLICATION]\r\nVersion=9\r\n");  // from an earlier check
  {
    UpdateServer server(404, "<html>gone</html>");
    update::TUpdateCheck check(window, server.BaseUrl());
    check.CheckForUpdate(true);
    EXPECT_TRUE(window.shown.empty());
    EXPECT_FALSE(folder.Has("mainappupdate.inf"));
    check.CheckForUpdate(false);
    EXPECT_EQ(window.shown, std::vector<std::string>{"info: " + kNoUpdates});
  }
  window.shown.clear();
  update::TUpdateCheck unreachable(window, "http://127.0.0.1:1/liveupdate/project_tarvik/");
  unreachable.CheckForUpdate(false);
  EXPECT_EQ(window.shown, std::vector<std::string>{"info: " + kNoUpdates});
  EXPECT_FALSE(folder.Has("mainappupdate.inf"));
}

TEST_F(UpdateCheck, DescriptionThatCannotBeCreatedIsAnErrorNotNoUpdate) {
  // A folder in the description's place: it cannot be removed or created,
  // whoever runs the test.
  std::filesystem::create_directories(folder.File("mainappupdate.inf") + "/in-the-way");
  UpdateServer server(200, "[APPLICATION]\r\nVersion=1.03\r\n");
  update::TUpdateCheck check(window, server.BaseUrl());
  for (const bool silent : {true, false}) {
    try {
      check.CheckForUpdate(silent);
      ADD_FAILURE() << "the check went on without its file";
    } catch (const platform::FileError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("Cannot create file \"" + folder.File("mainappupdate.inf") + "\".", 0),
                0u)
          << error.what();
    }
    EXPECT_FALSE(check.Running()) << "the next check may run";
  }
  EXPECT_TRUE(window.shown.empty());
  EXPECT_EQ(server.Requests(), 0u);
}

TEST_F(UpdateCheck, ASecondCheckDuringTheDownloadOnlySaysOneIsRunning) {
  UpdateServer server(200, "[APPLICATION]\r\nVersion=1.02\r\n");
  update::TUpdateCheck check(window, server.BaseUrl());
  int nested = 0;
  window.during_download = [&] {
    ++nested;
    EXPECT_TRUE(check.Running());
    check.CheckForUpdate(true);   // the start-up timer: says nothing
    check.CheckForUpdate(false);  // the user presses the Update button again
  };
  check.CheckForUpdate(false);
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(server.Requests(), 1u);
  EXPECT_FALSE(check.Running());
  EXPECT_EQ(window.shown, (std::vector<std::string>{"info: " + kCheckRunning, "info: " + kNoUpdates}));
}

TEST_F(UpdateCheck, DescriptionBeyondItsLimitIsNoUpdateAndLeavesNoFile) {
  const std::string offer = "[APPLICATION]\r\nVersion=1.03\r\n;";
  const std::string at_limit = offer + std::string(update::kDescriptionByteLimit - offer.size(), 'x');
  {
    UpdateServer server(200, at_limit);
    EXPECT_EQ(Run(server, false).size(), 1u) << "a description of exactly the limit is read";
  }
  {
    UpdateServer announced(200, at_limit + "x");
    EXPECT_EQ(Run(announced, false), std::vector<std::string>{"info: " + kNoUpdates});
    EXPECT_FALSE(folder.Has("mainappupdate.inf"));
  }
  // Without a length the body is cut off at the limit, however long it runs.
  ScriptedServer endless([](ScriptedPeer& peer) {
    if (peer.ReadHead().empty()) return;
    peer.Send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
    for (int i = 0; i < 1024; ++i) peer.Send(std::string(64 * 1024, 'x'));
  });
  window.shown.clear();
  update::TUpdateCheck check(window, endless.Url("/liveupdate/project_tarvik/"));
  check.CheckForUpdate(false);
  EXPECT_EQ(window.shown, std::vector<std::string>{"info: " + kNoUpdates});
  EXPECT_FALSE(folder.Has("mainappupdate.inf"));
}

TEST_F(UpdateCheck, AServerThatStallsEndsTheCheckAsAFailedDownload) {
  // Accepts, reads the request and never answers.
  ScriptedServer silent([](ScriptedPeer& peer) {
    peer.ReadHead();
    peer.ReadUntilClosed(10000);
  });
  // Sends a byte now and then, never a whole answer.
  ScriptedServer trickling([](ScriptedPeer& peer) {
    peer.ReadHead();
    for (int i = 0; i < 200 && peer.ReadUntilClosed(50).empty(); ++i) peer.Send("H");
  });
  const std::pair<ScriptedServer*, update::TUpdateTimeLimits> cases[] = {
      {&silent, {std::chrono::milliseconds(300), std::chrono::seconds(10)}},
      {&trickling, {std::chrono::milliseconds(300), std::chrono::milliseconds(600)}},
  };
  for (const auto& [server, limits] : cases) {
    window.shown.clear();
    update::TUpdateCheck check(window, server->Url("/liveupdate/project_tarvik/"), limits);
    const auto started = std::chrono::steady_clock::now();
    check.CheckForUpdate(false);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_EQ(window.shown, std::vector<std::string>{"info: " + kNoUpdates});
    EXPECT_FALSE(folder.Has("mainappupdate.inf"));
    EXPECT_EQ(window.HttpClient().ReadTimeout, 0) << "the client's own settings come back";
    EXPECT_FALSE(window.HttpClient().Deadline);
  }
}

TEST_F(UpdateCheck, ClosingDuringTheDownloadEndsTheCheckSilently) {
  UpdateServer server(200, "[APPLICATION]\r\nVersion=1.03\r\n");
  update::TUpdateCheck check(window, server.BaseUrl());
  window.during_download = [&] { window.closing = true; };
  check.CheckForUpdate(false);
  EXPECT_TRUE(window.shown.empty());
}

TEST(UpdateVersions, ConversionFollowsTheSeparatorAndSinglePrecision) {
  EXPECT_GT(update::OfferedVersion("1.03", '.'), update::AppVersion);
  EXPECT_EQ(update::OfferedVersion("1,03", '.'), 0.0f);
  EXPECT_GT(update::OfferedVersion("1,03", ','), update::AppVersion);
  EXPECT_EQ(update::OfferedVersion("1.03", ','), 0.0f);
  EXPECT_EQ(update::OfferedVersion("1.0200000001", '.'), update::AppVersion);
  EXPECT_EQ(update::OfferedVersion("1e39", '.'), 0.0f) << "beyond the range of a single";
  EXPECT_EQ(update::OfferedVersion("-1e39", '.'), 0.0f);
  EXPECT_GT(update::OfferedVersion("3.4e38", '.'), update::AppVersion);
  EXPECT_EQ(update::UpdaterArguments("u", ',').at(1), "1,01999998092651");
  EXPECT_EQ(update::UpdateBaseUrl(), std::string("http://") + TARVIK_UPDATE_HOST + "/liveupdate/project_tarvik/");
}

}  // namespace
