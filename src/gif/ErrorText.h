#pragma once
#include <exception>
#include <string>

namespace gif {

// The text of the exception being handled, so that it can be reported
// later or on another thread; call inside a catch block.
inline std::string CurrentErrorText() {
  try {
    throw;
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "Unknown error";
  }
}

}  // namespace gif
