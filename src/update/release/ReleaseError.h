#pragma once
#include <stdexcept>
#include <string>

namespace update {

// A release that does not hold: a description, key, signature or archive
// that is malformed, does not match, or cannot be read or written. The
// message says what, in words a vendor or user can act on.
class TReleaseError : public std::runtime_error {
 public:
  explicit TReleaseError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace update
