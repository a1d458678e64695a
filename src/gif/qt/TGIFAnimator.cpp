#include "gif/qt/TGIFAnimator.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <string>

#include "gif/ErrorText.h"
#include "gif/qt/QtMainThreadDispatcher.h"
#include "gif/qt/WindowCoverage.h"
#include "platform/ErrorReport.h"

namespace gif::qt {
namespace {

constexpr unsigned kMinFrameDelayMs = 50;
constexpr unsigned kMaxFrameDelayMs = 10000;

TColor ColorOf(const QColor& color) {
  return ColorFromRgb(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                      static_cast<std::uint8_t>(color.blue()));
}

// The composed picture as Qt sees it, without copying; it must not outlive
// the composer's picture.
QImage WrapPicture(const platform::Bitmap& picture) {
  return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
                static_cast<qsizetype>(picture.width) * 4, QImage::Format_ARGB32);
}

bool OnMainThread() {
  const std::shared_ptr<MainThreadDispatcher> dispatcher = CurrentMainThreadDispatcher();
  return !dispatcher || dispatcher->IsMainThread();
}

QImage OpaqueCopy(const QImage& image) {
  QImage copy = image.copy();
  for (int y = 0; y < copy.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(copy.scanLine(y));
    for (int x = 0; x < copy.width(); ++x) row[x] |= 0xFF000000u;
  }
  return copy;
}

}  // namespace

TGIFAnimator::TGIFAnimator(QWidget* parent)
    : TImageControl(parent),
      image_(std::make_unique<TGIFImage>()),
      composer_(std::make_unique<GifFrameComposer>(*image_)) {
  InstallQtMainThreadDispatcher();
  clock_ = std::make_unique<TThreadedTimer>();
  image_->OnChange = [this] { ImageChanged(); };
}

TGIFAnimator::~TGIFAnimator() {
  destroying_ = true;
  OnChange = nullptr;
  OnFrameChanged = nullptr;
  OnStart = nullptr;
  OnStop = nullptr;
  SetAnimate(false);
  clock_.reset();
  image_->OnChange = nullptr;
}

void TGIFAnimator::SetAnimate(bool animate) {
  if (animate == animate_) return;
  if (animate) {
    // With AsyncDrawing the tick comes on the clock thread, where Qt widgets
    // must not be touched and where this control may be going away on the
    // main thread meanwhile: the tick touches nothing of it and hands the
    // whole advance to the main thread, which drops it when the clock was
    // restarted or destroyed in between.
    clock_->SetOnTimer([this](TThreadedTimer&) {
      if (OnMainThread())
        AdvanceFrame();
      else
        TThreadedTimer::RunInMainThread([this] { AdvanceFrame(); });
    });
    animate_ = true;
    clock_->SetEnabled(Seen());
    if (OnStart) OnStart(*this);
  } else {
    clock_->SetEnabled(false);
    clock_->SetOnTimer(nullptr);
    animate_ = false;
    if (OnStop) OnStop(*this);
    RecomposeImage();
  }
}

void TGIFAnimator::StopAnimation() { SetAnimate(false); }

bool TGIFAnimator::Seen() const {
  return isVisible() && !window()->isMinimized() && !WindowCoverage::Of(*window()).Covered();
}

void TGIFAnimator::FollowSight() {
  if (animate_) clock_->SetEnabled(Seen());
}

bool TGIFAnimator::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
      // A window's minimising reaches the window alone.
      if (window() != this) window()->installEventFilter(this);
      if (!coverageLink_)
        coverageLink_ = connect(&WindowCoverage::Of(*window()), &WindowCoverage::CoveredChanged, this,
                                &TGIFAnimator::FollowSight);
      FollowSight();
      break;
    case QEvent::Hide: FollowSight(); break;
    case QEvent::ParentAboutToChange:
      if (window() != this) window()->removeEventFilter(this);
      disconnect(coverageLink_);
      coverageLink_ = {};
      break;
    default: break;
  }
  return TImageControl::event(event);
}

bool TGIFAnimator::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window() && event->type() == QEvent::WindowStateChange) FollowSight();
  return false;
}

void TGIFAnimator::SetAsyncDrawing(bool asyncDrawing) {
  if (asyncDrawing == asyncDrawing_) return;
  std::lock_guard lock(PaintLock);
  clock_->SetSyncEvent(!asyncDrawing);
  asyncDrawing_ = asyncDrawing;
}

void TGIFAnimator::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  RecomposeImage();
}

void TGIFAnimator::SetCenter(bool center) { ChangeDrawingSetting(center_, center); }
void TGIFAnimator::SetStretch(bool stretch) { ChangeDrawingSetting(stretch_, stretch); }
void TGIFAnimator::SetTransparent(bool transparent) { ChangeDrawingSetting(transparent_, transparent); }

void TGIFAnimator::ChangeDrawingSetting(bool& setting, bool value) {
  if (setting == value) return;
  {
    std::lock_guard lock(PaintLock);
    setting = value;
  }
  RecomposeImage();
  if (animate_) repaint();
}

void TGIFAnimator::SetFrameIndex(int index) {
  if (index == frameIndex_ || index < 0 || index >= image_->FrameCount()) return;
  {
    std::lock_guard lock(PaintLock);
    frameIndex_ = index;
    clock_->SetInterval(FrameDelay());
  }
  if (OnFrameChanged) OnFrameChanged(*this);
  RecomposeImage();
}

unsigned TGIFAnimator::FrameDelay() const {
  if (frameIndex_ < 0 || frameIndex_ >= image_->FrameCount() || image_->FrameCount() < 2) return 0;
  return std::clamp<unsigned>(image_->Frame(frameIndex_).DelayMs, kMinFrameDelayMs, kMaxFrameDelayMs);
}

void TGIFAnimator::SetImage(const TGIFImage& image) {
  std::lock_guard lock(PaintLock);
  image_->Assign(image);
}

QSize TGIFAnimator::sizeHint() const {
  if (autoSize_ && !image_->Empty()) return QSize(image_->LogicalWidth(), image_->LogicalHeight());
  return TImageControl::sizeHint();
}

void TGIFAnimator::ImageChanged() {
  {
    std::lock_guard lock(PaintLock);
    composer_->Reset();
    failedFrame_ = -1;
    frameIndex_ = image_->ActiveFrame();
    if (frameIndex_ >= 0 && image_->FrameCount() > 0) clock_->SetInterval(FrameDelay());
  }
  FollowSight();
  RecomposeImage();
  if (OnChange) OnChange(*this);
}

void TGIFAnimator::RecomposeImage() {
  if (destroying_) return;
  if (autoSize_ && !image_->Empty()) {
    setGeometry(x(), y(), image_->LogicalWidth(), image_->LogicalHeight());
    updateGeometry();
  }
  RealizeImagePalette();
  if (!Drawing()) update();
}

// Qt paints in true colour and has no palettes to realise: the flag only
// needs clearing.
void TGIFAnimator::RealizeImagePalette() {
  if (isVisible()) image_->PaletteDirty = false;
}

void TGIFAnimator::AdvanceFrame() {
  // With nothing to play the clock rests after its first wait, until an
  // image with frames comes (ImageChanged).
  if (image_->FrameCount() < 2) {
    clock_->SetEnabled(false);
    return;
  }
  if (PaintedAsCopy() || !isVisible() || !parentWidget()) return;
  std::lock_guard lock(PaintLock);
  frameIndex_ = frameIndex_ >= image_->FrameCount() - 1 ? 0 : frameIndex_ + 1;
  failedFrame_ = -1;
  // Each frame stays for its own delay, counted from the end of its
  // painting, also when a handler fails.
  try {
    if (OnFrameChanged) OnFrameChanged(*this);
    PaintFromAnyThread();
  } catch (...) {
    TimeNextFrame();
    throw;
  }
  TimeNextFrame();
  if (!loop_ && frameIndex_ == 0) StopAnimation();
}

void TGIFAnimator::TimeNextFrame() {
  if (frameIndex_ >= 0 && frameIndex_ < image_->FrameCount()) clock_->SetInterval(FrameDelay());
}

// Widgets are painted on the main thread only, and every frame advance is
// handed there (see SetAnimate), so this always paints at once.
void TGIFAnimator::PaintFromAnyThread() { repaint(); }

void TGIFAnimator::PaintImage(QPainter& painter) {
  if (image_->Transparent() || image_->Empty()) PaintParentBackground(painter);
  if (image_->Empty() || image_->LogicalWidth() < 1 || image_->LogicalHeight() < 1) return;
  if (frameIndex_ == failedFrame_) return;
  std::lock_guard lock(PaintLock);
  TColor key = clNone;
  const platform::Bitmap* picture = nullptr;
  try {
    composer_->SetWindowColor(ColorOf(palette().color(QPalette::Base)));
    picture = &composer_->ComposeFrame(frameIndex_, key);
  } catch (...) {
    FrameFailed();
    return;
  }
  const QSize size(picture->width, picture->height);
  QRect destination(QPoint(0, 0), size);
  if (stretch_)
    destination = rect();
  else if (center_)
    destination.moveTopLeft(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2));
  const QImage wrapped = WrapPicture(*picture);
  if (key != clNone && !transparent_)
    painter.drawImage(destination, OpaqueCopy(wrapped));
  else
    painter.drawImage(destination, wrapped);
}

// A frame that cannot be shown stops the animation, so that its error is
// reported once rather than at every tick. The report waits until painting
// is over: a message box must not open inside a paint.
void TGIFAnimator::FrameFailed() {
  failedFrame_ = frameIndex_;
  const std::string message = CurrentErrorText();
  QMetaObject::invokeMethod(
      this,
      [this, message] {
        StopAnimation();
        platform::ReportError(message);
      },
      Qt::QueuedConnection);
}

}  // namespace gif::qt
