#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The line and field syntax shared by the three data files.
namespace datafiles {

// Reads file bytes line by line, breaking at CR LF, a lone CR and a lone
// LF; a line break at the very end gives no extra line, and a NUL byte ends
// the text.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes);
  bool Next(std::string_view& line);
  // The number of the line Next gave last, counting from 1.
  size_t LineNumber() const { return line_number_; }

 private:
  std::string_view bytes_;
  size_t position_ = 0;
  size_t line_number_ = 0;
  size_t next_cr_;  // where the next CR and LF are, searched only when passed
  size_t next_lf_;
};

// About the number of lines of `bytes` (its LFs, or its CRs if it has no
// LF), for reserving room for one record a line.
size_t LineCountEstimate(std::string_view bytes);

// True for a line of nothing but blanks and control characters.
bool IsBlankLine(std::string_view line);

// Splits a task line as a quoted delimited list: "," between fields, "^" as
// the quote, "^^" inside a quoted field for one "^". The fields are views
// into `line`, or into `unquoted` for those that held "^^", and last until
// the next split with the same `unquoted`.
void SplitTaskLine(std::string_view line, std::vector<std::string_view>& fields, std::string& unquoted);

// A read stopped by a record with too few fields; what() is the message
// "List index out of bounds (%d)".
class ReadStopped : public std::out_of_range {
 public:
  ReadStopped(size_t first_missing_index, size_t line_number);
  size_t LineNumber() const { return line_number_; }

 private:
  size_t line_number_;
};

}  // namespace datafiles
