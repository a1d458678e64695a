#include "skin/qt/SkinDrawing.h"

namespace skin::qt {

void DrawTextViewFrame(TSkinPaint paint, const TskDataSkinControl& entry, const QRect& rect) {
  DrawComposed(paint.painter, paint.pieces.Framed(entry.PictureIndex, entry.SkinRect, kTextViewBorder, rect.size(), false),
               rect);
}

void DrawSelectedRow(TSkinPaint paint, const TskDataSkinListBox& entry, const QRect& row, bool focused) {
  const Rect& piece = focused ? StateOr(entry.FocusItemRect, entry.ActiveItemRect) : entry.ActiveItemRect;
  const QPixmap strip =
      paint.pieces.HorizontalStrip(entry.PictureIndex, piece, entry.ItemLeftOffset, entry.ItemRightOffset, row.width());
  if (strip.isNull()) return;
  // Rows are as high as the list's font makes them, not as the picture.
  paint.painter.drawPixmap(row, strip);
}

int ScrollBarExtent(const TskDataSkinScrollBarControl& entry, bool vertical) {
  return vertical ? entry.SkinRect.Width() : entry.SkinRect.Height();
}

namespace {

const Rect& ArrowState(const Rect& normal, const Rect& active, const Rect& down, bool pressed, bool hovered) {
  if (pressed) return StateOr(down, normal);
  if (hovered) return StateOr(active, normal);
  return normal;
}

}  // namespace

void DrawScrollBar(TSkinPaint paint, const TskDataSkinScrollBarControl& entry, const QStyleOptionSlider& option,
                   const QStyle& style, const QWidget* widget) {
  const bool vertical = option.orientation == Qt::Vertical;
  DrawComposed(paint.painter, paint.pieces.Entry(entry, entry.SkinRect, option.rect.size(), true), option.rect);

  const bool enabled = option.state & QStyle::State_Enabled;
  const bool sunken = option.state & QStyle::State_Sunken;
  const auto pressed = [&](QStyle::SubControl part) { return enabled && sunken && option.activeSubControls == part; };
  const auto hovered = [&](QStyle::SubControl part) {
    return enabled && (option.state & QStyle::State_MouseOver) && option.activeSubControls == part;
  };
  const UpDownButtonRects& b = entry.Buttons;
  const QRect sub = style.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, widget);
  const QRect add = style.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, widget);
  paint.painter.drawPixmap(sub, paint.pieces.Piece(entry.PictureIndex,
                                                   ArrowState(b.up, b.active_up, b.down_up,
                                                              pressed(QStyle::SC_ScrollBarSubLine),
                                                              hovered(QStyle::SC_ScrollBarSubLine))));
  paint.painter.drawPixmap(add, paint.pieces.Piece(entry.PictureIndex,
                                                   ArrowState(b.down, b.active_down, b.down_down,
                                                              pressed(QStyle::SC_ScrollBarAddLine),
                                                              hovered(QStyle::SC_ScrollBarAddLine))));

  if (!enabled || option.maximum == option.minimum) return;
  const QRect slider = style.subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, widget);
  const Rect& thumb = ArrowState(entry.ThumbRect, entry.ActiveThumbRect, entry.DownThumbRect,
                                 pressed(QStyle::SC_ScrollBarSlider), hovered(QStyle::SC_ScrollBarSlider));
  const QPixmap pixmap =
      vertical ? paint.pieces.VerticalStrip(entry.PictureIndex, thumb, entry.ThumbOffset1, entry.ThumbOffset2,
                                            slider.height())
               : paint.pieces.HorizontalStrip(entry.PictureIndex, thumb, entry.ThumbOffset1, entry.ThumbOffset2,
                                              slider.width());
  DrawComposed(paint.painter, pixmap, slider);
}

void DrawScrollCorner(TSkinPaint paint, const TskDataSkinScrollBarControl& vertical, const QRect& rect) {
  const Rect& s = vertical.SkinRect;
  const Rect& c = vertical.ClientRect;
  const QPixmap track =
      paint.pieces.Piece(vertical.PictureIndex, {s.left + c.left, s.top + c.top, s.left + c.right, s.top + c.bottom});
  if (!track.isNull()) paint.painter.drawTiledPixmap(rect, track);
}

}  // namespace skin::qt
