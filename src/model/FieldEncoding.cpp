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

std::string EncodeField(std::string_view text, Caret caret) {
  std::string bytes;
  bytes.reserve(text.size());
  size_t position = 0;
  while (position < text.size()) {
    const auto lead = static_cast<unsigned char>(text[position]);
    if (lead >= 0x20 && lead < 0x80 && !(lead == '^' && caret == Caret::kEscaped)) {
      bytes += text[position++];  // plain ASCII, the common case
      continue;
    }
    const char32_t c = platform::NextCodePoint(text, position);
    const auto in_code_page = platform::CodePointToCp1252(c);
    if (in_code_page && !NeedsEscape(c, caret)) {
      bytes += static_cast<char>(*in_code_page);
      continue;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string hex;
    for (char32_t rest = c; rest != 0 || hex.empty(); rest >>= 4) hex.insert(hex.begin(), kHex[rest & 15]);
    bytes += kEscape;
    bytes += hex;
    bytes += ';';
  }
  return bytes;
}

std::string DecodeField(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  size_t position = 0;
  while (position < bytes.size()) {
    const auto byte = static_cast<unsigned char>(bytes[position]);
    if (byte == static_cast<unsigned char>(kEscape)) {
      char32_t code_point = 0;
      if (ReadEscape(bytes, position, code_point)) {
        platform::AppendUtf8(text, code_point);
        continue;
      }
    }
    if (byte < 0x80)
      text += bytes[position];
    else
      platform::AppendUtf8(text, platform::Cp1252ToCodePoint(byte));
    ++position;
  }
  return text;
}
