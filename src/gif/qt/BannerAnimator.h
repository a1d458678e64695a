#pragma once
#include <QWidget>

#include "gif/qt/TGIFAnimator.h"

namespace gif::qt {

// The main window's banner animator as its form places it: at (280, -75),
// 98 x 140, animating from the start; AutoSize fits it to a loaded GIF's
// logical screen. The parent owns it.
TGIFAnimator* CreateBannerAnimator(QWidget* parent);

}  // namespace gif::qt
