#pragma once
#include <map>
#include <string>
#include <string_view>

#include "skin/IniText.h"
#include "skin/SkinTypes.h"

namespace skin {

// Reads the typed values of one section of the skin's INI text. A read
// leaves the target as it is when the key is absent, so the target's initial
// value is the key's default.
class SkinSection {
 public:
  SkinSection(const IniText& ini, std::string_view name) : ini_(ini), name_(name) {}

  const std::string& Name() const { return name_; }

  // Integers and colours: decimal; text that is no integer keeps the default.
  void Read(std::string_view key, int& value) const;
  // Only the integer 1 means true.
  void Read(std::string_view key, bool& value) const;
  void Read(std::string_view key, std::string& value) const;
  // Points and rectangles keep only the digits of each comma-separated part;
  // a part left without digits throws "'' is not a valid integer value",
  // with the section, key and value nested in it.
  void Read(std::string_view key, Point& value) const;
  void Read(std::string_view key, Rect& value) const;
  void Read(std::string_view key, FontStyle& value) const;
  void Read(std::string_view key, Alignment& value) const;
  void Read(std::string_view key, MorphKind& value) const;
  void Read(std::string_view key, InactiveEffect& value) const;
  void Read(std::string_view key, Command& value) const;

  // A name list: "<name>count" holds the number n of items and "<name>0" to
  // "<name>n-1" hold them; items numbered without the list's name ("0",
  // "1", ...) read the same. Items that are absent are missing from `items`.
  struct NameList {
    int count = 0;
    std::map<int, std::string_view> items;
  };
  NameList ReadNameList(std::string_view name) const;

  // "<prefix>fontname", "<prefix>fontheight", "<prefix>fontstyle", "<prefix>fontcolor".
  void ReadFont(SkinFont& font, std::string_view prefix = {}) const;
  // upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect,
  // activedownbuttonrect, downdownbuttonrect.
  void ReadUpDownButtons(UpDownButtonRects& rects) const;

 private:
  const IniText& ini_;
  std::string name_;
};

}  // namespace skin
