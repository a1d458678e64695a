#include "ui/controls/LinkLabel.h"

#include <QMouseEvent>

#include "ui/controls/SkinName.h"

TskLinkLabel::TskLinkLabel(Qt::Alignment alignment, QWidget* parent) : QLabel(parent) {
  SetSkinDataName(this, "stdlabel");
  setTextFormat(Qt::PlainText);
  setAlignment(alignment | Qt::AlignVCenter);
  setCursor(Qt::PointingHandCursor);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
}

void TskLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Clicked();
}
