#include <algorithm>

#include "skin/qt/SkinDrawing.h"

namespace skin::qt {
namespace {

// The line that frames a field's picture.
constexpr int kFieldBorder = 1;

}  // namespace

void DrawEdit(TSkinPaint paint, const TskDataSkinEditControl& entry, const QRect& rect, QStyle::State state) {
  const bool active = (state & QStyle::State_HasFocus) || (state & QStyle::State_MouseOver);
  const Rect& piece = active ? StateOr(entry.ActiveSkinRect, entry.SkinRect) : entry.SkinRect;
  DrawComposed(paint.painter, paint.pieces.Entry(entry, piece, rect.size(), true), rect);
}

QRect ComboBoxButtonRect(const TskDataSkinComboBox& entry, const QRect& rect) {
  const int width = entry.ButtonRect.Width();
  if (width <= 0 || rect.height() <= 2 * kFieldBorder) return {};
  // The button's picture has no border of its own: it sits inside the
  // field's frame, as a date field's button does.
  return QRect(rect.right() + 1 - kFieldBorder - width, rect.top() + kFieldBorder, width,
               rect.height() - 2 * kFieldBorder);
}

QRect ComboBoxTextRect(const TskDataSkinComboBox& entry, const QRect& rect) {
  const QRect button = ComboBoxButtonRect(entry, rect);
  // The text keeps clear of the side borders and takes the whole height,
  // so that a field shorter than the skin's still shows whole letters.
  QRect text = rect.adjusted(entry.ClientRect.left + 2, 1, -(entry.SkinRect.Width() - entry.ClientRect.right), -1);
  if (!button.isNull()) text.setRight(std::min(text.right(), button.left() - 2));
  return text;
}

void DrawComboBox(TSkinPaint paint, const TskDataSkinComboBox& entry, const QRect& rect, const QRect& button,
                  QStyle::State state) {
  DrawComposed(paint.painter, paint.pieces.Entry(entry, entry.SkinRect, rect.size(), true), rect);
  if (!button.isNull())
    DrawFieldButton(paint, entry.PictureIndex, entry.ButtonRect, entry.ActiveButtonRect, entry.DownButtonRect,
                    entry.UnEnabledButtonRect, button, state);
}

}  // namespace skin::qt
