#include "FUpdate.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "net/TNetAntiFreeze.h"
#include "platform/FileSystem.h"
#include "skin/TskData.h"
#include "skin/qt/SkinForm.h"
#include "skin/stored/StoredSkin.h"
#include "ui/PendingEvents.h"
#include "ui/controls/AlignLayout.h"
#include "ui/controls/Button.h"
#include "ui/controls/Gauge.h"
#include "ui/controls/MessageBox.h"
#include "ui/controls/OwnedBy.h"
#include "ui/controls/StdLabel.h"

namespace {

constexpr QSize kClientSize(440, 140);
// Redrawing more often than this would cost the download more than it
// tells the user.
constexpr qint64 kRedrawEveryMs = 100;
constexpr qint64 kSpeedOverMs = 1000;
constexpr int kMomentMs = 100;

QString Bytes(std::int64_t bytes) {
  constexpr double kMiB = 1024.0 * 1024.0;
  if (bytes < 1024 * 1024) return QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
  return QStringLiteral("%1 MB").arg(static_cast<double>(bytes) / kMiB, 0, 'f', 1);
}

QString StageCaption(update::TUpdaterHost::TStage stage) {
  switch (stage) {
    case update::TUpdaterHost::TStage::Checking: return QStringLiteral("Checking the update...");
    case update::TUpdaterHost::TStage::Downloading: return QStringLiteral("Downloading the update...");
    case update::TUpdaterHost::TStage::WaitingForProgram: return QStringLiteral("Waiting for Project Tarvik to close...");
    case update::TUpdaterHost::TStage::Installing: return QStringLiteral("Installing the update...");
  }
  return {};
}

}  // namespace

TfrmUpdate::TfrmUpdate(const std::string& app_folder)
    : skSkinForm1(std::make_unique<skin::qt::TskSkinForm>(*this, skin::qt::TSkinFormRole::MainWindow)),
      skCompressedStoredSkin1(std::make_unique<TskCompressedStoredSkin>()),
      skData1(std::make_unique<TskData>(skSkinForm1.get())),
      NetAntiFreeze1(std::make_unique<TNetAntiFreeze>()) {
  setObjectName(QStringLiteral("frmUpdate"));
  setWindowTitle(QStringLiteral("Project Tarvik Update"));
  setFixedSize(kClientSize);
  LoadSkin(app_folder);
  TNetAntiFreeze::SetProcessMessagesHook(HandlePendingEvents);

  // Placed inside the skin's frame, whatever its width.
  auto* layout = OwnedBy<TAlignLayout>(this, kClientSize);
  stage_ = OwnedBy<TskStdLabel>(this, StageCaption(TStage::Checking));
  layout->AddPlaced(stage_, QRect(16, 16, 408, 20));
  gauge_ = OwnedBy<TskGauge>(this);
  layout->AddPlaced(gauge_, QRect(16, 44, 408, 24));
  speed_ = OwnedBy<TskStdLabel>(this, QString());
  layout->AddPlaced(speed_, QRect(16, 76, 300, 20));
  cancel_ = OwnedBy<TskButton>(this, QStringLiteral("Cancel"), TButtonFocus::TabStop);
  layout->AddPlaced(cancel_, QRect(344, 102, 80, 26));
  connect(cancel_, &TskButton::clicked, this, &TfrmUpdate::Cancel);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  since_shown_.start();
}

TfrmUpdate::~TfrmUpdate() = default;

// The program's skin: the one built in, replaced by "dbskin.dat" where the
// program's configuration is there to ask for it.
void TfrmUpdate::LoadSkin(const std::string& app_folder) {
  skin::LoadStoredSkin(*skCompressedStoredSkin1);
  skData1->SetCompressedStoredSkin(skCompressedStoredSkin1.get());
  const std::string skin_file = app_folder + "dbskin.dat";
  if (!platform::FileExists(app_folder + "dbconfig.dat") || !platform::FileExists(skin_file)) return;
  try {
    skData1->LoadFromCompressedFile(skin_file);
  } catch (const std::exception&) {
    // A skin that does not load leaves the built-in one: an update is no
    // moment to stop over looks, and the program will say what is wrong.
  }
}

void TfrmUpdate::ShowStage(TStage stage) {
  installing_ = stage == TStage::Installing;
  cancel_->setEnabled(!installing_ && !cancelled_);
  stage_->setText(StageCaption(stage));
  if (stage == TStage::Downloading) speed_clock_.start();
  QCoreApplication::processEvents();
}

void TfrmUpdate::ShowProgress(std::int64_t received, std::int64_t total) {
  const qint64 now = since_shown_.elapsed();
  if (received < total && last_shown_ms_ >= 0 && now - last_shown_ms_ < kRedrawEveryMs) return;
  last_shown_ms_ = now;
  gauge_->SetValue(total > 0 ? static_cast<int>(received * 100 / total) : 0);
  gauge_->SetProgressText(QStringLiteral("%1 of %2  ").arg(Bytes(received), Bytes(total)));
  if (speed_clock_.isValid() && speed_clock_.elapsed() >= kSpeedOverMs) {
    const double seconds = static_cast<double>(speed_clock_.restart()) / 1000.0;
    speed_->setText(QStringLiteral("Speed: %1/s").arg(Bytes(static_cast<std::int64_t>(
                        static_cast<double>(received - speed_from_bytes_) / seconds))));
    speed_from_bytes_ = received;
  }
  // A fast download never waits on the network, where the window would get
  // its turn; here it does.
  QCoreApplication::processEvents();
}

void TfrmUpdate::WaitAMoment() {
  QEventLoop moment;
  QTimer::singleShot(kMomentMs, &moment, &QEventLoop::quit);
  moment.exec();
}

void TfrmUpdate::Tell(const std::string& message) {
  TskMessageBox(this).MessageDlg(message, TMsgDlgType::Warning, TMsgDlgButtons::Ok);
}

QString TfrmUpdate::StageText() const { return stage_->text(); }
QString TfrmUpdate::SpeedText() const { return speed_->text(); }

void TfrmUpdate::Cancel() {
  if (installing_ || cancelled_) return;
  cancelled_ = true;
  cancel_->setEnabled(false);
  stage_->setText(QStringLiteral("Cancelling..."));
  // A download waiting on a silent server ends now, not at its timeout.
  NetAntiFreeze1->AbortPendingCalls();
}

void TfrmUpdate::closeEvent(QCloseEvent* event) {
  // Closing the window is Cancel; once files are being replaced the
  // updater finishes first.
  event->ignore();
  Cancel();
}
