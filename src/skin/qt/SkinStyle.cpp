#include "skin/qt/SkinStyle.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>

#include "skin/TskData.h"
#include "skin/qt/SkinDrawing.h"
#include "skin/qt/SkinImage.h"
#include "skin/qt/SkinMask.h"

namespace skin::qt {
namespace {

// Where a widget keeps the palette and font it had before a skin dressed
// it, so that dropping the skin gives them back.
constexpr const char* kPlainPalette = "tarvikPlainPalette";
constexpr const char* kPlainFont = "tarvikPlainFont";

QString SkinName(const QWidget* widget) {
  return widget ? widget->property("SkinDataName").toString() : QString();
}

// The nearest of `widget` and its ancestors that names an entry, up to
// `levels` parents up: scroll bars and headers sit inside their view.
const QWidget* NamedAncestor(const QWidget* widget, int levels) {
  for (int i = 0; widget && i <= levels; ++i, widget = widget->parentWidget())
    if (!SkinName(widget).isEmpty()) return widget;
  return nullptr;
}

bool IsTextView(const QString& name) {
  return name == QLatin1String("treeview") || name == QLatin1String("listview") || name == QLatin1String("memo");
}

template <typename Entry>
const Entry* ObjectNamed(const TskData& data, const char* name) {
  const int index = data.GetObjectIndex(name);
  return index < 0 ? nullptr : dynamic_cast<const Entry*>(data.SkinObjects()[static_cast<std::size_t>(index)].get());
}

bool PopupSkinned(const TskData& data) {
  const int index = data.PopupWindow().WindowPictureIndex;
  return index >= 0 && index < static_cast<int>(data.ActivePictures().size());
}

bool HintSkinned(const TskData& data) {
  const int index = data.HintWindow().WindowPictureIndex;
  return index >= 0 && index < static_cast<int>(data.ActivePictures().size());
}

QPalette::ColorRole TextRoleOf(const QWidget* widget) {
  return qobject_cast<const QAbstractButton*>(widget) ? QPalette::ButtonText : QPalette::WindowText;
}

}  // namespace

TskSkinStyle::TskSkinStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

TskSkinStyle::~TskSkinStyle() = default;

TskSkinStyle* TskSkinStyle::Current() { return qobject_cast<TskSkinStyle*>(QApplication::style()); }

TskSkinStyle& TskSkinStyle::Installed() {
  if (TskSkinStyle* style = Current()) return *style;
  auto style = std::make_unique<TskSkinStyle>();
  TskSkinStyle& installed = *style;
  // The application owns its style from here on.
  QApplication::setStyle(style.release());
  return installed;
}

void TskSkinStyle::SetSkin(const TskData* data) {
  if (data == skin_) return;
  skin_ = data;
  pieces_ = data ? std::make_unique<TskSkinPieces>(*data) : nullptr;
  RedrawAll();
}

void TskSkinStyle::ForgetSkin() {
  skin_ = nullptr;
  pieces_.reset();
}

void TskSkinStyle::RedrawAll() {
  for (QWidget* widget : QApplication::allWidgets()) {
    unpolish(widget);
    polish(widget);
    // Group boxes, tab bars and frames measure themselves again.
    QEvent changed(QEvent::StyleChange);
    QCoreApplication::sendEvent(widget, &changed);
    widget->updateGeometry();
    widget->update();
  }
}

const TskDataSkinControl* TskSkinStyle::FindEntry(const QWidget* widget, const char* name) const {
  if (!skin_ || skin_->SkinEmpty()) return nullptr;
  if (name) return skin_->FindControl(name);
  const QString own = SkinName(widget);
  return own.isEmpty() ? nullptr : skin_->FindControl(own.toStdString());
}

void TskSkinStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  if (skin_) ApplySkinColours(widget);
}

void TskSkinStyle::unpolish(QWidget* widget) {
  const QVariant palette = widget->property(kPlainPalette);
  if (palette.isValid()) {
    widget->setPalette(palette.value<QPalette>());
    widget->setProperty(kPlainPalette, QVariant());
  }
  const QVariant font = widget->property(kPlainFont);
  if (font.isValid()) {
    widget->setFont(font.value<QFont>());
    widget->setProperty(kPlainFont, QVariant());
  }
  QProxyStyle::unpolish(widget);
}

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

bool TskSkinStyle::DrawSkinnedPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                        const QWidget* widget) const {
  TSkinPaint paint{*painter, *pieces_};
  switch (element) {
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
      if (const auto* entry = EntryOf<TskDataSkinButtonControl>(widget)) {
        DrawButton(paint, *entry, option->rect, option->state);
        return true;
      }
      return false;
    case PE_PanelButtonTool:
    case PE_FrameButtonTool: {
      const QWidget* parent = widget ? widget->parentWidget() : nullptr;
      if (SkinName(parent) == QLatin1String("monthcalendar"))
        if (const auto* button = EntryOf<TskDataSkinButtonControl>(widget, "button")) {
          if (element == PE_PanelButtonTool) DrawButton(paint, *button, option->rect, option->state);
          return true;
        }
      return false;
    }
    case PE_PanelLineEdit:
      if (const auto* entry = EntryOf<TskDataSkinEditControl>(widget)) {
        DrawEdit(paint, *entry, option->rect, option->state);
        return true;
      }
      return false;
    case PE_FrameLineEdit: return EntryOf<TskDataSkinEditControl>(widget) != nullptr;
    case PE_IndicatorCheckBox:
    case PE_IndicatorItemViewItemCheck: {
      const auto* entry = EntryOf<TskDataSkinCheckRadioControl>(widget);
      if (!entry && FindEntry(widget, nullptr)) entry = EntryOf<TskDataSkinCheckRadioControl>(widget, "checkbox");
      if (!entry) return false;
      DrawCheckImage(paint, *entry, option->rect, option->state);
      return true;
    }
    case PE_PanelItemViewItem: {
      if (!(option->state & State_Selected) || !FindEntry(widget, nullptr)) return false;
      const auto* list = EntryOf<TskDataSkinListBox>(widget, "listbox");
      const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
      if (!list || !item || list->ActiveItemRect.Width() <= 0) return false;
      // A row selected whole is one picture across all its cells.
      QRect row = option->rect;
      const auto* view = qobject_cast<const QAbstractItemView*>(widget);
      if (view && item->viewItemPosition != QStyleOptionViewItem::OnlyOne &&
          item->viewItemPosition != QStyleOptionViewItem::Invalid)
        row = QRect(0, option->rect.top(), view->viewport()->width(), option->rect.height());
      painter->save();
      painter->setClipRect(option->rect);
      DrawSelectedRow(paint, *list, row, option->state & State_HasFocus);
      painter->restore();
      return true;
    }
    case PE_PanelMenu:
      if (!qobject_cast<const QMenu*>(widget) || !PopupSkinned(*skin_)) return false;
      DrawPopupPanel(paint, skin_->PopupWindow(), option->rect);
      return true;
    case PE_FrameMenu: return qobject_cast<const QMenu*>(widget) && PopupSkinned(*skin_);
    case PE_PanelTipLabel:
      if (!HintSkinned(*skin_)) return false;
      DrawHintPanel(paint, skin_->HintWindow(), option->rect);
      return true;
    case PE_FrameFocusRect:
      // A skinned button or check box shows its focus by its pictures.
      return qobject_cast<const QAbstractButton*>(widget) && FindEntry(widget, nullptr);
    default: return false;
  }
}

bool TskSkinStyle::DrawSkinnedFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
  TSkinPaint paint{*painter, *pieces_};
  const TskDataSkinControl* entry = FindEntry(widget, nullptr);
  if (const auto* edit = dynamic_cast<const TskDataSkinEditControl*>(entry)) {
    DrawEdit(paint, *edit, option->rect, option->state);
    return true;
  }
  if (const auto* view = dynamic_cast<const TskDataSkinTextViewControl*>(entry)) {
    DrawTextViewFrame(paint, *view, option->rect);
    return true;
  }
  if (const auto* bevel = dynamic_cast<const TskDataSkinBevel*>(entry)) {
    DrawBevel(*painter, *bevel, option->rect);
    return true;
  }
  // The frame around a page control's pages.
  const QWidget* parent = widget ? widget->parentWidget() : nullptr;
  if (!entry && parent)
    if (const auto* tab = EntryOf<TskDataSkinTabControl>(parent)) {
      DrawPageFrame(paint, *tab, option->rect);
      return true;
    }
  return false;
}

bool TskSkinStyle::DrawSkinnedControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
  TSkinPaint paint{*painter, *pieces_};
  switch (element) {
    case CE_PushButtonLabel:
      if (const auto* entry = EntryOf<TskDataSkinButtonControl>(widget)) {
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
          QStyleOptionButton coloured = *button;
          coloured.palette.setColor(QPalette::ButtonText, ButtonTextColour(*entry, option->state));
          QProxyStyle::drawControl(element, &coloured, painter, widget);
          return true;
        }
      }
      return false;
    case CE_HeaderSection:
    case CE_HeaderEmptyArea:
      if (const auto* entry = EntryOf<TskDataSkinButtonControl>(widget)) {
        DrawButton(paint, *entry, option->rect, element == CE_HeaderSection ? option->state : State_Enabled);
        return true;
      }
      return false;
    case CE_HeaderLabel:
      if (const auto* entry = EntryOf<TskDataSkinButtonControl>(widget)) {
        if (const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option)) {
          QStyleOptionHeader coloured = *header;
          coloured.palette.setColor(QPalette::ButtonText, ButtonTextColour(*entry, option->state));
          QProxyStyle::drawControl(element, &coloured, painter, widget);
          return true;
        }
      }
      return false;
    case CE_TabBarTabShape:
    case CE_TabBarTabLabel: {
      const auto* entry = EntryOf<TskDataSkinTabControl>(widget ? widget->parentWidget() : nullptr);
      const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
      if (!entry || !tab) return false;
      if (element == CE_TabBarTabShape) {
        DrawTab(paint, *entry, option->rect, option->state);
      } else {
        QStyleOptionTab coloured = *tab;
        coloured.palette.setColor(QPalette::WindowText, TabTextColour(*entry, option->state));
        QProxyStyle::drawControl(element, &coloured, painter, widget);
      }
      return true;
    }
    case CE_MenuItem:
      if (const auto* item = ObjectNamed<TskDataSkinMenuItem>(*skin_, "menuitem")) {
        if (const auto* menu_item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
          DrawMenuItem(paint, *item, *menu_item);
          return true;
        }
      }
      return false;
    case CE_MenuEmptyArea: return qobject_cast<const QMenu*>(widget) && PopupSkinned(*skin_);
    case CE_ShapedFrame: return DrawSkinnedFrame(option, painter, widget);
    default: return false;
  }
}

bool TskSkinStyle::DrawSkinnedComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                             QPainter* painter, const QWidget* widget) const {
  TSkinPaint paint{*painter, *pieces_};
  switch (control) {
    case CC_ScrollBar: {
      const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
      const QWidget* view = NamedAncestor(widget, 3);
      if (!slider || !view || !IsTextView(SkinName(view))) return false;
      const char* name = slider->orientation == Qt::Vertical ? "vscrollbar" : "hscrollbar";
      const auto* entry = EntryOf<TskDataSkinScrollBarControl>(widget, name);
      if (!entry) return false;
      DrawScrollBar(paint, *entry, *slider, *this, widget);
      return true;
    }
    case CC_ComboBox:
      if (const auto* entry = EntryOf<TskDataSkinComboBox>(widget)) {
        DrawComboBox(paint, *entry, option->rect, ComboBoxButtonRect(*entry, option->rect), option->state);
        return true;
      }
      return false;
    case CC_ToolButton: {
      // A date field's drop-down button is the field's button picture,
      // arrow included.
      const auto* edit = EntryOf<TskDataSkinEditControl>(widget ? widget->parentWidget() : nullptr);
      if (!edit || edit->ButtonRect.Width() <= 0) return false;
      DrawFieldButton(paint, edit->PictureIndex, edit->ButtonRect, edit->ActiveButtonRect, edit->DownButtonRect,
                      edit->UnEnabledButtonRect, option->rect, option->state);
      return true;
    }
    case CC_GroupBox:
      if (const auto* entry = EntryOf<TskDataSkinPanelControl>(widget)) {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        DrawGroupBox(paint, *entry, option->rect, box ? box->text : QString());
        return true;
      }
      return false;
    default: return false;
  }
}

void TskSkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
  if (skin_ && option && painter && DrawSkinnedPrimitive(element, option, painter, widget)) return;
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TskSkinStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
  if (skin_ && option && painter && DrawSkinnedControl(element, option, painter, widget)) return;
  QProxyStyle::drawControl(element, option, painter, widget);
}

void TskSkinStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const {
  if (skin_ && option && painter && DrawSkinnedComplexControl(control, option, painter, widget)) return;
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect TskSkinStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                   const QWidget* widget) const {
  if (skin_ && option) {
    if (control == CC_ComboBox)
      if (const auto* entry = EntryOf<TskDataSkinComboBox>(widget)) {
        if (part == SC_ComboBoxArrow) return ComboBoxButtonRect(*entry, option->rect);
        if (part == SC_ComboBoxEditField) return ComboBoxTextRect(*entry, option->rect);
        if (part == SC_ComboBoxFrame) return option->rect;
      }
    if (control == CC_GroupBox)
      if (const auto* entry = EntryOf<TskDataSkinPanelControl>(widget)) {
        if (part == SC_GroupBoxContents) return GroupBoxContents(*entry, option->rect);
        if (part == SC_GroupBoxLabel) return GroupBoxCaption(*entry, option->rect);
        if (part == SC_GroupBoxFrame) return option->rect;
        if (part == SC_GroupBoxCheckBox) return {};
      }
  }
  return QProxyStyle::subControlRect(control, option, part, widget);
}

int TskSkinStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  if (skin_) {
    switch (metric) {
      case PM_ScrollBarExtent:
      case PM_ScrollBarSliderMin: {
        const auto* bar = qobject_cast<const QScrollBar*>(widget);
        const QWidget* view = NamedAncestor(widget, 3);
        if (!bar || !view || !IsTextView(SkinName(view))) break;
        const bool vertical = bar->orientation() == Qt::Vertical;
        const auto* entry = EntryOf<TskDataSkinScrollBarControl>(widget, vertical ? "vscrollbar" : "hscrollbar");
        if (!entry) break;
        if (metric == PM_ScrollBarExtent) return ScrollBarExtent(*entry, vertical);
        return entry->ThumbOffset1 + entry->ThumbOffset2 + 4;
      }
      case PM_DefaultFrameWidth: {
        const TskDataSkinControl* entry = FindEntry(widget, nullptr);
        if (const auto* memo = dynamic_cast<const TskDataSkinMemoControl*>(entry)) return memo->ClientRect.left;
        if (dynamic_cast<const TskDataSkinTextViewControl*>(entry)) return kTextViewBorder;
        break;
      }
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
        if (const auto* check = EntryOf<TskDataSkinCheckRadioControl>(widget, "checkbox")) {
          const QSize size = CheckImageSize(*check);
          if (!size.isEmpty()) return metric == PM_IndicatorWidth ? size.width() : size.height();
        }
        break;
      case PM_MenuPanelWidth:
        if (PopupSkinned(*skin_)) return 0;
        break;
      case PM_MenuHMargin:
      case PM_MenuVMargin:
        if (PopupSkinned(*skin_)) {
          const TskDataSkinPopupWindow& popup = skin_->PopupWindow();
          const Rect whole = PopupSkinRect(*skin_, popup);
          const Rect& items = popup.ItemsRect;
          return metric == PM_MenuHMargin ? std::max(items.left, whole.right - items.right)
                                          : std::max(items.top, whole.bottom - items.bottom);
        }
        break;
      case PM_ToolTipLabelFrameWidth:
        if (HintSkinned(*skin_)) {
          const TskDataSkinHintWindow& hint = skin_->HintWindow();
          const Rect whole = HintSkinRect(*skin_, hint);
          const Rect& client = hint.ClientRect;
          return std::max({client.left, client.top, whole.right - client.right, whole.bottom - client.bottom});
        }
        break;
      default: break;
    }
  }
  return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize TskSkinStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                                     const QWidget* widget) const {
  const QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
  if (!skin_ || !option) return size;
  if (type == CT_MenuItem)
    if (const auto* item = ObjectNamed<TskDataSkinMenuItem>(*skin_, "menuitem"))
      if (const auto* menu_item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
        return MenuItemSize(*item, *menu_item, size);
  if (type == CT_TabBarTab)
    if (const auto* entry = EntryOf<TskDataSkinTabControl>(widget ? widget->parentWidget() : nullptr))
      if (entry->TabRect.Height() > 0) return QSize(size.width(), entry->TabRect.Height());
  return size;
}

int TskSkinStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returned) const {
  if (skin_ && option && (hint == SH_Menu_Mask || hint == SH_ToolTip_Mask)) {
    auto* mask = qstyleoption_cast<QStyleHintReturnMask*>(returned);
    std::optional<QRegion> region;
    if (hint == SH_Menu_Mask && PopupSkinned(*skin_)) {
      const TskDataSkinPopupWindow& popup = skin_->PopupWindow();
      region = FittedMaskRegion(*skin_, popup.MaskPictureIndex, PopupSkinRect(*skin_, popup), PopupGeometry(popup),
                                option->rect.size());
    }
    if (hint == SH_ToolTip_Mask && HintSkinned(*skin_)) {
      const TskDataSkinHintWindow& tip = skin_->HintWindow();
      region = FittedMaskRegion(*skin_, tip.MaskPictureIndex, HintSkinRect(*skin_, tip), HintGeometry(tip),
                                option->rect.size());
    }
    if (mask && region) {
      mask->region = region->translated(option->rect.topLeft());
      return 1;
    }
  }
  // Skinned buttons say what they do in words alone.
  if (skin_ && hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
  // A skinned list marks the selected row by its picture alone, not the
  // tree's branch lines beside it.
  if (skin_ && hint == SH_ItemView_ShowDecorationSelected && FindEntry(widget, nullptr)) return 0;
  return QProxyStyle::styleHint(hint, option, widget, returned);
}

namespace {

template <typename Entry>
const Entry* SkinnedEntry(const QWidget& control, TskSkinStyle*& style) {
  style = TskSkinStyle::Current();
  if (!style || !style->Pieces()) return nullptr;
  return style->EntryOf<Entry>(&control);
}

}  // namespace

bool PaintSkinnedPanel(const QWidget& control, QPainter& painter, bool bordered) {
  TskSkinStyle* style = nullptr;
  const auto* entry = SkinnedEntry<TskDataSkinPanelControl>(control, style);
  if (!entry) return false;
  DrawPanel({painter, *style->Pieces()}, *entry, control.rect(), bordered);
  return true;
}

bool PaintSkinnedSplitter(const QWidget& control, QPainter& painter) {
  TskSkinStyle* style = nullptr;
  const auto* entry = SkinnedEntry<TskDataSkinSplitterControl>(control, style);
  if (!entry) return false;
  DrawSplitter({painter, *style->Pieces()}, *entry, control.rect());
  return true;
}

bool PaintSkinnedGauge(const QWidget& control, QPainter& painter, int percent, const QString& text) {
  TskSkinStyle* style = nullptr;
  const auto* entry = SkinnedEntry<TskDataSkinGaugeControl>(control, style);
  if (!entry) return false;
  DrawGauge({painter, *style->Pieces()}, *entry, control.rect(), percent, text);
  return true;
}

bool PaintSkinnedCalendar(const QWidget& control, QPainter& painter, const QString& title) {
  TskSkinStyle* style = nullptr;
  const auto* entry = SkinnedEntry<TskDataSkinPanelControl>(control, style);
  if (!entry) return false;
  DrawGroupBox({painter, *style->Pieces()}, *entry, control.rect(), title);
  return true;
}

bool PaintSkinnedSelection(const QWidget& control, QPainter& painter, const QRect& rect) {
  TskSkinStyle* style = nullptr;
  if (!SkinnedEntry<TskDataSkinControl>(control, style)) return false;
  const auto* list = style->EntryOf<TskDataSkinListBox>(&control, "listbox");
  if (!list || list->ActiveItemRect.Width() <= 0) return false;
  DrawSelectedRow({painter, *style->Pieces()}, *list, rect, false);
  return true;
}

}  // namespace skin::qt
