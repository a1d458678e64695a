#pragma once
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Text.h"

// An ordered list of texts, each with an optional owned object: insertion
// order, never sorted, duplicates allowed. Finding by text returns the first
// entry equal without regard to letter case. Deleting an entry frees its
// object, so whoever removes a record frees it, as the model requires.
template <typename T>
class TStringList {
 public:
  TStringList() = default;
  TStringList(const TStringList&) = delete;
  TStringList& operator=(const TStringList&) = delete;
  TStringList(TStringList&&) noexcept = default;
  TStringList& operator=(TStringList&&) noexcept = default;
  virtual ~TStringList() = default;

  int Count() const { return static_cast<int>(entries_.size()); }
  bool Empty() const { return entries_.empty(); }

  const std::string& Strings(int index) const { return entries_.at(Checked(index)).text; }
  void SetString(int index, std::string text) { entries_.at(Checked(index)).text = std::move(text); }
  T* Objects(int index) const { return entries_.at(Checked(index)).object.get(); }

  // Appends an entry and returns its index.
  int Add(std::string text, std::unique_ptr<T> object = nullptr) {
    entries_.push_back({std::move(text), std::move(object)});
    return Count() - 1;
  }

  // Removes the entry and frees its object.
  void Delete(int index) { entries_.erase(entries_.begin() + Checked(index)); }

  void Clear() { entries_.clear(); }

  int IndexOf(std::string_view text) const {
    for (size_t i = 0; i < entries_.size(); ++i)
      if (platform::SameTextIgnoringCase(entries_[i].text, text)) return static_cast<int>(i);
    return -1;
  }

  void Reserve(size_t count) { entries_.reserve(count); }

 private:
  struct Entry {
    std::string text;
    std::unique_ptr<T> object;
  };

  size_t Checked(int index) const {
    if (index < 0 || index >= Count()) throw std::out_of_range(ListIndexError(index));
    return static_cast<size_t>(index);
  }
  static std::string ListIndexError(int index) {
    return "List index out of bounds (" + std::to_string(index) + ")";
  }

  std::vector<Entry> entries_;
};

// A string list whose entries carry no object (the category names).
struct TNoObject {};
using TTextList = TStringList<TNoObject>;
