#include "ui/controls/StdLabel.h"

#include "ui/controls/SkinName.h"

TskStdLabel::TskStdLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  SetSkinDataName(this, "stdlabel");
  // Until the skin gives its label font: a small one, so that captions fit
  // the places the layout gives them ("Start Date:" and "End Date:" sit
  // 127 pixels apart).
  setFont(ArialPixels(11));
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
}
