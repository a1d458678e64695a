#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "skin/SkinSection.h"
#include "skin/SkinTypes.h"

// The object entries of a skin (section SKINOBJECTS): pieces of the window
// frame such as the caption, its buttons and the menu items. Each reads the
// keys of its kind from the section named by its IDName.

class TskDataSkinObject {
 public:
  virtual ~TskDataSkinObject() = default;

  std::string IDName;
  std::string Kind;  // as written in SKINOBJECTS, e.g. "stdbutton"
  std::string Hint;
  int ActivePictureIndex = -1;
  skin::Rect SkinRectInAPicture;
  skin::Rect SkinRect;
  skin::Rect ActiveSkinRect;
  skin::Rect InactiveSkinRect;
  bool Morphing = false;
  skin::MorphKind MorphKind = skin::MorphKind::Default;

  virtual void ReadFrom(const skin::SkinSection& section);
};

class TskDataSkinMenuItem : public TskDataSkinObject {
 public:
  int ItemLeftOffset = 0;
  int ItemRightOffset = 0;
  skin::Rect DividerRect;
  int DividerLeftOffset = 0;
  int DividerRightOffset = 0;
  skin::Rect TextRect;
  skin::SkinFont Font;
  skin::Colour ActiveFontColor = 0;
  skin::Colour UnEnabledFontColor = 0;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinMainMenuItem : public TskDataSkinObject {};

class TskDataSkinMainMenuBarItem : public TskDataSkinMainMenuItem {
 public:
  int ItemLeftOffset = 0;
  int ItemRightOffset = 0;
  skin::Rect DownRect;
  skin::Rect TextRect;
  skin::SkinFont Font;
  skin::Colour ActiveFontColor = 0;
  skin::Colour DownFontColor = 0;
  skin::Colour UnEnabledFontColor = 0;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinButton : public TskDataSkinObject {
 public:
  skin::Rect DownRect;
  skin::Rect DisableSkinRect;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinStdButton : public TskDataSkinButton {
 public:
  skin::Command Command = skin::Command::Default;
  skin::Rect RestoreRect;
  skin::Rect RestoreActiveRect;
  skin::Rect RestoreDownRect;
  skin::Rect RestoreInactiveRect;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinMainMenuBarButton : public TskDataSkinStdButton {};

class TskDataSkinCaption : public TskDataSkinObject {
 public:
  skin::Rect TextRect;
  skin::SkinFont Font;
  skin::Colour ActiveFontColor = 0;
  skin::Alignment Alignment = skin::Alignment::Center;
  bool Shadow = false;
  skin::Colour ShadowColor = 0;
  skin::Colour ActiveShadowColor = 0;
  skin::Rect FrameRect;
  skin::Rect ActiveFrameRect;
  skin::Rect FrameTextRect;
  int FrameLeftOffset = 0;
  int FrameRightOffset = 0;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinAnimate : public TskDataSkinObject {
 public:
  int CountFrames = 0;
  bool Cycle = false;
  bool ButtonStyle = false;
  int TimerInterval = 0;
  skin::Command Command = skin::Command::Default;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataUserObject : public TskDataSkinObject {
 public:
  void ReadFrom(const skin::SkinSection& section) override;
};

namespace skin {

// The entry of the object kind `kind`, or none for a kind no table names.
std::unique_ptr<TskDataSkinObject> CreateSkinObject(std::string_view kind);

}  // namespace skin
