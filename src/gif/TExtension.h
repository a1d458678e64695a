#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace gif {

enum class TExtensionKind : std::uint8_t {
  ExtGraphicControl = 0xF9,
  ExtPlainText = 0x01,
  ExtApplication = 0xFF,
  ExtComment = 0xFE,
};

// One extension block as read: the fixed bytes after its label, then its
// data sub-blocks (graphic control extensions have none).
struct TExtension {
  TExtensionKind Kind = TExtensionKind::ExtComment;
  std::string Header;
  std::vector<std::string> DataBlocks;
};

// Graphic control header: block size, packed, delay (2 bytes), transparent index, terminator.
inline constexpr std::size_t kGraphicControlHeaderSize = 6;
inline constexpr std::size_t kPlainTextHeaderSize = 13;
inline constexpr std::size_t kApplicationHeaderSize = 12;

}  // namespace gif
