// The application-wide error handler: an exception that ends an event
// handler is caught where Qt delivers the event, its text shown in a box
// captioned "Information", and the window goes on working. This needs the
// program's own application object, so these tests are a program of their
// own, beside the other window tests that run on a plain one.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/TarvikApplication.h"
#include "support/TemporaryFolder.h"
#include "ui/FMain.h"
#include "ui/controls/Button.h"
#include "support/QtTestApplication.h"

namespace {

// The program's own application object, with its error handler.
const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new testsupport::TQtTestEnvironment<TTarvikApplication>);

// A widget whose key handler fails on "F" and counts every other key.
class TFailingWidget : public QWidget {
 public:
  int handled = 0;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_F) throw std::runtime_error("Cannot open file \"x.dat\". <b>not bold</b>");
    if (event->key() == Qt::Key_U) throw 42;
    ++handled;
  }
};

// The message boxes that open while it lives: each is recorded and closed
// with OK, so that a test goes on instead of waiting for a person.
class TBoxRecorder {
 public:
  struct TBox {
    std::string caption;
    std::string text;
    bool plain_text;
  };

  TBoxRecorder() {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible() || box->property("recorded").toBool()) return;
      box->setProperty("recorded", true);
      boxes.push_back(
          {box->windowTitle().toStdString(), box->text().toStdString(), box->textFormat() == Qt::PlainText});
      QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
    });
    poll_.start();
  }

  std::vector<TBox> boxes;

 private:
  QTimer poll_;
};

TEST(ApplicationErrorHandler, ShowsTheMessageOfAFailedHandlerAndTheWidgetGoesOn) {
  TBoxRecorder recorder;
  TFailingWidget widget;
  widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));

  QTest::keyClick(&widget, Qt::Key_F);
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].caption, "Information");
  EXPECT_EQ(recorder.boxes[0].text, "Cannot open file \"x.dat\". <b>not bold</b>");
  EXPECT_TRUE(recorder.boxes[0].plain_text) << "an error's text is no markup";

  QTest::keyClick(&widget, Qt::Key_A);
  QTest::keyClick(&widget, Qt::Key_U);
  QTest::keyClick(&widget, Qt::Key_B);
  EXPECT_EQ(widget.handled, 2) << "the widget takes its events as before";
  ASSERT_EQ(recorder.boxes.size(), 2u);
  EXPECT_EQ(recorder.boxes[1].text, "Unknown error");
}

// With the main window open, its own message box shows the error of any
// handler, and the window still does what the user asks of it.
TEST(ApplicationErrorHandler, InTheMainWindowTheWindowStaysUsable) {
  TemporaryAppFolder folder;
  TBoxRecorder recorder;
  auto window = std::make_unique<TfrmMain>();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  TFailingWidget failing;
  failing.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&failing));

  QTest::keyClick(&failing, Qt::Key_F);
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].caption, "Information");
  EXPECT_EQ(recorder.boxes[0].text, "Cannot open file \"x.dat\". <b>not bold</b>");

  QTest::mouseClick(window->btnSave, Qt::LeftButton);
  EXPECT_TRUE(folder.Has("categories.dat"));
  EXPECT_TRUE(folder.Has("Projects.dat"));
  EXPECT_TRUE(folder.Has("Hours.dat"));
  EXPECT_EQ(recorder.boxes.size(), 1u);
}

}  // namespace
