#pragma once
#include <string>
#include <string_view>

namespace platform {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Appends the UTF-8 form of `code_point`.
void AppendUtf8(std::string& text, char32_t code_point);

// Reads the code point at `position` and moves past it. A byte that starts no
// valid sequence reads as U+FFFD and is stepped over alone, so any bytes give
// a result and the walk always ends.
char32_t NextCodePoint(std::string_view text, size_t& position);

}  // namespace platform
