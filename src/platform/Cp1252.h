#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Windows-1252, the 8-bit code page that data and configuration files written
// on Windows hold. Every byte has a code point: the five bytes the code page
// leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of
// the same number, as Windows itself converts them, so that any file converts
// to UTF-8 and back to the very same bytes.
char32_t Cp1252ToCodePoint(unsigned char byte);
std::optional<unsigned char> CodePointToCp1252(char32_t code_point);

// Converts 8-bit text to UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace platform
