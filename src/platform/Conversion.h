#pragma once
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// A text that does not convert into the number or time asked for, e.g.
// 'abc' is not a valid integer value
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A whole 32-bit decimal integer: blanks in front, then an optional sign and
// digits, nothing after. None for anything else, overflow included.
std::optional<int> ReadInteger(std::string_view text);
// The same for 64 bits.
std::optional<std::int64_t> ReadInteger64(std::string_view text);

// As ReadInteger, but throws ConversionError
// "'<text>' is not a valid integer value".
int IntegerFromText(std::string_view text);

}  // namespace platform
