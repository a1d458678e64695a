#pragma once
#include <QTreeWidget>

// A tree without column header, not edited in place, whose selection stays
// visible without focus (skin element "treeview"). A right click asks for
// the popup menu without moving the selection, so that the menu's commands
// act on the node the user selected before.
class TskTreeView : public QTreeWidget {
  Q_OBJECT
 public:
  explicit TskTreeView(QWidget* parent);

 signals:
  void PopupRequested(const QPoint& global_position);
  // A key went down in the tree; set `handled` to keep it from the tree.
  void KeyDown(int key, bool* handled);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
};
