#pragma once
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "net/ScriptedServer.h"

class QMessageBox;
class TfrmMain;

namespace guitest {

// Answers the modal windows (dialogs, message boxes) that a command opens,
// the way a user would, from inside their own event loops. Each answer is
// queued in the order the windows are expected to open; a window that opens
// with no answer queued is recorded and closed, so that a test fails rather
// than waits for a person.
class TModalDriver {
 public:
  TModalDriver();
  ~TModalDriver();

  void Expect(std::function<void(QWidget*)> answer);

  // Queues the answer to a message box: records its caption and text and
  // presses OK or Cancel, or in a question Yes or No.
  struct TSeenBox {
    std::string caption;
    std::string text;
    bool had_cancel = false;
    bool asked_yes_no = false;  // Yes and No, and No what Enter presses
  };
  void AnswerBox(bool ok, TSeenBox* seen = nullptr);

  int Pending() const { return static_cast<int>(answers_.size()); }
  const std::vector<std::string>& Unexpected() const { return unexpected_; }

 private:
  void Poll();

  QTimer poll_;
  std::deque<std::function<void(QWidget*)>> answers_;
  std::vector<std::string> unexpected_;
};

// A fresh, empty application folder for one test, removed afterwards.
class TTempAppFolder {
 public:
  TTempAppFolder();
  ~TTempAppFolder();
  const std::filesystem::path& Path() const { return path_; }
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// A local HTTP server in the place of the update host: every request gets
// the answer set last, 404 until one is offered. An answer can be held back
// to catch the window in the middle of a check; a held answer goes out when
// released, or after ten seconds so that a faulty check fails rather than
// hangs.
class TUpdateServer {
 public:
  TUpdateServer();
  ~TUpdateServer();

  // The update folder address the window's check is pointed at.
  std::string BaseUrl() const { return server_.Url("/liveupdate/project_tarvik/"); }
  void Offer(const std::string& description);
  void Hold();
  void Release();

  size_t Requests() const { return server_.Requests().size(); }
  std::string FirstRequestLine() const { return server_.RequestLine(0); }
  // How many answers have gone out.
  size_t Answered() const;

 private:
  void Answer(ScriptedPeer& peer);

  mutable std::mutex mutex_;
  std::condition_variable released_;
  std::string answer_;
  bool holding_ = false;
  size_t answered_ = 0;
  ScriptedServer server_;  // last: its thread uses the members above
};

// A program that appends each argument it is started with, one a line, to
// its log, standing in for a browser, xdg-open or the updater.
class TArgvRecorder {
 public:
  explicit TArgvRecorder(std::filesystem::path path);
  const std::filesystem::path& Path() const { return path_; }
  // The log once it holds `lines` lines, waiting a while for the program
  // that was started; what there is otherwise.
  std::string Log(size_t lines) const;

 private:
  std::filesystem::path path_;
  std::filesystem::path log_;
};

// Typed so that a test reads like what the user does.
void Click(QWidget* widget);
void TypeInto(QWidget* field, const QString& text);
void ClearAndType(QWidget* field, const QString& text);

template <typename T>
T* Find(QWidget* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}

}  // namespace guitest
