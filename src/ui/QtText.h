#pragma once
#include <QString>
#include <QStringDecoder>
#include <string>

// The model keeps its texts as UTF-8; the controls show them as QString.
// A byte order mark at the start is a character of the text like any other
// (QString::fromStdString would drop it).
inline QString ToQ(const std::string& text) {
  QStringDecoder utf8(QStringConverter::Utf8,
                      QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
  return utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}
