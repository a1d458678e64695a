#include "ui/controls/AlignLayout.h"

#include <QWidget>
#include <algorithm>

TAlignLayout::TAlignLayout(QSize design_size, QWidget* parent)
    : QLayout(parent), design_size_(design_size) {
  setContentsMargins(0, 0, 0, 0);
  setSpacing(0);
}

TAlignLayout::~TAlignLayout() = default;

void TAlignLayout::AddDocked(QWidget* control, TAlign align, int extent) {
  addChildWidget(control);
  Entry entry;
  entry.item = std::make_unique<QWidgetItem>(control);
  entry.align = align;
  entry.extent = extent;
  entries_.push_back(std::move(entry));
  invalidate();
}

void TAlignLayout::AddPlaced(QWidget* control, QRect design_rect, TAnchors anchors,
                             TAutoSize auto_size) {
  addChildWidget(control);
  Entry entry;
  entry.item = std::make_unique<QWidgetItem>(control);
  entry.design_rect = design_rect;
  entry.anchors = anchors;
  entry.auto_size = auto_size;
  entries_.push_back(std::move(entry));
  control->setGeometry(design_rect);
  invalidate();
}

TAlignLayout::Entry* TAlignLayout::Find(const QWidget* control) {
  for (Entry& entry : entries_)
    if (entry.item->widget() == control) return &entry;
  return nullptr;
}

const TAlignLayout::Entry* TAlignLayout::Find(const QWidget* control) const {
  return const_cast<TAlignLayout*>(this)->Find(control);
}

int TAlignLayout::Extent(const QWidget* control) const {
  const Entry* entry = Find(control);
  return entry ? entry->extent : 0;
}

// Invalidating posts a layout request to the parent; a parent that sets
// extents whenever it lays out must not be asked again for nothing.
void TAlignLayout::SetExtent(const QWidget* control, int extent) {
  Entry* entry = Find(control);
  if (!entry || entry->extent == extent) return;
  entry->extent = extent;
  invalidate();
}

void TAlignLayout::addItem(QLayoutItem* item) {
  Entry entry;
  entry.item.reset(item);
  if (QWidget* control = item->widget()) entry.design_rect = control->geometry();
  entries_.push_back(std::move(entry));
}

QLayoutItem* TAlignLayout::itemAt(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return entries_[static_cast<size_t>(index)].item.get();
}

QLayoutItem* TAlignLayout::takeAt(int index) {
  if (index < 0 || index >= count()) return nullptr;
  auto position = entries_.begin() + index;
  QLayoutItem* item = position->item.release();
  entries_.erase(position);
  return item;
}

int TAlignLayout::count() const { return static_cast<int>(entries_.size()); }

QSize TAlignLayout::sizeHint() const { return design_size_; }

QSize TAlignLayout::minimumSize() const { return QSize(0, 0); }

QRect TAlignLayout::PlacedRect(const Entry& entry, const QRect& area) const {
  const int dx = area.width() - design_size_.width();
  const int dy = area.height() - design_size_.height();
  const QRect& design = entry.design_rect;
  int left = design.left();
  int top = design.top();
  int width = design.width();
  int height = design.height();
  if (entry.anchors.right) {
    if (entry.anchors.left)
      width += dx;
    else
      left += dx;
  }
  if (entry.anchors.bottom) {
    if (entry.anchors.top)
      height += dy;
    else
      top += dy;
  }
  if (entry.auto_size != TAutoSize::Off) {
    const QSize hint = entry.item->widget()->sizeHint();
    if (entry.auto_size == TAutoSize::KeepRight) left = left + width - hint.width();
    width = hint.width();
    height = hint.height();
  }
  return QRect(area.left() + left, area.top() + top, std::max(width, 0), std::max(height, 0));
}

void TAlignLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  QRect rest = rect;
  auto visible = [](const Entry& entry) { return !entry.item->widget()->isHidden(); };
  auto place = [](const Entry& entry, const QRect& r) { entry.item->widget()->setGeometry(r); };
  for (const Entry& entry : entries_) {
    if (entry.align != TAlign::Top || !visible(entry)) continue;
    place(entry, QRect(rest.left(), rest.top(), rest.width(), entry.extent));
    rest.setTop(rest.top() + entry.extent);
  }
  for (const Entry& entry : entries_) {
    if (entry.align != TAlign::Bottom || !visible(entry)) continue;
    place(entry, QRect(rest.left(), rest.bottom() + 1 - entry.extent, rest.width(), entry.extent));
    rest.setBottom(rest.bottom() - entry.extent);
  }
  for (const Entry& entry : entries_) {
    if (entry.align != TAlign::Left || !visible(entry)) continue;
    place(entry, QRect(rest.left(), rest.top(), entry.extent, std::max(rest.height(), 0)));
    rest.setLeft(rest.left() + entry.extent);
  }
  for (const Entry& entry : entries_) {
    if (entry.align != TAlign::Right || !visible(entry)) continue;
    place(entry, QRect(rest.right() + 1 - entry.extent, rest.top(), entry.extent, std::max(rest.height(), 0)));
    rest.setRight(rest.right() - entry.extent);
  }
  const QRect client(rest.topLeft(), QSize(std::max(rest.width(), 0), std::max(rest.height(), 0)));
  for (const Entry& entry : entries_) {
    if (entry.align == TAlign::Client) place(entry, client);
    if (entry.align == TAlign::None) place(entry, PlacedRect(entry, rect));
  }
}

void ArrangeNow(QWidget* root) {
  if (QLayout* layout = root->layout()) layout->setGeometry(root->contentsRect());
  for (QWidget* child : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!child->isWindow()) ArrangeNow(child);
}
