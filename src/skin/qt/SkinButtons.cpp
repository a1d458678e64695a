#include "skin/qt/SkinDrawing.h"
#include "skin/qt/SkinImage.h"

namespace skin::qt {

void DrawComposed(QPainter& painter, const QPixmap& pixmap, const QRect& target) {
  if (pixmap.isNull()) return;
  painter.drawPixmap(target.topLeft() + ComposedOffset(pixmap.size(), target.size()), pixmap);
}

const Rect& StateOr(const Rect& state, const Rect& normal) {
  return state.Width() > 0 && state.Height() > 0 ? state : normal;
}

namespace {

const Rect& ButtonState(const TskDataSkinButtonControl& entry, QStyle::State state) {
  if (!(state & QStyle::State_Enabled)) return StateOr(entry.DisabledSkinRect, entry.SkinRect);
  if (state & (QStyle::State_Sunken | QStyle::State_On)) return StateOr(entry.DownSkinRect, entry.SkinRect);
  if (state & QStyle::State_MouseOver) return StateOr(entry.ActiveSkinRect, entry.SkinRect);
  return entry.SkinRect;
}

}  // namespace

void DrawButton(TSkinPaint paint, const TskDataSkinButtonControl& entry, const QRect& rect, QStyle::State state) {
  DrawComposed(paint.painter, paint.pieces.Entry(entry, ButtonState(entry, state), rect.size(), true), rect);
}

QColor ButtonTextColour(const TskDataSkinButtonControl& entry, QStyle::State state) {
  if (!(state & QStyle::State_Enabled)) return ToQColor(entry.DisabledFontColor);
  if (state & (QStyle::State_Sunken | QStyle::State_On)) return ToQColor(entry.DownFontColor);
  if (state & QStyle::State_MouseOver) return ToQColor(entry.ActiveFontColor);
  return ToQColor(entry.Font.colour);
}

void DrawCheckImage(TSkinPaint paint, const TskDataSkinCheckRadioControl& entry, const QRect& rect,
                    QStyle::State state) {
  const bool checked = state & QStyle::State_On;
  const Rect& normal = checked ? entry.CheckImageRect : entry.UnCheckImageRect;
  const Rect* piece = &normal;
  if (!(state & QStyle::State_Enabled))
    piece = &StateOr(checked ? entry.UnEnabledCheckImageRect : entry.UnEnabledUnCheckImageRect, normal);
  else if (state & QStyle::State_MouseOver)
    piece = &StateOr(checked ? entry.ActiveCheckImageRect : entry.ActiveUnCheckImageRect, normal);
  DrawComposed(paint.painter, paint.pieces.Piece(entry.PictureIndex, *piece), rect);
}

QSize CheckImageSize(const TskDataSkinCheckRadioControl& entry) {
  return QSize(entry.CheckImageRect.Width(), entry.CheckImageRect.Height());
}

void DrawFieldButton(TSkinPaint paint, int picture_index, const Rect& normal, const Rect& active, const Rect& down,
                     const Rect& disabled, const QRect& rect, QStyle::State state) {
  const Rect* piece = &normal;
  if (!(state & QStyle::State_Enabled))
    piece = &StateOr(disabled, normal);
  else if (state & (QStyle::State_Sunken | QStyle::State_On))
    piece = &StateOr(down, normal);
  else if (state & QStyle::State_MouseOver)
    piece = &StateOr(active, normal);
  // The button's picture holds its arrow. A button as wide as its picture
  // but lower shows the picture's middle rows, the arrow at its own size;
  // a button of any other size shows the whole picture fitted to it.
  const QPixmap picture = paint.pieces.Piece(picture_index, *piece);
  if (picture.isNull()) return;
  if (rect.width() == picture.width() && rect.height() <= picture.height()) {
    const int cut = (picture.height() - rect.height()) / 2;
    paint.painter.drawPixmap(rect.topLeft(), picture, QRect(0, cut, rect.width(), rect.height()));
    return;
  }
  paint.painter.save();
  paint.painter.setRenderHint(QPainter::SmoothPixmapTransform);
  paint.painter.drawPixmap(rect, picture);
  paint.painter.restore();
}

}  // namespace skin::qt
