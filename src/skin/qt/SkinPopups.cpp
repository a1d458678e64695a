#include "skin/TskData.h"
#include "skin/qt/SkinDrawing.h"
#include "skin/qt/SkinImage.h"

namespace skin::qt {
namespace {

Rect WholePicture(const TskData& data, int index) {
  const auto& pictures = data.ActivePictures();
  if (index < 0 || index >= static_cast<int>(pictures.size())) return {};
  const platform::Bitmap& picture = pictures[static_cast<std::size_t>(index)];
  return {0, 0, picture.width, picture.height};
}

}  // namespace

PieceGeometry PopupGeometry(const TskDataSkinPopupWindow& popup) {
  return {popup.LTPoint, popup.RTPoint, popup.LBPoint, popup.RBPoint, popup.ItemsRect};
}

Rect PopupSkinRect(const TskData& data, const TskDataSkinPopupWindow& popup) {
  return WholePicture(data, popup.WindowPictureIndex);
}

void DrawPopupPanel(TSkinPaint paint, const TskDataSkinPopupWindow& popup, const QRect& rect) {
  const StretchFlags stretch{popup.LeftStretch, popup.TopStretch, popup.RightStretch, popup.BottomStretch};
  DrawComposed(paint.painter,
               paint.pieces.Nine(popup.WindowPictureIndex, PopupSkinRect(paint.pieces.Data(), popup),
                                 PopupGeometry(popup), rect.size(), true, stretch),
               rect);
}

void DrawMenuItem(TSkinPaint paint, const TskDataSkinMenuItem& item, const QStyleOptionMenuItem& option) {
  QPainter& painter = paint.painter;
  const QRect& rect = option.rect;
  if (option.menuItemType == QStyleOptionMenuItem::Separator) {
    const QPixmap divider = paint.pieces.HorizontalStrip(item.ActivePictureIndex, item.DividerRect,
                                                         item.DividerLeftOffset, item.DividerRightOffset, rect.width());
    DrawComposed(painter, divider, rect);
    return;
  }
  const bool enabled = option.state & QStyle::State_Enabled;
  const bool selected = enabled && (option.state & QStyle::State_Selected);
  const Rect& piece = selected ? StateOr(item.ActiveSkinRect, item.SkinRect) : item.SkinRect;
  const QPixmap background = paint.pieces.HorizontalStrip(item.ActivePictureIndex, piece, item.ItemLeftOffset,
                                                          item.ItemRightOffset, rect.width());
  if (!background.isNull()) painter.drawPixmap(rect, background);

  QColor colour = ToQColor(item.Font.colour);
  if (!enabled)
    colour = ToQColor(item.UnEnabledFontColor);
  else if (selected)
    colour = ToQColor(item.ActiveFontColor);
  const QString text = option.text.section(QLatin1Char('\t'), 0, 0);
  const QRect text_rect(rect.left() + item.TextRect.left, rect.top(), rect.width() - item.TextRect.left, rect.height());
  painter.save();
  painter.setFont(ToQFont(item.Font));
  painter.setPen(colour);
  painter.drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, text);
  painter.restore();
}

QSize MenuItemSize(const TskDataSkinMenuItem& item, const QStyleOptionMenuItem& option, QSize contents) {
  if (option.menuItemType == QStyleOptionMenuItem::Separator)
    return QSize(contents.width(), std::max(item.DividerRect.Height(), 1));
  const int right_margin = item.SkinRect.Width() - item.TextRect.right;
  const QFontMetrics metrics(ToQFont(item.Font));
  const int text_width = metrics.horizontalAdvance(option.text.section(QLatin1Char('\t'), 0, 0));
  return QSize(std::max(contents.width(), item.TextRect.left + text_width + std::max(right_margin, 8)),
               std::max(item.SkinRect.Height(), metrics.height()));
}

PieceGeometry HintGeometry(const TskDataSkinHintWindow& hint) {
  return {hint.LTPoint, hint.RTPoint, hint.LBPoint, hint.RBPoint, hint.ClientRect};
}

Rect HintSkinRect(const TskData& data, const TskDataSkinHintWindow& hint) {
  return WholePicture(data, hint.WindowPictureIndex);
}

void DrawHintPanel(TSkinPaint paint, const TskDataSkinHintWindow& hint, const QRect& rect) {
  const StretchFlags stretch{hint.LeftStretch, hint.TopStretch, hint.RightStretch, hint.BottomStretch};
  DrawComposed(paint.painter,
               paint.pieces.Nine(hint.WindowPictureIndex, HintSkinRect(paint.pieces.Data(), hint), HintGeometry(hint),
                                 rect.size(), true, stretch),
               rect);
}

}  // namespace skin::qt
