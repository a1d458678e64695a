#pragma once
#include <QLabel>
#include <string>

// A caption that stands for an address: hand cursor, underlined text, and a
// click reports the address to whoever opens it (skin element "stdlabel").
class TskLinkLabel : public QLabel {
  Q_OBJECT
 public:
  TskLinkLabel(Qt::Alignment alignment, QWidget* parent);

  std::string URL;

 signals:
  void Clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
