#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "ui/controls/DateMask.h"

// What the keys of a date field do to its text, apart from any widget.
// Each takes the text, the selection [start, end) (start == end: just the
// cursor) and gives the new text and cursor, or none when the field must
// stay as it is. A text that is not in the field's form (empty, or a date
// stored in another form) is taken as wholly selected and blank, so it
// gives way to the first key.
namespace datemask {

struct TFieldText {
  std::u32string text;
  size_t cursor;
  bool operator==(const TFieldText&) const = default;
};

struct TSelection {
  size_t start;
  size_t end;
};

// A digit or a blank overwrites the next digit position and the cursor
// skips the separators after it. A separator character (the one after the
// current part) ends the part, its digits moved right as the form shows
// them (" 1" for "1 "), and moves on to the next part. Refused when the
// result is a date that cannot exist.
std::optional<TFieldText> Type(const TDateMask& mask, std::u32string_view text, TSelection selection,
                               char32_t key);
// Types `pasted` key by key, all or nothing.
std::optional<TFieldText> Paste(const TDateMask& mask, std::u32string_view text, TSelection selection,
                                std::u32string_view pasted);

enum class TEraseDirection { Backward, Forward };
// Blanks the selected digits, or else the digit before (Backspace) or at
// (Delete) the cursor, over any separator. Never refused.
TFieldText Erase(const TDateMask& mask, std::u32string_view text, TSelection selection,
                 TEraseDirection direction);

}  // namespace datemask
