#include "platform/Conversion.h"

#include <charconv>
#include <limits>

namespace platform {

std::optional<std::int64_t> ReadInteger64(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  // from_chars takes "-" but not "+".
  if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+')
    text.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

std::optional<int> ReadInteger(std::string_view text) {
  const auto value = ReadInteger64(text);
  if (!value || *value < std::numeric_limits<int>::min() ||
      *value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(*value);
}

int IntegerFromText(std::string_view text) {
  if (auto value = ReadInteger(text)) return *value;
  throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace platform
