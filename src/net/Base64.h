#pragma once
#include <optional>
#include <string>
#include <string_view>

// Standard Base64 with the MIME alphabet and "=" padding, on one line: the
// form an HTTP Basic "Authorization" value carries.
std::string Base64Encode(std::string_view bytes);

// The bytes of text in exactly the form Base64Encode writes: padded to a
// multiple of four, no blanks, no line breaks, unused bits zero. None for
// anything else, so that one byte string has one text.
std::optional<std::string> Base64Decode(std::string_view text);
