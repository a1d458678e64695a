// The animator control on Qt's offscreen platform: playing, stopping, frame
// selection, sizing, placement, transparency, events, ticks on the clock
// thread and failing frames.
#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QThread>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <thread>

#include <xcb/xcb.h>

#include "gif/GifWriter.h"
#include "gif/qt/BannerAnimator.h"
#include "gif/qt/TGIFAnimator.h"
#include "platform/ErrorReport.h"
#include "support/QtTestApplication.h"

namespace {

using gif::qt::TGIFAnimator;
using gif_test::TestFrame;
using gif_test::GifWriter;

// red, green, blue, white
const std::vector<std::uint32_t> kColors = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new testsupport::TQtTestEnvironment<>);

using testsupport::PumpUntil;

TestFrame Solid(int width, int height, std::uint8_t index, int delay = 0) {
  TestFrame frame;
  frame.width = width;
  frame.height = height;
  frame.pixels.assign(static_cast<std::size_t>(width * height), index);
  frame.delayHundredths = delay;
  return frame;
}

// What the X server sends when the window's coverage changes.
void ReportVisibility(QWidget& window, std::uint8_t state) {
  xcb_visibility_notify_event_t report{};
  report.response_type = XCB_VISIBILITY_NOTIFY;
  report.window = static_cast<xcb_window_t>(window.winId());
  report.state = state;
  qintptr result = 0;
  QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &report, &result);
}

class GifAnimatorTest : public testing::Test {
 protected:
  void SetUp() override {
    platform::SetErrorPresenter([this](const std::string& message) { errors_.push_back(message); });
    window_ = std::make_unique<QWidget>();
    window_->resize(300, 200);
    animator_ = new TGIFAnimator(window_.get());
    window_->show();
  }
  void TearDown() override {
    window_.reset();
    platform::SetErrorPresenter(nullptr);
  }
  QRgb PixelOf(int x, int y) { return animator_->grab().toImage().pixel(x, y); }

  std::unique_ptr<QWidget> window_;
  TGIFAnimator* animator_ = nullptr;  // owned by the window
  std::vector<std::string> errors_;
};

TEST_F(GifAnimatorTest, WithoutLoopPlaysOnceAndStopsOnTheFirstFrame) {
  animator_->Image().LoadFromMemory(
      GifWriter(4, 4, kColors).Frame(Solid(4, 4, 0, 5)).Frame(Solid(4, 4, 1, 5)).Frame(Solid(4, 4, 2, 5)).Finish());
  std::vector<int> shown;
  int stops = 0;
  animator_->OnFrameChanged = [&](TGIFAnimator& sender) { shown.push_back(sender.FrameIndex()); };
  animator_->OnStop = [&](TGIFAnimator&) { ++stops; };
  animator_->SetLoop(false);
  animator_->SetAnimate(true);
  ASSERT_TRUE(PumpUntil([&] { return stops > 0; }));
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 0}));
  EXPECT_FALSE(animator_->Animate());
  EXPECT_EQ(animator_->FrameIndex(), 0);
  EXPECT_EQ(PixelOf(1, 1), qRgb(255, 0, 0));
}

TEST_F(GifAnimatorTest, LoopingAnimationShowsEachFramesPicture) {
  TestFrame red = Solid(64, 48, 0, 5);
  TestFrame blue = Solid(32, 24, 2, 5);
  blue.left = 16;
  blue.top = 12;
  animator_->Image().LoadFromMemory(GifWriter(64, 48, kColors).Frame(red).Frame(blue).Finish());
  animator_->move(20, 20);
  animator_->SetAnimate(true);
  // With TARVIK_GIF_SCREENSHOT_DIR set, the window is saved as each frame shows.
  const char* screenshots = std::getenv("TARVIK_GIF_SCREENSHOT_DIR");
  std::vector<QRgb> seen;
  ASSERT_TRUE(PumpUntil([&] {
    const QRgb centre = PixelOf(32, 24);
    if (seen.empty() || seen.back() != centre) {
      seen.push_back(centre);
      if (screenshots) window_->grab().save(QString("%1/gif-%2.png").arg(screenshots).arg(seen.size()));
    }
    return seen.size() >= 3;
  }));
  EXPECT_EQ(seen[0], qRgb(255, 0, 0));
  EXPECT_EQ(seen[1], qRgb(0, 0, 255));
  EXPECT_EQ(seen[2], qRgb(255, 0, 0));
  EXPECT_EQ(PixelOf(1, 1), qRgb(255, 0, 0));
}

TEST_F(GifAnimatorTest, SwitchedOnBeforeTheLoadTheFirstWaitKeepsItsEnd) {
  QElapsedTimer sinceSwitchOn;
  sinceSwitchOn.start();
  animator_->SetAnimate(true);  // the clock starts a 1000 ms wait
  animator_->Image().LoadFromMemory(
      GifWriter(2, 2, kColors).Frame(Solid(2, 2, 0, 5)).Frame(Solid(2, 2, 1, 5)).Finish());
  qint64 firstChange = -1;
  animator_->OnFrameChanged = [&](TGIFAnimator&) {
    if (firstChange < 0) firstChange = sinceSwitchOn.elapsed();
  };
  ASSERT_TRUE(PumpUntil([&] { return firstChange >= 0; }));
  EXPECT_GE(firstChange, 1000);
}

TEST_F(GifAnimatorTest, TheClockRestsWhileNothingCanBeSeenOrPlayed) {
  animator_->SetAnimate(true);
  ASSERT_TRUE(PumpUntil([&] { return !animator_->Clock().Enabled(); })) << "an empty image keeps the clock going";
  animator_->Image().LoadFromMemory(
      GifWriter(2, 2, kColors).Frame(Solid(2, 2, 0, 5)).Frame(Solid(2, 2, 1, 5)).Finish());
  EXPECT_TRUE(animator_->Clock().Enabled());
  window_->showMinimized();
  ASSERT_TRUE(PumpUntil([&] { return window_->isMinimized(); }));
  EXPECT_FALSE(animator_->Clock().Enabled()) << "minimised";
  window_->showNormal();
  ASSERT_TRUE(PumpUntil([&] { return !window_->isMinimized(); }));
  EXPECT_TRUE(animator_->Clock().Enabled());
  window_->hide();
  EXPECT_FALSE(animator_->Clock().Enabled()) << "hidden";
  window_->show();
  EXPECT_TRUE(animator_->Clock().Enabled());
  ReportVisibility(*window_, XCB_VISIBILITY_FULLY_OBSCURED);
  EXPECT_FALSE(animator_->Clock().Enabled()) << "covered by other windows";
  ReportVisibility(*window_, XCB_VISIBILITY_PARTIALLY_OBSCURED);
  EXPECT_TRUE(animator_->Clock().Enabled());
  animator_->hide();
  EXPECT_FALSE(animator_->Clock().Enabled()) << "the control hidden";
  EXPECT_TRUE(animator_->Animate());
}

TEST_F(GifAnimatorTest, FrameIndexIgnoresValuesOutsideTheFrames) {
  animator_->Image().LoadFromMemory(GifWriter(2, 2, kColors).Frame(Solid(2, 2, 0)).Frame(Solid(2, 2, 1)).Finish());
  int changes = 0;
  animator_->OnFrameChanged = [&](TGIFAnimator&) { ++changes; };
  for (int ignored : {2, -1, 0}) animator_->SetFrameIndex(ignored);
  EXPECT_EQ(changes, 0);
  animator_->SetFrameIndex(1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(PixelOf(0, 0), qRgb(0, 255, 0));
}

TEST_F(GifAnimatorTest, FrameDelayIsClampedAndASingleFrameParksTheClock) {
  animator_->Image().LoadFromMemory(
      GifWriter(2, 2, kColors).Frame(Solid(2, 2, 0, 0)).Frame(Solid(2, 2, 1, 2000)).Finish());
  EXPECT_EQ(animator_->FrameDelay(), 50u);
  EXPECT_EQ(animator_->Clock().Interval(), 50u);
  animator_->SetFrameIndex(1);
  EXPECT_EQ(animator_->FrameDelay(), 10000u);

  animator_->Image().LoadFromMemory(GifWriter(2, 2, kColors).Frame(Solid(2, 2, 2, 300)).Finish());
  EXPECT_EQ(animator_->Clock().Interval(), 0u);
  EXPECT_EQ(PixelOf(1, 1), qRgb(0, 0, 255));
}

TEST_F(GifAnimatorTest, AutoSizeTakesTheLogicalScreen) {
  animator_->move(280, -75);
  animator_->Image().LoadFromMemory(GifWriter(468, 60, kColors).Frame(Solid(10, 10, 0)).Finish());
  EXPECT_EQ(animator_->geometry(), QRect(280, -75, 468, 60));
  EXPECT_EQ(animator_->sizeHint(), QSize(468, 60));
}

TEST_F(GifAnimatorTest, TransparentPixelsShowTheParentBackground) {
  QPalette palette = window_->palette();
  palette.setColor(QPalette::Window, QColor(10, 200, 30));
  window_->setPalette(palette);
  window_->setAutoFillBackground(true);
  TestFrame frame = Solid(2, 1, 0);
  frame.pixels = {0, 3};
  frame.transparentIndex = 3;
  animator_->Image().LoadFromMemory(GifWriter(2, 1, kColors).Frame(frame).Finish());
  EXPECT_EQ(PixelOf(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(PixelOf(1, 0), qRgb(10, 200, 30));
  animator_->SetTransparent(false);
  EXPECT_EQ(PixelOf(1, 0), qRgb(255, 255, 255));
}

TEST_F(GifAnimatorTest, CenteredPictureWiderThanTheControlIsClippedOnBothSides) {
  TestFrame frame = Solid(10, 1, 0);
  frame.pixels = {0, 0, 0, 0, 0, 2, 2, 2, 2, 2};
  animator_->Image().LoadFromMemory(GifWriter(10, 1, kColors).Frame(frame).Finish());
  animator_->SetAutoSize(false);
  animator_->resize(4, 1);
  animator_->SetCenter(true);
  EXPECT_EQ(PixelOf(0, 0), qRgb(255, 0, 0));  // picture column 3
  EXPECT_EQ(PixelOf(3, 0), qRgb(0, 0, 255));  // picture column 6
}

TEST_F(GifAnimatorTest, AFrameThatCannotBeShownStopsTheAnimationWithOneReport) {
  TestFrame first = Solid(2, 2, 0, 5);
  first.localColors = {0xFF0000, 0x00FF00};
  animator_->Image().LoadFromMemory(GifWriter(2, 2, {}).Frame(first).Frame(Solid(2, 2, 1, 5)).Finish());
  animator_->SetAnimate(true);
  ASSERT_TRUE(PumpUntil([&] { return !animator_->Animate(); }));
  PumpUntil([] { return false; }, 200);
  animator_->update();
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(errors_, (std::vector<std::string>{"Неверное число цветов; должно быть степенью числа 2"}));
}

TEST_F(GifAnimatorTest, StretchScalesThePictureToTheWholeControl) {
  TestFrame frame = Solid(2, 1, 0);
  frame.pixels = {0, 2};
  animator_->Image().LoadFromMemory(GifWriter(2, 1, kColors).Frame(frame).Finish());
  animator_->SetAutoSize(false);
  animator_->resize(8, 4);
  animator_->SetCenter(true);
  animator_->SetStretch(true);  // wins over Center
  EXPECT_EQ(PixelOf(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(PixelOf(3, 3), qRgb(255, 0, 0));
  EXPECT_EQ(PixelOf(4, 0), qRgb(0, 0, 255));
  EXPECT_EQ(PixelOf(7, 3), qRgb(0, 0, 255));
}

TEST_F(GifAnimatorTest, ChangeStartAndStopEvents) {
  std::vector<std::string> events;
  animator_->OnChange = [&](TGIFAnimator& sender) { events.push_back("change " + std::to_string(sender.FrameIndex())); };
  animator_->OnStart = [&](TGIFAnimator& sender) { events.push_back(sender.Animate() ? "start" : "start, not animating"); };
  animator_->OnStop = [&](TGIFAnimator& sender) { events.push_back(sender.Animate() ? "stop, animating" : "stop"); };
  animator_->Image().LoadFromMemory(GifWriter(2, 2, kColors).Frame(Solid(2, 2, 0)).Frame(Solid(2, 2, 1)).Finish());
  animator_->SetAnimate(true);
  animator_->SetAnimate(true);  // unchanged: no event
  animator_->SetAnimate(false);
  animator_->Image().LoadFromMemory("");
  EXPECT_EQ(events, (std::vector<std::string>{"change 0", "start", "stop", "change -1"}));
}

bool OnMainThread() { return QThread::currentThread() == QCoreApplication::instance()->thread(); }

TEST_F(GifAnimatorTest, AsyncDrawingTicksOnTheClockThreadAndPaintsOnTheMainThread) {
  animator_->Image().LoadFromMemory(
      GifWriter(2, 2, kColors).Frame(Solid(2, 2, 0, 5)).Frame(Solid(2, 2, 2, 5)).Finish());
  animator_->SetAsyncDrawing(true);
  EXPECT_FALSE(animator_->Clock().SyncEvent());
  std::vector<int> shown;
  bool onMain = true;
  animator_->OnFrameChanged = [&](TGIFAnimator& sender) {
    shown.push_back(sender.FrameIndex());
    onMain = onMain && OnMainThread();
  };
  animator_->SetAnimate(true);
  std::vector<QRgb> seen;
  ASSERT_TRUE(PumpUntil([&] {
    const QRgb pixel = PixelOf(0, 0);
    if (seen.empty() || seen.back() != pixel) seen.push_back(pixel);
    return shown.size() >= 3 && seen.size() >= 2;
  }));
  EXPECT_TRUE(onMain);
  EXPECT_EQ((std::vector<int>(shown.begin(), shown.begin() + 3)), (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(seen[0], qRgb(255, 0, 0));
  EXPECT_EQ(seen[1], qRgb(0, 0, 255));
}

TEST_F(GifAnimatorTest, AsyncDrawingDropsAnAdvanceQueuedBeforeTheStopOrTheDestruction) {
  animator_->Image().LoadFromMemory(
      GifWriter(2, 2, kColors).Frame(Solid(2, 2, 0, 5)).Frame(Solid(2, 2, 2, 5)).Finish());
  animator_->SetAsyncDrawing(true);
  int changes = 0;
  animator_->OnFrameChanged = [&](TGIFAnimator&) { ++changes; };
  animator_->SetAnimate(true);
  // The clock ticks after 50 ms and hands the advance over; the main thread
  // is busy and gets to it only after the stop.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  animator_->SetAnimate(false);
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(animator_->FrameIndex(), 0);

  // The same with the control destroyed instead: nothing of it may run.
  animator_->SetAnimate(true);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  delete animator_;
  animator_ = nullptr;
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(changes, 0);
}

TEST_F(GifAnimatorTest, AClickIsAPressAndReleaseInside) {
  animator_->resize(20, 20);
  int clicks = 0;
  animator_->OnClick = [&](gif::qt::TImageControl&) { ++clicks; };
  auto send = [&](QEvent::Type type, QPointF at) {
    QMouseEvent event(type, at, animator_->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(animator_, &event);
  };
  send(QEvent::MouseButtonPress, QPointF(5, 5));
  send(QEvent::MouseButtonRelease, QPointF(6, 6));
  send(QEvent::MouseButtonPress, QPointF(5, 5));
  send(QEvent::MouseButtonRelease, QPointF(50, 50));  // released outside: no click
  EXPECT_EQ(clicks, 1);

  int doubleClicks = 0;
  animator_->OnDblClick = [&](gif::qt::TImageControl&) { ++doubleClicks; };
  send(QEvent::MouseButtonDblClick, QPointF(5, 5));
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(GifAnimatorTest, BannerAnimatorHasTheFormSettings) {
  TGIFAnimator* banner = gif::qt::CreateBannerAnimator(window_.get());
  EXPECT_EQ(banner->geometry(), QRect(280, -75, 98, 140));
  EXPECT_TRUE(banner->Animate());
  EXPECT_TRUE(banner->AutoSize());
  EXPECT_TRUE(banner->Loop());
  EXPECT_TRUE(banner->Transparent());
  EXPECT_EQ(banner->objectName(), "gifBanner");
}

}  // namespace
