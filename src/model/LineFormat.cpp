#include "model/LineFormat.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace datafiles {
namespace {

size_t CountOf(std::string_view bytes, char c) {
  size_t count = 0;
  const char* const end = bytes.data() + bytes.size();
  for (const char* p = bytes.data(); (p = static_cast<const char*>(std::memchr(p, c, static_cast<size_t>(end - p))));
       ++p)
    ++count;
  return count;
}

}  // namespace

LineReader::LineReader(std::string_view bytes)
    : bytes_(bytes.substr(0, bytes.find('\0'))), next_cr_(bytes_.find('\r')), next_lf_(bytes_.find('\n')) {}

bool LineReader::Next(std::string_view& line) {
  if (position_ >= bytes_.size()) return false;
  if (next_cr_ < position_) next_cr_ = bytes_.find('\r', position_);
  if (next_lf_ < position_) next_lf_ = bytes_.find('\n', position_);
  const size_t end = std::min({next_cr_, next_lf_, bytes_.size()});
  line = bytes_.substr(position_, end - position_);
  ++line_number_;
  position_ = end + (end == next_cr_ && next_lf_ == end + 1 ? 2 : 1);
  return true;
}

size_t LineCountEstimate(std::string_view bytes) {
  const size_t line_feeds = CountOf(bytes, '\n');
  return line_feeds > 0 ? line_feeds : CountOf(bytes, '\r');
}

bool IsBlankLine(std::string_view line) {
  for (const char c : line)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

void SplitTaskLine(std::string_view line, std::vector<std::string_view>& fields, std::string& unquoted) {
  line = line.substr(0, line.find('\0'));  // the text ends at a NUL, as written
  const size_t end = line.size();
  fields.clear();
  // Quoted fields that held "^^" are copied here without the doubling; no
  // such field is longer than the line, so the room reserved up front is
  // never outgrown and the views into it stay valid.
  unquoted.clear();
  unquoted.reserve(end);
  size_t i = 0;
  auto skip_blanks = [&] {
    while (i < end && static_cast<unsigned char>(line[i]) >= 1 && static_cast<unsigned char>(line[i]) <= 32) ++i;
  };
  // Reads the quoted field whose opening "^" is at `i`.
  auto quoted_field = [&]() -> std::string_view {
    const size_t start = ++i;
    size_t quote = std::min(line.find('^', i), end);
    if (quote + 1 >= end || line[quote + 1] != '^') {
      // The common case: no doubled quote, so the field is part of the line.
      // An unclosed quoted field runs to the end of the line less its last
      // character.
      i = quote < end ? quote + 1 : end;
      if (quote == end && quote > start) --quote;
      return line.substr(start, quote - start);
    }
    const size_t first = unquoted.size();
    for (;;) {
      unquoted.append(line.substr(i, quote - i));
      i = quote;
      if (i == end) {
        if (unquoted.size() > first) unquoted.pop_back();
        break;
      }
      if (i + 1 < end && line[i + 1] == '^') {
        unquoted += '^';
        i += 2;
        quote = std::min(line.find('^', i), end);
        continue;
      }
      ++i;
      break;
    }
    return std::string_view(unquoted).substr(first);
  };
  skip_blanks();
  while (i < end) {
    if (line[i] == '^') {
      fields.push_back(quoted_field());
    } else {
      const size_t start = i;
      while (i < end && static_cast<unsigned char>(line[i]) > 32 && line[i] != ',') ++i;
      fields.push_back(line.substr(start, i - start));
    }
    skip_blanks();
    if (i < end && line[i] == ',') {
      if (i == end - 1) fields.emplace_back();
      ++i;
      skip_blanks();
    }
  }
}

ReadStopped::ReadStopped(size_t first_missing_index, size_t line_number)
    : std::out_of_range("List index out of bounds (" + std::to_string(first_missing_index) + ")"),
      line_number_(line_number) {}

}  // namespace datafiles
