// The colours and fonts a skin gives the controls that draw their own
// text: the standard look draws it, in the skin's colours.
#include <QAbstractButton>
#include <QMenu>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "skin/TskData.h"
#include "skin/qt/SkinImage.h"
#include "skin/qt/SkinLookup.h"
#include "skin/qt/SkinPalette.h"
#include "skin/qt/SkinStyle.h"

namespace skin::qt {
namespace {

// Where a widget keeps the palette and font it had before a skin dressed
// it, so that dropping the skin gives them back.
constexpr const char* kPlainPalette = "tarvikPlainPalette";
constexpr const char* kPlainFont = "tarvikPlainFont";

QPalette::ColorRole TextRoleOf(const QWidget* widget) {
  return qobject_cast<const QAbstractButton*>(widget) ? QPalette::ButtonText : QPalette::WindowText;
}

// The colour in the middle of an entry's client piece.
std::optional<QColor> ClientColour(const TskData& data, const TskDataSkinCustomControl& entry) {
  if (!HasActivePicture(data, entry.PictureIndex)) return std::nullopt;
  const QImage picture = WrapBitmap(data.ActivePictures()[static_cast<std::size_t>(entry.PictureIndex)]);
  const QPoint middle(entry.SkinRect.left + (entry.ClientRect.left + entry.ClientRect.right) / 2,
                      entry.SkinRect.top + (entry.ClientRect.top + entry.ClientRect.bottom) / 2);
  if (!picture.valid(middle)) return std::nullopt;
  return picture.pixelColor(middle);
}

}  // namespace

void TskSkinStyle::ApplySkinColours(QWidget* widget) const {
  QPalette palette = widget->palette();
  std::optional<QFont> font;
  bool dressed = true;
  const TskDataSkinControl* entry = FindEntry(widget, nullptr);
  if (const auto* label = dynamic_cast<const TskDataSkinStdLabelControl*>(entry)) {
    palette.setColor(QPalette::WindowText, ToQColor(label->Font.colour));
    // The skin's face, style and colour; the size the window's layout gave
    // the label, so that captions keep fitting the places they were given.
    QFont skin_font = ToQFont(label->Font);
    const QFont& own = widget->font();
    if (own.pixelSize() > 0) skin_font.setPixelSize(std::min(own.pixelSize(), skin_font.pixelSize()));
    skin_font.setUnderline(own.underline());
    font = skin_font;
  } else if (const auto* button = dynamic_cast<const TskDataSkinButtonControl*>(entry)) {
    palette.setColor(QPalette::ButtonText, ToQColor(button->Font.colour));
    palette.setColor(QPalette::WindowText, ToQColor(button->Font.colour));
  } else if (const auto* panel = dynamic_cast<const TskDataSkinPanelControl*>(entry)) {
    palette.setColor(QPalette::WindowText, ToQColor(panel->Font.colour));
    palette.setColor(QPalette::Text, ToQColor(panel->Font.colour));
    palette.setColor(QPalette::ButtonText, ToQColor(panel->Font.colour));
    if (const auto* list = EntryOf<TskDataSkinListBox>(widget, "listbox"))
      palette.setColor(QPalette::HighlightedText, ToQColor(list->ActiveFontColor));
  } else if (const auto* check = dynamic_cast<const TskDataSkinCheckRadioControl*>(entry)) {
    palette.setColor(TextRoleOf(widget), ToQColor(check->Font.colour));
  } else if (const auto* memo = dynamic_cast<const TskDataSkinMemoControl*>(entry)) {
    palette.setColor(QPalette::Text, ToQColor(memo->Font.colour));
    palette.setColor(QPalette::Base, ToQColor(memo->BGColor));
  } else if (const auto* edit = dynamic_cast<const TskDataSkinEditControl*>(entry)) {
    palette.setColor(QPalette::Text, ToQColor(edit->Font.colour));
    palette.setColor(QPalette::Disabled, QPalette::Text, ToQColor(edit->DisabledFontColor));
    // A field's drop-down window is framed by a line in the skin's own
    // line colour.
    if (const auto* bevel = EntryOf<TskDataSkinBevel>(widget, "bevel"))
      palette.setColor(QPalette::WindowText, ToQColor(bevel->DarkColor));
  } else if (const auto* list = dynamic_cast<const TskDataSkinListBox*>(entry)) {
    // A list box entry gives no background colour; its client piece shows
    // the one its rows lie on.
    if (const std::optional<QColor> base = ClientColour(*skin_, *list)) {
      palette.setColor(QPalette::Base, *base);
      palette.setColor(QPalette::Window, *base);
    }
    palette.setColor(QPalette::Text, ToQColor(list->Font.colour));
    palette.setColor(QPalette::HighlightedText, ToQColor(list->ActiveFontColor));
  } else if (const auto* combo = dynamic_cast<const TskDataSkinComboBox*>(entry)) {
    palette.setColor(QPalette::Text, ToQColor(combo->Font.colour));
    palette.setColor(QPalette::ButtonText, ToQColor(combo->Font.colour));
  } else if (const auto* view = dynamic_cast<const TskDataSkinTextViewControl*>(entry)) {
    palette.setColor(QPalette::Base, ToQColor(view->BGColor));
    palette.setColor(QPalette::Text, ToQColor(view->Font.colour));
    // Grid lines: a quarter of the way from the background to the text.
    const QColor base = ToQColor(view->BGColor), text = ToQColor(view->Font.colour);
    palette.setColor(QPalette::Midlight, QColor((3 * base.red() + text.red()) / 4, (3 * base.green() + text.green()) / 4,
                                                (3 * base.blue() + text.blue()) / 4));
    if (const auto* list = EntryOf<TskDataSkinListBox>(widget, "listbox"))
      palette.setColor(QPalette::HighlightedText, ToQColor(list->ActiveFontColor));
  } else if (qobject_cast<QMenu*>(widget) && ObjectNamed<TskDataSkinMenuItem>(*skin_, "menuitem")) {
    font = ToQFont(ObjectNamed<TskDataSkinMenuItem>(*skin_, "menuitem")->Font);
  } else if (widget->inherits("QTipLabel") && HintSkinned(*skin_)) {
    font = ToQFont(skin_->HintWindow().Font);
    palette.setColor(QPalette::ToolTipText, ToQColor(skin_->HintWindow().Font.colour));
    palette.setColor(QPalette::WindowText, ToQColor(skin_->HintWindow().Font.colour));
  } else {
    dressed = false;
  }
  if (!dressed) return;
  if (!widget->property(kPlainPalette).isValid()) widget->setProperty(kPlainPalette, widget->palette());
  widget->setPalette(palette);
  if (font) {
    if (!widget->property(kPlainFont).isValid()) widget->setProperty(kPlainFont, widget->font());
    widget->setFont(*font);
  }
}

void RestorePlainLook(QWidget& widget) {
  const QVariant palette = widget.property(kPlainPalette);
  if (palette.isValid()) {
    widget.setPalette(palette.value<QPalette>());
    widget.setProperty(kPlainPalette, QVariant());
  }
  const QVariant font = widget.property(kPlainFont);
  if (font.isValid()) {
    widget.setFont(font.value<QFont>());
    widget.setProperty(kPlainFont, QVariant());
  }
}



}  // namespace skin::qt
