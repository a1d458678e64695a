#include "skin/SkinControls.h"

#include <utility>

namespace {

template <typename Entry>
std::unique_ptr<TskDataSkinControl> Make() {
  return std::make_unique<Entry>();
}

}  // namespace

void TskDataSkinControl::ReadFrom(const skin::SkinSection& s) {
  s.Read("pictureindex", PictureIndex);
  s.Read("maskpictureindex", MaskPictureIndex);
  s.Read("skinrect", SkinRect);
}

void TskDataSkinCustomControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinControl::ReadFrom(s);
  s.Read("lefttoppoint", LTPoint);
  s.Read("righttoppoint", RTPoint);
  s.Read("leftbottompoint", LBPoint);
  s.Read("rightbottompoint", RBPoint);
  s.Read("clientrect", ClientRect);
}

void TskDataSkinPanelControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.Read("bgpictureindex", BGPictureIndex);
  s.Read("captionrect", CaptionRect);
  s.Read("alignment", Alignment);
  s.ReadFont(Font);
  s.Read("checkimagerect", CheckImageRect);
  s.Read("uncheckimagerect", UnCheckImageRect);
}

void TskDataSkinExPanelControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.Read("rollhskinrect", RollHSkinRect);
  s.Read("rollvskinrect", RollVSkinRect);
  s.Read("rollleftoffset", RollLeftOffset);
  s.Read("rollrightoffset", RollRightOffset);
  s.Read("rolltopoffset", RollTopOffset);
  s.Read("rollbottomoffset", RollBottomOffset);
  s.Read("rollvcaptionrect", RollVCaptionRect);
  s.Read("rollhcaptionrect", RollHCaptionRect);
  s.Read("closebuttonrect", CloseButtonRect);
  s.Read("closebuttonactiverect", CloseButtonActiveRect);
  s.Read("closebuttondownrect", CloseButtonDownRect);
  s.Read("hrollbuttonrect", HRollButtonRect);
  s.Read("hrollbuttonactiverect", HRollButtonActiveRect);
  s.Read("hrollbuttondownrect", HRollButtonDownRect);
  s.Read("hrestorebuttonrect", HRestoreButtonRect);
  s.Read("hrestorebuttonactiverect", HRestoreButtonActiveRect);
  s.Read("hrestorebuttondownrect", HRestoreButtonDownRect);
  s.Read("vrollbuttonrect", VRollButtonRect);
  s.Read("vrollbuttonactiverect", VRollButtonActiveRect);
  s.Read("vrollbuttondownrect", VRollButtonDownRect);
  s.Read("vrestorebuttonrect", VRestoreButtonRect);
  s.Read("vrestorebuttonactiverect", VRestoreButtonActiveRect);
  s.Read("vrestorebuttondownrect", VRestoreButtonDownRect);
  s.Read("captionrect", CaptionRect);
  s.ReadFont(Font);
}

void TskDataSkinButtonControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.ReadFont(Font);
  s.Read("activefontcolor", ActiveFontColor);
  s.Read("downfontcolor", DownFontColor);
  s.Read("disabledfontcolor", DisabledFontColor);
  s.Read("activeskinrect", ActiveSkinRect);
  s.Read("downskinrect", DownSkinRect);
  s.Read("disabledskinrect", DisabledSkinRect);
  s.Read("morphing", Morphing);
  s.Read("morphkind", MorphKind);
}

void TskDataSkinMenuButtonControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinButtonControl::ReadFrom(s);
  s.Read("trackbuttonrect", TrackButtonRect);
}

void TskDataSkinCheckRadioControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.ReadFont(Font);
  s.Read("activefontcolor", ActiveFontColor);
  s.Read("unenabledfontcolor", UnEnabledFontColor);
  s.Read("framefontcolor", FrameFontColor);
  s.Read("activeskinrect", ActiveSkinRect);
  s.Read("checkimagearea", CheckImageArea);
  s.Read("textarea", TextArea);
  s.Read("checkimagerect", CheckImageRect);
  s.Read("uncheckimagerect", UnCheckImageRect);
  s.Read("activecheckimagerect", ActiveCheckImageRect);
  s.Read("activeuncheckimagerect", ActiveUnCheckImageRect);
  s.Read("unenabledcheckimagerect", UnEnabledCheckImageRect);
  s.Read("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
  s.Read("morphing", Morphing);
  s.Read("morphkind", MorphKind);
}

void TskDataSkinGaugeControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.Read("progressarea", ProgressArea);
  s.Read("progressrect", ProgressRect);
  s.Read("beginoffset", BeginOffset);
  s.Read("endoffset", EndOffset);
  s.Read("vertical", Vertical);
  s.ReadFont(Font);
  s.Read("progresstransparent", ProgressTransparent);
  s.Read("progresstransparentcolor", ProgressTransparentColor);
}

void TskDataSkinTrackBarControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.Read("trackarea", TrackArea);
  s.Read("buttonrect", ButtonRect);
  s.Read("activebuttonrect", ActiveButtonRect);
  s.Read("vertical", Vertical);
  s.Read("buttontransparent", ButtonTransparent);
  s.Read("buttontransparentcolor", ButtonTransparentColor);
}

void TskDataSkinLabelControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.ReadFont(Font);
}

void TskDataSkinStdLabelControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinControl::ReadFrom(s);
  s.ReadFont(Font);
  s.Read("activefontcolor", ActiveFontColor);
}

void TskDataSkinUpDownControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.ReadUpDownButtons(Buttons);
}

void TskDataSkinGridControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinControl::ReadFrom(s);
  s.Read("fixedcellrect", FixedCellRect);
  s.Read("selectcellrect", SelectCellRect);
  s.Read("focuscellrect", FocusCellRect);
  s.Read("fixedcellleftoffset", FixedCellLeftOffset);
  s.Read("fixedcellrightoffset", FixedCellRightOffset);
  s.Read("fixedcelltextrect", FixedCellTextRect);
  s.Read("cellleftoffset", CellLeftOffset);
  s.Read("cellrightoffset", CellRightOffset);
  s.Read("celltextrect", CellTextRect);
  s.Read("linescolor", LinesColor);
  s.Read("bgcolor", BGColor);
  s.ReadFont(Font);
  s.Read("selectfontcolor", SelectFontColor);
  s.Read("focusfontcolor", FocusFontColor);
  s.ReadFont(FixedFont, "fixed");
}

void TskDataSkinTabControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinControl::ReadFrom(s);
  s.Read("tabrect", TabRect);
  s.Read("activetabrect", ActiveTabRect);
  s.Read("focustabrect", FocusTabRect);
  s.Read("mouseintabrect", MouseInTabRect);
  s.Read("clientrect", ClientRect);
  s.Read("bgpictureindex", BGPictureIndex);
  s.Read("lefttoppoint", LTPoint);
  s.Read("righttoppoint", RTPoint);
  s.Read("leftbottompoint", LBPoint);
  s.Read("rightbottompoint", RBPoint);
  s.Read("tableftoffset", TabLeftOffset);
  s.Read("tabrightoffset", TabRightOffset);
  s.Read("tabsbgrect", TabsBGRect);
  s.ReadFont(Font);
  s.Read("activefontcolor", ActiveFontColor);
  s.Read("focusfontcolor", FocusFontColor);
  s.Read("mouseinfontcolor", MouseInFontColor);
  s.Read("updown", UpDown);
}

void TskDataSkinMainMenuBar::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinControl::ReadFrom(s);
  s.Read("itemsrect", ItemsRect);
  s.Read("menubaritem", MenuBarItem);
  s.Read("closebutton", CloseButton);
  s.Read("minbutton", MinButton);
  s.Read("maxbutton", MaxButton);
  s.Read("sysmenubutton", SysMenuButton);
  s.Read("trackmarkcolor", TrackMarkColor);
  s.Read("trackmarkactivecolor", TrackMarkActiveColor);
}

void TskDataSkinControlBar::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.Read("itemrect", ItemRect);
  s.Read("bgpictureindex", BGPictureIndex);
}

void TskDataSkinEditControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.Read("activeskinrect", ActiveSkinRect);
  s.ReadFont(Font);
  s.Read("disabledfontcolor", DisabledFontColor);
  s.Read("activefontcolor", ActiveFontColor);
  s.Read("buttonrect", ButtonRect);
  s.Read("activebuttonrect", ActiveButtonRect);
  s.Read("downbuttonrect", DownButtonRect);
  s.Read("unenabledbuttonrect", UnEnabledButtonRect);
}

void TskDataSkinMemoControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinEditControl::ReadFrom(s);
  s.Read("bgcolor", BGColor);
  s.Read("activebgcolor", ActiveBGColor);
}

void TskDataSkinListBox::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.Read("itemrect", ItemRect);
  s.Read("activeitemrect", ActiveItemRect);
  s.Read("focusitemrect", FocusItemRect);
  s.Read("itemleftoffset", ItemLeftOffset);
  s.Read("itemrightoffset", ItemRightOffset);
  s.Read("itemtextrect", ItemTextRect);
  s.ReadFont(Font);
  s.Read("activefontcolor", ActiveFontColor);
  s.Read("focusfontcolor", FocusFontColor);
  s.Read("captionrect", CaptionRect);
  s.ReadFont(CaptionFont, "caption");
  s.ReadUpDownButtons(Buttons);
  s.Read("checkbuttonrect", CheckButtonRect);
  s.Read("activecheckbuttonrect", ActiveCheckButtonRect);
  s.Read("downcheckbuttonrect", DownCheckButtonRect);
  s.Read("vscrollbarname", VScrollBarName);
  s.Read("hscrollbarname", HScrollBarName);
  s.Read("bothhscrollbarname", BothHScrollBarName);
}

void TskDataSkinCheckListBox::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinListBox::ReadFrom(s);
  s.Read("itemcheckrect", ItemCheckRect);
  s.Read("checkimagerect", CheckImageRect);
  s.Read("uncheckimagerect", UnCheckImageRect);
}

void TskDataSkinComboBox::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.Read("itemrect", ItemRect);
  s.Read("focusitemrect", FocusItemRect);
  s.Read("itemleftoffset", ItemLeftOffset);
  s.Read("itemrightoffset", ItemRightOffset);
  s.Read("itemtextrect", ItemTextRect);
  s.ReadFont(Font);
  s.Read("focusfontcolor", FocusFontColor);
  s.Read("listboxname", ListBoxName);
  s.Read("buttonrect", ButtonRect);
  s.Read("activebuttonrect", ActiveButtonRect);
  s.Read("downbuttonrect", DownButtonRect);
  s.Read("unenabledbuttonrect", UnEnabledButtonRect);
}

void TskDataSkinScrollBarControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.Read("trackarea", TrackArea);
  s.ReadUpDownButtons(Buttons);
  s.Read("thumbrect", ThumbRect);
  s.Read("activethumbrect", ActiveThumbRect);
  s.Read("downthumbrect", DownThumbRect);
  s.Read("thumboffset1", ThumbOffset1);
  s.Read("thumboffset2", ThumbOffset2);
  s.Read("thumbtransparent", ThumbTransparent);
  s.Read("thumbtransparentcolor", ThumbTransparentColor);
  s.Read("glyphrect", GlyphRect);
  s.Read("activeglyphrect", ActiveGlyphRect);
  s.Read("downglyphrect", DownGlyphRect);
}

void TskDataSkinSpinEditControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.Read("activeskinrect", ActiveSkinRect);
  s.ReadFont(Font);
  s.Read("activefontcolor", ActiveFontColor);
  s.Read("disabledfontcolor", DisabledFontColor);
  s.ReadUpDownButtons(Buttons);
}

void TskDataSkinScrollBoxControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinCustomControl::ReadFrom(s);
  s.Read("bgpictureindex", BGPictureIndex);
}

void TskDataSkinTextViewControl::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinControl::ReadFrom(s);
  s.ReadFont(Font);
  s.Read("bgcolor", BGColor);
}

void TskDataSkinBevel::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinControl::ReadFrom(s);
  s.Read("lightcolor", LightColor);
  s.Read("darkcolor", DarkColor);
}

void TskDataSkinSlider::ReadFrom(const skin::SkinSection& s) {
  TskDataSkinControl::ReadFrom(s);
  s.Read("bgcolor", BGColor);
  s.Read("hrulerrect", HRulerRect);
  s.Read("hthumbrect", HThumbRect);
  s.Read("vrulerrect", VRulerRect);
  s.Read("vthumbrect", VThumbRect);
  s.Read("edgesize", EdgeSize);
  s.Read("pointscolor", PointsColor);
}

namespace skin {

std::unique_ptr<TskDataSkinControl> CreateSkinControl(std::string_view kind) {
  using Factory = std::unique_ptr<TskDataSkinControl> (*)();
  static constexpr std::pair<std::string_view, Factory> kKinds[] = {
      {"panel", Make<TskDataSkinPanelControl>},
      {"expanel", Make<TskDataSkinExPanelControl>},
      {"button", Make<TskDataSkinButtonControl>},
      {"menubutton", Make<TskDataSkinMenuButtonControl>},
      {"checkradio", Make<TskDataSkinCheckRadioControl>},
      {"gauge", Make<TskDataSkinGaugeControl>},
      {"splitter", Make<TskDataSkinSplitterControl>},
      {"trackbar", Make<TskDataSkinTrackBarControl>},
      {"label", Make<TskDataSkinLabelControl>},
      {"stdlabel", Make<TskDataSkinStdLabelControl>},
      {"updown", Make<TskDataSkinUpDownControl>},
      {"grid", Make<TskDataSkinGridControl>},
      {"tab", Make<TskDataSkinTabControl>},
      {"mainmenubar", Make<TskDataSkinMainMenuBar>},
      {"controlbar", Make<TskDataSkinControlBar>},
      {"edit", Make<TskDataSkinEditControl>},
      {"memo", Make<TskDataSkinMemoControl>},
      {"listbox", Make<TskDataSkinListBox>},
      {"checklistbox", Make<TskDataSkinCheckListBox>},
      {"combobox", Make<TskDataSkinComboBox>},
      {"scrollbar", Make<TskDataSkinScrollBarControl>},
      {"spinedit", Make<TskDataSkinSpinEditControl>},
      {"scrollbox", Make<TskDataSkinScrollBoxControl>},
      {"treeview", Make<TskDataSkinTreeView>},
      {"listview", Make<TskDataSkinListView>},
      {"richedit", Make<TskDataSkinRichEdit>},
      {"bevel", Make<TskDataSkinBevel>},
      {"slider", Make<TskDataSkinSlider>},
  };
  for (const auto& [name, make] : kKinds) {
    if (name == kind) {
      std::unique_ptr<TskDataSkinControl> entry = make();
      entry->Kind = std::string(kind);
      return entry;
    }
  }
  return nullptr;
}

}  // namespace skin
