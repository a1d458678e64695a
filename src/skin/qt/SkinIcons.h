#pragma once
#include <QIcon>
#include <QStyle>
#include <optional>

class TskData;

namespace skin::qt {

// The signs a message box shows beside its text.
enum class TMessageSign { Information, Question, Warning, Critical };

// The sign the standard icon `icon` stands for, or none for other icons.
std::optional<TMessageSign> MessageSignOf(QStyle::StandardPixmap icon);

// A message box's sign drawn in the skin's colours, `size` pixels square:
// a round badge for information and questions, a triangle for warnings and
// errors, in the colour of the skin's group box captions, with the glyph in
// white or black, whichever stands out from it.
QIcon MessageIcon(const TskData& data, TMessageSign sign, int size);

}  // namespace skin::qt
