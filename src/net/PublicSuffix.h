#pragma once
#include <string_view>

// Whether `domain` is a name under which anyone may register a site of
// their own (com, co.uk, github.io), by the Public Suffix List built into
// libpsl. A cookie for such a name would reach every site below it. A
// leading dot is ignored, letter case does not matter, and a top-level
// domain the list does not know counts as public, as the list's own default
// rule says.
bool IsPublicSuffix(std::string_view domain);
