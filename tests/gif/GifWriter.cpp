#include "gif/GifWriter.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>
#include <unordered_map>

namespace gif_test {
namespace {

int TableBits(std::size_t count) {
  int bits = 1;
  while ((std::size_t{1} << bits) < count) ++bits;
  if ((std::size_t{1} << bits) != count) throw std::invalid_argument("colour table size must be a power of two");
  return bits;
}

void PutU16(std::string& out, int value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8 & 0xFF));
}

void PutColors(std::string& out, const std::vector<std::uint32_t>& colors) {
  for (std::uint32_t rgb : colors) {
    out.push_back(static_cast<char>(rgb >> 16 & 0xFF));
    out.push_back(static_cast<char>(rgb >> 8 & 0xFF));
    out.push_back(static_cast<char>(rgb & 0xFF));
  }
}

std::vector<std::uint8_t> InterlacedOrder(const TestFrame& frame) {
  std::vector<std::uint8_t> rows;
  const int starts[] = {0, 4, 2, 1};
  const int steps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = starts[pass]; y < frame.height; y += steps[pass])
      rows.insert(rows.end(), frame.pixels.begin() + y * frame.width, frame.pixels.begin() + (y + 1) * frame.width);
  return rows;
}

class BitWriter {
 public:
  void Put(int code, int size) {
    bits_ |= static_cast<std::uint32_t>(code) << count_;
    count_ += size;
    while (count_ >= 8) {
      data_.push_back(static_cast<char>(bits_ & 0xFF));
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  std::string Flush() {
    if (count_ > 0) data_.push_back(static_cast<char>(bits_ & 0xFF));
    return data_;
  }

 private:
  std::string data_;
  std::uint32_t bits_ = 0;
  int count_ = 0;
};

}  // namespace

std::string EncodeLzw(const std::vector<std::uint8_t>& pixels, int minCodeSize, bool leadingClearCode) {
  const int clear = 1 << minCodeSize;
  BitWriter writer;
  std::unordered_map<std::uint32_t, int> table;
  int next = clear + 2;
  int codeSize = minCodeSize + 1;
  if (leadingClearCode) writer.Put(clear, codeSize);
  if (!pixels.empty()) {
    int prefix = pixels[0];
    for (std::size_t i = 1; i < pixels.size(); ++i) {
      const std::uint32_t key = static_cast<std::uint32_t>(prefix) << 8 | pixels[i];
      if (auto found = table.find(key); found != table.end()) {
        prefix = found->second;
        continue;
      }
      writer.Put(prefix, codeSize);
      if (next < 4096) {
        table[key] = next++;
        if (next > (1 << codeSize) && codeSize < 12) ++codeSize;
      } else {
        writer.Put(clear, codeSize);
        table.clear();
        next = clear + 2;
        codeSize = minCodeSize + 1;
      }
      prefix = pixels[i];
    }
    writer.Put(prefix, codeSize);
  }
  writer.Put(clear + 1, codeSize);
  const std::string data = writer.Flush();
  std::string out(1, static_cast<char>(minCodeSize));
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t length = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<char>(length));
    out.append(data, at, length);
  }
  out.push_back('\0');
  return out;
}

GifWriter::GifWriter(int width, int height, std::vector<std::uint32_t> globalColors, int backgroundIndex,
                     const char* version)
    : bytes_(version) {
  PutU16(bytes_, width);
  PutU16(bytes_, height);
  const bool hasTable = !globalColors.empty();
  const int bits = hasTable ? TableBits(globalColors.size()) : 1;
  bytes_.push_back(static_cast<char>((hasTable ? 0x80 : 0) | 0x70 | (bits - 1)));
  bytes_.push_back(static_cast<char>(backgroundIndex));
  bytes_.push_back('\0');
  PutColors(bytes_, globalColors);
}

GifWriter& GifWriter::Loop(std::uint16_t count) {
  bytes_ += std::string("\x21\xFF\x0B" "NETSCAPE2.0" "\x03\x01", 16);
  PutU16(bytes_, count);
  bytes_.push_back('\0');
  return *this;
}

GifWriter& GifWriter::Comment(const std::string& text) {
  bytes_ += "\x21\xFE";
  bytes_.push_back(static_cast<char>(text.size()));
  bytes_ += text;
  bytes_.push_back('\0');
  return *this;
}

GifWriter& GifWriter::Frame(const TestFrame& frame) {
  if (frame.graphicControl) {
    bytes_ += std::string("\x21\xF9\x04", 3);
    bytes_.push_back(static_cast<char>((frame.disposal & 7) << 2 | (frame.transparentIndex >= 0 ? 1 : 0)));
    PutU16(bytes_, frame.delayHundredths);
    bytes_.push_back(static_cast<char>(frame.transparentIndex >= 0 ? frame.transparentIndex : 0));
    bytes_.push_back('\0');
  }
  bytes_.push_back(',');
  PutU16(bytes_, frame.left);
  PutU16(bytes_, frame.top);
  PutU16(bytes_, frame.width);
  PutU16(bytes_, frame.height);
  const bool local = !frame.localColors.empty();
  const int localBits = local ? TableBits(frame.localColors.size()) : 0;
  bytes_.push_back(static_cast<char>((local ? 0x80 | (localBits - 1) : 0) | (frame.interlaced ? 0x40 : 0)));
  PutColors(bytes_, frame.localColors);
  int maxIndex = 1;
  for (std::uint8_t pixel : frame.pixels) maxIndex = std::max<int>(maxIndex, pixel);
  int codeSize = 2;
  while ((1 << codeSize) <= maxIndex) ++codeSize;
  bytes_ += EncodeLzw(frame.interlaced ? InterlacedOrder(frame) : frame.pixels, codeSize, frame.leadingClearCode);
  return *this;
}

GifWriter& GifWriter::Raw(const std::string& bytes) {
  bytes_ += bytes;
  return *this;
}

std::string GifWriter::Finish(bool trailer) const { return trailer ? bytes_ + ";" : bytes_; }

std::string WriteTempFile(const std::string& name, const std::string& bytes) {
  const char* base = std::getenv("TEST_TMPDIR");
  std::string folder = std::string(base ? base : "/tmp") + "/tarvik-gif-test-" + std::to_string(::getpid());
  std::filesystem::create_directories(folder);
  const std::string path = folder + "/" + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

}  // namespace gif_test
