#include "app/Configuration.h"

#include <vector>

#include "VendorAddresses.h"
#include "platform/AppFolder.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"
#include "platform/Text.h"

namespace {

const std::string kConfigFile = "dbconfig.dat";
const std::string kSection = "Settings";

size_t Pick(std::mt19937& random, size_t count) {
  return std::uniform_int_distribution<size_t>(0, count - 1)(random);
}

}  // namespace

std::optional<TConfiguration> ReadConfiguration(std::mt19937& random) {
  const std::string path = platform::AppFolder() + kConfigFile;
  if (!platform::FileExists(path)) return std::nullopt;
  const platform::ProfileFile profile = platform::ProfileFile::Load(path);
  auto read = [&](const std::string& key) { return profile.ReadString(kSection, key); };

  TConfiguration config;
  config.AppName = read("AppName");
  config.AffiliateID = read("AfiliateID");

  // The lists stay in step: a link for every configured banner path.
  std::vector<std::string> banner_paths, banner_links;
  for (int n = 1; n <= 3; ++n) {
    std::string banner_path = read("BannerPath" + std::to_string(n));
    if (banner_path.empty()) continue;
    banner_paths.push_back(std::move(banner_path));
    banner_links.push_back(read("BannerURL" + std::to_string(n)));
  }
  if (!banner_paths.empty()) {
    const size_t k = Pick(random, banner_paths.size());
    config.Banner = TBannerChoice{static_cast<int>(k) + 1, banner_paths[k], banner_links[k]};
  }

  std::vector<TLinkChoice> links;
  for (int n = 1; n <= 4; ++n) {
    std::string url = read("Link" + std::to_string(n) + "URL");
    if (url.empty()) continue;
    links.push_back({std::move(url), read("Link" + std::to_string(n) + "Name")});
  }
  if (!links.empty()) {
    const size_t first = Pick(random, links.size());
    config.Link1 = links[first];
    links.erase(links.begin() + static_cast<std::ptrdiff_t>(first));
    if (!links.empty()) config.Link2 = links[Pick(random, links.size())];
  }

  config.IconPath = read("IconPath");
  return config;
}

std::string WindowTitle(const std::string& current_caption, const std::string& app_name) {
  return (app_name.empty() ? current_caption : app_name) + " v" + AppVersionText;
}

std::string FileNamePart(std::string_view path) {
  size_t start = 0;
  // A drive-relative Windows path (C:spring.gif) names its file after the
  // drive's colon; a colon elsewhere is part of a name here.
  if (path.size() >= 2 && path[1] == ':' && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')))
    start = 2;
  const size_t separator = path.find_last_of("\\/");
  if (separator != std::string_view::npos && separator + 1 > start) start = separator + 1;
  return std::string(path.substr(start));
}

std::string BannerPictureFile(int position) {
  return platform::AppFolder() + "dbimg" + std::to_string(position) + ".dat";
}

std::string BannerTemporaryPath(const std::string& banner_path) {
  return platform::AppFolder() + FileNamePart(banner_path);
}

std::string BannerDecoderName(const std::string& banner_path) {
  return platform::LowerAscii(BannerTemporaryPath(banner_path));
}

bool IsGifBanner(const std::string& decoder_name) { return decoder_name.find(".gif") != std::string::npos; }

std::string PictureExtension(const std::string& path) {
  const std::string name = FileNamePart(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string IconFile(const std::string& icon_path) { return platform::AppFolder() + FileNamePart(icon_path); }

std::string MakeMoneyAddress(const std::string& affiliate_id) { return TARVIK_VENDOR_SITE + affiliate_id; }

std::string HelpAddress() { return std::string(TARVIK_VENDOR_SITE) + "tarvikhelp"; }
