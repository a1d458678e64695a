#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// A wall-clock moment in the user's time zone, as HTTP header fields and
// cookies keep it.
using TNetLocalTime = std::chrono::local_seconds;

// Now, in local wall-clock time, to the millisecond: fine enough to tell
// "this second" from "later", coarse enough that comparing it with any date
// up to the year 9999 cannot overflow.
std::chrono::local_time<std::chrono::milliseconds> LocalNow();

// "Sun, 6 Nov 1994 08:49:37 +0100": the moment as local time, followed by
// the local offset from UTC in force now. Throws
// ENetFailedToRetreiveTimeZoneInfo when the zone cannot be read.
std::string InternetDateText(TNetLocalTime moment);

// Reads the date forms servers send:
//   Sun, 06 Nov 1994 08:49:37 GMT
//   Sunday, 06-Nov-94 08:49:37 GMT
//   Sun Nov  6 08:49:37 1994
// with an optional "+hhmm"/"-hhmm" offset, and returns it as local time.
// The conversion uses the offset in force now, not the one at that date.
// None for an empty or unreadable text.
std::optional<TNetLocalTime> ReadInternetDate(std::string_view text);
