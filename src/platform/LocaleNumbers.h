#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The decimal separator of the user's locale (LC_NUMERIC): "." for en_US,
// "," for de_DE, "." when the locale says nothing.
char LocaleDecimalSeparator();

// A whole decimal number written with `separator`: an optional sign, digits
// with at most one separator among them, an optional exponent; blanks around
// it are allowed. None for anything else ("1,03" when the separator is ".").
std::optional<double> ReadDecimal(std::string_view text, char separator);

// `value` in general format with at most 15 significant digits, trailing
// zeros dropped, and `separator` for the decimal point: 1.02f widened
// exactly gives "1.01999998092651".
std::string FormatGeneral15(long double value, char separator);

}  // namespace platform
