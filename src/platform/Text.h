#pragma once
#include <string_view>

namespace platform {

// Compares two UTF-8 texts without regard to letter case, as the user reads
// them: "work" equals "Work" and "café" equals "CAFÉ".
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// The lower-case form of one code point (Unicode simple case mapping).
char32_t LowerCase(char32_t code_point);

}  // namespace platform
