#include "platform/TimeZone.h"

#include <ctime>

namespace platform {

std::optional<std::chrono::seconds> CurrentUtcOffset() {
  // glibc's localtime_r reads TZ only once unless told again.
  tzset();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr)
    return std::nullopt;
  return std::chrono::seconds(local.tm_gmtoff);
}

}  // namespace platform
