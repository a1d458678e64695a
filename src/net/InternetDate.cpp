#include "net/InternetDate.h"

#include <array>
#include <cstdio>

#include "net/ENetExceptions.h"
#include "net/NetText.h"
#include "platform/Conversion.h"
#include "platform/TimeZone.h"

namespace {

using namespace std::chrono;

constexpr std::array<std::string_view, 7> kDayNames = {"Sun", "Mon", "Tue", "Wed",
                                                       "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 12> kMonthNames = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

seconds UtcOffsetNow() {
  const auto offset = platform::CurrentUtcOffset();
  if (!offset) throw ENetFailedToRetreiveTimeZoneInfo();
  return *offset;
}

// 1 to 12, or 0 for anything but a three-letter month name.
int MonthNumber(std::string_view word) {
  for (std::size_t i = 0; i < kMonthNames.size(); ++i)
    if (net_text::SameText(word, kMonthNames[i])) return static_cast<int>(i) + 1;
  return 0;
}

bool StartsWithDayName(std::string_view text) {
  for (std::string_view day : kDayNames)
    if (text.size() >= 3 && net_text::SameText(text.substr(0, 3), day)) return true;
  return false;
}

// "+hhmm" or "-hhmm"; zero for anything else, "GMT" included.
seconds ZoneOffset(std::string_view zone) {
  if (zone.size() < 5 || (zone[0] != '+' && zone[0] != '-')) return seconds(0);
  const auto hours = platform::ReadInteger(zone.substr(1, 2));
  const auto minutes = platform::ReadInteger(zone.substr(3, 2));
  if (!hours || !minutes || *hours < 0 || *minutes < 0) return seconds(0);
  const seconds offset = std::chrono::hours(*hours) + std::chrono::minutes(*minutes);
  return zone[0] == '-' ? -offset : offset;
}

// A clock time "h:m:s", each part 0 when it is not a number; none when a
// part is out of range.
std::optional<seconds> TimeOfDay(std::string_view text) {
  const int hour = platform::ReadInteger(net_text::Fetch(text, ":")).value_or(0);
  const int minute = platform::ReadInteger(net_text::Fetch(text, ":")).value_or(0);
  const int second = platform::ReadInteger(text).value_or(0);
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
    return std::nullopt;
  return hours(hour) + minutes(minute) + seconds(second);
}

std::optional<TNetLocalTime> ReadInZoneOfText(std::string_view text) {
  if (StartsWithDayName(text)) {
    net_text::Fetch(text, " ");
    text = net_text::TrimLeft(text);
  }

  const auto dash = text.find('-');
  const auto blank = text.find(' ');
  const std::string_view separator =
      dash != std::string_view::npos && dash >= 1 && blank != std::string_view::npos &&
              dash < blank
          ? "-"
          : " ";

  int month = 0;
  int day = 0;
  std::string_view peek = text;
  if (MonthNumber(net_text::Fetch(peek, separator)) > 0) {
    month = MonthNumber(net_text::Fetch(text, separator));
    text = net_text::TrimLeft(text);
    day = platform::ReadInteger(net_text::Fetch(text, separator)).value_or(1);
    text = net_text::TrimLeft(text);
  } else {
    day = platform::ReadInteger(net_text::Fetch(text, separator)).value_or(1);
    text = net_text::TrimLeft(text);
    month = MonthNumber(net_text::Fetch(text, separator));
    text = net_text::TrimLeft(text);
  }

  // asctime puts the year after the clock time: then the word in the
  // year's place is the time, and the year is the word after it. Whatever
  // follows the year ("GMT", an offset) is the zone as in the other forms;
  // read as the year with it, "1994 GMT" would be no number and the date
  // would fall in 1900.
  const std::string_view year_word = net_text::Fetch(text, " ");
  int year_number = platform::ReadInteger(year_word).value_or(1900);
  std::string_view clock = text;
  std::string_view zone;
  if (year_number == 1900) {
    text = net_text::TrimLeft(text);
    year_number = platform::ReadInteger(net_text::Fetch(text, " ")).value_or(1900);
    clock = year_word;
    zone = text;
  }
  if (year_number < 80)
    year_number += 2000;
  else if (year_number < 100)
    year_number += 1900;
  if (year_number < 1 || year_number > 9999 || month < 1 || day < 1 || day > 31)
    return std::nullopt;

  const year_month_day date{year(year_number), std::chrono::month(month),
                            std::chrono::day(static_cast<unsigned>(day))};
  if (!date.ok()) return std::nullopt;
  TNetLocalTime moment = local_days(date);

  if (clock.find(':') != std::string_view::npos) {
    const auto time = TimeOfDay(net_text::Fetch(clock, " "));
    if (!time) return std::nullopt;
    moment += *time;
  }
  if (zone.empty()) zone = clock;
  if (zone.size() > 4) moment -= ZoneOffset(net_text::Trim(zone).substr(0, 5));
  return moment;
}

}  // namespace

local_time<milliseconds> LocalNow() {
  const auto utc_now = floor<milliseconds>(system_clock::now());
  return local_time<milliseconds>(utc_now.time_since_epoch() + UtcOffsetNow());
}

std::string InternetDateText(TNetLocalTime moment) {
  const local_days day = floor<days>(moment);
  const year_month_day date(day);
  const hh_mm_ss time(moment - day);
  const weekday day_of_week(day);
  const seconds offset = UtcOffsetNow();
  const long offset_minutes = std::abs(offset.count()) / 60;

  char text[64];
  std::snprintf(text, sizeof text, "%s, %u %s %04d %02ld:%02ld:%02ld %c%02ld%02ld",
                kDayNames[day_of_week.c_encoding()].data(),
                static_cast<unsigned>(date.day()),
                kMonthNames[static_cast<unsigned>(date.month()) - 1].data(),
                static_cast<int>(date.year()), static_cast<long>(time.hours().count()),
                static_cast<long>(time.minutes().count()),
                static_cast<long>(time.seconds().count()), offset.count() < 0 ? '-' : '+',
                offset_minutes / 60, offset_minutes % 60);
  return text;
}

std::optional<TNetLocalTime> ReadInternetDate(std::string_view text) {
  text = net_text::Trim(text);
  if (text.empty()) return std::nullopt;
  const auto in_zone_of_text = ReadInZoneOfText(text);
  if (!in_zone_of_text) return std::nullopt;
  return *in_zone_of_text + UtcOffsetNow();
}
