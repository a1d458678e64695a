// An animated GIF playing in the main window's banner, loaded the way the
// configuration loads it: each frame in turn shows the picture the animator
// composes for it. With TARVIK_GIF_SCREENSHOT_DIR set, the window is saved
// as each frame shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "gif/GifFrameComposer.h"
#include "gif/TGIFImage.h"
#include "gif/qt/TGIFAnimator.h"
#include "platform/AppFolder.h"
#include "platform/FileSystem.h"
#include "ui/FMain.h"
#include "support/QtTestApplication.h"

namespace {

const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new testsupport::TQtTestEnvironment<>);

using testsupport::PumpUntil;

// The main window over an application folder of its own. Nothing here
// expects a message box: one that opens is noted and closed, so that the
// test fails instead of waiting for a person.
class GifBannerTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("tarvik-gif-banner-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(folder_);
    platform::SetAppFolder(folder_.string());
    QObject::connect(&modalWatch_, &QTimer::timeout, [this] {
      auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!modal) return;
      auto* box = qobject_cast<QMessageBox*>(modal);
      unexpected_.push_back(box ? box->text().toStdString() : modal->windowTitle().toStdString());
      modal->reject();
    });
    modalWatch_.start(20);
  }
  void TearDown() override {
    window_.reset();
    EXPECT_TRUE(unexpected_.empty()) << unexpected_.front();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }
  void Open() {
    window_ = std::make_unique<TfrmMain>();
    // The update check after start-up has no business in this test.
    window_->Timer2->stop();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  std::filesystem::path folder_;
  QTimer modalWatch_;
  std::vector<std::string> unexpected_;
  std::unique_ptr<TfrmMain> window_;
};

TEST_F(GifBannerTest, AnAnimatedBannerPlaysInTheMainWindow) {
  // 468 x 60, five frames of 400 ms, later frames partial and transparent,
  // one of them restoring the previous picture.
  const std::string gif = platform::ReadWholeFile(std::string(TARVIK_SOURCE_DIR "/examples/branding/dbimg1.dat"));
  Write("dbconfig.dat", "[Settings]\r\nBannerPath1=C:\\Artwork\\spring.gif\r\n");
  Write("dbimg1.dat", gif);
  Open();
  gif::qt::TGIFAnimator* banner = window_->gifBanner;
  ASSERT_TRUE(banner->isVisible());
  ASSERT_TRUE(banner->Animate());
  ASSERT_EQ(banner->Image().FrameCount(), 5);
  std::vector<int> shown;
  banner->OnFrameChanged = [&](gif::qt::TGIFAnimator& sender) { shown.push_back(sender.FrameIndex()); };

  gif::TGIFImage reference;
  reference.LoadFromMemory(gif);
  gif::GifFrameComposer composer(reference);
  const char* screenshots = std::getenv("TARVIK_GIF_SCREENSHOT_DIR");
  for (const int index : {1, 2, 3, 4, 0}) {
    SCOPED_TRACE(index);
    ASSERT_TRUE(PumpUntil([&] { return banner->FrameIndex() == index; }));
    const QImage onScreen = banner->grab().toImage().convertToFormat(QImage::Format_RGB32);
    gif::TColor key = gif::clNone;
    const platform::Bitmap& picture = composer.ComposeFrame(index, key);
    ASSERT_EQ(key, gif::clNone) << "frame 0 has no transparent colour";
    ASSERT_EQ(onScreen.size(), QSize(picture.width, picture.height));
    int differences = 0;
    for (int y = 0; y < picture.height; ++y)
      for (int x = 0; x < picture.width; ++x)
        if ((onScreen.pixel(x, y) & 0xFFFFFF) != (picture.At(x, y) & 0xFFFFFF)) ++differences;
    EXPECT_EQ(differences, 0);
    if (screenshots) window_->grab().save(QString("%1/banner-%2.png").arg(screenshots).arg(index));
  }
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 0}));
}

}  // namespace
