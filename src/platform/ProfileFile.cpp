#include "platform/ProfileFile.h"

#include <algorithm>

#include "platform/Cp1252.h"
#include "platform/FileSystem.h"

namespace platform {
namespace {

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n\v\f";
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return lower;
}

}  // namespace

ProfileFile ProfileFile::Load(const std::string& path) {
  try {
    return FromText(ReadWholeFile(path));
  } catch (const FileError&) {
    return ProfileFile();
  }
}

ProfileFile ProfileFile::FromText(std::string_view bytes) {
  ProfileFile profile;
  std::string section;
  int section_number = 0;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = Trimmed(bytes.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      section = LowerAscii(Trimmed(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1)));
      ++section_number;
      continue;
    }
    const size_t equals = line.find('=');
    if (section_number == 0 || equals == std::string_view::npos) continue;
    std::string_view value = Trimmed(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    profile.entries_.push_back({section_number, section, LowerAscii(Trimmed(line.substr(0, equals))),
                                std::string(value.substr(0, kMaxValueBytes))});
  }
  return profile;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  const std::string wanted_section = LowerAscii(Trimmed(section));
  const std::string wanted_key = LowerAscii(Trimmed(key));
  // Only the first section of that name is searched, as Windows does.
  const auto first = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& entry) { return entry.section == wanted_section; });
  for (auto it = first; it != entries_.end() && it->section_number == first->section_number; ++it)
    if (it->key == wanted_key) return Cp1252ToUtf8(it->value);
  return std::string(fallback);
}

}  // namespace platform
