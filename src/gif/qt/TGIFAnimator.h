#pragma once
#include <QMetaObject>
#include <QSize>
#include <functional>
#include <memory>

#include "gif/GifFrameComposer.h"
#include "gif/TGIFImage.h"
#include "gif/TThreadedTimer.h"
#include "gif/qt/TImageControl.h"

namespace gif::qt {

// Shows a GIF and plays its frames by a clock. Each frame stays for its own
// delay (50 ms to 10 s), counted from the end of its painting.
//
// The clock runs only while there are frames to play and they can be seen:
// an empty or single-frame image, a hidden control, or one in a minimised,
// hidden or fully covered window costs no wake-ups; the animation goes on
// from its frame when it shows again.
//
// All composing and painting happens on the main thread. AsyncDrawing only
// lets the clock tick on its own thread; the tick then hands the whole frame
// advance to the main thread, because Qt widgets can only be painted there.
class TGIFAnimator : public TImageControl {
  Q_OBJECT

 public:
  using Event = std::function<void(TGIFAnimator& sender)>;

  explicit TGIFAnimator(QWidget* parent = nullptr);
  ~TGIFAnimator() override;

  bool Animate() const { return animate_; }
  void SetAnimate(bool animate);
  bool AsyncDrawing() const { return asyncDrawing_; }
  void SetAsyncDrawing(bool asyncDrawing);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool Center() const { return center_; }
  void SetCenter(bool center);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool Loop() const { return loop_; }
  void SetLoop(bool loop) { loop_ = loop; }
  int FrameIndex() const { return frameIndex_; }
  void SetFrameIndex(int index);
  // The current frame's delay within 50..10000 ms; 0 without a current frame
  // or with fewer than two frames.
  unsigned FrameDelay() const;

  TGIFImage& Image() { return *image_; }
  // Copies `image` into the control's own image.
  void SetImage(const TGIFImage& image);
  const TThreadedTimer& Clock() const { return *clock_; }

  Event OnChange;
  Event OnFrameChanged;
  Event OnStart;
  Event OnStop;

  QSize sizeHint() const override;

 protected:
  void PaintImage(QPainter& painter) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ImageChanged();
  void RecomposeImage();
  void RealizeImagePalette();
  void AdvanceFrame();
  void TimeNextFrame();
  void PaintFromAnyThread();
  void StopAnimation();
  void ChangeDrawingSetting(bool& setting, bool value);
  void FrameFailed();
  bool Seen() const;
  void FollowSight();

  std::unique_ptr<TGIFImage> image_;
  std::unique_ptr<GifFrameComposer> composer_;
  bool animate_ = false;
  bool asyncDrawing_ = false;
  bool autoSize_ = true;
  bool center_ = false;
  bool stretch_ = false;
  bool transparent_ = true;
  bool loop_ = true;
  bool destroying_ = false;
  int frameIndex_ = 0;
  // The frame that failed to compose; it is not tried again until the image
  // or the frame changes, so one damaged frame reports one error.
  int failedFrame_ = -1;
  // The link to the window's coverage watcher, made when the control shows.
  QMetaObject::Connection coverageLink_;
  // Declared last so that it goes first: no tick reaches a half-destroyed
  // control.
  std::unique_ptr<TThreadedTimer> clock_;
};

}  // namespace gif::qt
