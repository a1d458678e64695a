#pragma once
#include <QGroupBox>

// A frame with a centred caption bar (skin element "groupbox").
class TskGroupBox : public QGroupBox {
  Q_OBJECT
 public:
  TskGroupBox(const QString& caption, QWidget* parent);
};
