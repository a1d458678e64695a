#pragma once
#include <exception>
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

// Throws SkinError `message` with `detail` (why, or where) nested in it.
// what() stays the message alone, which callers compare; the user sees both
// through platform::ErrorText.
[[noreturn]] inline void ThrowWithDetail(const std::string& message, const std::string& detail) {
  try {
    throw SkinError(detail);
  } catch (const SkinError&) {
    std::throw_with_nested(SkinError(message));
  }
}

// Refuses a BMP image with the fixed message and the reason.
[[noreturn]] inline void RefuseBitmap(const std::string& reason) { ThrowWithDetail(kBitmapNotValid, reason); }

}  // namespace skin
