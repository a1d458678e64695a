#pragma once
#include <QLabel>
#include <QPixmap>

// A still picture that takes the size of its picture and reports clicks.
class TImage : public QLabel {
  Q_OBJECT
 public:
  explicit TImage(QWidget* parent);
  void SetPicture(const QPixmap& picture);

 signals:
  void Clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
