#include "ui/controls/Splitter.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "skin/qt/SkinStyle.h"
#include "ui/controls/AlignLayout.h"
#include "ui/controls/SkinName.h"

TskSplitter::TskSplitter(TAlignLayout* layout, QWidget* resized, int min_size, QWidget* parent)
    : QWidget(parent), layout_(layout), resized_(resized), min_size_(min_size) {
  SetSkinDataName(this, "vsplitter");
  setCursor(Qt::SplitHCursor);
}

void TskSplitter::paintEvent(QPaintEvent*) {
  // Without a skin the bar is the window's background, as a plain splitter.
  QPainter painter(this);
  skin::qt::PaintSkinnedSplitter(*this, painter);
}

void TskSplitter::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  drag_start_x_ = event->globalPosition().toPoint().x();
  start_width_ = layout_->Extent(resized_);
}

void TskSplitter::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  // Everything right of the bar is the client area, which must keep its
  // minimum too.
  const int client_width = parentWidget()->width() - (x() + width());
  const int widest = layout_->Extent(resized_) + client_width - min_size_;
  const int wanted = start_width_ + event->globalPosition().toPoint().x() - drag_start_x_;
  layout_->SetExtent(resized_, std::clamp(wanted, min_size_, std::max(widest, min_size_)));
  ArrangeNow(parentWidget());
}

void TskSplitter::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }
