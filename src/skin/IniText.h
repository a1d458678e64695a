#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace skin {

// The skin's INI text, held in memory. Section and key names match without
// regard to ASCII letter case; blanks around names and values are dropped;
// lines starting with ';' are comments. Where a section or key repeats, the
// first one counts.
class IniText {
 public:
  explicit IniText(std::string_view text);

  bool HasSection(std::string_view section) const;
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

  // The values of the keys `prefix` + "0" to `prefix` + "count - 1" that are
  // present, by index. Absent keys are simply missing, so a huge count costs
  // nothing.
  std::map<int, std::string_view> IndexedValues(std::string_view section, std::string_view prefix,
                                                int count) const;

 private:
  struct Section {
    std::vector<std::pair<std::string, std::string>> entries;  // lower-case key, value
  };
  const Section* Find(std::string_view section) const;

  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> section_index_;  // lower-case name
};

}  // namespace skin
