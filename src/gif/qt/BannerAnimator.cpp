#include "gif/qt/BannerAnimator.h"

namespace gif::qt {

TGIFAnimator* CreateBannerAnimator(QWidget* parent) {
  auto* banner = new TGIFAnimator(parent);
  banner->setObjectName("gifBanner");
  banner->setGeometry(280, -75, 98, 140);
  banner->SetAnimate(true);
  return banner;
}

}  // namespace gif::qt
