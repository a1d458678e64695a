#include "ui/controls/DateTyping.h"

#include <algorithm>

namespace datemask {
namespace {

constexpr char32_t kBlank = U' ';

bool IsDigitOrBlank(char32_t c) { return (c >= U'0' && c <= U'9') || c == kBlank; }

// The first digit position at or after `position`; the length past the last.
size_t DigitPositionFrom(const TDateMask& mask, size_t position) {
  while (mask.IsSeparatorAt(position)) ++position;
  return std::min(position, mask.Length());
}

void BlankDigits(const TDateMask& mask, std::u32string& text, size_t begin, size_t end) {
  for (size_t i = begin; i < end; ++i)
    if (!mask.IsSeparatorAt(i)) text[i] = kBlank;
}

// The text a key works on: the field's own, or, for a text not in the
// form, the blank form wholly selected.
TFieldText Start(const TDateMask& mask, std::u32string_view text, TSelection& selection) {
  if (!mask.Fits(text)) {
    selection = {0, mask.Length()};
    return {mask.Blank(), 0};
  }
  selection.start = std::min(selection.start, text.size());
  selection.end = std::clamp(selection.end, selection.start, text.size());
  return {std::u32string(text), selection.start};
}

// Blanks the digits in [begin, end). A blank left before a digit reads as a
// lead (" 2" is month 2), so where that would make a date that cannot exist
// ("12/31" becoming " 2/31"), the parts touched are blanked whole.
void EraseRange(const TDateMask& mask, std::u32string& text, size_t begin, size_t end) {
  const bool admitted = mask.Admits(text);
  std::u32string erased = text;
  BlankDigits(mask, erased, begin, end);
  if (admitted && !mask.Admits(erased)) {
    for (const TSegment& segment : mask.Segments())
      if (segment.begin < end && begin < segment.end) BlankDigits(mask, erased, segment.begin, segment.end);
  }
  text = std::move(erased);
}

std::optional<TFieldText> TypeDigit(const TDateMask& mask, TFieldText field, char32_t key) {
  const size_t position = DigitPositionFrom(mask, field.cursor);
  if (position >= mask.Length()) return std::nullopt;
  const TSegment& segment = *mask.SegmentAt(position);
  field.cursor = DigitPositionFrom(mask, position + 1);
  field.text[position] = key;
  if (mask.Admits(field.text)) return field;
  // A part typed from its start is a new value: until its last digit comes,
  // the old digits after the first give way to blanks ("0 " rather than
  // "00" while a month 01 is being typed over a 10).
  if (position != segment.begin) return std::nullopt;
  BlankDigits(mask, field.text, position + 1, segment.end);
  if (mask.Admits(field.text)) return field;
  return std::nullopt;
}

std::optional<TFieldText> TypeSeparator(const TDateMask& mask, TFieldText field, char32_t key) {
  const std::vector<TSegment>& segments = mask.Segments();
  // The part that the separator ends: the one the cursor is in, or the last
  // one before it.
  auto part = std::find_if(segments.rbegin(), segments.rend(),
                           [&](const TSegment& segment) { return segment.begin <= field.cursor; });
  if (part == segments.rend()) return std::nullopt;
  // Right after a part's separator, which the cursor skipped on its own
  // after the part's last digit, the key has been answered already.
  if (field.cursor == part->begin && std::next(part) != segments.rend() &&
      mask.SeparatorAfter(*std::next(part)).find(key) != std::u32string::npos)
    return field;
  if (mask.SeparatorAfter(*part).find(key) == std::u32string::npos) return std::nullopt;
  std::u32string digits;
  for (size_t i = part->begin; i < part->end; ++i)
    if (field.text[i] != kBlank) digits += field.text[i];
  if (!digits.empty()) {
    digits.insert(0, part->end - part->begin - digits.size(), part->lead);
    field.text.replace(part->begin, digits.size(), digits);
  }
  field.cursor = DigitPositionFrom(mask, part->end);
  if (!mask.Admits(field.text)) return std::nullopt;
  return field;
}

}  // namespace

std::optional<TFieldText> Type(const TDateMask& mask, std::u32string_view text, TSelection selection,
                               char32_t key) {
  TFieldText field = Start(mask, text, selection);
  BlankDigits(mask, field.text, selection.start, selection.end);
  return IsDigitOrBlank(key) ? TypeDigit(mask, std::move(field), key)
                             : TypeSeparator(mask, std::move(field), key);
}

std::optional<TFieldText> Paste(const TDateMask& mask, std::u32string_view text, TSelection selection,
                                std::u32string_view pasted) {
  // A copied line brings its line break along.
  while (!pasted.empty() && (pasted.back() == U'\n' || pasted.back() == U'\r')) pasted.remove_suffix(1);
  if (pasted.empty()) return std::nullopt;
  std::optional<TFieldText> field = TFieldText{std::u32string(text), selection.start};
  for (const char32_t key : pasted) {
    field = Type(mask, field->text, selection, key);
    if (!field) return std::nullopt;
    selection = {field->cursor, field->cursor};
  }
  return field;
}

TFieldText Erase(const TDateMask& mask, std::u32string_view text, TSelection selection,
                 TEraseDirection direction) {
  TFieldText field = Start(mask, text, selection);
  if (selection.start < selection.end) {
    EraseRange(mask, field.text, selection.start, selection.end);
    return field;
  }
  if (direction == TEraseDirection::Backward) {
    size_t position = field.cursor;
    while (position > 0 && mask.IsSeparatorAt(position - 1)) --position;
    if (position == 0) return field;
    EraseRange(mask, field.text, position - 1, position);
    field.cursor = position - 1;
    return field;
  }
  const size_t position = DigitPositionFrom(mask, field.cursor);
  if (position >= mask.Length()) return field;
  EraseRange(mask, field.text, position, position + 1);
  field.cursor = DigitPositionFrom(mask, position + 1);
  return field;
}

}  // namespace datemask
