#include "skin/qt/SkinStyle.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QStyleFactory>
#include <QStyleOption>

#include "skin/TskData.h"
#include "skin/qt/SkinControlMask.h"
#include "skin/qt/SkinDrawing.h"
#include "skin/qt/SkinImage.h"
#include "skin/qt/SkinLookup.h"
#include "skin/qt/SkinPalette.h"

namespace skin::qt {
namespace {

// The drop-down list whose list `widget` is (the list's window or the view
// in it), or none.
const QComboBox* DropDownOwner(const QWidget* widget) {
  for (int level = 0; widget && level < 2; ++level, widget = widget->parentWidget())
    if (widget->inherits("QComboBoxPrivateContainer")) return qobject_cast<const QComboBox*>(widget->parentWidget());
  return nullptr;
}

// The tree or list whose rows `painter` is painting, or none.
const QAbstractItemView* PaintedView(const QPainter& painter) {
  const auto* viewport = dynamic_cast<const QWidget*>(painter.device());
  return viewport ? qobject_cast<const QAbstractItemView*>(viewport->parentWidget()) : nullptr;
}

}  // namespace

TskSkinStyle::TskSkinStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), masks_(std::make_unique<TskControlMasks>(*this)) {}

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

QString TskSkinStyle::EntryNameOf(const QWidget* widget) const {
  if (!widget) return {};
  const QString own = widget->property("SkinDataName").toString();
  if (!own.isEmpty() || !skin_) return own;
  if (const QComboBox* combo = DropDownOwner(widget))
    if (const auto* entry = EntryOf<TskDataSkinComboBox>(combo)) return QString::fromStdString(entry->ListBoxName);
  return {};
}

const TskDataSkinControl* TskSkinStyle::FindEntry(const QWidget* widget, const char* name) const {
  if (!skin_ || skin_->SkinEmpty()) return nullptr;
  if (name) return skin_->FindControl(name);
  const QString own = EntryNameOf(widget);
  return own.isEmpty() ? nullptr : skin_->FindControl(own.toStdString());
}

void TskSkinStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  if (!skin_) return;
  ApplySkinColours(widget);
  masks_->Shape(*widget);
}

void TskSkinStyle::unpolish(QWidget* widget) {
  masks_->Release(*widget);
  RestorePlainLook(*widget);
  QProxyStyle::unpolish(widget);
}

bool TskSkinStyle::DrawSkinnedPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                        const QWidget* widget) const {
  TSkinPaint paint{*painter, *pieces_};
  switch (element) {
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
      if (const auto* entry = EntryOf<TskDataSkinButtonControl>(widget)) {
        DrawButton(paint, *entry, option->rect, option->state);
        // The standard look asks for no focus frame on a push button: it
        // marks the focus in the button's own face, which the picture hides.
        if (option->state & State_HasFocus)
          DrawFocusMark(*painter, option->rect.adjusted(2, 2, -2, -2), ButtonTextColour(*entry, option->state));
        return true;
      }
      return false;
    case PE_PanelButtonTool:
    case PE_FrameButtonTool: {
      const QWidget* parent = widget ? widget->parentWidget() : nullptr;
      if (EntryNameOf(parent) == QLatin1String("monthcalendar"))
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
      // A list box wears its own entry's rows; other lists the skin's
      // "listbox" rows.
      const auto* list = EntryOf<TskDataSkinListBox>(widget);
      if (!list) list = EntryOf<TskDataSkinListBox>(widget, "listbox");
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
    case PE_PanelScrollAreaCorner: return DrawScrollCorner(option, painter, widget);
    case PE_FrameFocusRect: {
      // Every skinned control that holds the focus shows it, whether the
      // focus came by the keyboard or the mouse. A tree or list asks for
      // its current row's mark without naming itself; it is the one whose
      // rows are being painted.
      const QWidget* focused = widget ? widget : PaintedView(*painter);
      if (!FindEntry(focused, nullptr)) return false;
      const bool in_view = qobject_cast<const QAbstractItemView*>(focused);
      // A selected row's text lies on the selection picture.
      const QPalette::ColorRole text = in_view ? (option->state & State_Selected ? QPalette::HighlightedText
                                                                                 : QPalette::Text)
                                       : qobject_cast<const QAbstractButton*>(focused) ? QPalette::ButtonText
                                                                                        : QPalette::WindowText;
      DrawFocusMark(*painter, option->rect, focused->palette().color(text));
      return true;
    }
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
  // The window of a drop-down list's list, and any list box.
  if (const auto* list = dynamic_cast<const TskDataSkinListBox*>(entry)) {
    DrawComposed(*painter, pieces_->Entry(*list, list->SkinRect, option->rect.size(), true), option->rect);
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
      const TskDataSkinScrollBarControl* entry = slider ? ScrollBarEntry(widget, slider->orientation) : nullptr;
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

}  // namespace skin::qt
