#include "platform/ShortDate.h"

#include <langinfo.h>
#include <locale.h>

namespace platform {
namespace {

constexpr std::string_view kFallbackPattern = "M/d/yyyy";

}  // namespace

std::string ShortDatePatternFromStrftime(std::string_view format) {
  std::string pattern;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      pattern += format[i];
      continue;
    }
    if (++i >= format.size()) break;
    // glibc flags and widths (%-d, %_m, %0e, %4Y) do not change which field
    // is meant; the short date format is unpadded either way.
    while (i < format.size() && (format[i] == '-' || format[i] == '_' || format[i] == '0' ||
                                 format[i] == '^' || format[i] == '#' ||
                                 (format[i] >= '1' && format[i] <= '9')))
      ++i;
    if (i >= format.size()) break;
    switch (format[i]) {
      case 'm': pattern += 'M'; break;
      case 'd':
      case 'e': pattern += 'd'; break;
      case 'y':
      case 'Y': pattern += "yyyy"; break;
      case 'D': pattern += "M/d/yyyy"; break;
      case 'F': pattern += "yyyy-M-d"; break;
      case '%': pattern += '%'; break;
      default: break;  // weekday names, eras and the like have no place here
    }
  }
  return pattern.find('M') != std::string::npos && pattern.find('d') != std::string::npos &&
                 pattern.find('y') != std::string::npos
             ? pattern
             : std::string(kFallbackPattern);
}

std::string ShortDateFormat() {
  // A locale object of our own, so that the process-wide locale (which Qt
  // and the number formatting rely on) stays untouched.
  locale_t user = ::newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return std::string(kFallbackPattern);
  const std::string format = ::nl_langinfo_l(D_FMT, user);
  ::freelocale(user);
  return ShortDatePatternFromStrftime(format);
}

std::string FormatDate(std::string_view pattern, int year, int month, int day) {
  std::string text;
  size_t i = 0;
  while (i < pattern.size()) {
    const char letter = pattern[i];
    size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == letter) ++run;
    auto number = [&](int value, size_t width) {
      std::string digits = std::to_string(value);
      if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
      text += digits;
    };
    switch (letter) {
      case 'M': number(month, run >= 2 ? 2 : 1); break;
      case 'd': number(day, run >= 2 ? 2 : 1); break;
      case 'y':
        if (run <= 2)
          number(year % 100, 2);
        else
          number(year, 1);
        break;
      default: text.append(run, letter); break;
    }
    i += run;
  }
  return text;
}

std::string FormatShortDate(int year, int month, int day) {
  return FormatDate(ShortDateFormat(), year, month, day);
}

}  // namespace platform
