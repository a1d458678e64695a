#include "platform/Conversion.h"

#include <cstdint>
#include <limits>

namespace platform {

std::optional<int> ReadInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  constexpr std::int64_t kLimit =
      static_cast<std::int64_t>(std::numeric_limits<int>::max()) + 1;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > kLimit) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

int IntegerFromText(std::string_view text) {
  if (auto value = ReadInteger(text)) return *value;
  throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace platform
