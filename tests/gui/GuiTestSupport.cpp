#include "gui/GuiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

#include "platform/AppFolder.h"

namespace guitest {
namespace {

constexpr char kAnswered[] = "answeredByTest";

// One QApplication for the whole test program, on Qt's offscreen platform,
// with the C locale's short date format (M/d/yyyy) whatever the machine has.
class TQtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ::setenv("LC_ALL", "C", 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "gui_tests";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QApplication> application_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

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
      seen->text = box->text().toStdString();
      seen->had_cancel = box->button(QMessageBox::Cancel) != nullptr;
    }
    box->button(ok ? QMessageBox::Ok : QMessageBox::Cancel)->click();
  });
}

void TModalDriver::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible() || modal->property(kAnswered).toBool()) return;
  modal->setProperty(kAnswered, true);
  QPointer<QWidget> window(modal);
  if (answers_.empty()) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    unexpected_.push_back(box ? box->text().toStdString() : modal->windowTitle().toStdString());
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
