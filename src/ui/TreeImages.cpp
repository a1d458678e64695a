#include "ui/TreeImages.h"

#include <QPainter>
#include <QPixmap>

namespace {

// The image list's white background is its transparent colour: only the
// folder and the book show, on whatever background the tree has.
QPixmap Clear16() {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  return picture;
}

QIcon Folder() {
  QPixmap picture = Clear16();
  QPainter painter(&picture);
  const QColor edge(150, 110, 0);
  painter.setPen(edge);
  painter.setBrush(QColor(240, 200, 40));
  painter.drawRect(1, 3, 6, 2);   // tab
  painter.drawRect(1, 4, 13, 9);  // body
  painter.setPen(QColor(255, 235, 140));
  painter.drawLine(2, 6, 13, 6);  // highlight along the fold
  return QIcon(picture);
}

QIcon Book() {
  QPixmap picture = Clear16();
  QPainter painter(&picture);
  painter.setPen(QColor(0, 90, 0));
  painter.setBrush(QColor(40, 160, 60));
  painter.drawRect(3, 1, 10, 13);  // cover
  painter.setPen(QColor(0, 70, 0));
  painter.drawLine(5, 1, 5, 14);  // spine
  painter.setPen(Qt::white);
  painter.drawLine(7, 4, 11, 4);  // title
  painter.drawLine(7, 6, 11, 6);
  return QIcon(picture);
}

}  // namespace

std::vector<QIcon> MakeTreeImages() { return {Folder(), Book()}; }
