#pragma once
#include <string>
#include <string_view>

namespace platform {

// The user's short date pattern in the notation the data files were written
// with: M, MM, d, dd, yy, yyyy and literal separators. Taken from the locale's
// LC_TIME (glibc's D_FMT) without padding, so en_US gives "M/d/yyyy"; a locale
// that says nothing (C, POSIX) gives "M/d/yyyy" too.
std::string ShortDateFormat();

// Maps a strftime date pattern such as "%m/%d/%Y" onto the notation above.
std::string ShortDatePatternFromStrftime(std::string_view strftime_format);

// Formats a calendar date with such a pattern ("M/d/yyyy": 12/13/2007).
std::string FormatDate(std::string_view pattern, int year, int month, int day);

// Formats with ShortDateFormat().
std::string FormatShortDate(int year, int month, int day);

}  // namespace platform
