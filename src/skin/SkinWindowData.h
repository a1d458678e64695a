#pragma once
#include "skin/SkinSection.h"
#include "skin/SkinTypes.h"

// The window frame (FORMINFO), the popup menu window (POPUPWINDOW) and the
// hint window (HINTWINDOW) of a skin.

struct TskDataSkinFormInfo {
  skin::Point LTPoint, RTPoint, LBPoint, RBPoint;
  skin::Rect ClientRect;
  int BGPictureIndex = -1;
  int MDIBGPictureIndex = -1;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  skin::Rect MaskRectArea;
  skin::Point HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
  skin::Rect ButtonsRect;
  skin::Rect CaptionRect;
  int ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  bool MainMenuPopupUp = false;
  int BorderWidth = 0;
  bool AutoRenderingInactiveImage = false;
  skin::InactiveEffect InactiveEffect = skin::InactiveEffect::Brightness;

  void ReadFrom(const skin::SkinSection& section);
  // Fits the mask area, the hit-test points and the corner points to the
  // client rectangle once the section has been read.
  void Normalize(bool has_mask);
};

class TskDataSkinPopupWindow {
 public:
  int WindowPictureIndex = -1;
  int MaskPictureIndex = -1;
  skin::Point LTPoint, RTPoint, LBPoint, RBPoint;
  skin::Rect ItemsRect;
  skin::Colour ScrollMarkerColor = 0, ScrollMarkerActiveColor = 0;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;

  void ReadFrom(const skin::SkinSection& section);
};

class TskDataSkinHintWindow {
 public:
  int WindowPictureIndex = -1;
  int MaskPictureIndex = -1;
  skin::Point LTPoint, RTPoint, LBPoint, RBPoint;
  skin::Rect ClientRect;
  skin::SkinFont Font;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;

  void ReadFrom(const skin::SkinSection& section);
};
