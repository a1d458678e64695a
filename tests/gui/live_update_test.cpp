// The live update run through the main window against a local server: the
// silent check at start-up, "Check Updates", both questions, the warning, the
// hand-off to the updater and the window's close path.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>

#include "gui/MainWindowFixture.h"
#include "ui/controls/Button.h"

namespace guitest {
namespace {

const std::string kNoUpdates = "There are no new updates for this application!";
const std::string kOffer =
    "There is a new update: (version 1.03) available for your application!. Do you want download this update now?";
const std::string kCheckRunning =
    "The program is already checking for updates. Please wait for that check to finish.";
const std::string kUpdaterMissing = "The updater module is missing. Please reinstall again the current version!";
// Its LF CR line break shows as one break.
const std::string kCloseToUpdate =
    "To update your software the application will close to\nreplace some files. Do you want to update now?";

// Counts the close events that reach a main window, from before it exists.
class CloseWatcher : public QObject {
 public:
  CloseWatcher() { qApp->installEventFilter(this); }
  int closed = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && qobject_cast<TfrmMain*>(watched)) ++closed;
    return false;
  }
};

class LiveUpdateTest : public MainWindowTest {
 protected:
  void Offer(const std::string& version) { updates.Offer("[APPLICATION]\r\nVersion=" + version + "\r\n"); }

  // Opens the window and lets the silent check of its start-up run to its end.
  void OpenAfterStartupCheck() {
    Open();
    for (int waited = 0; window->Timer2->isActive() && waited < 5000; waited += 10) QTest::qWait(10);
    ASSERT_FALSE(window->Timer2->isActive());
    ASSERT_EQ(updates.Requests(), 1u);
  }

  // Runs `action` once, from inside the check, as soon as the server has
  // the check's request (the window is waiting for the answer then).
  void DuringTheDownload(std::function<void()> action) {
    const size_t before = updates.Requests();
    inside_.setInterval(5);
    QObject::connect(&inside_, &QTimer::timeout, [this, before, action = std::move(action)] {
      if (updates.Requests() <= before) return;
      inside_.stop();
      action();
    });
    inside_.start();
  }

  QTimer inside_;
};

TEST_F(LiveUpdateTest, StartupCheckAsksTheLocalServerOnceAndSaysNothing) {
  OpenAfterStartupCheck();
  EXPECT_EQ(updates.FirstRequestLine(), "GET /liveupdate/project_tarvik/mainappupdate.inf HTTP/1.1");
  EXPECT_FALSE(folder.Exists("mainappupdate.inf")) << "a 404 leaves no description behind";
  QTest::qWait(300);
  EXPECT_EQ(updates.Requests(), 1u) << "the timer fires once";
}

TEST_F(LiveUpdateTest, CheckUpdatesWithoutANewReleaseSaysSo) {
  Offer("1.020");
  OpenAfterStartupCheck();
  TModalDriver::TSeenBox seen;
  driver.AnswerBox(true, &seen);
  Click(window->btnUpdate);
  EXPECT_EQ(updates.Requests(), 2u);
  EXPECT_EQ(seen.caption, "Information");
  EXPECT_EQ(seen.text, kNoUpdates);
  EXPECT_FALSE(seen.had_cancel);
  EXPECT_TRUE(folder.Exists("mainappupdate.inf")) << "the description stays after the check";
}

TEST_F(LiveUpdateTest, MissingUpdaterIsAWarningAndTheProgramGoesOn) {
  Offer("1.03");
  TModalDriver::TSeenBox offer, warning;
  driver.AnswerBox(true, &offer);
  driver.AnswerBox(true, &warning);
  OpenAfterStartupCheck();
  EXPECT_EQ(offer.caption, "Information");
  EXPECT_EQ(offer.text, kOffer);
  EXPECT_TRUE(offer.had_cancel);
  EXPECT_EQ(warning.caption, "Warning");
  EXPECT_EQ(warning.text, kUpdaterMissing);
  EXPECT_FALSE(warning.had_cancel);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(LiveUpdateTest, CancellingEitherQuestionStartsNothing) {
  const TArgvRecorder updater(folder.Path() / "Updater.exe");
  Offer("1.03");
  driver.AnswerBox(false);
  OpenAfterStartupCheck();

  TModalDriver::TSeenBox second;
  driver.AnswerBox(true);
  driver.AnswerBox(false, &second);
  Click(window->btnUpdate);
  EXPECT_EQ(second.caption, "Information");
  EXPECT_EQ(second.text, kCloseToUpdate);
  EXPECT_TRUE(second.had_cancel);

  // Escape answers the first question as Cancel.
  driver.Expect([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
  Click(window->btnUpdate);

  EXPECT_EQ(updates.Requests(), 3u);
  EXPECT_TRUE(window->isVisible());
  QTest::qWait(100);
  EXPECT_FALSE(folder.Exists("Updater.exe.log"));
}

TEST_F(LiveUpdateTest, AcceptingStartsTheUpdaterAndClosesTheWindowTheOrdinaryWay) {
  const TArgvRecorder updater(folder.Path() / "Updater.exe");
  Offer("1.03");
  CloseWatcher watcher;
  driver.AnswerBox(true);
  TModalDriver::TSeenBox second;
  driver.AnswerBox(true, &second);
  Open();
  for (int waited = 0; window->Timer2->isActive() && waited < 5000; waited += 10) QTest::qWait(10);
  EXPECT_EQ(second.text, kCloseToUpdate);
  EXPECT_EQ(watcher.closed, 1);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(updater.Log(3), updates.BaseUrl() + "\n1.01999998092651\nA\n");
}

TEST_F(LiveUpdateTest, ASecondPressDuringACheckSaysOneIsRunning) {
  Offer("1.02");
  OpenAfterStartupCheck();
  updates.Hold();
  TModalDriver::TSeenBox running, seen;
  driver.AnswerBox(true, &running);
  driver.AnswerBox(true, &seen);
  DuringTheDownload([&] {
    Click(window->btnUpdate);
    updates.Release();
  });
  Click(window->btnUpdate);
  EXPECT_EQ(running.caption, "Information");
  EXPECT_EQ(running.text, kCheckRunning);
  EXPECT_EQ(seen.text, kNoUpdates) << "the running check still answers";
  QTest::qWait(100);
  EXPECT_EQ(updates.Requests(), 2u) << "the second press asked nothing";
}

TEST_F(LiveUpdateTest, AServerThatNeverAnswersEndsTheCheck) {
  update_time_limits = {std::chrono::milliseconds(300), std::chrono::seconds(3)};
  updates.Hold();
  OpenAfterStartupCheck();  // the silent check gave up without a word
  TModalDriver::TSeenBox seen;
  driver.AnswerBox(true, &seen);
  const auto pressed = std::chrono::steady_clock::now();
  Click(window->btnUpdate);
  EXPECT_EQ(seen.text, kNoUpdates);
  EXPECT_LT(std::chrono::steady_clock::now() - pressed, std::chrono::seconds(3));
  EXPECT_EQ(updates.Answered(), 0u);
  EXPECT_FALSE(folder.Exists("mainappupdate.inf"));
  updates.Release();
}

TEST_F(LiveUpdateTest, ClosingTheWindowDuringACheckEndsItAtOnce) {
  OpenAfterStartupCheck();
  Offer("1.03");  // never asked about: the check ends with the window
  updates.Hold();
  DuringTheDownload([&] { window->close(); });
  Click(window->btnUpdate);
  EXPECT_EQ(updates.Answered(), 1u) << "the check ended before the server answered";
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(folder.Exists("mainappupdate.inf"));
  updates.Release();
}

}  // namespace
}  // namespace guitest
