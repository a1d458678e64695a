#include "gif/qt/TImageControl.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "platform/ScopedFlag.h"

namespace gif::qt {

TImageControl::TImageControl(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(105, 105);
}

void TImageControl::paintEvent(QPaintEvent*) {
  if (size().isEmpty()) return;
  if (paintBuffered_) {
    QPainter painter(this);
    Paint(painter);
    return;
  }
  QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
  {
    const TScopedFlag buffered(paintBuffered_);
    QPainter bufferPainter(&buffer);
    Paint(bufferPainter);
  }
  QPainter painter(this);
  painter.drawImage(0, 0, buffer);
}

void TImageControl::Paint(QPainter& painter) {
  painter.fillRect(rect(), palette().color(backgroundRole()));
  const TScopedFlag drawing(drawing_);
  PaintImage(painter);
}

void TImageControl::PaintParentBackground(QPainter& painter) {
  QWidget* parent = parentWidget();
  if (!parent) return;
  const QRect ours = geometry();
  parent->render(&painter, -ours.topLeft(), QRegion(ours), QWidget::DrawWindowBackground);
  for (QObject* child : parent->children()) {
    if (child == this) break;
    auto* sibling = qobject_cast<QWidget*>(child);
    if (!sibling || !sibling->isVisible() || sibling->isWindow()) continue;
    const QRect overlap = sibling->geometry().intersected(ours);
    if (overlap.isEmpty()) continue;
    auto* imageSibling = qobject_cast<TImageControl*>(sibling);
    if (imageSibling) imageSibling->paintedAsCopy_ = true;
    sibling->render(&painter, sibling->pos() - ours.topLeft(), QRegion(overlap.translated(-sibling->pos())),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
    if (imageSibling) imageSibling->paintedAsCopy_ = false;
  }
}

void TImageControl::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QWidget::mousePressEvent(event);
}

void TImageControl::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click && OnClick) OnClick(*this);
  QWidget::mouseReleaseEvent(event);
}

void TImageControl::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && OnDblClick) OnDblClick(*this);
  QWidget::mouseDoubleClickEvent(event);
}

}  // namespace gif::qt
