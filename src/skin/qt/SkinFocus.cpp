#include "skin/qt/SkinDrawing.h"

namespace skin::qt {

// A dotted line one pixel wide, as keyboard users know it, in the text
// colour the skin gives the control: it shows on every skin, because the
// skin's own text must show on its pictures.
void DrawFocusMark(QPainter& painter, const QRect& rect, const QColor& colour) {
  if (rect.width() < 3 || rect.height() < 3) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  QPen pen(colour, 1, Qt::DotLine);
  painter.setPen(pen);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  painter.restore();
}

}  // namespace skin::qt
