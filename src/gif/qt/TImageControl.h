#pragma once
#include <QWidget>
#include <functional>
#include <mutex>

namespace gif::qt {

// A control that paints its whole area itself, double-buffered, with its
// parent's background behind the pixels it leaves transparent.
class TImageControl : public QWidget {
  Q_OBJECT

 public:
  explicit TImageControl(QWidget* parent = nullptr);

  // Guards the animation state; re-entrant, so a handler that changes a
  // setting while a frame is being advanced does not block itself.
  std::recursive_mutex PaintLock;

  bool Drawing() const { return drawing_; }
  bool PaintBuffered() const { return paintBuffered_; }

  std::function<void(TImageControl& sender)> OnClick;
  std::function<void(TImageControl& sender)> OnDblClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

  // Draws the picture; runs inside the buffered pass with Drawing set.
  virtual void PaintImage(QPainter& painter) = 0;
  // Paints what lies behind this control: the parent, then the siblings
  // below this control that overlap it.
  void PaintParentBackground(QPainter& painter);
  // True while this control is being painted into another control's
  // background copy.
  bool PaintedAsCopy() const { return paintedAsCopy_; }

 private:
  void Paint(QPainter& painter);

  bool drawing_ = false;
  bool paintBuffered_ = false;
  bool paintedAsCopy_ = false;
  bool pressed_ = false;
};

}  // namespace gif::qt
