#pragma once
#include <string>
#include <string_view>
#include <vector>

// Cuts `Text` at every `Delimiter`: each delimiter closes a part, empty or
// not, and the text after the last one is a part only when it is not empty.
// No quoting, escaping or trimming: "Header^a^^b^c^" gives five parts.
void SplitDelimited(char Delimiter, std::string_view Text, std::vector<std::string>& List);
