#pragma once
#include <optional>
#include <string>
#include <string_view>

// The text of a date field: the short date pattern with each day and month
// two characters wide, a single digit led by a blank (" 7/ 5/2008" for
// "M/d/yyyy"), or by a zero where the pattern writes "MM" or "dd".
namespace datemask {

struct TDate {
  int year = 0;
  int month = 0;
  int day = 0;
  bool operator==(const TDate&) const = default;
};

std::string Format(std::string_view pattern, TDate date);

// The date a field text stands for, or none when it is no date in the
// pattern's form: a wrong length, a separator out of place, a field of
// blanks, a blank after a digit, or a day the month does not have.
std::optional<TDate> Parse(std::string_view pattern, std::string_view text);

// True where the pattern puts a separator rather than a digit.
bool IsSeparatorAt(std::string_view pattern, size_t position);

int DaysInMonth(int year, int month);

}  // namespace datemask
