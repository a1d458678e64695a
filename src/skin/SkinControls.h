#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "skin/SkinSection.h"
#include "skin/SkinTypes.h"

// The control entries of a skin (section SKINCONTROLS): one per look a
// control can take. Each reads the keys of its kind from the section named
// by its IDName.

class TskDataSkinControl {
 public:
  virtual ~TskDataSkinControl() = default;

  std::string IDName;
  std::string Kind;  // as written in SKINCONTROLS, e.g. "panel"
  int PictureIndex = -1;
  int MaskPictureIndex = -1;
  skin::Rect SkinRect;

  virtual void ReadFrom(const skin::SkinSection& section);
};

// A control drawn from nine pieces: corners, edges and a client area.
class TskDataSkinCustomControl : public TskDataSkinControl {
 public:
  skin::Point LTPoint;
  skin::Point RTPoint;
  skin::Point LBPoint;
  skin::Point RBPoint;
  skin::Rect ClientRect;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinPanelControl : public TskDataSkinCustomControl {
 public:
  int BGPictureIndex = -1;
  skin::Rect CaptionRect;
  skin::Alignment Alignment = skin::Alignment::Center;
  skin::SkinFont Font;
  skin::Rect CheckImageRect;
  skin::Rect UnCheckImageRect;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinExPanelControl : public TskDataSkinCustomControl {
 public:
  skin::Rect RollHSkinRect, RollVSkinRect;
  int RollLeftOffset = 0, RollRightOffset = 0, RollTopOffset = 0, RollBottomOffset = 0;
  skin::Rect RollVCaptionRect, RollHCaptionRect;
  skin::Rect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  skin::Rect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
  skin::Rect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
  skin::Rect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
  skin::Rect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
  skin::Rect CaptionRect;
  skin::SkinFont Font;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinButtonControl : public TskDataSkinCustomControl {
 public:
  skin::SkinFont Font;
  skin::Colour ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
  skin::Rect ActiveSkinRect, DownSkinRect, DisabledSkinRect;
  bool Morphing = false;
  skin::MorphKind MorphKind = skin::MorphKind::Default;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinMenuButtonControl : public TskDataSkinButtonControl {
 public:
  skin::Rect TrackButtonRect;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinCheckRadioControl : public TskDataSkinCustomControl {
 public:
  skin::SkinFont Font;
  skin::Colour ActiveFontColor = 0, UnEnabledFontColor = 0, FrameFontColor = 0;
  skin::Rect ActiveSkinRect;
  skin::Rect CheckImageArea, TextArea;
  skin::Rect CheckImageRect, UnCheckImageRect;
  skin::Rect ActiveCheckImageRect, ActiveUnCheckImageRect;
  skin::Rect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect;
  bool Morphing = false;
  skin::MorphKind MorphKind = skin::MorphKind::Default;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinGaugeControl : public TskDataSkinCustomControl {
 public:
  skin::Rect ProgressArea, ProgressRect;
  int BeginOffset = 0, EndOffset = 0;
  bool Vertical = false;
  skin::SkinFont Font;
  bool ProgressTransparent = false;
  skin::Colour ProgressTransparentColor = 0;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinSplitterControl : public TskDataSkinCustomControl {};

class TskDataSkinTrackBarControl : public TskDataSkinCustomControl {
 public:
  skin::Rect TrackArea, ButtonRect, ActiveButtonRect;
  bool Vertical = false;
  bool ButtonTransparent = false;
  skin::Colour ButtonTransparentColor = 0;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinLabelControl : public TskDataSkinCustomControl {
 public:
  skin::SkinFont Font;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinStdLabelControl : public TskDataSkinControl {
 public:
  skin::SkinFont Font;
  skin::Colour ActiveFontColor = 0;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinUpDownControl : public TskDataSkinCustomControl {
 public:
  skin::UpDownButtonRects Buttons;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinGridControl : public TskDataSkinControl {
 public:
  skin::Rect FixedCellRect, SelectCellRect, FocusCellRect;
  int FixedCellLeftOffset = 0, FixedCellRightOffset = 0;
  skin::Rect FixedCellTextRect;
  int CellLeftOffset = 0, CellRightOffset = 0;
  skin::Rect CellTextRect;
  skin::Colour LinesColor = 0, BGColor = 0;
  skin::SkinFont Font;
  skin::Colour SelectFontColor = 0, FocusFontColor = 0;
  skin::SkinFont FixedFont;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinTabControl : public TskDataSkinControl {
 public:
  skin::Rect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect;
  skin::Rect ClientRect;
  int BGPictureIndex = -1;
  skin::Point LTPoint, RTPoint, LBPoint, RBPoint;
  int TabLeftOffset = 0, TabRightOffset = 0;
  skin::Rect TabsBGRect;
  skin::SkinFont Font;
  skin::Colour ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
  std::string UpDown;  // the IDName of the entry for the tab scroll buttons

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinMainMenuBar : public TskDataSkinControl {
 public:
  skin::Rect ItemsRect;
  // IDNames of object entries.
  std::string MenuBarItem, CloseButton, MinButton, MaxButton, SysMenuButton;
  skin::Colour TrackMarkColor = 0, TrackMarkActiveColor = 0;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinControlBar : public TskDataSkinCustomControl {
 public:
  skin::Rect ItemRect;
  int BGPictureIndex = -1;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinEditControl : public TskDataSkinCustomControl {
 public:
  skin::Rect ActiveSkinRect;
  skin::SkinFont Font;
  skin::Colour DisabledFontColor = 0, ActiveFontColor = 0;
  skin::Rect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinMemoControl : public TskDataSkinEditControl {
 public:
  skin::Colour BGColor = 0, ActiveBGColor = 0;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinListBox : public TskDataSkinCustomControl {
 public:
  skin::Rect ItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  skin::Rect ItemTextRect;
  skin::SkinFont Font;
  skin::Colour ActiveFontColor = 0, FocusFontColor = 0;
  skin::Rect CaptionRect;
  skin::SkinFont CaptionFont;
  skin::UpDownButtonRects Buttons;
  skin::Rect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
  std::string VScrollBarName = "vscrollbar";
  std::string HScrollBarName = "hscrollbar";
  std::string BothHScrollBarName = "bothhscrollbar";

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinCheckListBox : public TskDataSkinListBox {
 public:
  skin::Rect ItemCheckRect, CheckImageRect, UnCheckImageRect;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinComboBox : public TskDataSkinCustomControl {
 public:
  skin::Rect ItemRect, FocusItemRect;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  skin::Rect ItemTextRect;
  skin::SkinFont Font;
  skin::Colour FocusFontColor = 0;
  std::string ListBoxName;
  skin::Rect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinScrollBarControl : public TskDataSkinCustomControl {
 public:
  skin::Rect TrackArea;
  skin::UpDownButtonRects Buttons;
  skin::Rect ThumbRect, ActiveThumbRect, DownThumbRect;
  int ThumbOffset1 = 0, ThumbOffset2 = 0;
  bool ThumbTransparent = false;
  skin::Colour ThumbTransparentColor = 0;
  skin::Rect GlyphRect, ActiveGlyphRect, DownGlyphRect;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinSpinEditControl : public TskDataSkinCustomControl {
 public:
  skin::Rect ActiveSkinRect;
  skin::SkinFont Font;
  skin::Colour ActiveFontColor = 0, DisabledFontColor = 0;
  skin::UpDownButtonRects Buttons;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinScrollBoxControl : public TskDataSkinCustomControl {
 public:
  int BGPictureIndex = -1;

  void ReadFrom(const skin::SkinSection& section) override;
};

// Tree views, list views and rich edits: a font and a background colour.
class TskDataSkinTextViewControl : public TskDataSkinControl {
 public:
  skin::SkinFont Font;
  skin::Colour BGColor = 0;

  void ReadFrom(const skin::SkinSection& section) override;
};
class TskDataSkinTreeView : public TskDataSkinTextViewControl {};
class TskDataSkinListView : public TskDataSkinTextViewControl {};
class TskDataSkinRichEdit : public TskDataSkinTextViewControl {};

class TskDataSkinBevel : public TskDataSkinControl {
 public:
  skin::Colour LightColor = 0, DarkColor = 0;

  void ReadFrom(const skin::SkinSection& section) override;
};

class TskDataSkinSlider : public TskDataSkinControl {
 public:
  skin::Colour BGColor = 0;
  skin::Rect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
  int EdgeSize = 0;
  skin::Colour PointsColor = 0;

  void ReadFrom(const skin::SkinSection& section) override;
};

namespace skin {

// The entry of the control kind `kind`, or none for a kind no table names.
std::unique_ptr<TskDataSkinControl> CreateSkinControl(std::string_view kind);

}  // namespace skin
