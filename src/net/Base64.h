#pragma once
#include <string>
#include <string_view>

// Standard Base64 with the MIME alphabet and "=" padding, on one line: the
// form an HTTP Basic "Authorization" value carries.
std::string Base64Encode(std::string_view bytes);
