#include <QPainter>
#include <QWidget>

#include "skin/SkinComposition.h"
#include "skin/TskData.h"
#include "skin/qt/SkinDrawing.h"
#include "skin/qt/SkinForm.h"
#include "skin/qt/SkinFrameLayout.h"
#include "skin/qt/SkinImage.h"
#include "skin/qt/SkinLookup.h"
#include "skin/qt/SkinStyle.h"

// How a skin form paints its window's frame: the frame picture, active or
// dimmed, the caption buttons in their states and the caption text.
namespace skin::qt {
namespace {

// The frame of an inactive window: the active picture brightened, darkened,
// greyed or inverted; the effects of other kinds show grey.
QImage InactiveLook(const QImage& active, InactiveEffect effect) {
  QImage look = active.convertToFormat(QImage::Format_ARGB32);
  if (effect == InactiveEffect::Invert) {
    look.invertPixels(QImage::InvertRgb);
    return look;
  }
  for (int y = 0; y < look.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(look.scanLine(y));
    for (int x = 0; x < look.width(); ++x) {
      const QRgb p = row[x];
      int r = qRed(p), g = qGreen(p), b = qBlue(p);
      if (effect == InactiveEffect::Brightness) {
        r += (255 - r) * 2 / 5, g += (255 - g) * 2 / 5, b += (255 - b) * 2 / 5;
      } else if (effect == InactiveEffect::Darkness) {
        r = r * 3 / 5, g = g * 3 / 5, b = b * 3 / 5;
      } else {
        r = g = b = qGray(p);
      }
      row[x] = qRgba(r, g, b, qAlpha(p));
    }
  }
  return look;
}

}  // namespace

QPixmap TskSkinForm::FramePicture(bool active) {
  if (!frame_picture_.isNull() && frame_picture_.size() == window_.size() && frame_active_ == active)
    return frame_picture_;
  const TskDataSkinFormInfo& info = skin_->FormInfo();
  // An inactive window shows the skin's inactive picture, or the active one
  // dimmed by the skin's effect.
  const bool own_inactive = !active && !skin_->InactiveBitmap().IsEmpty();
  const platform::Bitmap& picture = own_inactive ? skin_->InactiveBitmap() : skin_->MainBitmap();
  const PieceGeometry geometry = FrameGeometry(info);
  const Rect source = WholePicture(picture);
  const FittedGeometry fitted = NewGeometry(1, source, geometry, window_.width(), window_.height());
  const platform::Bitmap composed =
      ComposeSkinImage(picture, source, geometry, fitted.geometry, window_.width(), window_.height(), false);
  const QImage image = WrapBitmap(composed);
  frame_active_ = active;
  if (image.isNull()) return frame_picture_ = QPixmap();
  frame_picture_ = QPixmap::fromImage(!active && !own_inactive && info.AutoRenderingInactiveImage
                                          ? InactiveLook(image, info.InactiveEffect)
                                          : image);
  // The client piece of a frame picture may carry the edge of the caption
  // bar; repeated, it would stripe the window. The client area shows the
  // skin's panel background, or the frame's own client colour.
  QPainter painter(&frame_picture_);
  const QRect client = window_.contentsRect();
  TskSkinStyle* style = TskSkinStyle::Current();
  const auto* panel = dynamic_cast<const TskDataSkinPanelControl*>(skin_->FindControl("panel"));
  if (style && style->Pieces() && panel) {
    DrawPanel({painter, *style->Pieces()}, *panel, client, false);
  } else {
    const Rect& c = skin_->FormInfo().ClientRect;
    const QImage whole = WrapBitmap(picture);
    const QPoint middle((c.left + c.right) / 2, (c.top + c.bottom) / 2);
    if (whole.valid(middle)) painter.fillRect(client, whole.pixelColor(middle));
  }
  return frame_picture_;
}

void TskSkinForm::Paint() {
  QPainter painter(&window_);
  const bool active = window_.isActiveWindow();
  const QPixmap frame = FramePicture(active);
  if (!frame.isNull()) painter.drawPixmap(0, 0, frame);
  const TskDataSkinFormInfo& info = skin_->FormInfo();
  const bool dimmed = !active && skin_->InactiveBitmap().IsEmpty() && info.AutoRenderingInactiveImage;

  const bool maximized = window_.isMaximized();
  int text_right = window_.width() - margins_.right();
  for (const TButton& button : Buttons()) {
    // The caption ends where the first button right of it begins.
    if (button.place.left() > window_.width() / 2) text_right = std::min(text_right, button.place.left() - 4);
    const TskDataSkinStdButton& b = *button.object;
    // A button without a picture of its own is drawn into the frame picture.
    if (!HasActivePicture(*skin_, b.ActivePictureIndex)) continue;
    const platform::Bitmap& picture = skin_->ActivePictures()[static_cast<std::size_t>(b.ActivePictureIndex)];
    const bool restore = maximized && b.Command == Command::Maximize;
    Rect piece = restore ? StateOr(b.RestoreRect, b.SkinRectInAPicture) : b.SkinRectInAPicture;
    if (pressed_ == &b && hovered_ == &b)
      piece = restore ? StateOr(b.RestoreDownRect, piece) : StateOr(b.DownRect, piece);
    else if (hovered_ == &b)
      piece = restore ? StateOr(b.RestoreActiveRect, piece) : StateOr(b.ActiveSkinRect, piece);
    else if (!active)
      piece = restore ? StateOr(b.RestoreInactiveRect, piece) : StateOr(b.InactiveSkinRect, piece);
    const platform::Bitmap pixels = CopySkinImage(picture, piece);
    const QImage image = WrapBitmap(pixels);
    if (image.isNull()) continue;
    // The buttons dim with the frame they sit on.
    painter.drawImage(button.place.topLeft(), dimmed && hovered_ != &b ? InactiveLook(image, info.InactiveEffect) : image);
  }
  PaintCaption(painter, text_right);
}

void TskSkinForm::PaintCaption(QPainter& painter, int text_right) const {
  const TskDataSkinCaption* caption = nullptr;
  for (const auto& object : skin_->SkinObjects())
    if ((caption = dynamic_cast<const TskDataSkinCaption*>(object.get()))) break;
  if (!caption) return;
  QRect text = PlaceCaption(skin_->FormInfo().CaptionRect, skin_->MainBitmap().width, window_.width());
  if (text.isEmpty()) text = PlaceCaption(caption->SkinRect, skin_->MainBitmap().width, window_.width());
  text.setLeft(text.left() + caption->TextRect.left);
  text.setRight(std::min(text.right(), text_right));
  if (text.width() <= 0) return;
  const Qt::Alignment horizontal = caption->Alignment == Alignment::Center        ? Qt::AlignHCenter
                                   : caption->Alignment == Alignment::LeftJustify ? Qt::AlignLeft
                                                                                  : Qt::AlignRight;
  const bool active = window_.isActiveWindow();
  painter.setFont(CaptionFont());
  const QString title = painter.fontMetrics().elidedText(window_.windowTitle(), Qt::ElideRight, text.width());
  const int flags = horizontal | Qt::AlignVCenter | Qt::TextSingleLine;
  if (caption->Shadow) {
    painter.setPen(ToQColor(active ? caption->ActiveShadowColor : caption->ShadowColor));
    painter.drawText(text.translated(1, 1), flags, title);
  }
  painter.setPen(ToQColor(active ? caption->ActiveFontColor : caption->Font.colour));
  painter.drawText(text, flags, title);
}

}  // namespace skin::qt
