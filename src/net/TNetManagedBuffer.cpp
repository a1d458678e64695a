#include "net/TNetManagedBuffer.h"

#include <algorithm>
#include <cstring>

#include "net/ENetTransportExceptions.h"

void TNetManagedBuffer::MoveToFront() {
  if (begin_ == 0) return;
  std::memmove(storage_.get(), storage_.get() + begin_, Size());
  end_ -= begin_;
  begin_ = 0;
}

char* TNetManagedBuffer::PrepareTail(std::size_t count) {
  if (capacity_ - end_ >= count) return storage_.get() + end_;
  MoveToFront();
  if (capacity_ - end_ < count) {
    const std::size_t capacity = std::max(capacity_ * 2, end_ + count);
    auto storage = std::make_unique_for_overwrite<char[]>(capacity);
    if (end_ > 0) std::memcpy(storage.get(), storage_.get(), end_);
    storage_ = std::move(storage);
    capacity_ = capacity;
  }
  return storage_.get() + end_;
}

void TNetManagedBuffer::Append(const char* data, std::size_t count) {
  if (count == 0) return;
  std::memcpy(PrepareTail(count), data, count);
  Commit(count);
}

void TNetManagedBuffer::Remove(std::size_t count) {
  if (count > Size()) throw ENetNotEnoughDataInBuffer();
  begin_ += count;
  if (begin_ == end_)
    Clear();
  else if (begin_ >= kCompactAfter)
    MoveToFront();
}

std::string TNetManagedBuffer::Extract(std::size_t count) {
  if (count > Size()) throw ENetNotEnoughDataInBuffer();
  std::string front(View().substr(0, count));
  Remove(count);
  return front;
}

void TNetManagedBuffer::ExtractTo(char* destination, std::size_t count) {
  if (count > Size()) throw ENetNotEnoughDataInBuffer();
  if (count > 0) std::memcpy(destination, storage_.get() + begin_, count);
  Remove(count);
}
