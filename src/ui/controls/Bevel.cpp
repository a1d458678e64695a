#include "ui/controls/Bevel.h"

#include "ui/controls/SkinName.h"

TskBevel::TskBevel(QWidget* parent) : QFrame(parent) {
  SetSkinDataName(this, "bevel");
  setFrameStyle(QFrame::Box | QFrame::Sunken);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}
