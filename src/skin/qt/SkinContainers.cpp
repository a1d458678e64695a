#include <algorithm>
#include <cstdlib>

#include "skin/qt/SkinDrawing.h"
#include "skin/qt/SkinImage.h"

namespace skin::qt {
namespace {

// The piece `inner` (relative to the skin rectangle) in the picture.
Rect InPicture(const Rect& skin_rect, const Rect& inner) {
  return {skin_rect.left + inner.left, skin_rect.top + inner.top, skin_rect.left + inner.right,
          skin_rect.top + inner.bottom};
}

// A rectangle of the design-size picture at the control's size: it keeps
// its left and top, and its right and bottom follow the control's edges.
QRect Fitted(const Rect& r, const Rect& skin_rect, const QRect& rect) {
  const int dw = rect.width() - skin_rect.Width();
  const int dh = rect.height() - skin_rect.Height();
  return QRect(QPoint(rect.left() + r.left, rect.top() + r.top),
               QPoint(rect.left() + r.right + dw - 1, rect.top() + r.bottom + dh - 1));
}

// `preferred` when it reads on `background`, otherwise black or white.
QColor ReadableOn(const QColor& background, const QColor& preferred) {
  const auto luminance = [](const QColor& c) { return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000; };
  if (std::abs(luminance(background) - luminance(preferred)) >= 110) return preferred;
  return luminance(background) < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace

void DrawPanel(TSkinPaint paint, const TskDataSkinPanelControl& entry, const QRect& rect, bool bordered) {
  if (bordered) {
    DrawComposed(paint.painter, paint.pieces.Entry(entry, entry.SkinRect, rect.size(), true), rect);
    return;
  }
  // A panel without a border shows only the skin's background.
  const QPixmap middle = paint.pieces.Piece(entry.PictureIndex, InPicture(entry.SkinRect, entry.ClientRect));
  if (!middle.isNull()) paint.painter.drawTiledPixmap(rect, middle);
}

QRect GroupBoxContents(const TskDataSkinPanelControl& entry, const QRect& rect) {
  return Fitted(entry.ClientRect, entry.SkinRect, rect);
}

QRect GroupBoxCaption(const TskDataSkinPanelControl& entry, const QRect& rect) {
  const QRect caption = Fitted(entry.CaptionRect, entry.SkinRect, rect);
  // The caption bar keeps its height; only its width follows the box.
  return QRect(caption.left(), rect.top() + entry.CaptionRect.top, caption.width(), entry.CaptionRect.Height());
}

void DrawGroupBox(TSkinPaint paint, const TskDataSkinPanelControl& entry, const QRect& rect, const QString& caption) {
  DrawComposed(paint.painter, paint.pieces.Entry(entry, entry.SkinRect, rect.size(), true), rect);
  const QRect bar = GroupBoxCaption(entry, rect);
  if (bar.isEmpty() || caption.isEmpty()) return;
  QPainter& painter = paint.painter;
  painter.save();
  painter.setFont(ToQFont(entry.Font));
  painter.setPen(ToQColor(entry.Font.colour));
  const Qt::Alignment horizontal = entry.Alignment == Alignment::Center        ? Qt::AlignHCenter
                                   : entry.Alignment == Alignment::LeftJustify ? Qt::AlignLeft
                                                                               : Qt::AlignRight;
  painter.drawText(bar, horizontal | Qt::AlignVCenter | Qt::TextSingleLine, caption);
  painter.restore();
}

void DrawBevel(QPainter& painter, const TskDataSkinBevel& entry, const QRect& rect) {
  if (rect.width() < 2 || rect.height() < 2) return;
  // An etched frame: a dark line with a light one inside it.
  const QRect outer = rect.adjusted(0, 0, -2, -2);
  const QRect inner = rect.adjusted(1, 1, -1, -1);
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(ToQColor(entry.DarkColor));
  painter.drawRect(outer);
  painter.setPen(ToQColor(entry.LightColor));
  painter.drawRect(inner);
  painter.restore();
}

void DrawPageFrame(TSkinPaint paint, const TskDataSkinTabControl& entry, const QRect& rect) {
  const PieceGeometry geometry{entry.LTPoint, entry.RTPoint, entry.LBPoint, entry.RBPoint, entry.ClientRect};
  DrawComposed(paint.painter, paint.pieces.Nine(entry.PictureIndex, entry.SkinRect, geometry, rect.size(), true),
               rect);
}

void DrawTab(TSkinPaint paint, const TskDataSkinTabControl& entry, const QRect& rect, QStyle::State state) {
  const Rect* piece = &entry.TabRect;
  if (state & QStyle::State_Selected)
    piece = &StateOr(entry.ActiveTabRect, entry.TabRect);
  else if (state & QStyle::State_MouseOver)
    piece = &StateOr(entry.MouseInTabRect, entry.TabRect);
  const QPixmap tab =
      paint.pieces.HorizontalStrip(entry.PictureIndex, *piece, entry.TabLeftOffset, entry.TabRightOffset, rect.width());
  if (!tab.isNull()) paint.painter.drawPixmap(rect, tab);
}

QColor TabTextColour(const TskDataSkinTabControl& entry, QStyle::State state) {
  if (state & QStyle::State_Selected) return ToQColor(entry.ActiveFontColor);
  if (state & QStyle::State_MouseOver) return ToQColor(entry.MouseInFontColor);
  return ToQColor(entry.Font.colour);
}

void DrawSplitter(TSkinPaint paint, const TskDataSkinSplitterControl& entry, const QRect& rect) {
  DrawComposed(paint.painter, paint.pieces.Entry(entry, entry.SkinRect, rect.size(), true), rect);
}

QRect GaugeProgressArea(const TskDataSkinGaugeControl& entry, const QRect& rect) {
  return Fitted(entry.ProgressArea, entry.SkinRect, rect);
}

void DrawGauge(TSkinPaint paint, const TskDataSkinGaugeControl& entry, const QRect& rect, int percent,
               const QString& text) {
  DrawComposed(paint.painter, paint.pieces.Entry(entry, entry.SkinRect, rect.size(), true), rect);
  const QRect area = GaugeProgressArea(entry, rect);
  const int filled = area.width() * std::clamp(percent, 0, 100) / 100;
  const QRect bar_rect(area.left(), area.top(), filled, area.height());
  QColor text_over_bar = ToQColor(entry.Font.colour);
  if (filled > 0) {
    const QPixmap bar = paint.pieces.HorizontalStrip(entry.PictureIndex, entry.ProgressRect, entry.BeginOffset,
                                                     entry.EndOffset, filled);
    if (!bar.isNull()) {
      paint.painter.drawPixmap(bar_rect, bar);
      text_over_bar = ReadableOn(bar.toImage().pixelColor(bar.width() / 2, bar.height() / 2), text_over_bar);
    }
  }
  // The text reads in the skin's colour over the empty part and in a
  // colour that stands out from the bar over the filled part.
  QPainter& painter = paint.painter;
  painter.save();
  painter.setFont(ToQFont(entry.Font));
  painter.setPen(ToQColor(entry.Font.colour));
  painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
  painter.setClipRect(bar_rect);
  painter.setPen(text_over_bar);
  painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
  painter.restore();
}

}  // namespace skin::qt
