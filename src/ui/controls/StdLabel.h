#pragma once
#include <QLabel>

// A one-line caption that sizes itself to its text (skin element "stdlabel").
class TskStdLabel : public QLabel {
  Q_OBJECT
 public:
  TskStdLabel(const QString& caption, QWidget* parent);
};
