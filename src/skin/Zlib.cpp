#include "skin/Zlib.h"

#include <zlib.h>

#include <algorithm>

#include "skin/SkinError.h"

namespace skin {
namespace {

Bytef* InputBytes(std::string_view data) {
  // zlib's interface is not const-correct; it never writes the input.
  return reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
}

// Ends a z_stream whatever way the caller leaves.
class InflateStream {
 public:
  InflateStream() {
    if (inflateInit(&stream_) != Z_OK) throw SkinError(kCompressionError);
  }
  ~InflateStream() { inflateEnd(&stream_); }
  InflateStream(const InflateStream&) = delete;
  InflateStream& operator=(const InflateStream&) = delete;
  z_stream* operator->() { return &stream_; }
  z_stream* get() { return &stream_; }

 private:
  z_stream stream_{};
};

class DeflateStream {
 public:
  DeflateStream() {
    if (deflateInit(&stream_, Z_BEST_COMPRESSION) != Z_OK) throw SkinError(kCompressionError);
  }
  ~DeflateStream() { deflateEnd(&stream_); }
  DeflateStream(const DeflateStream&) = delete;
  DeflateStream& operator=(const DeflateStream&) = delete;
  z_stream* operator->() { return &stream_; }
  z_stream* get() { return &stream_; }

 private:
  z_stream stream_{};
};

}  // namespace

std::string InflateZlib(std::string_view compressed, std::size_t max_size) {
  InflateStream stream;
  std::string out;
  // Skin data shrinks to about a tenth; start near the expected size and
  // double from there so that the copies stay few.
  out.resize(std::min(max_size, std::max<std::size_t>(4096, compressed.size() * 8)));
  std::size_t produced = 0;
  std::size_t consumed = 0;
  for (;;) {
    if (produced == out.size()) {
      if (out.size() >= max_size) throw SkinError(kCompressionError);
      out.resize(std::min(max_size, out.size() * 2));
    }
    const std::size_t input_piece = std::min<std::size_t>(compressed.size() - consumed, 1u << 30);
    const std::size_t output_piece = std::min<std::size_t>(out.size() - produced, 1u << 30);
    stream->next_in = InputBytes(compressed.substr(consumed));
    stream->avail_in = static_cast<uInt>(input_piece);
    stream->next_out = reinterpret_cast<Bytef*>(out.data() + produced);
    stream->avail_out = static_cast<uInt>(output_piece);
    const int result = inflate(stream.get(), Z_NO_FLUSH);
    consumed += input_piece - stream->avail_in;
    produced += output_piece - stream->avail_out;
    if (result == Z_STREAM_END) break;
    if (result == Z_BUF_ERROR && stream->avail_out != 0) {
      throw SkinError(kCompressionError);  // the input ended before the stream did
    }
    if (result != Z_OK && result != Z_BUF_ERROR) throw SkinError(kCompressionError);
  }
  out.resize(produced);
  return out;
}

std::string DeflateZlib(std::string_view data) {
  DeflateStream stream;
  std::string out(deflateBound(stream.get(), static_cast<uLong>(data.size())), '\0');
  stream->next_in = InputBytes(data);
  stream->avail_in = static_cast<uInt>(data.size());
  stream->next_out = reinterpret_cast<Bytef*>(out.data());
  stream->avail_out = static_cast<uInt>(out.size());
  if (deflate(stream.get(), Z_FINISH) != Z_STREAM_END) throw SkinError(kCompressionError);
  out.resize(stream->total_out);
  return out;
}

}  // namespace skin
