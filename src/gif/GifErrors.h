#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace gif {

// A GIF that cannot be read or shown; the message is what the user sees.
class EGIFError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kUnknownVersion = "Неизвестная версия изображения GIF";
inline constexpr const char* kBadColorCount = "Неверное число цветов; должно быть степенью числа 2";
inline constexpr const char* kCannotResize = "Невозможно изменить размер изображения GIF";

inline std::string UnknownExtensionMessage(std::uint8_t label) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  return std::string("Неопределенное расширение GIF: ") + kHex[label >> 4] + kHex[label & 15];
}

}  // namespace gif
