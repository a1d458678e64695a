#pragma once
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "model/DataFileFormats.h"
#include "model/FieldEncoding.h"

namespace datafiles {

// The text being written, handed on a piece at a time: large enough that
// writing it costs few calls, small enough to stay in the processor's cache
// while it is filled and written. A save adds some ten short texts a record,
// so they are copied through a plain cursor rather than appended to a
// string, whose bookkeeping would cost more than the copies.
class PieceWriter {
 public:
  explicit PieceWriter(const TextSink& sink)
      : sink_(sink), buffer_(std::make_unique_for_overwrite<char[]>(kRoomBytes)), out_(buffer_.get()),
        end_(out_ + kRoomBytes) {}

  PieceWriter(const PieceWriter&) = delete;
  PieceWriter& operator=(const PieceWriter&) = delete;

  void Append(std::string_view text) {
    if (text.empty()) return;
    if (text.size() > static_cast<size_t>(end_ - out_)) Grow(text.size());
    std::memcpy(out_, text.data(), text.size());
    out_ += text.size();
  }

  void AppendField(std::string_view text, Caret caret) {
    const size_t as_is = StoredAsIsLength(text, caret);
    Append(text.substr(0, as_is));
    if (as_is == text.size()) return;
    escaped_.clear();
    AppendEncodedField(escaped_, text.substr(as_is), caret);
    Append(escaped_);
  }

  // Called after each record, so that pieces end at line ends.
  void RecordDone() {
    if (Used() >= kPieceBytes) Flush();
  }

  void Flush() {
    if (Used() == 0) return;
    sink_(std::string_view(buffer_.get(), Used()));
    out_ = buffer_.get();
  }

 private:
  static constexpr size_t kPieceBytes = 256 * 1024;
  // A piece ends after the record that fills it, so it needs room beyond
  // kPieceBytes for one record; a longer record grows the room.
  static constexpr size_t kRoomBytes = kPieceBytes + kPieceBytes / 4;

  size_t Used() const { return static_cast<size_t>(out_ - buffer_.get()); }

  void Grow(size_t more) {
    const size_t used = Used();
    const size_t room = std::max(2 * static_cast<size_t>(end_ - buffer_.get()), used + more);
    auto larger = std::make_unique_for_overwrite<char[]>(room);
    std::memcpy(larger.get(), buffer_.get(), used);
    buffer_ = std::move(larger);
    out_ = buffer_.get() + used;
    end_ = buffer_.get() + room;
  }

  const TextSink& sink_;
  std::unique_ptr<char[]> buffer_;
  char* out_;
  char* end_;
  std::string escaped_;  // the stored form of a field that is not stored as it is
};

}  // namespace datafiles
