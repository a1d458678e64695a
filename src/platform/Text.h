#pragma once
#include <string>
#include <string_view>

namespace platform {

// Compares two UTF-8 texts without regard to letter case, as the user reads
// them: "work" equals "Work" and "café" equals "CAFÉ".
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// The lower-case form of one code point (Unicode simple case mapping).
char32_t LowerCase(char32_t code_point);

// `text` with A to Z lowered and every other byte kept: for names that
// match without regard to case the way Windows matches file, section and
// key names.
std::string LowerAscii(std::string_view text);

// `text` without the blanks (space, tab, line breaks) around it.
std::string_view TrimmedOfBlanks(std::string_view text);

}  // namespace platform
