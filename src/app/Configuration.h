#pragma once
#include <optional>
#include <random>
#include <string>
#include <string_view>

// What "dbconfig.dat" in the application folder sets up, read once while
// the main window is created. The window applies it (LoadConfig).

constexpr const char* AppVersionText = "1.02";

struct TBannerChoice {
  int Position = 0;  // k + 1: the picture is "dbimg" + Position + ".dat"
  std::string Path;  // the configured path; only its file name part is used
  std::string Url;   // may be empty: the banner is then not clickable
};

struct TLinkChoice {
  std::string Url;
  std::string Name;
};

struct TConfiguration {
  std::string AppName;  // empty: the stored caption stays
  std::string AffiliateID;
  std::optional<TBannerChoice> Banner;
  TLinkChoice Link1, Link2;  // empty when fewer links are configured
  std::string IconPath;
};

// None when there is no "dbconfig.dat". The banner and the two links are
// picked uniformly with `random`; the two links always differ.
std::optional<TConfiguration> ReadConfiguration(std::mt19937& random);

// The window title: `app_name` (or the current caption when it is empty),
// " v" and the release.
std::string WindowTitle(const std::string& current_caption, const std::string& app_name);

// The file name part of a configured path, which may have been written on
// Windows (C:\Artwork\spring.gif, C:spring.gif) or here.
std::string FileNamePart(std::string_view path);

// Where the chosen banner's picture is stored, and how it is decoded. The
// decoder is chosen from the name the banner would carry in the application
// folder (its temporary path): the folder followed by the file name part of
// its configured path. ".gif" anywhere in that text, lower-cased (the
// decoder name), means the GIF decoder; otherwise its extension picks a
// still-picture decoder, without regard to case.
std::string BannerPictureFile(int position);
std::string BannerTemporaryPath(const std::string& banner_path);
std::string BannerDecoderName(const std::string& banner_path);
bool IsGifBanner(const std::string& decoder_name);
// The extension of a path's file name part, without the dot, in the case
// the path has it.
std::string PictureExtension(const std::string& path);

// The full path of the configured icon in the application folder.
std::string IconFile(const std::string& icon_path);

// The addresses "Make Money" and "Help" open.
std::string MakeMoneyAddress(const std::string& affiliate_id);
std::string HelpAddress();
