#include "platform/LocaleNumbers.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

locale_t CNumbers() {
  static const locale_t c_numbers = ::newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
  return c_numbers;
}

}  // namespace

char LocaleDecimalSeparator() {
  // A locale object of our own, so the process-wide locale stays as it is.
  locale_t user = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return '.';
  const char* radix = ::nl_langinfo_l(RADIXCHAR, user);
  const char separator = radix != nullptr && radix[0] != '\0' && radix[1] == '\0' ? radix[0] : '.';
  ::freelocale(user);
  return separator;
}

std::optional<double> ReadDecimal(std::string_view text, char separator) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  // Check the form ourselves, then let strtod in the C locale read it: strtod
  // alone would also take hexadecimal, "inf", "nan" and a prefix of the text.
  std::string c_form;
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) c_form += text[i++];
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) c_form += text[i++], ++digits;
  if (i < text.size() && text[i] == separator) {
    c_form += '.';
    ++i;
    while (i < text.size() && IsDigit(text[i])) c_form += text[i++], ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    c_form += text[i++];
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) c_form += text[i++];
    size_t exponent_digits = 0;
    while (i < text.size() && IsDigit(text[i])) c_form += text[i++], ++exponent_digits;
    if (exponent_digits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  return ::strtod_l(c_form.c_str(), nullptr, CNumbers());
}

std::string FormatGeneral15(long double value, char separator) {
  // The process-wide locale (which Qt sets from the environment) must not
  // choose the decimal point here: format in the C locale, then put ours in.
  char buffer[64];
  const locale_t previous = ::uselocale(CNumbers());
  std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
  ::uselocale(previous);
  std::string text(buffer);
  for (char& c : text)
    if (c == '.') c = separator;
  return text;
}

}  // namespace platform
