#include "model/FieldEncoding.h"

#include "platform/Cp1252.h"
#include "platform/Utf8.h"

namespace {

constexpr char kEscape = '\x1B';
constexpr char32_t kMaxCodePoint = 0x10FFFF;

bool NeedsEscape(char32_t c, Caret caret) {
  return c == 0 || c == '\r' || c == '\n' || c == static_cast<char32_t>(kEscape) ||
         (c == '^' && caret == Caret::kEscaped);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Reads ESC hex ";" at `position` (which holds ESC); moves past it and gives
// the code point, or gives none and leaves `position` for a malformed one.
bool ReadEscape(std::string_view bytes, size_t& position, char32_t& code_point) {
  size_t i = position + 1;
  char32_t value = 0;
  size_t digits = 0;
  while (i < bytes.size() && digits <= 6) {
    const int digit = HexValue(bytes[i]);
    if (digit < 0) break;
    value = value * 16 + static_cast<char32_t>(digit);
    ++digits, ++i;
  }
  if (digits == 0 || digits > 6 || i >= bytes.size() || bytes[i] != ';') return false;
  if (value > kMaxCodePoint || (value >= 0xD800 && value <= 0xDFFF)) return false;
  code_point = value;
  position = i + 1;
  return true;
}

}  // namespace

void AppendEncodedField(std::string& bytes, std::string_view text, Caret caret) {
  size_t position = 0;
  while (position < text.size()) {
    const size_t run = StoredAsIsLength(text.substr(position), caret);
    bytes.append(text.substr(position, run));
    position += run;
    if (position == text.size()) break;
    const char32_t c = platform::NextCodePoint(text, position);
    const auto in_code_page = platform::CodePointToCp1252(c);
    if (in_code_page && !NeedsEscape(c, caret)) {
      bytes += static_cast<char>(*in_code_page);
      continue;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    char hex[8];
    size_t digits = 0;
    for (char32_t rest = c; rest != 0 || digits == 0; rest >>= 4) hex[digits++] = kHex[rest & 15];
    bytes += kEscape;
    while (digits > 0) bytes += hex[--digits];
    bytes += ';';
  }
}

std::string EncodeField(std::string_view text, Caret caret) {
  std::string bytes;
  bytes.reserve(text.size());
  AppendEncodedField(bytes, text, caret);
  return bytes;
}

std::string DecodeField(std::string_view bytes) {
  // Bytes below 0x80, less ESC, stand for themselves.
  auto special_in_word = [](uint64_t word) {
    return (word & bytescan::kHighBits) | bytescan::BytesEqual(word, kEscape);
  };
  size_t position = bytescan::PlainRun(bytes, special_in_word);
  if (position == bytes.size()) return std::string(bytes);  // nothing to convert, the common case

  std::string text;
  text.reserve(bytes.size() + bytes.size() / 4);
  text.append(bytes.substr(0, position));
  while (position < bytes.size()) {
    const auto byte = static_cast<unsigned char>(bytes[position]);
    char32_t code_point = 0;
    if (byte == static_cast<unsigned char>(kEscape) && ReadEscape(bytes, position, code_point)) {
      platform::AppendUtf8(text, code_point);
    } else {
      platform::AppendUtf8(text, platform::Cp1252ToCodePoint(byte));
      ++position;
    }
    const size_t run = bytescan::PlainRun(bytes.substr(position), special_in_word);
    text.append(bytes.substr(position, run));
    position += run;
  }
  return text;
}
