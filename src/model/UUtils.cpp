#include "model/UUtils.h"

void SplitDelimited(char Delimiter, std::string_view Text, std::vector<std::string>& List) {
  List.clear();
  size_t start = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == Delimiter) {
      List.emplace_back(Text.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start < Text.size()) List.emplace_back(Text.substr(start));
}
