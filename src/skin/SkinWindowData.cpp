#include "skin/SkinWindowData.h"

#include <algorithm>

void TskDataSkinFormInfo::ReadFrom(const skin::SkinSection& s) {
  s.Read("lefttoppoint", LTPoint);
  s.Read("righttoppoint", RTPoint);
  s.Read("leftbottompoint", LBPoint);
  s.Read("rightbottompoint", RBPoint);
  s.Read("clientrect", ClientRect);
  s.Read("bgpictureindex", BGPictureIndex);
  s.Read("mdibgpictureindex", MDIBGPictureIndex);
  s.Read("leftstretch", LeftStretch);
  s.Read("rightstretch", RightStretch);
  s.Read("topstretch", TopStretch);
  s.Read("bottomstretch", BottomStretch);
  s.Read("maskrectarea", MaskRectArea);
  s.Read("hittestlefttoppoint", HitTestLTPoint);
  s.Read("hittestrighttoppoint", HitTestRTPoint);
  s.Read("hittestleftbottompoint", HitTestLBPoint);
  s.Read("hittestrightbottompoint", HitTestRBPoint);
  s.Read("buttonsrect", ButtonsRect);
  s.Read("captionrect", CaptionRect);
  s.Read("buttonsoffset", ButtonsOffset);
  s.Read("buttonsinleft", ButtonsInLeft);
  s.Read("mainmenupopupup", MainMenuPopupUp);
  s.Read("borderwidth", BorderWidth);
  s.Read("autorenderinginactiveimage", AutoRenderingInactiveImage);
  s.Read("inactiveeffect", InactiveEffect);
}

void TskDataSkinFormInfo::Normalize(bool has_mask) {
  const skin::Rect& c = ClientRect;
  if (has_mask) {
    if (MaskRectArea.Width() <= 0 || MaskRectArea.Height() <= 0) {
      MaskRectArea = c;
    } else {
      MaskRectArea = {std::min(MaskRectArea.left, c.left), std::min(MaskRectArea.top, c.top),
                      std::max(MaskRectArea.right, c.right), std::max(MaskRectArea.bottom, c.bottom)};
    }
  }
  const auto inherit = [](skin::Point& hit_test, const skin::Point& corner) {
    if (hit_test.x == 0 || hit_test.y == 0) hit_test = corner;
  };
  inherit(HitTestLTPoint, LTPoint);
  inherit(HitTestRTPoint, RTPoint);
  inherit(HitTestLBPoint, LBPoint);
  inherit(HitTestRBPoint, RBPoint);
  if (RBPoint.x == LTPoint.x || RBPoint.y == LTPoint.y) return;
  LTPoint.x = std::max(LTPoint.x, c.left);
  LTPoint.y = std::max(LTPoint.y, c.top);
  RTPoint.y = std::max(RTPoint.y, c.top);
  RTPoint.x = std::min(RTPoint.x, c.right);
  RBPoint.x = std::min(RBPoint.x, c.right);
  LBPoint.x = std::max(LBPoint.x, c.left);
  LBPoint.y = std::min(LBPoint.y, c.bottom);
  RBPoint.y = std::min(RBPoint.y, c.bottom);
}

void TskDataSkinPopupWindow::ReadFrom(const skin::SkinSection& s) {
  s.Read("windowpictureindex", WindowPictureIndex);
  s.Read("maskpictureindex", MaskPictureIndex);
  s.Read("lefttoppoint", LTPoint);
  s.Read("righttoppoint", RTPoint);
  s.Read("leftbottompoint", LBPoint);
  s.Read("rightbottompoint", RBPoint);
  s.Read("itemsrect", ItemsRect);
  s.Read("scrollmarkercolor", ScrollMarkerColor);
  s.Read("scrollmarkeractivecolor", ScrollMarkerActiveColor);
  s.Read("leftstretch", LeftStretch);
  s.Read("rightstretch", RightStretch);
  s.Read("topstretch", TopStretch);
  s.Read("bottomstretch", BottomStretch);
}

void TskDataSkinHintWindow::ReadFrom(const skin::SkinSection& s) {
  s.Read("windowpictureindex", WindowPictureIndex);
  s.Read("maskpictureindex", MaskPictureIndex);
  s.Read("lefttoppoint", LTPoint);
  s.Read("righttoppoint", RTPoint);
  s.Read("leftbottompoint", LBPoint);
  s.Read("rightbottompoint", RBPoint);
  s.Read("clientrect", ClientRect);
  s.ReadFont(Font);
  s.Read("leftstretch", LeftStretch);
  s.Read("rightstretch", RightStretch);
  s.Read("topstretch", TopStretch);
  s.Read("bottomstretch", BottomStretch);
}
