#pragma once
#include <QAbstractNativeEventFilter>
#include <QObject>

class QWidget;

namespace gif::qt {

// Whether a top-level window is fully covered by other windows. An X server
// without a compositing window manager says so when the window asks for its
// visibility reports; elsewhere (Wayland, the offscreen platform, compositing
// window managers) nothing is reported and the window never counts as
// covered.
class WindowCoverage : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  // The window's one watcher, made on first use and owned by the window.
  static WindowCoverage& Of(QWidget& window);
  ~WindowCoverage() override;

  bool Covered() const { return covered_; }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 signals:
  void CoveredChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit WindowCoverage(QWidget& window);
  void AskForReports();

  QWidget& window_;
  bool covered_ = false;
};

}  // namespace gif::qt
