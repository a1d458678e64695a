// The branded frame as the window applies it from "dbconfig.dat", and the
// pages its buttons and banner open.
#include <sys/stat.h>

#include <QTest>
#include <chrono>
#include <cstdlib>
#include <set>
#include <thread>

#include "gif/qt/TGIFAnimator.h"
#include "gui/MainWindowFixture.h"
#include "platform/FileSystem.h"
#include "skin/TskData.h"
#include "ui/BannerPicture.h"
#include "ui/controls/Button.h"
#include "ui/controls/Image.h"
#include "ui/controls/LinkLabel.h"
#include "ui/controls/Panel.h"
#include "ui/controls/TreeView.h"

namespace guitest {
namespace {

std::string BrandingFile(const std::string& name) {
  return platform::ReadWholeFile(std::string(std::getenv("TARVIK_TEST_DATA")) + "/../../examples/branding/" + name);
}

class ShellTest : public MainWindowTest {
 protected:
  void Configure(const std::string& settings) { folder.Write("dbconfig.dat", "[Settings]\r\n" + settings); }

  // A browser that writes the arguments it was started with.
  void UseStubBrowser() {
    const std::string script = (folder.Path() / "browser").string();
    folder.Write("browser", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done >> \"$0.log\"\n");
    ::chmod(script.c_str(), 0755);
    ::setenv("BROWSER", script.c_str(), 1);
  }
  std::string BrowserLog(size_t lines) {
    for (int i = 0; i < 500; ++i) {
      if (folder.Exists("browser.log")) {
        const std::string log = folder.Read("browser.log");
        if (static_cast<size_t>(std::count(log.begin(), log.end(), '\n')) >= lines) return log;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return folder.Exists("browser.log") ? folder.Read("browser.log") : "";
  }
  void TearDown() override {
    ::unsetenv("BROWSER");
    MainWindowTest::TearDown();
  }
};

TEST_F(ShellTest, WithoutConfigurationTheStoredFrameStays) {
  folder.Write("dbskin.dat", BrandingFile("dbskin.dat"));
  Open();
  EXPECT_EQ(window->windowTitle(), "Project Tarvik");
  EXPECT_TRUE(window->panBanner->isVisible());
  EXPECT_EQ(window->panBanner->height(), 65);
  EXPECT_EQ(window->skData1->SkinInfo().SkinName, "Modern") << "the skin file needs the configuration file";
}

TEST_F(ShellTest, AnimatedBannerLinksTitleAndSkin) {
  Configure(
      "AppName=Marketing Planner\r\nAfiliateID=partner42\r\n"
      "BannerPath1=D:\\ads\\Spring.GIF\r\nBannerURL1=http://www.example.com/spring\r\n"
      "Link1URL=http://a.test/\r\nLink1Name=Forum\r\nLink3URL=http://c.test/\r\nLink3Name=News\r\n");
  folder.Write("dbimg1.dat", BrandingFile("dbimg1.dat"));
  folder.Write("dbskin.dat", BrandingFile("dbskin.dat"));
  Open();
  EXPECT_EQ(window->windowTitle(), "Marketing Planner v1.02");
  EXPECT_EQ(window->AffiliateID, "partner42");
  EXPECT_TRUE(window->gifBanner->isVisible());
  EXPECT_FALSE(window->imgBanner->isVisible());
  EXPECT_EQ(window->gifBanner->size(), QSize(468, 60)) << "the animator takes the GIF's logical screen";
  EXPECT_EQ(window->panBanner->height(), 70);
  EXPECT_EQ(window->gifBanner->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(window->gifBanner->pos(), QPoint(772 / 2 - 468 / 2, 70 / 2 - 60 / 2));
  const std::set<QString> captions{window->lblLink1URL->text(), window->lblLink2URL->text()};
  EXPECT_EQ(captions, (std::set<QString>{"Forum", "News"}));
  EXPECT_NE(window->lblLink1URL->URL, window->lblLink2URL->URL);
  EXPECT_EQ(window->skData1->SkinInfo().SkinName, "Ember");
  EXPECT_TRUE(folder.Exists("dbimg1.dat"));
  EXPECT_FALSE(folder.Exists("Spring.GIF")) << "no file is renamed to load the banner";
}

TEST_F(ShellTest, StillJpegBannerWithoutLinkKeepsTheArrow) {
  Configure("BannerPath2=C:\\Artwork\\summer.JPG\r\n");
  folder.Write("dbimg1.dat", BrandingFile("dbimg2.dat"));
  Open();
  EXPECT_EQ(window->windowTitle(), "Project Tarvik v1.02");
  EXPECT_TRUE(window->imgBanner->isVisible());
  EXPECT_FALSE(window->gifBanner->isVisible());
  EXPECT_EQ(window->imgBanner->size(), QSize(468, 60));
  EXPECT_EQ(window->panBanner->height(), 70);
  EXPECT_NE(window->imgBanner->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(window->lblLink1URL->text(), "");
  EXPECT_EQ(window->lblLink2URL->URL, "");
}

TEST_F(ShellTest, MissingPictureOrMetafileHidesTheBannerQuietly) {
  Configure("BannerPath1=missing.gif\r\nLink1URL=http://a.test/\r\nLink1Name=Forum\r\n");
  Open();
  EXPECT_FALSE(window->panBanner->isVisible());
  window.reset();

  Configure("BannerPath1=ad.wmf\r\nLink1URL=http://a.test/\r\nLink1Name=Forum\r\n");
  folder.Write("dbimg1.dat", "metafile bytes");
  Open();
  EXPECT_FALSE(window->panBanner->isVisible());
  EXPECT_EQ(window->lblLink1URL->text(), "Forum") << "the rest of the configuration goes on";
}

TEST_F(ShellTest, UnknownPictureExtensionIsReported) {
  Configure("BannerPath1=ad.png\r\nLink1URL=http://a.test/\r\nLink1Name=Forum\r\n");
  folder.Write("dbimg1.dat", "png bytes");
  TModalDriver::TSeenBox seen;
  driver.AnswerBox(true, &seen);
  Open();
  QTest::qWait(50);
  EXPECT_EQ(seen.caption, "Information");
  EXPECT_EQ(seen.text, "Unknown picture file extension (.png)");
  EXPECT_FALSE(window->panBanner->isVisible());
  EXPECT_TRUE(window->tvwMain->isEnabled()) << "start-up goes on";
}

TEST(StillPictures, BitmapsIconsAndDamagedData) {
  TTempAppFolder folder;
  QImage image(30, 20, QImage::Format_RGB32);
  image.fill(Qt::red);
  const std::string bmp = (folder.Path() / "a.bmp").string();
  const std::string ico = (folder.Path() / "a.ico").string();
  ASSERT_TRUE(image.save(QString::fromStdString(bmp), "BMP"));
  ASSERT_TRUE(image.save(QString::fromStdString(ico), "ICO"));
  EXPECT_EQ(LoadStillPicture(bmp, "bmp")->size(), QSize(30, 20));
  EXPECT_EQ(LoadStillPicture(ico, "ico")->size(), QSize(30, 20));
  EXPECT_FALSE(LoadStillPicture(bmp, "emf").has_value());
  folder.Write("bad.bmp", "BM not really");
  try {
    LoadStillPicture((folder.Path() / "bad.bmp").string(), "bmp");
    FAIL();
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Bitmap image is not valid");
  }
}

TEST_F(ShellTest, ButtonsAndBannerOpenTheirPages) {
  UseStubBrowser();
  Configure("AfiliateID=partner42\r\nBannerPath1=a.gif\r\nBannerURL1=http://www.example.com/offer\r\n");
  folder.Write("dbimg1.dat", BrandingFile("dbimg1.dat"));
  Open();
  Click(window->btnMakeMoney);
  EXPECT_EQ(BrowserLog(1), "http://www.example.com/partner42\n");
  Click(window->btnHelp);
  EXPECT_EQ(BrowserLog(2), "http://www.example.com/partner42\nhttp://www.example.com/tarvikhelp\n");
  QTest::mouseClick(window->gifBanner, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(BrowserLog(3),
            "http://www.example.com/partner42\nhttp://www.example.com/tarvikhelp\nhttp://www.example.com/offer\n");
}

}  // namespace
}  // namespace guitest
