// Any text reads as a date or as none, and every date we write reads back
// to the same moment.
#include <chrono>
#include <cstdint>
#include <string_view>

#include "net/InternetDate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace std::chrono;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto moment = ReadInternetDate(text);
  if (!moment) return 0;
  // Two-digit years are read as 19xx or 20xx, five-digit ones not at all,
  // and the year 1900 stands for "the year comes last", so only the other
  // years from 100 to 9999 come back unchanged.
  const int year_number = static_cast<int>(year_month_day(floor<days>(*moment)).year());
  if (year_number < 100 || year_number > 9999 || year_number == 1900) return 0;
  if (ReadInternetDate(InternetDateText(*moment)) != moment) __builtin_trap();
  return 0;
}
