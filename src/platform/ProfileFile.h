#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A profile file ("[Section]" lines, then "Key=Value" lines) read the way
// Windows programs read them: section and key names match without regard to
// letter case, blanks around names and values are dropped, one pair of
// matching quotes around a value is removed, a value is cut to 2047 bytes,
// and a missing file, section or key gives the default. Where a section or
// a key repeats, the first one counts. The file's 8-bit text is Windows-1252;
// values come back as UTF-8.
class ProfileFile {
 public:
  // Reads the file; a missing or unreadable file reads as empty.
  static ProfileFile Load(const std::string& path);
  static ProfileFile FromText(std::string_view bytes);

  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback = "") const;

  static constexpr size_t kMaxValueBytes = 2047;

 private:
  struct Entry {
    int section_number;   // counts "[...]" lines, so repeated sections stay apart
    std::string section;  // lower case
    std::string key;      // lower case
    std::string value;    // as stored, Windows-1252
  };
  std::vector<Entry> entries_;
};

}  // namespace platform
