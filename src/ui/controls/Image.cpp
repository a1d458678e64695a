#include "ui/controls/Image.h"

#include <QMouseEvent>

TImage::TImage(QWidget* parent) : QLabel(parent) {}

void TImage::SetPicture(const QPixmap& picture) {
  setPixmap(picture);
  resize(picture.size());
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Clicked();
}
