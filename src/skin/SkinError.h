#pragma once
#include <stdexcept>
#include <string>

namespace skin {

// A skin file, skin stream or skin picture that cannot be read. The message
// is the one the user sees.
class SkinError : public std::runtime_error {
 public:
  explicit SkinError(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kCompressionError = "compression error";
inline constexpr const char* kBitmapNotValid = "Bitmap image is not valid";

}  // namespace skin
