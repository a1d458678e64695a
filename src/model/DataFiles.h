#pragma once
#include <string>
#include <string_view>
#include <vector>

// The line and field formats shared by the three data files.
namespace datafiles {

// Reads file bytes line by line, breaking at CR LF, a lone CR and a lone
// LF; a line break at the very end gives no extra line, and a NUL byte ends
// the text.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes);
  bool Next(std::string_view& line);

 private:
  std::string_view bytes_;
  size_t position_ = 0;
  size_t next_cr_;  // where the next CR and LF are, searched only when passed
  size_t next_lf_;
};

// True for a line of nothing but blanks and control characters.
bool IsBlankLine(std::string_view line);

// Splits a task line as a quoted delimited list: "," between fields, "^" as
// the quote, "^^" inside a quoted field for one "^".
void SplitTaskLine(std::string_view line, std::vector<std::string>& fields);

// Appends `line` and CR LF.
void AppendLine(std::string& bytes, std::string_view line);

// The path a data file is read from and written to: the file of that name in
// the application folder in whatever letter case it has, else `created_name`.
std::string DataFilePath(const std::string& name, const std::string& created_name);

// Called when a load stopped early on a malformed line: sets the whole file
// aside beside it, so that a later save, which writes only what was read,
// cannot destroy the rest, and throws the load's error with the backup named.
[[noreturn]] void StopLoadKeepingBackup(const std::string& path, std::string_view bytes,
                                        const std::string& error);

// The error of a record with too few fields.
[[noreturn]] void ThrowListIndexError(size_t first_missing_index);

}  // namespace datafiles
