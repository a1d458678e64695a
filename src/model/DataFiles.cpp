#include "model/DataFiles.h"

#include <stdexcept>

#include "platform/AppFolder.h"
#include "platform/FileSystem.h"

namespace datafiles {

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\0'));
  std::vector<std::string_view> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.push_back(bytes.substr(start, i - start));
    i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

bool IsBlankLine(std::string_view line) {
  for (const char c : line)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

void SplitTaskLine(std::string_view line, std::vector<std::string>& fields) {
  fields.clear();
  line = line.substr(0, line.find('\0'));  // the text ends at a NUL, as written
  const size_t end = line.size();
  size_t i = 0;
  auto skip_blanks = [&] {
    while (i < end && static_cast<unsigned char>(line[i]) >= 1 && static_cast<unsigned char>(line[i]) <= 32) ++i;
  };
  skip_blanks();
  while (i < end) {
    std::string field;
    if (line[i] == '^') {
      ++i;
      bool closed = false;
      while (i < end) {
        if (line[i] == '^') {
          if (i + 1 < end && line[i + 1] == '^') {
            field += '^';
            i += 2;
            continue;
          }
          ++i;
          closed = true;
          break;
        }
        field += line[i++];
      }
      // An unclosed quoted field runs to the end of the line less its last
      // character.
      if (!closed && !field.empty()) field.pop_back();
    } else {
      const size_t start = i;
      while (i < end && static_cast<unsigned char>(line[i]) > 32 && line[i] != ',') ++i;
      field.assign(line.substr(start, i - start));
    }
    fields.push_back(std::move(field));
    skip_blanks();
    if (i < end && line[i] == ',') {
      if (i == end - 1) fields.emplace_back();
      ++i;
      skip_blanks();
    }
  }
}

void AppendLine(std::string& bytes, std::string_view line) {
  bytes.append(line);
  bytes.append("\r\n");
}

std::string DataFilePath(const std::string& name, const std::string& created_name) {
  const std::string& folder = platform::AppFolder();
  if (auto existing = platform::FindFileIgnoringCase(folder, name)) return *existing;
  return folder + created_name;
}

void StopLoadKeepingBackup(const std::string& path, std::string_view bytes, const std::string& error) {
  // Never overwrite an earlier backup that holds something else.
  std::string backup = path + ".bak";
  for (int n = 2; platform::FileExists(backup); ++n) {
    if (platform::ReadWholeFile(backup) == bytes) break;
    backup = path + ".bak" + std::to_string(n);
  }
  platform::WriteWholeFileAtomically(backup, bytes);
  throw std::runtime_error(error + "\r\nThe file could not be read to its end; a copy of it was kept as \"" +
                           backup + "\".");
}

void ThrowListIndexError(size_t first_missing_index) {
  throw std::out_of_range("List index out of bounds (" + std::to_string(first_missing_index) + ")");
}

}  // namespace datafiles
