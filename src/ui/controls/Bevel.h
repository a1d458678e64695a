#pragma once
#include <QFrame>

// A sunken frame drawn around other controls; it holds none itself
// (skin element "bevel").
class TskBevel : public QFrame {
  Q_OBJECT
 public:
  explicit TskBevel(QWidget* parent);
};
