#pragma once
#include <string>
#include <string_view>
#include <vector>

// Cuts `Text` at every `Delimiter`: each delimiter closes a part, empty or
// not, and the text after the last one is a part only when it is not empty.
// No quoting, escaping or trimming: "Header^a^^b^c^" gives five parts.
// `List` receives std::string parts, or std::string_view parts that point
// into `Text` where the caller reads them at once.
template <typename Part>
void SplitDelimited(char Delimiter, std::string_view Text, std::vector<Part>& List) {
  // Parts are assigned into the entries the list already holds, so that a
  // list reused line after line allocates nothing once it is warm.
  size_t count = 0;
  auto append = [&](std::string_view part) {
    if (count < List.size())
      List[count] = part;
    else
      List.emplace_back(part);
    ++count;
  };
  size_t start = 0;
  for (size_t i = Text.find(Delimiter); i != std::string_view::npos; i = Text.find(Delimiter, start)) {
    append(Text.substr(start, i - start));
    start = i + 1;
  }
  if (start < Text.size()) append(Text.substr(start));
  List.resize(count);
}
