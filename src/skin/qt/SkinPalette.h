#pragma once
class QWidget;

namespace skin::qt {

// Gives `widget` back the palette and font it had before a skin dressed it
// (TskSkinStyle::ApplySkinColours keeps them).
void RestorePlainLook(QWidget& widget);

}  // namespace skin::qt
