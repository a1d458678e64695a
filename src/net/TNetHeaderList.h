#pragma once
#include <string>
#include <string_view>
#include <vector>

// Header lines kept as the raw text they arrived or will leave in. A line's
// name is its text up to the first ":"; names compare without letter case.
// A line that starts with a blank or a tab continues the line before it.
class TNetHeaderList {
 public:
  static constexpr int kDefaultFoldLength = 78;

  explicit TNetHeaderList(int fold_length = kDefaultFoldLength)
      : fold_length_(fold_length) {}

  const std::vector<std::string>& Lines() const { return lines_; }
  int Count() const { return static_cast<int>(lines_.size()); }
  void Add(std::string line) { lines_.push_back(std::move(line)); }
  void AddLines(const TNetHeaderList& other);
  void Clear() { lines_.clear(); }

  // Upper-cased, not trimmed: "Content-Length :" has the name
  // "CONTENT-LENGTH ", which no lookup of "Content-Length" finds.
  std::string Names(int index) const;
  // The value after the colon with its continuation lines joined by one
  // blank; empty for an index outside the list.
  std::string Values(int index) const;

  int IndexOfName(std::string_view name) const;  // -1 when absent
  std::string Value(std::string_view name) const;  // first line only
  std::vector<std::string> AllValues(std::string_view name) const;

  // Replaces the first line of that name (and its continuation lines) where
  // it stands, or appends one; lines longer than the fold length are folded.
  // An empty value removes the line.
  void SetValue(std::string_view name, std::string_view value);
  // As SetValue, but an empty value leaves the list as it is.
  void SetValueIfNotEmpty(std::string_view name, std::string_view value) {
    if (!value.empty()) SetValue(name, value);
  }

  // Breaks `text` after blanks, tabs or commas outside double quotes so that
  // each piece is about `width` long; later pieces start with a blank.
  static std::vector<std::string> Fold(std::string_view text, int width);

 private:
  void DeleteContinuationLines(int index);

  std::vector<std::string> lines_;
  int fold_length_;
};
