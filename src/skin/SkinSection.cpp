#include "skin/SkinSection.h"

#include <array>
#include <charconv>
#include <optional>

#include "skin/SkinError.h"

namespace skin {
namespace {

std::optional<int> ParseInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Part `index` of the comma-separated value of `key` in `section`, keeping
// its digits only; a missing part reads as empty and fails like one without
// digits. The failure says which line of the INI text it comes from.
int DigitsOfPart(std::string_view section, std::string_view key, std::string_view value, int index) {
  std::string_view part = value;
  for (int i = 0; i < index && !part.empty(); ++i) {
    const std::size_t comma = part.find(',');
    part = comma == std::string_view::npos ? std::string_view() : part.substr(comma + 1);
  }
  std::string digits;
  for (char c : part.substr(0, part.find(','))) {
    if (c >= '0' && c <= '9') digits.push_back(c);
  }
  const std::optional<int> number = ParseInteger(digits);
  if (!number) {
    ThrowWithDetail("'" + digits + "' is not a valid integer value",
                    "[" + std::string(section) + "] " + std::string(key) + "=" + std::string(value));
  }
  return *number;
}

template <typename Enum, std::size_t N>
Enum Lookup(std::string_view text, const std::array<std::string_view, N>& names, Enum otherwise) {
  for (std::size_t i = 0; i < N; ++i) {
    if (text == names[i]) return static_cast<Enum>(i);
  }
  return otherwise;
}

}  // namespace

void SkinSection::Read(std::string_view key, int& value) const {
  if (auto text = ini_.Value(name_, key)) {
    if (auto number = ParseInteger(*text)) value = *number;
  }
}

void SkinSection::Read(std::string_view key, bool& value) const {
  if (auto text = ini_.Value(name_, key)) value = ParseInteger(*text) == 1;
}

void SkinSection::Read(std::string_view key, std::string& value) const {
  if (auto text = ini_.Value(name_, key)) value = std::string(*text);
}

void SkinSection::Read(std::string_view key, Point& value) const {
  if (auto text = ini_.Value(name_, key)) {
    value = {DigitsOfPart(name_, key, *text, 0), DigitsOfPart(name_, key, *text, 1)};
  }
}

void SkinSection::Read(std::string_view key, Rect& value) const {
  if (auto text = ini_.Value(name_, key)) {
    value = {DigitsOfPart(name_, key, *text, 0), DigitsOfPart(name_, key, *text, 1),
             DigitsOfPart(name_, key, *text, 2), DigitsOfPart(name_, key, *text, 3)};
  }
}

void SkinSection::Read(std::string_view key, FontStyle& value) const {
  if (auto text = ini_.Value(name_, key)) {
    value.bold = text->find("fsbold") != std::string_view::npos;
    value.italic = text->find("fsitalic") != std::string_view::npos;
    value.underline = text->find("fsunderline") != std::string_view::npos;
    value.strikeout = text->find("fsstrikeout") != std::string_view::npos;
  }
}

void SkinSection::Read(std::string_view key, Alignment& value) const {
  if (auto text = ini_.Value(name_, key)) {
    value = *text == "tacenter"        ? Alignment::Center
            : *text == "taleftjustify" ? Alignment::LeftJustify
                                       : Alignment::RightJustify;
  }
}

void SkinSection::Read(std::string_view key, MorphKind& value) const {
  static constexpr std::array<std::string_view, 7> kNames = {
      "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush"};
  if (auto text = ini_.Value(name_, key)) value = Lookup(*text, kNames, MorphKind::Default);
}

void SkinSection::Read(std::string_view key, InactiveEffect& value) const {
  static constexpr std::array<std::string_view, 6> kNames = {
      "iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"};
  if (auto text = ini_.Value(name_, key)) value = Lookup(*text, kNames, InactiveEffect::Grayscale);
}

void SkinSection::Read(std::string_view key, Command& value) const {
  static constexpr std::array<std::string_view, 6> kNames = {
      "cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup"};
  if (auto text = ini_.Value(name_, key)) value = Lookup(*text, kNames, Command::MinimizeToTray);
}

SkinSection::NameList SkinSection::ReadNameList(std::string_view name) const {
  NameList list;
  Read(std::string(name) + "count", list.count);
  list.items = ini_.IndexedValues(name_, name, list.count);
  for (const auto& [index, item] : ini_.IndexedValues(name_, "", list.count)) list.items.try_emplace(index, item);
  return list;
}

void SkinSection::ReadFont(SkinFont& font, std::string_view prefix) const {
  const std::string p(prefix);
  Read(p + "fontname", font.name);
  Read(p + "fontheight", font.height);
  Read(p + "fontstyle", font.style);
  Read(p + "fontcolor", font.colour);
}

void SkinSection::ReadUpDownButtons(UpDownButtonRects& rects) const {
  Read("upbuttonrect", rects.up);
  Read("activeupbuttonrect", rects.active_up);
  Read("downupbuttonrect", rects.down_up);
  Read("downbuttonrect", rects.down);
  Read("activedownbuttonrect", rects.active_down);
  Read("downdownbuttonrect", rects.down_down);
}

}  // namespace skin
