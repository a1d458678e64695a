#include "gif/GifLzw.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace gif {
namespace {

constexpr int kMaxCodes = 4096;
constexpr int kMaxCodeSize = 12;

// Codes are packed least significant bit first across the data sub-blocks;
// a zero-length block adds nothing and reading goes on after it. The bits
// are read straight from the blocks, skipping their length bytes, so that
// decoding needs no joined copy of the data.
class CodeReader {
 public:
  explicit CodeReader(std::string_view blocks)
      : data_(reinterpret_cast<const std::uint8_t*>(blocks.data())), size_(blocks.size()) {}

  // False when the data runs out before `size` more bits.
  bool NextCode(int size, int& code) {
    if (count_ < size) {
      Refill();
      if (count_ < size) return false;
    }
    code = static_cast<int>(bits_ & ((1u << size) - 1));
    bits_ >>= size;
    count_ -= size;
    return true;
  }

 private:
  // Tops the bit buffer up to more than 56 bits while data lasts; inside a
  // sub-block several bytes come with one load.
  void Refill() {
    while (count_ <= 56) {
      if (blockLeft_ == 0) {
        if (pos_ == size_) return;
        const std::size_t length = data_[pos_++];
        blockLeft_ = std::min(length, size_ - pos_);
      } else if (blockLeft_ >= 8) {
        const int take = std::min(7, (64 - count_) / 8);
        std::uint64_t word;
        std::memcpy(&word, data_ + pos_, sizeof word);
        if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
        bits_ |= (word & ((std::uint64_t{1} << (take * 8)) - 1)) << count_;
        count_ += take * 8;
        pos_ += static_cast<std::size_t>(take);
        blockLeft_ -= static_cast<std::size_t>(take);
      } else {
        bits_ |= std::uint64_t{data_[pos_++]} << count_;
        count_ += 8;
        --blockLeft_;
      }
    }
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  std::size_t blockLeft_ = 0;  // bytes of the current sub-block not yet read
  std::uint64_t bits_ = 0;     // unread bits, the next one lowest
  int count_ = 0;              // how many of them
};

// Places decoded pixels row by row, in interlaced order when asked; writes
// past the last row are dropped.
class RowWriter {
 public:
  explicit RowWriter(const LzwTarget& target) : t_(target), row_(target.pixels) {}

  bool Done() const { return y_ >= t_.height; }

  // Room for `count` more pixels in the current row, to write in place.
  bool FitsInRow(int count) const { return y_ < t_.height && x_ + count <= t_.width; }
  std::uint8_t* Cursor() const { return row_ + x_; }
  void Advance(int count) {
    x_ += count;
    if (x_ == t_.width) {
      x_ = 0;
      NextRow();
    }
  }

  void PutPixel(std::uint8_t value) { PutPixels(&value, 1); }

  void PutPixels(const std::uint8_t* from, int count) {
    while (count > 0 && y_ < t_.height) {
      const int n = std::min(count, t_.width - x_);
      // Most strings are a few pixels long: a plain loop beats a call.
      std::uint8_t* to = row_ + x_;
      for (int i = 0; i < n; ++i) to[i] = from[i];
      from += n;
      count -= n;
      x_ += n;
      if (x_ == t_.width) {
        x_ = 0;
        NextRow();
      }
    }
  }

 private:
  void NextRow() {
    if (t_.interlaced)
      NextInterlacedRow();
    else
      ++y_;
    if (y_ < t_.height) row_ = t_.pixels + static_cast<std::size_t>(y_) * static_cast<std::size_t>(t_.width);
  }

  // Passes of every 8th row from 0, every 8th from 4, every 4th from 2 and
  // every 2nd from 1; after the last pass the row stays past the end.
  void NextInterlacedRow() {
    y_ += pass_ <= 1 ? 8 : pass_ == 2 ? 4 : 2;
    if (y_ < t_.height) return;
    if (pass_ == 0) {
      pass_ = 1;
      if (t_.height > 4) {
        y_ = 4;
        return;
      }
    }
    if (pass_ == 1) {
      pass_ = 2;
      if (t_.height > 2) {
        y_ = 2;
        return;
      }
    }
    if (pass_ == 2) {
      pass_ = 3;
      y_ = 1;
    }
  }

  LzwTarget t_;
  std::uint8_t* row_;
  int x_ = 0;
  int y_ = 0;
  int pass_ = 0;
};

using PrefixTable = std::array<std::uint16_t, kMaxCodes>;
using SuffixTable = std::array<std::uint8_t, kMaxCodes>;

void AddCode(int oldCode, std::uint8_t lastChar, bool& tableFull, int& freeCode, int& codeSize, int& tableLimit,
             PrefixTable& prefix, SuffixTable& suffix, PrefixTable& length) {
  if (tableFull) return;
  const auto at = static_cast<std::size_t>(freeCode);
  prefix[at] = static_cast<std::uint16_t>(oldCode);
  suffix[at] = lastChar;
  const std::uint16_t oldLength = length[static_cast<std::size_t>(oldCode)];
  length[at] = oldLength != 0 && oldLength <= kMaxCodes ? static_cast<std::uint16_t>(oldLength + 1) : 0;
  ++freeCode;
  if (freeCode >= tableLimit) {
    if (codeSize >= kMaxCodeSize) {
      tableFull = true;
    } else {
      ++codeSize;
      tableLimit <<= 1;
    }
  }
}

// Walks the string of `code` straight into the picture when its length is
// known and it fits in the current row. The walk must end on a literal after
// exactly that many steps; a table damaged so that it does not is left to the
// careful path, and the pixels tried here are cleared again (nothing had been
// written at or after the cursor yet).
bool WriteInPlace(int code, RowWriter& writer, const PrefixTable& prefix, const SuffixTable& suffix,
                  const PrefixTable& length, int literalMask, std::uint8_t& lastChar) {
  const int count = length[static_cast<std::size_t>(code)];
  if (count == 0 || !writer.FitsInRow(count)) return false;
  std::uint8_t* out = writer.Cursor();
  int current = code;
  int k = count - 1;
  while (current > literalMask && k > 0) {
    out[k--] = suffix[static_cast<std::size_t>(current)];
    current = prefix[static_cast<std::size_t>(current)];
  }
  if (current > literalMask || k != 0) {
    std::memset(out, 0, static_cast<std::size_t>(count));
    return false;
  }
  lastChar = static_cast<std::uint8_t>(current & literalMask);
  out[0] = lastChar;
  writer.Advance(count);
  return true;
}

}  // namespace

bool DecodeLzw(std::string_view encoded, int colorBits, const LzwTarget& target) {
  // A picture without pixels has nothing to decode, so nothing to miss.
  if (target.width <= 0 || target.height <= 0) return false;
  // Not even a code size byte: every row is missing.
  if (encoded.empty()) return true;
  bool corrupted = false;
  int codeSizeByte = static_cast<std::uint8_t>(encoded[0]);
  if (codeSizeByte < 2 || codeSizeByte > 9) {
    corrupted = true;
    codeSizeByte = std::clamp(codeSizeByte, 2, 9);
  }
  const int literalMask = (1 << colorBits) - 1;
  const int clearCode = 1 << codeSizeByte;
  const int endCode = clearCode + 1;
  const int firstFree = clearCode + 2;
  const int initialCodeSize = codeSizeByte + 1;

  PrefixTable prefix{};
  SuffixTable suffix{};
  // A string is collected backwards from the end, so that it can be copied
  // out forwards; the chain walk below stops past kMaxCodes + 1 entries.
  std::array<std::uint8_t, kMaxCodes + 2> stack{};
  constexpr int kStackEnd = kMaxCodes + 1;
  // The length of each code's string, 0 when unknown. It lets most strings
  // be walked straight into the picture instead of through the stack.
  PrefixTable length{};
  for (int c = 0; c <= literalMask && c < kMaxCodes; ++c) length[static_cast<std::size_t>(c)] = 1;

  int codeSize = initialCodeSize;
  int tableLimit = 1 << codeSize;
  int freeCode = firstFree;
  bool tableFull = false;
  int oldCode = 0;
  std::uint8_t lastChar = 0;

  CodeReader reader(encoded.substr(1));
  RowWriter writer(target);
  // The code after a clear code starts the first string: it is shown as a
  // literal and adds no table entry, having no string before it.
  auto startFirstString = [&](int first) {
    oldCode = first;
    lastChar = static_cast<std::uint8_t>(first & literalMask);
    writer.PutPixel(lastChar);
  };
  int code = 0;
  bool haveCode = reader.NextCode(codeSize, code);
  // Data need not start with a clear code: the table starts out as a clear
  // code leaves it, so the first code starts the first string all the same.
  // Damaged data still ends at its first code that is not a clear code.
  if (haveCode && code != clearCode && code != endCode && !corrupted) {
    startFirstString(code);
    haveCode = reader.NextCode(codeSize, code);
  }
  while (haveCode && code != endCode && !writer.Done()) {
    if (code == clearCode) {
      codeSize = initialCodeSize;
      tableLimit = 1 << codeSize;
      freeCode = firstFree;
      haveCode = reader.NextCode(codeSize, code);
      if (!haveCode) break;
      startFirstString(code);
      tableFull = false;
    } else if (!corrupted && code < freeCode && WriteInPlace(code, writer, prefix, suffix, length, literalMask, lastChar)) {
      AddCode(oldCode, lastChar, tableFull, freeCode, codeSize, tableLimit, prefix, suffix, length);
      oldCode = code;
    } else {
      const int in = code;
      int current = code;
      int n = 0;
      if (code >= freeCode) {
        current = oldCode;
        stack[kStackEnd] = lastChar;
        n = 1;
      }
      while (current > literalMask) {
        if (n > kMaxCodes) {
          corrupted = true;
          break;
        }
        stack[kStackEnd - n] = suffix[current];
        current = prefix[current];
        ++n;
      }
      if (corrupted) return true;
      lastChar = static_cast<std::uint8_t>(current & literalMask);
      stack[kStackEnd - n] = lastChar;
      writer.PutPixels(&stack[kStackEnd - n], n + 1);
      AddCode(oldCode, lastChar, tableFull, freeCode, codeSize, tableLimit, prefix, suffix, length);
      oldCode = in;
    }
    haveCode = reader.NextCode(codeSize, code);
  }
  // Data that stops before the end code is only damage when rows are missing.
  return corrupted || (!haveCode && !writer.Done());
}

}  // namespace gif
