#include "net/NetText.h"

namespace net_text {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

char UpperCaseChar(char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }
char LowerCaseChar(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

}  // namespace

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = UpperCaseChar(c);
  return upper;
}

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = LowerCaseChar(c);
  return lower;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (UpperCaseChar(a[i]) != UpperCaseChar(b[i])) return false;
  return true;
}

std::string_view Fetch(std::string_view& text, std::string_view separator) {
  const auto at = text.find(separator);
  if (at == std::string_view::npos) {
    const std::string_view all = text;
    text = {};
    return all;
  }
  const std::string_view head = text.substr(0, at);
  text.remove_prefix(at + separator.size());
  return head;
}

}  // namespace net_text
