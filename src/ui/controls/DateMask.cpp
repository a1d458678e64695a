#include "ui/controls/DateMask.h"

#include "platform/Utf8.h"

namespace datemask {
namespace {

constexpr char32_t kBlank = U' ';

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

TDateMask::TDateMask(std::string_view pattern) {
  size_t i = 0;
  while (i < pattern.size()) {
    const char letter = pattern[i];
    if (letter != 'M' && letter != 'd' && letter != 'y') {
      slots_.push_back({TField::Separator, platform::NextCodePoint(pattern, i)});
      continue;
    }
    size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == letter) ++run;
    const TField field = letter == 'M' ? TField::Month : letter == 'd' ? TField::Day : TField::Year;
    const size_t width = field == TField::Year && run > 2 ? 4 : 2;
    const char32_t lead = field == TField::Year || run >= 2 ? U'0' : kBlank;
    segments_.push_back({field, slots_.size(), slots_.size() + width, lead});
    slots_.insert(slots_.end(), width, TSlot{field, 0});
    i += run;
  }
}

bool TDateMask::IsSeparatorAt(size_t position) const {
  return position < slots_.size() && slots_[position].field == TField::Separator;
}

const TSegment* TDateMask::SegmentAt(size_t position) const {
  for (const TSegment& segment : segments_)
    if (position >= segment.begin && position < segment.end) return &segment;
  return nullptr;
}

std::u32string TDateMask::SeparatorAfter(const TSegment& segment) const {
  std::u32string separator;
  for (size_t i = segment.end; IsSeparatorAt(i); ++i) separator += slots_[i].literal;
  return separator;
}

std::u32string TDateMask::Blank() const {
  std::u32string text;
  for (const TSlot& slot : slots_) text += slot.field == TField::Separator ? slot.literal : kBlank;
  return text;
}

std::u32string TDateMask::Format(TDate date) const {
  std::u32string text = Blank();
  for (const TSegment& segment : segments_) {
    const size_t width = segment.end - segment.begin;
    const int value = segment.field == TField::Month ? date.month
                      : segment.field == TField::Day ? date.day
                                                     : (width == 2 ? date.year % 100 : date.year);
    std::u32string digits;
    for (const char c : std::to_string(value)) digits += static_cast<char32_t>(c);
    if (digits.size() > width) digits = digits.substr(digits.size() - width);
    digits.insert(0, width - digits.size(), segment.lead);
    text.replace(segment.begin, width, digits);
  }
  return text;
}

bool TDateMask::Fits(std::u32string_view text) const {
  if (text.size() != slots_.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool fits = slots_[i].field == TField::Separator ? text[i] == slots_[i].literal
                                                           : IsDigit(text[i]) || text[i] == kBlank;
    if (!fits) return false;
  }
  return true;
}

std::optional<int> TDateMask::ValueOf(std::u32string_view text, const TSegment& segment) const {
  size_t i = segment.begin;
  while (i < segment.end && text[i] == kBlank) ++i;
  if (i == segment.end) return std::nullopt;
  int value = 0;
  for (; i < segment.end; ++i) {
    if (!IsDigit(text[i])) return std::nullopt;
    value = value * 10 + static_cast<int>(text[i] - U'0');
  }
  if (segment.field == TField::Year && segment.end - segment.begin == 2)
    value += value < 50 ? 2000 : 1900;  // two digits read as the years 1950 to 2049
  return value;
}

std::optional<TDateMask::TParts> TDateMask::PartsOf(std::u32string_view text) const {
  if (!Fits(text)) return std::nullopt;
  TParts parts;
  for (const TSegment& segment : segments_) {
    const std::optional<int> value = ValueOf(text, segment);
    if (segment.field == TField::Month) parts.month = value;
    if (segment.field == TField::Day) parts.day = value;
    if (segment.field == TField::Year) parts.year = value;
  }
  if (parts.month && (*parts.month < 1 || *parts.month > 12)) return std::nullopt;
  if (parts.day && (*parts.day < 1 || *parts.day > 31)) return std::nullopt;
  if (parts.year && *parts.year < 1) return std::nullopt;
  // Until the year is known, 29 February may still come to exist.
  if (parts.day && parts.month && *parts.day > DaysInMonth(parts.year.value_or(2000), *parts.month))
    return std::nullopt;
  return parts;
}

bool TDateMask::Admits(std::u32string_view text) const { return PartsOf(text).has_value(); }

std::optional<TDate> TDateMask::Parse(std::u32string_view text) const {
  const std::optional<TParts> parts = PartsOf(text);
  if (!parts || !parts->month || !parts->day || !parts->year) return std::nullopt;
  return TDate{*parts->year, *parts->month, *parts->day};
}

}  // namespace datemask
