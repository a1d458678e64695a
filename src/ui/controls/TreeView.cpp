#include "ui/controls/TreeView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/controls/SkinName.h"

TskTreeView::TskTreeView(QWidget* parent) : QTreeWidget(parent) {
  SetSkinDataName(this, "treeview");
  setFont(ArialPixels(14));
  setHeaderHidden(true);
  setColumnCount(1);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformRowHeights(true);
  setIconSize(QSize(16, 16));
  QPalette colours = palette();
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   colours.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(colours);
}

void TskTreeView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) return;
  QTreeWidget::mousePressEvent(event);
}

void TskTreeView::mouseReleaseEvent(QMouseEvent* event) {
  // The menu opens when the button comes up, as context menus do on the
  // platform the program was made for: opened on the press, it lies under
  // the pointer, and a quick release can land on its first item and run it.
  if (event->button() == Qt::RightButton) {
    emit PopupRequested(event->globalPosition().toPoint());
    return;
  }
  QTreeWidget::mouseReleaseEvent(event);
}

void TskTreeView::contextMenuEvent(QContextMenuEvent* event) {
  // The mouse asks in mouseReleaseEvent; this is the menu key.
  if (event->reason() != QContextMenuEvent::Mouse) emit PopupRequested(event->globalPos());
}

void TskTreeView::keyPressEvent(QKeyEvent* event) {
  bool handled = false;
  emit KeyDown(event->key(), &handled);
  if (!handled) QTreeWidget::keyPressEvent(event);
}
