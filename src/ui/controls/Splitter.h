#pragma once
#include <QWidget>

class TAlignLayout;

// A vertical bar between a left-docked control and the client area; dragging
// it changes the width of that control (skin element "vsplitter"). Neither
// side gets narrower than the minimum pane size.
class TskSplitter : public QWidget {
  Q_OBJECT
 public:
  TskSplitter(TAlignLayout* layout, QWidget* resized, int min_size, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TAlignLayout* layout_;
  QWidget* resized_;
  int min_size_;
  bool dragging_ = false;
  int drag_start_x_ = 0;
  int start_width_ = 0;
};
