// What the skin changes in the sizes, margins and hints the standard look
// would give.
#include <QScrollBar>
#include <QStyleOption>
#include <algorithm>

#include "skin/TskData.h"
#include "skin/qt/SkinDrawing.h"
#include "skin/qt/SkinIcons.h"
#include "skin/qt/SkinLookup.h"
#include "skin/qt/SkinMask.h"
#include "skin/qt/SkinStyle.h"

namespace skin::qt {
namespace {

constexpr int kMessageIconSize = 32;

}  // namespace

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

QRect TskSkinStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const {
  QRect rect = QProxyStyle::subElementRect(element, option, widget);
  // A list box's rows start their text where its item picture's text
  // rectangle does.
  if (skin_ && element == SE_ItemViewItemText)
    if (const auto* list = EntryOf<TskDataSkinListBox>(widget)) {
      const int standard_margin = pixelMetric(PM_FocusFrameHMargin, option, widget) + 1;
      rect.setLeft(rect.left() + std::max(list->ItemTextRect.left - standard_margin, 0));
    }
  return rect;
}

int TskSkinStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  if (skin_) {
    switch (metric) {
      case PM_ScrollBarExtent:
      case PM_ScrollBarSliderMin: {
        const auto* bar = qobject_cast<const QScrollBar*>(widget);
        const TskDataSkinScrollBarControl* entry = bar ? ScrollBarEntry(bar, bar->orientation()) : nullptr;
        if (!entry) break;
        const bool vertical = bar->orientation() == Qt::Vertical;
        if (metric == PM_ScrollBarExtent) return ScrollBarExtent(*entry, vertical);
        return entry->ThumbOffset1 + entry->ThumbOffset2 + 4;
      }
      case PM_DefaultFrameWidth: {
        const TskDataSkinControl* entry = FindEntry(widget, nullptr);
        if (const auto* memo = dynamic_cast<const TskDataSkinMemoControl*>(entry)) return memo->ClientRect.left;
        if (dynamic_cast<const TskDataSkinTextViewControl*>(entry)) return kTextViewBorder;
        if (const auto* list = dynamic_cast<const TskDataSkinListBox*>(entry))
          return std::max(list->ClientRect.left, 0);
        break;
      }
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
        if (const auto* check = EntryOf<TskDataSkinCheckRadioControl>(widget, "checkbox")) {
          const QSize size = CheckImageSize(*check);
          if (!size.isEmpty()) return metric == PM_IndicatorWidth ? size.width() : size.height();
        }
        break;
      case PM_MessageBoxIconSize:
        // The skin's sign is sized to the boxes' 15 pixel text.
        if (!skin_->SkinEmpty()) return kMessageIconSize;
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
  // A drop-down list whose entry names a list box opens that list box below
  // itself, drawn as a list, rather than a menu over itself.
  if (skin_ && hint == SH_ComboBox_Popup)
    if (const auto* combo = EntryOf<TskDataSkinComboBox>(widget))
      if (dynamic_cast<const TskDataSkinListBox*>(skin_->FindControl(combo->ListBoxName))) return 0;
  // Skinned buttons say what they do in words alone.
  if (skin_ && hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
  // A skinned list marks the selected row by its picture alone, not the
  // tree's branch lines beside it.
  if (skin_ && hint == SH_ItemView_ShowDecorationSelected && FindEntry(widget, nullptr)) return 0;
  return QProxyStyle::styleHint(hint, option, widget, returned);
}

QIcon TskSkinStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
  // Message boxes show a sign in the skin's own colours.
  if (skin_ && !skin_->SkinEmpty())
    if (const std::optional<TMessageSign> sign = MessageSignOf(icon))
      return MessageIcon(*skin_, *sign, pixelMetric(PM_MessageBoxIconSize, option, widget));
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace skin::qt
