#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "skin/SkinMessages.h"

// Builders for the bytes the skin loader reads, so that each test states the
// one thing it varies.
namespace skintest {

void AppendUInt16(std::string& out, std::uint16_t value);
void AppendUInt32(std::string& out, std::uint32_t value);

// A BMP file image: file header, 40-byte information header, `extra` (the
// colour table or bit-field masks) and `bits`.
std::string BmpImage(int width, int height, int bit_count, std::uint32_t compression,
                     const std::string& extra, const std::string& bits, std::uint32_t colours_used = 0);

// The same with a longer information header (108 bytes for version 4, 124
// for version 5) that carries the red, green, blue and alpha `masks`.
std::string BmpImageWithMasks(std::uint32_t header_size, const std::array<std::uint32_t, 4>& masks, int width,
                              int height, int bit_count, std::uint32_t compression, const std::string& extra,
                              const std::string& bits, std::uint32_t colours_used = 0);

// A bottom-up 24-bit BMP whose pixel (x, y), y from the top, is colour(x, y)
// as 0xRRGGBB.
std::string Bmp24(int width, int height, const std::function<std::uint32_t(int, int)>& colour);

// A small INI text with the sections every skin has and the given entries.
std::string SkinIni(const std::vector<std::string>& objects, const std::vector<std::string>& controls,
                    const std::string& entry_sections = {});

struct StreamPictures {
  std::string main, inactive, mask;  // empty: flag 1, no picture
  std::vector<std::string> active;
};

// A skin stream of the given format version.
std::string SkinStream(int version, const StreamPictures& pictures, const std::string& ini);

// A compressed skin file: version, N and the bytes.
std::string CompressedFile(std::int32_t version, std::int32_t length, const std::string& bytes);
std::string CompressedFile(const std::string& stream);  // version 3, deflated stream

// Records every skin message a window receives.
class RecordingWindow : public skin::SkinListener {
 public:
  struct Received {
    skin::SkinMessage message;
    const TskData* skin_data;
    int parameter;
    int order;
  };
  explicit RecordingWindow(int* clock = nullptr) : clock_(clock) {}
  void OnSkinMessage(skin::SkinMessage message, TskData& skin_data, int parameter) override {
    received.push_back({message, &skin_data, parameter, clock_ ? (*clock_)++ : 0});
  }
  std::vector<skin::SkinMessage> Messages() const {
    std::vector<skin::SkinMessage> out;
    for (const auto& r : received) out.push_back(r.message);
    return out;
  }
  std::vector<Received> received;

 private:
  int* clock_;
};

}  // namespace skintest
