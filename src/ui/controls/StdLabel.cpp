#include "ui/controls/StdLabel.h"

#include "ui/controls/SkinName.h"

TskStdLabel::TskStdLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  SetSkinDataName(this, "stdlabel");
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
}
