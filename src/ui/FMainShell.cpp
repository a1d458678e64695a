// The window's branded frame from "dbconfig.dat", the vendor's pages, and the
// live update.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <random>

#include "app/Configuration.h"
#include "app/OpenUrl.h"
#include "gif/qt/TGIFAnimator.h"
#include "platform/AppFolder.h"
#include "platform/FileSystem.h"
#include "skin/TskData.h"
#include "ui/BannerPicture.h"
#include "ui/FMain.h"
#include "ui/MainUpdateHost.h"
#include "ui/controls/AlignLayout.h"
#include "ui/controls/Image.h"
#include "ui/controls/LinkLabel.h"
#include "ui/controls/Panel.h"

namespace {

// Any uniform choice reseeded at each start will do.
std::mt19937 SeededFromClock() {
  return std::mt19937(static_cast<std::mt19937::result_type>(
      std::chrono::steady_clock::now().time_since_epoch().count() ^
      std::chrono::system_clock::now().time_since_epoch().count()));
}

}  // namespace

void TfrmMain::LoadConfig() {
  std::mt19937 random = SeededFromClock();
  const std::optional<TConfiguration> config = ReadConfiguration(random);
  if (!config) return;

  setWindowTitle(QString::fromStdString(WindowTitle(windowTitle().toStdString(), config->AppName)));
  if (!config->AffiliateID.empty()) AffiliateID = config->AffiliateID;

  if (config->Banner) {
    BannerURL = config->Banner->Url;
    BannerPath = config->Banner->Path;
  }
  if (!BannerURL.empty()) {
    imgBanner->setCursor(Qt::PointingHandCursor);
    gifBanner->setCursor(Qt::PointingHandCursor);
  }
  ApplyBanner(BannerPath, config->Banner ? config->Banner->Position : 0);

  Link1URL = config->Link1.Url;
  Link1Name = config->Link1.Name;
  Link2URL = config->Link2.Url;
  Link2Name = config->Link2.Name;
  lblLink1URL->setText(QString::fromStdString(Link1Name));
  lblLink1URL->URL = Link1URL;
  lblLink2URL->setText(QString::fromStdString(Link2Name));
  lblLink2URL->URL = Link2URL;
  ArrangeNow(panLinks);

  const std::string skin_file = platform::AppFolder() + "dbskin.dat";
  if (platform::FileExists(skin_file)) skData1->LoadFromCompressedFile(skin_file);

  if (!config->IconPath.empty()) IconPath = config->IconPath;
  ApplyIcon();
}

// Shows the chosen banner's picture, read straight from "dbimg<k>.dat": its
// configured name picks the decoder, and no file is renamed for it.
void TfrmMain::ApplyBanner(const std::string& banner_path, int position) {
  auto* window_layout = static_cast<TAlignLayout*>(layout());
  const std::string picture_file = position > 0 ? BannerPictureFile(position) : std::string();
  if (banner_path.empty() || !platform::FileExists(picture_file)) {
    panBanner->hide();
    ArrangeNow(this);
    return;
  }
  // A picture that fails to load leaves no empty strip behind; the error
  // goes on to the user.
  struct HideUnlessShown {
    QWidget* panel;
    bool shown = false;
    ~HideUnlessShown() {
      if (!shown) panel->hide();
    }
  } guard{panBanner};

  const std::string decoder_name = BannerDecoderName(banner_path);
  int picture_height = 0;
  if (IsGifBanner(decoder_name)) {
    gifBanner->show();
    imgBanner->hide();
    gifBanner->Image().LoadFile(picture_file);
    picture_height = gifBanner->height();
  } else {
    gifBanner->hide();
    imgBanner->show();
    const std::optional<QPixmap> picture = LoadStillPicture(picture_file, PictureExtension(BannerTemporaryPath(banner_path)));
    if (!picture) {
      ArrangeNow(this);
      return;  // a metafile: no decoder here, so no banner
    }
    imgBanner->SetPicture(*picture);
    picture_height = imgBanner->height();
  }
  guard.shown = true;
  window_layout->SetExtent(panBanner, picture_height + 10);
  ArrangeNow(this);
}

void TfrmMain::ApplyIcon() {
  if (IconPath.empty()) return;
  const std::string icon_file = IconFile(IconPath);
  if (platform::FileExists(icon_file)) QApplication::setWindowIcon(LoadIconFile(icon_file));
}

void TfrmMain::imgBannerClick() {
  if (!BannerURL.empty()) OpenUrl(BannerURL);
}

void TfrmMain::gifBannerClick() {
  if (!BannerURL.empty()) OpenUrl(BannerURL);
}

void TfrmMain::btnMakeMoneyClick() { OpenUrl(MakeMoneyAddress(AffiliateID)); }

void TfrmMain::btnHelpClick() { OpenUrl(HelpAddress()); }

void TfrmMain::Timer2Timer() {
  Timer2->stop();
  CheckForUpdate(true);
}

void TfrmMain::btnUpdateClick() { CheckForUpdate(false); }

void TfrmMain::CheckForUpdate(bool Silent) {
  if (!update_check_) {
    update_host_ = std::make_unique<TMainUpdateHost>(*this, closing_);
    update_check_ = std::make_unique<update::TUpdateCheck>(*update_host_, UpdateBaseUrl, UpdateTimeLimits);
  }
  update_check_->CheckForUpdate(Silent);
}
