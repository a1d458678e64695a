#include "net/TNetHeaderList.h"

#include "net/NetText.h"

namespace {

bool IsContinuation(const std::string& line) {
  return !line.empty() && (line.front() == ' ' || line.front() == '\t');
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

// A piece of blanks only would become an empty line, which ends a header
// block on the wire; it is left out.
void AddPiece(std::vector<std::string>& pieces, std::string_view piece) {
  piece = WithoutTrailingBlanks(piece);
  if (!piece.empty()) pieces.emplace_back(piece);
}

}  // namespace

void TNetHeaderList::AddLines(const TNetHeaderList& other) {
  lines_.insert(lines_.end(), other.lines_.begin(), other.lines_.end());
}

std::string TNetHeaderList::Names(int index) const {
  if (index < 0 || index >= Count()) return {};
  const std::string& line = lines_[index];
  const auto colon = line.find(':');
  if (colon == std::string::npos) return {};
  return net_text::UpperCase(std::string_view(line).substr(0, colon));
}

std::string TNetHeaderList::Values(int index) const {
  if (index < 0 || index >= Count()) return {};
  const std::string& line = lines_[index];
  const auto colon = line.find(':');
  // A line without a colon has an empty name; its "value" then starts one
  // character in, where the colon would have been.
  const std::size_t value_start = colon == std::string::npos ? 1 : colon + 1;
  std::string value(net_text::Trim(
      value_start < line.size() ? std::string_view(line).substr(value_start) : ""));
  // Joined in place: trimming the front again after each join, as the
  // joining rule reads, changes nothing the final trim would not.
  for (int next = index + 1; next < Count() && IsContinuation(lines_[next]); ++next) {
    value.resize(net_text::TrimRight(value).size());
    value += ' ';
    value += net_text::Trim(lines_[next]);
  }
  return std::string(net_text::Trim(value));
}

int TNetHeaderList::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string& line = lines_[i];
    const auto colon = line.find(':');
    const std::string_view line_name =
        colon == std::string::npos ? std::string_view() : std::string_view(line).substr(0, colon);
    if (net_text::SameText(line_name, name)) return i;
  }
  return -1;
}

std::string TNetHeaderList::Value(std::string_view name) const {
  return Values(IndexOfName(name));
}

std::vector<std::string> TNetHeaderList::AllValues(std::string_view name) const {
  std::vector<std::string> values;
  for (int i = 0; i < Count(); ++i)
    if (net_text::SameText(Names(i), name)) values.push_back(Values(i));
  return values;
}

void TNetHeaderList::DeleteContinuationLines(int index) {
  const auto first = lines_.begin() + index + 1;
  auto last = first;
  while (last != lines_.end() && IsContinuation(*last)) ++last;
  lines_.erase(first, last);
}

void TNetHeaderList::SetValue(std::string_view name, std::string_view value) {
  int index = IndexOfName(name);
  if (value.empty()) {
    if (index < 0) return;
    DeleteContinuationLines(index);
    lines_.erase(lines_.begin() + index);
    return;
  }
  if (index < 0) {
    lines_.emplace_back();
    index = Count() - 1;
  }
  DeleteContinuationLines(index);
  std::string line(name);
  line += ": ";
  line += value;
  std::vector<std::string> pieces = Fold(line, fold_length_);
  lines_[index] = std::move(pieces.front());
  lines_.insert(lines_.begin() + index + 1, std::make_move_iterator(pieces.begin() + 1),
                std::make_move_iterator(pieces.end()));
}

std::vector<std::string> TNetHeaderList::Fold(std::string_view text, int width) {
  const std::size_t limit = width > 0 ? static_cast<std::size_t>(width) : 1;
  std::vector<std::string> pieces;
  // The piece being cut is text[start...], preceded by one blank when it
  // continues an earlier piece. Indexes below count that blank.
  std::size_t start = 0;
  std::size_t lead = 0;
  const auto at = [&](std::size_t i) { return i < lead ? ' ' : text[start + i - lead]; };
  const auto piece = [&](std::size_t length) {
    return std::string(lead, ' ') + std::string(text.substr(start, length - lead));
  };
  while (text.size() - start + lead > limit) {
    const std::size_t length = text.size() - start + lead;
    // The blank that opens a continuation piece is not a break point, or
    // folding would never move on.
    std::size_t last_break = std::string::npos;
    bool in_quotes = false;
    for (std::size_t i = 0; i < length; ++i) {
      const char c = at(i);
      if (c == '"') {
        in_quotes = !in_quotes;
      } else if (i > 0 && !in_quotes && (c == ' ' || c == '\t' || c == ',')) {
        last_break = i;
      }
      if (i >= limit && last_break != std::string::npos) break;
    }
    if (last_break == std::string::npos) break;
    AddPiece(pieces, piece(last_break + 1));
    start += last_break + 1 - lead;
    lead = 1;
  }
  AddPiece(pieces, piece(text.size() - start + lead));
  if (pieces.empty()) pieces.emplace_back();
  return pieces;
}
