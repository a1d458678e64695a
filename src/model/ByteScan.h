#pragma once
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

// Word-at-a-time scans over the bytes of the data files. Loading and saving
// touch every byte of files that may hold hundreds of thousands of records,
// and almost all of those bytes are plain ASCII that needs no work.
namespace bytescan {

// The first byte of a text is the lowest byte of the word loaded from it.
static_assert(std::endian::native == std::endian::little, "the scans read words in little-endian order");

constexpr uint64_t kOnes = 0x0101010101010101ULL;
constexpr uint64_t kHighBits = 0x8080808080808080ULL;

// High bit set in each byte of `word` that is below `limit` (limit <= 128).
// A flagged byte may also flag bytes after it (the subtraction borrows), but
// never one before it, so the lowest flag is always exact.
constexpr uint64_t BytesBelow(uint64_t word, uint8_t limit) { return (word - kOnes * limit) & ~word & kHighBits; }

// High bit set in each byte of `word` equal to `value`; exact for the lowest
// flag, as above.
constexpr uint64_t BytesEqual(uint64_t word, uint8_t value) { return BytesBelow(word ^ (kOnes * value), 1); }

inline uint64_t Load(const char* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// Length of the run at the start of `text` that holds no byte flagged (by
// its high bit) by `special_in_word(word)`. Always inlined: for the typical
// field of ten or twenty bytes a call costs more than the scan.
template <typename SpecialInWord>
[[gnu::always_inline]] inline size_t PlainRun(std::string_view text, SpecialInWord special_in_word) {
  const char* const p = text.data();
  const size_t size = text.size();
  auto first_flagged = [](uint64_t special) { return static_cast<size_t>(std::countr_zero(special)) / 8; };
  if (size == 0) return 0;
  if (size < 8) {
    uint64_t word = 0;
    std::memcpy(&word, p, size);
    // Flags in the bytes beyond the text are dropped; they cannot have
    // flagged a byte before them.
    const uint64_t special = special_in_word(word) & ((uint64_t{1} << (8 * size)) - 1);
    return special ? first_flagged(special) : size;
  }
  size_t i = 0;
  for (; size - i >= 8; i += 8)
    if (const uint64_t special = special_in_word(Load(p + i))) return i + first_flagged(special);
  if (i == size) return size;
  // The last word overlaps bytes already found plain, which flag nothing.
  const uint64_t special = special_in_word(Load(p + size - 8));
  return special ? size - 8 + first_flagged(special) : size;
}

}  // namespace bytescan
