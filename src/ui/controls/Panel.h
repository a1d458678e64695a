#pragma once
#include <QWidget>

enum class TPanelBorder { None, Lowered, Framed };

// A plain container (skin element "panel"). Its border is drawn over its
// edge, so the controls inside are placed from its top-left corner whatever
// the border.
class TskPanel : public QWidget {
  Q_OBJECT
 public:
  TskPanel(TPanelBorder border, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TPanelBorder border_;
};
