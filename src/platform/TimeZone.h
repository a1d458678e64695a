#pragma once
#include <chrono>
#include <optional>

namespace platform {

// How far local time is ahead of UTC right now, daylight saving included:
// +3600 s in Berlin in winter, +7200 s in summer, -18000 s in New York in
// winter. None when the system cannot tell. Re-reads TZ each time, so a
// changed zone takes effect at once.
std::optional<std::chrono::seconds> CurrentUtcOffset();

}  // namespace platform
