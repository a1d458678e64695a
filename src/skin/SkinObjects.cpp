#include "skin/SkinObjects.h"

#include <utility>

namespace {

template <typename Entry>
std::unique_ptr<TskDataSkinObject> Make() {
  return std::make_unique<Entry>();
}

}  // namespace

void TskDataSkinObject::ReadFrom(const skin::SkinSection& s) {
  s.Read("hint", Hint);
  s.Read("activepictureindex", ActivePictureIndex);
  s.Read("skinrectinapicture", SkinRectInAPicture);
  s.Read("skinrect", SkinRect);
  s.Read("activeskinrect", ActiveSkinRect);
  s.Read("inactiveskinrect", InactiveSkinRect);
  s.Read("morphing", Morphing);
  s.Read("morphkind", MorphKind);
}

void TskDataSkinMenuItem::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinObject::ReadFrom(s);
  s.Read("itemleftoffset", ItemLeftOffset);
  s.Read("itemrightoffset", ItemRightOffset);
  s.Read("dividerrect", DividerRect);
  s.Read("dividerleftoffset", DividerLeftOffset);
  s.Read("dividerrightoffset", DividerRightOffset);
  s.Read("textrect", TextRect);
  s.ReadFont(Font);
  s.Read("activefontcolor", ActiveFontColor);
  s.Read("unenabledfontcolor", UnEnabledFontColor);
}

void TskDataSkinMainMenuBarItem::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinObject::ReadFrom(s);
  s.Read("itemleftoffset", ItemLeftOffset);
  s.Read("itemrightoffset", ItemRightOffset);
  s.Read("downrect", DownRect);
  s.Read("textrect", TextRect);
  s.ReadFont(Font);
  s.Read("activefontcolor", ActiveFontColor);
  s.Read("downfontcolor", DownFontColor);
  s.Read("unenabledfontcolor", UnEnabledFontColor);
}

void TskDataSkinButton::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinObject::ReadFrom(s);
  s.Read("downrect", DownRect);
  // The key is spelt this way in every skin.
  s.Read("disableskinrsect", DisableSkinRect);
}

void TskDataSkinStdButton::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinButton::ReadFrom(s);
  s.Read("command", Command);
  s.Read("restorerect", RestoreRect);
  s.Read("restoreactiverect", RestoreActiveRect);
  s.Read("restoredownrect", RestoreDownRect);
  s.Read("restoreinactiverect", RestoreInactiveRect);
}

void TskDataSkinCaption::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinObject::ReadFrom(s);
  s.Read("textrect", TextRect);
  s.ReadFont(Font);
  s.Read("activefontcolor", ActiveFontColor);
  s.Read("alignment", Alignment);
  s.Read("shadow", Shadow);
  s.Read("shadowcolor", ShadowColor);
  s.Read("activeshadowcolor", ActiveShadowColor);
  s.Read("framerect", FrameRect);
  s.Read("activeframerect", ActiveFrameRect);
  s.Read("frametextrect", FrameTextRect);
  s.Read("frameleftoffset", FrameLeftOffset);
  s.Read("framerightoffset", FrameRightOffset);
}

void TskDataSkinAnimate::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinObject::ReadFrom(s);
  s.Read("countframes", CountFrames);
  s.Read("cycle", Cycle);
  s.Read("buttonstyle", ButtonStyle);
  s.Read("timerinterval", TimerInterval);
  s.Read("command", Command);
}

void TskDataUserObject::ReadFrom(const skin::SkinSection& s) { s.Read("skinrect", SkinRect); }

namespace skin {

std::unique_ptr<TskDataSkinObject> CreateSkinObject(std::string_view kind) {
  using Factory = std::unique_ptr<TskDataSkinObject> (*)();
  static constexpr std::pair<std::string_view, Factory> kKinds[] = {
      {"menuitem", Make<TskDataSkinMenuItem>},
      {"mainmenubaritem", Make<TskDataSkinMainMenuBarItem>},
      {"button", Make<TskDataSkinButton>},
      {"stdbutton", Make<TskDataSkinStdButton>},
      {"mainmenubarbutton", Make<TskDataSkinMainMenuBarButton>},
      {"caption", Make<TskDataSkinCaption>},
      {"animate", Make<TskDataSkinAnimate>},
      {"userobject", Make<TskDataUserObject>},
  };
  for (const auto& [name, make] : kKinds) {
    if (name == kind) {
      std::unique_ptr<TskDataSkinObject> entry = make();
      entry->Kind = std::string(kind);
      return entry;
    }
  }
  return nullptr;
}

}  // namespace skin
