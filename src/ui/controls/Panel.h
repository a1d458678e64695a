#pragma once
#include <QFrame>

enum class TPanelBorder { None, Lowered, Framed };

// A plain container (skin element "panel").
class TskPanel : public QFrame {
  Q_OBJECT
 public:
  explicit TskPanel(TPanelBorder border, QWidget* parent);
};
