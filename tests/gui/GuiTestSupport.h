#pragma once
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

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
  // presses OK or Cancel.
  struct TSeenBox {
    std::string caption;
    std::string text;
    bool had_cancel = false;
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

// Typed so that a test reads like what the user does.
void Click(QWidget* widget);
void TypeInto(QWidget* field, const QString& text);
void ClearAndType(QWidget* field, const QString& text);

template <typename T>
T* Find(QWidget* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}

}  // namespace guitest
