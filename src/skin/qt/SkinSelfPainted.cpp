// Controls that paint themselves ask here to be drawn from their entry.
#include "skin/qt/SkinDrawing.h"
#include "skin/qt/SkinStyle.h"

namespace skin::qt {
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
