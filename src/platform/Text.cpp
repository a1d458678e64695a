#include "platform/Text.h"

#include <locale.h>
#include <wctype.h>

#include "platform/Utf8.h"

namespace platform {
namespace {

// A UTF-8 character-type locale of our own for towlower_l, leaving the
// process-wide locale alone; none when the system has no such locale, and
// then the Latin table below still covers what Windows-1252 can hold.
locale_t Utf8CharacterTypes() {
  static const locale_t types = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  return types;
}

char32_t LatinLowerCase(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  switch (c) {
    case 0x0152: return 0x0153;  // OE ligature
    case 0x0160: return 0x0161;  // S caron
    case 0x0178: return 0x00FF;  // Y diaeresis
    case 0x017D: return 0x017E;  // Z caron
    default: return c;
  }
}

}  // namespace

char32_t LowerCase(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
  const locale_t types = Utf8CharacterTypes();
  if (types != static_cast<locale_t>(nullptr))
    return static_cast<char32_t>(::towlower_l(static_cast<wint_t>(c), types));
  return LatinLowerCase(c);
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return lower;
}

std::string_view TrimmedOfBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n\v\f";
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[j]);
    if (ca < 0x80 && cb < 0x80) {  // the common case, without decoding
      if (ca != cb && LowerCase(ca) != LowerCase(cb)) return false;
      ++i, ++j;
      continue;
    }
    if (LowerCase(NextCodePoint(a, i)) != LowerCase(NextCodePoint(b, j))) return false;
  }
  return i == a.size() && j == b.size();
}

}  // namespace platform
