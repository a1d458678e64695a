#include "ui/controls/GroupBox.h"

#include "ui/controls/SkinName.h"

TskGroupBox::TskGroupBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
  SetSkinDataName(this, "groupbox");
  setAlignment(Qt::AlignHCenter);
}
