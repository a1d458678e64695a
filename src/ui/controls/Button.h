#pragma once
#include <QPushButton>

enum class TButtonFocus { TabStop, NeverFocused };

// A push button with a hand cursor (skin element "button"). It is never a
// dialog's default button: Enter typed elsewhere does not press it.
class TskButton : public QPushButton {
  Q_OBJECT
 public:
  TskButton(const QString& caption, TButtonFocus focus, QWidget* parent);
};
