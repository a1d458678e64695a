#pragma once
#include <QWidget>

// Names the skin element a control is drawn with ("panel", "button", ...),
// so that the skin engine finds each control's picture by this name.
inline void SetSkinDataName(QWidget* control, const char* element) {
  control->setProperty("SkinDataName", QString::fromLatin1(element));
}

// The font of lists, trees, page tabs and edit fields.
inline QFont ArialPixels(int pixel_size) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixel_size);
  return font;
}
