#pragma once
#include <string>
#include <string_view>

// Text helpers for protocol texts. Letter case here is ASCII only: header
// names, cookie attributes, month names and host names are ASCII on the wire,
// and any other byte must pass through unchanged.
namespace net_text {

// Blanks here are every control character and the space, as protocol texts
// treat stray CR, LF and tabs at their ends.
std::string_view Trim(std::string_view text);
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);

std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);

// Takes the text up to the first `separator` out of `text` and returns it;
// the separator goes too. Without a separator the whole text is taken.
std::string_view Fetch(std::string_view& text, std::string_view separator);

}  // namespace net_text
