#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The connection's input buffer: bytes received and not yet consumed.
// Consuming from the front only moves a read offset; the rest is moved to the
// front once 32768 bytes were consumed, so that reading line by line does not
// copy the buffer for every line. Receives write straight into its free tail.
class TNetManagedBuffer {
 public:
  static constexpr std::size_t kCompactAfter = 32768;

  std::size_t Size() const { return end_ - begin_; }
  bool Empty() const { return end_ == begin_; }
  std::string_view View() const {
    return std::string_view(storage_.get() + begin_, Size());
  }

  void Append(const char* data, std::size_t count);
  // Room for `count` more bytes at the end; Commit then says how many of
  // them were filled.
  char* PrepareTail(std::size_t count);
  void Commit(std::size_t count) { end_ += count; }

  // Throws ENetNotEnoughDataInBuffer when fewer than `count` bytes are held.
  void Remove(std::size_t count);
  // Moves the first `count` bytes out; throws like Remove.
  std::string Extract(std::size_t count);
  void ExtractTo(char* destination, std::size_t count);
  void Clear() { begin_ = end_ = 0; }

 private:
  void MoveToFront();

  std::unique_ptr<char[]> storage_;
  std::size_t capacity_ = 0;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
};
