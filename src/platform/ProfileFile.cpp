#include "platform/ProfileFile.h"

#include <algorithm>

#include "platform/Cp1252.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace platform {

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
    const std::string_view line = TrimmedOfBlanks(bytes.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      section = LowerAscii(TrimmedOfBlanks(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1)));
      ++section_number;
      continue;
    }
    const size_t equals = line.find('=');
    if (section_number == 0 || equals == std::string_view::npos) continue;
    std::string_view value = TrimmedOfBlanks(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    profile.entries_.push_back({section_number, section, LowerAscii(TrimmedOfBlanks(line.substr(0, equals))),
                                std::string(value.substr(0, kMaxValueBytes))});
  }
  return profile;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  const std::string wanted_section = LowerAscii(TrimmedOfBlanks(section));
  const std::string wanted_key = LowerAscii(TrimmedOfBlanks(key));
  // Only the first section of that name is searched, as Windows does.
  const auto first = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& entry) { return entry.section == wanted_section; });
  for (auto it = first; it != entries_.end() && it->section_number == first->section_number; ++it)
    if (it->key == wanted_key) return Cp1252ToUtf8(it->value);
  return std::string(fallback);
}

}  // namespace platform
