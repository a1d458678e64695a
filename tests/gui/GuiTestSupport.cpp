#include "gui/GuiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <thread>

#include "platform/AppFolder.h"
#include "support/QtTestApplication.h"

namespace guitest {
namespace {

constexpr char kAnswered[] = "answeredByTest";

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new testsupport::TQtTestEnvironment<>);

// A box's text as the user reads it, without the invisible characters that
// tie a path together on screen.
std::string ReadText(const QMessageBox* box) {
  return box->text().remove(QChar(0x2060)).remove(QChar(0x200B)).toStdString();
}

}  // namespace

TModalDriver::TModalDriver() {
  poll_.setInterval(5);
  QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
  poll_.start();
}

TModalDriver::~TModalDriver() = default;

void TModalDriver::Expect(std::function<void(QWidget*)> answer) { answers_.push_back(std::move(answer)); }

void TModalDriver::AnswerBox(bool ok, TSeenBox* seen) {
  Expect([ok, seen](QWidget* window) {
    auto* box = qobject_cast<QMessageBox*>(window);
    ASSERT_NE(box, nullptr) << "expected a message box, got " << window->metaObject()->className();
    if (seen) {
      seen->caption = box->windowTitle().toStdString();
      seen->text = ReadText(box);
      seen->had_cancel = box->button(QMessageBox::Cancel) != nullptr;
      seen->asked_yes_no = box->button(QMessageBox::Yes) && box->button(QMessageBox::No) &&
                           box->defaultButton() == box->button(QMessageBox::No);
    }
    const bool question = box->button(QMessageBox::Yes) != nullptr;
    box->button(question ? (ok ? QMessageBox::Yes : QMessageBox::No) : (ok ? QMessageBox::Ok : QMessageBox::Cancel))
        ->click();
  });
}

void TModalDriver::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible() || modal->property(kAnswered).toBool()) return;
  modal->setProperty(kAnswered, true);
  QPointer<QWidget> window(modal);
  if (answers_.empty()) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    unexpected_.push_back(box ? ReadText(box) : modal->windowTitle().toStdString());
    // Closed from the event loop, not from inside this timer.
    QTimer::singleShot(0, modal, [window] {
      if (auto* dialog = qobject_cast<QDialog*>(window.data())) dialog->reject();
    });
    return;
  }
  auto answer = std::move(answers_.front());
  answers_.pop_front();
  // The answer runs from a timer of its own, so that a window it opens in
  // turn is answered by this poll while the answer waits for it.
  QTimer::singleShot(0, modal, [window, answer = std::move(answer)] {
    if (window) answer(window.data());
  });
}

TTempAppFolder::TTempAppFolder() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() / ("tarvik-gui-" + std::to_string(random()));
  std::filesystem::create_directories(path_);
  platform::SetAppFolder(path_.string());
}

TTempAppFolder::~TTempAppFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TTempAppFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string TTempAppFolder::Read(const std::string& name) const {
  std::ifstream file(path_ / name, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool TTempAppFolder::Exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

TUpdateServer::TUpdateServer()
    : answer_("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n"),
      server_([this](ScriptedPeer& peer) { Answer(peer); }) {}

TUpdateServer::~TUpdateServer() { Release(); }

void TUpdateServer::Offer(const std::string& description) {
  std::lock_guard lock(mutex_);
  answer_ = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(description.size()) +
            "\r\nConnection: close\r\n\r\n" + description;
}

void TUpdateServer::Hold() {
  std::lock_guard lock(mutex_);
  holding_ = true;
}

void TUpdateServer::Release() {
  {
    std::lock_guard lock(mutex_);
    holding_ = false;
  }
  released_.notify_all();
}

size_t TUpdateServer::Answered() const {
  std::lock_guard lock(mutex_);
  return answered_;
}

void TUpdateServer::Answer(ScriptedPeer& peer) {
  if (peer.ReadHead().empty()) return;
  std::unique_lock lock(mutex_);
  released_.wait_for(lock, std::chrono::seconds(10), [this] { return !holding_; });
  const std::string answer = answer_;
  ++answered_;
  lock.unlock();
  peer.Send(answer);
}

TArgvRecorder::TArgvRecorder(std::filesystem::path path) : path_(std::move(path)), log_(path_.string() + ".log") {
  std::ofstream(path_, std::ios::binary) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done >> \"$0.log\"\n";
  ::chmod(path_.c_str(), 0755);
}

std::string TArgvRecorder::Log(size_t lines) const {
  auto read = [this] {
    std::ifstream file(log_, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  };
  for (int i = 0; i < 500; ++i) {
    const std::string log = read();
    if (static_cast<size_t>(std::count(log.begin(), log.end(), '\n')) >= lines) return log;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return read();
}

void Click(QWidget* widget) {
  ASSERT_NE(widget, nullptr);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void TypeInto(QWidget* field, const QString& text) { QTest::keyClicks(field, text); }

void ClearAndType(QWidget* field, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->clear();
  QTest::keyClicks(field, text);
}

}  // namespace guitest
