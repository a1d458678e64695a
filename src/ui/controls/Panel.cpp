#include "ui/controls/Panel.h"

#include "ui/controls/SkinName.h"

TskPanel::TskPanel(TPanelBorder border, QWidget* parent) : QFrame(parent) {
  SetSkinDataName(this, "panel");
  switch (border) {
    case TPanelBorder::None: setFrameStyle(QFrame::NoFrame); break;
    case TPanelBorder::Lowered: setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    case TPanelBorder::Framed: setFrameStyle(QFrame::Panel | QFrame::Raised); break;
  }
  setLineWidth(1);
}
