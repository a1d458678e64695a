#include "skin/IniText.h"

#include <charconv>

namespace skin {
namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// The index a key names when it is written as a plain decimal number, the
// way the skin writes "0", "1", ...: "07" or "+7" name no index.
std::optional<int> CanonicalIndex(std::string_view key) {
  if (key.empty() || (key.size() > 1 && key[0] == '0')) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), value);
  if (error != std::errc() || end != key.data() + key.size() || value < 0) return std::nullopt;
  return value;
}

}  // namespace

IniText::IniText(std::string_view text) {
  Section* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      const std::string name = Lower(Trim(line.substr(1, line.size() - 2)));
      const auto [it, inserted] = section_index_.try_emplace(name, sections_.size());
      if (inserted) {
        sections_.emplace_back();
        current = &sections_.back();
      } else {
        current = nullptr;  // a repeated section: the first one counts
      }
      continue;
    }
    const std::size_t equals = line.find('=');
    if (current == nullptr || equals == std::string_view::npos) continue;
    current->entries.emplace_back(Lower(Trim(line.substr(0, equals))),
                                  std::string(Trim(line.substr(equals + 1))));
  }
}

const IniText::Section* IniText::Find(std::string_view section) const {
  const auto it = section_index_.find(Lower(section));
  return it == section_index_.end() ? nullptr : &sections_[it->second];
}

bool IniText::HasSection(std::string_view section) const { return Find(section) != nullptr; }

std::optional<std::string_view> IniText::Value(std::string_view section, std::string_view key) const {
  const Section* found = Find(section);
  if (found == nullptr) return std::nullopt;
  const std::string wanted = Lower(key);
  for (const auto& [name, value] : found->entries) {
    if (name == wanted) return std::string_view(value);
  }
  return std::nullopt;
}

std::map<int, std::string_view> IniText::IndexedValues(std::string_view section, std::string_view prefix,
                                                       int count) const {
  std::map<int, std::string_view> values;
  const Section* found = Find(section);
  if (found == nullptr) return values;
  const std::string lower_prefix = Lower(prefix);
  for (const auto& [name, value] : found->entries) {
    if (!std::string_view(name).starts_with(lower_prefix)) continue;
    const std::optional<int> index = CanonicalIndex(std::string_view(name).substr(lower_prefix.size()));
    if (index && *index < count) values.try_emplace(*index, value);
  }
  return values;
}

}  // namespace skin
