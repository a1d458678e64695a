#pragma once
#include <cstdint>
#include <cstring>
#include <string_view>

// Word-at-a-time scans over the bytes of the data files. Loading and saving
// touch every byte of files that may hold hundreds of thousands of records,
// and almost all of those bytes are plain ASCII that needs no work.
namespace bytescan {

constexpr uint64_t kOnes = 0x0101010101010101ULL;
constexpr uint64_t kHighBits = 0x8080808080808080ULL;

// High bit set in each byte of `word` that is below `limit` (limit <= 128).
constexpr uint64_t BytesBelow(uint64_t word, uint8_t limit) { return (word - kOnes * limit) & ~word & kHighBits; }

// High bit set in each byte of `word` equal to `value`.
constexpr uint64_t BytesEqual(uint64_t word, uint8_t value) { return BytesBelow(word ^ (kOnes * value), 1); }

inline uint64_t Load(const char* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// Length of the run at the start of `text` in which `plain(byte)` holds,
// where `special_in_word(word)` flags (by high bit) the bytes of a word that
// are not plain; the two must agree.
template <typename SpecialInWord, typename Plain>
size_t PlainRun(std::string_view text, SpecialInWord special_in_word, Plain plain) {
  const char* const begin = text.data();
  const char* p = begin;
  const char* const end = begin + text.size();
  while (end - p >= 8 && special_in_word(Load(p)) == 0) p += 8;
  while (p < end && plain(static_cast<unsigned char>(*p))) ++p;
  return static_cast<size_t>(p - begin);
}

}  // namespace bytescan
