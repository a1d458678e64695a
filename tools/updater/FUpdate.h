#pragma once
#include <QElapsedTimer>
#include <QWidget>
#include <memory>

#include "update/install/Updater.h"

class TNetAntiFreeze;
class TskButton;
class TskCompressedStoredSkin;
class TskData;
class TskGauge;
class TskStdLabel;
namespace skin::qt {
class TskSkinForm;
}

// The updater's one window, in the program's skin: what it is doing, a bar
// with the bytes received, the speed, and Cancel. While the download waits
// on the network its events go on, so Cancel is heard at once.
class TfrmUpdate : public QWidget, public update::TUpdaterHost {
  Q_OBJECT
 public:
  // Wears the skin the program in `app_folder` wears.
  explicit TfrmUpdate(const std::string& app_folder);
  ~TfrmUpdate() override;

  void ShowStage(TStage stage) override;
  void ShowProgress(std::int64_t received, std::int64_t total) override;
  bool Cancelled() const override { return cancelled_; }
  void WaitAMoment() override;
  void Tell(const std::string& message) override;

  // What the controls read, for tests.
  QString StageText() const;
  QString SpeedText() const;
  const TskGauge& Gauge() const { return *gauge_; }
  TskButton& CancelButton() { return *cancel_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void LoadSkin(const std::string& app_folder);
  void Cancel();

  std::unique_ptr<skin::qt::TskSkinForm> skSkinForm1;
  std::unique_ptr<TskCompressedStoredSkin> skCompressedStoredSkin1;
  std::unique_ptr<TskData> skData1;
  std::unique_ptr<TNetAntiFreeze> NetAntiFreeze1;
  TskStdLabel* stage_;
  TskGauge* gauge_;
  TskStdLabel* speed_;
  TskButton* cancel_;

  bool cancelled_ = false;
  bool installing_ = false;
  QElapsedTimer since_shown_;   // paces redrawing
  qint64 last_shown_ms_ = -1;
  QElapsedTimer speed_clock_;  // the speed over the last stretch
  std::int64_t speed_from_bytes_ = 0;
};
