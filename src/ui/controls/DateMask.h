#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of a date field: the short date pattern with each day and month
// two characters wide, a single digit led by a blank (" 7/ 5/2008" for
// "M/d/yyyy"), or by a zero where the pattern writes "MM" or "dd". Texts
// are held one character a position, as the field's cursor counts them.
namespace datemask {

struct TDate {
  int year = 0;
  int month = 0;
  int day = 0;
  bool operator==(const TDate&) const = default;
};

int DaysInMonth(int year, int month);

enum class TField { Separator, Month, Day, Year };

// The run of positions one part of the date (month, day or year) takes.
struct TSegment {
  TField field;
  size_t begin;
  size_t end;
  char32_t lead;  // what leads a short number: a blank, or "0" for "MM", "dd" and years
};

class TDateMask {
 public:
  explicit TDateMask(std::string_view pattern);

  size_t Length() const { return slots_.size(); }
  const std::vector<TSegment>& Segments() const { return segments_; }
  bool IsSeparatorAt(size_t position) const;
  // The segment that holds `position`, or none at a separator and past the end.
  const TSegment* SegmentAt(size_t position) const;
  // The separator's characters after `segment`; empty after the last one.
  std::u32string SeparatorAfter(const TSegment& segment) const;

  std::u32string Format(TDate date) const;
  // The form with every digit position blank.
  std::u32string Blank() const;

  // Whether `text` has the form's length, each separator in its place and a
  // digit or a blank in every other position.
  bool Fits(std::u32string_view text) const;
  // The date a text stands for, or none when it is no date in the form: a
  // segment of blanks, a blank after a digit, a day the month does not have.
  std::optional<TDate> Parse(std::u32string_view text) const;
  // Whether a text being typed can still become a date: it fits, and every
  // segment that is complete (blanks, if any, before at least one digit) is
  // in range, together with the others that are complete.
  bool Admits(std::u32string_view text) const;

 private:
  struct TSlot {
    TField field;
    char32_t literal;  // a separator's character
  };
  // The number a complete segment shows, or none while it is incomplete.
  std::optional<int> ValueOf(std::u32string_view text, const TSegment& segment) const;
  // The month, day and year a text shows, each none while incomplete, or
  // none at all when one of them is out of range.
  struct TParts {
    std::optional<int> month, day, year;
  };
  std::optional<TParts> PartsOf(std::u32string_view text) const;

  std::vector<TSlot> slots_;
  std::vector<TSegment> segments_;
};

}  // namespace datemask
