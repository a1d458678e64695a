#pragma once
#include <QString>
#include <string>

// The model keeps its texts as UTF-8; the controls show them as QString.
inline QString ToQ(const std::string& text) { return QString::fromStdString(text); }
