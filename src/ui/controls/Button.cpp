#include "ui/controls/Button.h"

#include "ui/controls/SkinName.h"

TskButton::TskButton(const QString& caption, TButtonFocus focus, QWidget* parent)
    : QPushButton(caption, parent) {
  SetSkinDataName(this, "button");
  setCursor(Qt::PointingHandCursor);
  setAutoDefault(false);
  setDefault(false);
  setFocusPolicy(focus == TButtonFocus::TabStop ? Qt::StrongFocus : Qt::NoFocus);
}
