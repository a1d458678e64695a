#include "ui/controls/Panel.h"

#include <QPainter>

#include "skin/qt/SkinStyle.h"
#include "ui/controls/SkinName.h"

TskPanel::TskPanel(TPanelBorder border, QWidget* parent) : QWidget(parent), border_(border) {
  SetSkinDataName(this, "panel");
}

void TskPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (skin::qt::PaintSkinnedPanel(*this, painter, border_ != TPanelBorder::None)) return;
  if (border_ == TPanelBorder::None) return;
  const QColor light = palette().light().color();
  const QColor dark = palette().dark().color();
  const QColor top_left = border_ == TPanelBorder::Lowered ? dark : light;
  const QColor bottom_right = border_ == TPanelBorder::Lowered ? light : dark;
  const QRect edge = rect().adjusted(0, 0, -1, -1);
  painter.setPen(top_left);
  painter.drawLine(edge.topLeft(), edge.topRight());
  painter.drawLine(edge.topLeft(), edge.bottomLeft());
  painter.setPen(bottom_right);
  painter.drawLine(edge.bottomLeft(), edge.bottomRight());
  painter.drawLine(edge.topRight(), edge.bottomRight());
}
