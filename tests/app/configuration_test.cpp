#include <gtest/gtest.h>

#include <set>

#include "VendorAddresses.h"
#include "app/Configuration.h"
#include "support/TemporaryFolder.h"

namespace {

class ConfigurationFile : public ::testing::Test {
 protected:
  std::optional<TConfiguration> Read(const std::string& settings, unsigned seed = 1) {
    folder.Write("dbconfig.dat", "[Settings]\r\n" + settings);
    std::mt19937 random(seed);
    return ReadConfiguration(random);
  }
  TemporaryAppFolder folder;
};

TEST_F(ConfigurationFile, MissingFileConfiguresNothing) {
  std::mt19937 random(1);
  EXPECT_FALSE(ReadConfiguration(random).has_value());
}

TEST_F(ConfigurationFile, TitleAndAffiliate) {
  const auto config = Read("AppName=Marketing Planner\r\nAfiliateID=partner42\r\n");
  ASSERT_TRUE(config);
  EXPECT_EQ(WindowTitle("Project Tarvik", config->AppName), "Marketing Planner v1.02");
  EXPECT_EQ(WindowTitle("Project Tarvik", ""), "Project Tarvik v1.02");
  EXPECT_EQ(config->AffiliateID, "partner42");
  // The site is a build setting: whatever it is, the identifier follows it
  // directly.
  const std::string site = TARVIK_VENDOR_SITE;
  ASSERT_TRUE(site.starts_with("http") && site.ends_with("/")) << site;
  EXPECT_EQ(MakeMoneyAddress(config->AffiliateID), site + "partner42");
  EXPECT_EQ(MakeMoneyAddress(""), site);
  EXPECT_EQ(HelpAddress(), site + "tarvikhelp");
}

TEST_F(ConfigurationFile, BannerPositionCountsConfiguredKeysOnly) {
  const auto config = Read("BannerPath2=C:\\Artwork\\spring.gif\r\nBannerURL2=http://a.test/\r\n");
  ASSERT_TRUE(config && config->Banner);
  EXPECT_EQ(config->Banner->Position, 1);
  EXPECT_EQ(config->Banner->Url, "http://a.test/");
  EXPECT_EQ(BannerPictureFile(config->Banner->Position), folder.File("dbimg1.dat"));
  const auto no_link = Read("BannerPath3=ad.jpg\r\n");
  ASSERT_TRUE(no_link && no_link->Banner);
  EXPECT_EQ(no_link->Banner->Url, "");
}

TEST_F(ConfigurationFile, EveryBannerAndEveryLinkPairCanBePicked) {
  std::set<int> banners;
  std::set<std::pair<std::string, std::string>> pairs;
  for (unsigned seed = 0; seed < 200; ++seed) {
    const auto config = Read(
        "BannerPath1=a.gif\r\nBannerPath2=b.gif\r\nBannerPath3=c.gif\r\n"
        "Link1URL=u1\r\nLink2URL=u2\r\nLink3URL=u3\r\nLink4URL=u4\r\nLink4Name=Four\r\n",
        seed);
    banners.insert(config->Banner->Position);
    EXPECT_EQ(config->Banner->Path, std::string(1, static_cast<char>('a' + config->Banner->Position - 1)) + ".gif");
    ASSERT_NE(config->Link1.Url, config->Link2.Url);
    if (config->Link1.Url == "u4") {
      EXPECT_EQ(config->Link1.Name, "Four");
    }
    pairs.insert({config->Link1.Url, config->Link2.Url});
  }
  EXPECT_EQ(banners, (std::set<int>{1, 2, 3}));
  EXPECT_EQ(pairs.size(), 12u) << "every ordered pair of different links";
}

TEST_F(ConfigurationFile, OneLinkLeavesTheSecondLabelBlank) {
  const auto config = Read("Link3URL=http://forum.test/\r\nLink3Name=Our forum\r\n");
  EXPECT_EQ(config->Link1.Url, "http://forum.test/");
  EXPECT_EQ(config->Link1.Name, "Our forum");
  EXPECT_EQ(config->Link2.Url, "");
  EXPECT_EQ(config->Link2.Name, "");
}

TEST_F(ConfigurationFile, DecoderComesFromTheNameInTheApplicationFolder) {
  EXPECT_EQ(FileNamePart("C:\\Artwork\\spring.gif"), "spring.gif");
  EXPECT_EQ(FileNamePart("/srv/ads/b.jpeg"), "b.jpeg");
  EXPECT_EQ(FileNamePart("D:/mixed\\path/x.bmp"), "x.bmp");
  EXPECT_EQ(FileNamePart("plain.ico"), "plain.ico");
  EXPECT_EQ(FileNamePart("C:spring.gif"), "spring.gif") << "drive-relative, as Windows writes it";
  EXPECT_EQ(FileNamePart("c:"), "");
  EXPECT_EQ(FileNamePart("/srv/ads:2024/b.gif"), "b.gif");
  EXPECT_EQ(FileNamePart("ads:b.gif"), "ads:b.gif") << "only a drive letter's colon splits";
  EXPECT_EQ(FileNamePart("1:b.gif"), "1:b.gif");

  EXPECT_TRUE(IsGifBanner(BannerDecoderName("D:\\ads\\Spring.GIF")));
  EXPECT_FALSE(IsGifBanner(BannerDecoderName("D:\\ads\\Spring.JPG")));
  EXPECT_EQ(PictureExtension(BannerTemporaryPath("D:\\ads\\Spring.JPG")), "JPG") << "as written";
  EXPECT_EQ(BannerTemporaryPath("D:\\ads\\Spring.JPG"), folder.File("Spring.JPG"));
  EXPECT_EQ(PictureExtension(BannerTemporaryPath("noextension")), "");
  EXPECT_EQ(PictureExtension("shop.v2/noextension"), "") << "a dot in a folder is no extension";

  TemporaryAppFolder gif_folder_parent;
  platform::SetAppFolder(gif_folder_parent.Path() + "shop.gifts/");
  EXPECT_TRUE(IsGifBanner(BannerDecoderName("banner.jpg"))) << "the folder's own name counts too";
}

TEST_F(ConfigurationFile, IconIsLookedUpInTheApplicationFolder) {
  const auto config = Read("IconPath=C:\\Icons\\planner.ico\r\n");
  EXPECT_EQ(IconFile(config->IconPath), folder.File("planner.ico"));
  EXPECT_EQ(IconFile("C:planner.ico"), folder.File("planner.ico"));
}

}  // namespace

namespace {

std::string RepositoryFile(const std::string& path) {
  return platform::ReadWholeFile(std::string(TARVIK_SOURCE_DIR "/") + path);
}

TEST(BrandingSample, ShipsTheExampleSkinAsItIs) {
  EXPECT_EQ(RepositoryFile("examples/branding/dbskin.dat"), RepositoryFile("examples/skins/dbskin.dat"))
      << "copy examples/skins/dbskin.dat into examples/branding after changing the example skin";
}

TEST(BrandingSample, ConfiguresTitleBannersAndLinks) {
  TemporaryAppFolder folder;
  folder.Write("dbconfig.dat", RepositoryFile("examples/branding/dbconfig.dat"));
  std::mt19937 random(7);
  const auto config = ReadConfiguration(random);
  ASSERT_TRUE(config && config->Banner);
  EXPECT_EQ(config->AppName, "Marketing Planner");
  EXPECT_FALSE(config->Link1.Name.empty());
  EXPECT_FALSE(config->Link2.Name.empty());
  EXPECT_EQ(IsGifBanner(BannerDecoderName(config->Banner->Path)), config->Banner->Position == 1);
}

}  // namespace
