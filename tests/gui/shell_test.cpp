// The branded frame as the window applies it from "dbconfig.dat", and the
// pages its buttons and banner open.
#include <QApplication>
#include <QTest>
#include <filesystem>
#include <set>

#include "VendorAddresses.h"
#include "gif/qt/TGIFAnimator.h"
#include "gui/MainWindowFixture.h"
#include "platform/FileSystem.h"
#include "skin/TskData.h"
#include "support/ScopedEnvironment.h"
#include "ui/BannerPicture.h"
#include "ui/controls/Button.h"
#include "ui/controls/Image.h"
#include "ui/controls/LinkLabel.h"
#include "ui/controls/Panel.h"
#include "ui/controls/TreeView.h"

namespace guitest {
namespace {

std::string BrandingFile(const std::string& name) {
  return platform::ReadWholeFile(std::string(TARVIK_SOURCE_DIR "/examples/branding/") + name);
}

class ShellTest : public MainWindowTest {
 protected:
  void Configure(const std::string& settings) { folder.Write("dbconfig.dat", "[Settings]\r\n" + settings); }

  // A browser that records the arguments it was started with.
  const TArgvRecorder& UseStubBrowser() {
    browser_ = std::make_unique<TArgvRecorder>(folder.Path() / "browser");
    environment_.Set("BROWSER", browser_->Path().string());
    return *browser_;
  }
  // xdg-open, the default handler of link labels, recording its arguments.
  const TArgvRecorder& UseStubDefaultHandler() {
    std::filesystem::create_directories(folder.Path() / "bin");
    handler_ = std::make_unique<TArgvRecorder>(folder.Path() / "bin" / "xdg-open");
    environment_.PrependPath((folder.Path() / "bin").string());
    return *handler_;
  }

 private:
  ScopedEnvironment environment_;
  std::unique_ptr<TArgvRecorder> browser_, handler_;
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

TEST_F(ShellTest, UnknownPictureExtensionIsReportedAsWritten) {
  Configure("BannerPath1=C:\\Ads\\ad.PNG\r\nLink1URL=http://a.test/\r\nLink1Name=Forum\r\n");
  folder.Write("dbimg1.dat", "png bytes");
  TModalDriver::TSeenBox seen;
  driver.AnswerBox(true, &seen);
  Open();
  QTest::qWait(50);
  EXPECT_EQ(seen.caption, "Information");
  EXPECT_EQ(seen.text, "Unknown picture file extension (.PNG)");
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
  const TArgvRecorder& browser = UseStubBrowser();
  Configure("AfiliateID=partner42\r\nBannerPath1=a.gif\r\nBannerURL1=http://banner.test/offer\r\n");
  folder.Write("dbimg1.dat", BrandingFile("dbimg1.dat"));
  Open();
  // The vendor's site is a build setting.
  const std::string site = TARVIK_VENDOR_SITE;
  Click(window->btnMakeMoney);
  EXPECT_EQ(browser.Log(1), site + "partner42\n");
  Click(window->btnHelp);
  EXPECT_EQ(browser.Log(2), site + "partner42\n" + site + "tarvikhelp\n");
  QTest::mouseClick(window->gifBanner, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(browser.Log(3), site + "partner42\n" + site + "tarvikhelp\nhttp://banner.test/offer\n");
}

TEST_F(ShellTest, LinkLabelsOpenTheirAddressWithTheDefaultHandler) {
  const TArgvRecorder& browser = UseStubBrowser();
  const TArgvRecorder& handler = UseStubDefaultHandler();
  Configure("Link2URL=http://forum.test/a b\r\nLink2Name=Our forum\r\n");
  Open();
  ASSERT_EQ(window->lblLink1URL->text(), "Our forum");
  ASSERT_EQ(window->lblLink2URL->URL, "");
  // The blank label first: it must start nothing, so the one line that
  // arrives is the other label's.
  Click(window->lblLink2URL);
  Click(window->lblLink1URL);
  EXPECT_EQ(handler.Log(1), "http://forum.test/a b\n");
  QTest::qWait(100);
  EXPECT_EQ(handler.Log(1), "http://forum.test/a b\n");
  EXPECT_EQ(browser.Log(0), "") << "not through the browser";
}

TEST_F(ShellTest, ApplicationIconFromTheConfiguredIconFile) {
  QApplication::setWindowIcon(QIcon());
  Configure("IconPath=C:\\Icons\\planner.ico\r\n");
  folder.Write("planner.ico", BrandingFile("planner.ico"));
  Open();
  const QIcon icon = QApplication::windowIcon();
  EXPECT_FALSE(icon.isNull());
  EXPECT_FALSE(icon.availableSizes().isEmpty());
  window.reset();

  // A missing icon changes nothing and says nothing.
  Configure("IconPath=C:\\Icons\\gone.ico\r\n");
  Open();
  EXPECT_EQ(QApplication::windowIcon().cacheKey(), icon.cacheKey());
  QApplication::setWindowIcon(QIcon());
}

}  // namespace
}  // namespace guitest
