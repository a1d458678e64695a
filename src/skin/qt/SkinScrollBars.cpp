// Which skin scroll bar each list's bars wear, and the corner between them.
#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QStyleOption>

#include "skin/TskData.h"
#include "skin/qt/SkinDrawing.h"
#include "skin/qt/SkinStyle.h"

namespace skin::qt {
namespace {

// A list's scroll bar sits in a container inside the list; its viewport
// one level down.
constexpr int kLevelsToTheList = 3;

const QAbstractScrollArea* ScrollAreaOf(const QWidget* widget) {
  for (int level = 0; widget && level <= kLevelsToTheList; ++level, widget = widget->parentWidget())
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(widget)) return area;
  return nullptr;
}

bool BothBarsShow(const QWidget* bar) {
  const QAbstractScrollArea* area = ScrollAreaOf(bar);
  return area && area->verticalScrollBar()->isVisible() && area->horizontalScrollBar()->isVisible();
}

bool IsScrolledList(const TskDataSkinControl* entry) {
  return dynamic_cast<const TskDataSkinTextViewControl*>(entry) || dynamic_cast<const TskDataSkinMemoControl*>(entry) ||
         dynamic_cast<const TskDataSkinListBox*>(entry);
}

}  // namespace

const TskDataSkinControl* TskSkinStyle::ScrolledListEntry(const QWidget* widget) const {
  for (int level = 0; widget && level <= kLevelsToTheList; ++level, widget = widget->parentWidget()) {
    const TskDataSkinControl* entry = FindEntry(widget, nullptr);
    if (IsScrolledList(entry)) return entry;
    if (entry) return nullptr;
  }
  return nullptr;
}

const TskDataSkinScrollBarControl* TskSkinStyle::ScrollBarEntry(const QWidget* bar,
                                                                 Qt::Orientation orientation) const {
  const TskDataSkinControl* list = ScrolledListEntry(bar);
  if (!list) return nullptr;
  // A list box names the bars it wears; trees, lists and memos wear the
  // skin's usual ones.
  const auto* box = dynamic_cast<const TskDataSkinListBox*>(list);
  static const TskDataSkinListBox defaults;
  const TskDataSkinListBox& names = box ? *box : defaults;
  const auto bar_named = [&](const std::string& name) {
    return dynamic_cast<const TskDataSkinScrollBarControl*>(skin_->FindControl(name));
  };
  if (orientation == Qt::Vertical) return bar_named(names.VScrollBarName);
  // With both bars showing, the horizontal one is the "both" entry, which
  // leaves the corner to the vertical one; a skin without it keeps the
  // plain horizontal bar.
  if (BothBarsShow(bar))
    if (const TskDataSkinScrollBarControl* both = bar_named(names.BothHScrollBarName)) return both;
  return bar_named(names.HScrollBarName);
}

bool TskSkinStyle::DrawScrollCorner(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
  const QAbstractScrollArea* area = ScrollAreaOf(widget);
  const TskDataSkinScrollBarControl* vertical =
      area ? ScrollBarEntry(area->verticalScrollBar(), Qt::Vertical) : nullptr;
  if (!vertical) return false;
  ::skin::qt::DrawScrollCorner(TSkinPaint{*painter, *pieces_}, *vertical, option->rect);
  return true;
}

}  // namespace skin::qt
