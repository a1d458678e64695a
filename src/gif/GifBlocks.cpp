#include "gif/GifBlocks.h"

#include <algorithm>
#include <cstring>

#include "gif/GifLimits.h"

namespace gif {
namespace {

constexpr std::uint16_t kMaxLoopCount = 30000;

std::uint16_t ReadU16(const std::uint8_t* bytes) {
  return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::string ReadHeader(GifByteReader& reader, std::size_t size) {
  std::string header(size, '\0');
  reader.ReadLenient(reinterpret_cast<std::uint8_t*>(header.data()), size);
  return header;
}

// Reads sub-blocks up to the terminator or the end of the data. False when
// the data ends inside a sub-block, which is then left out.
bool ReadDataBlocks(GifByteReader& reader, std::vector<std::string>& blocks) {
  while (!reader.AtEnd()) {
    const std::uint8_t length = reader.ReadByteLenient();
    if (length == 0) break;
    if (length > reader.Remaining()) return false;
    blocks.emplace_back(reader.TakeExact(length));
  }
  return true;
}

// The identifier is compared over as many bytes as the header's block size
// says, but never past the 11 bytes the header holds.
bool IsLoopExtension(const TExtension& extension) {
  if (extension.DataBlocks.empty()) return false;
  const std::size_t length = std::min<std::size_t>(static_cast<std::uint8_t>(extension.Header[0]), 11);
  const char* identifier = extension.Header.data() + 1;
  const bool known = std::memcmp(identifier, "NETSCAPE2.0", length) == 0 ||
                     std::memcmp(identifier, "ANIMEXTS1.0", length) == 0;
  const std::string& first = extension.DataBlocks.front();
  return known && first.size() >= 3 && first[0] == 1;
}

void ApplyGraphicControls(TGIFFrame& frame) {
  const TColorTable& colors = frame.Item->Colors;
  for (const TExtension& extension : frame.Extensions) {
    if (extension.Kind != TExtensionKind::ExtGraphicControl) continue;
    const auto* header = reinterpret_cast<const std::uint8_t*>(extension.Header.data());
    const std::uint8_t packed = header[1];
    const std::uint8_t transparentIndex = header[4];
    if ((packed & 1) == 0)
      frame.TransparentColor = clNone;
    else if (transparentIndex < colors.Count)
      frame.TransparentColor = colors.Color(transparentIndex);
    const std::uint32_t delay = std::uint32_t{ReadU16(header + 2)} * 10;
    frame.DelayMs = static_cast<std::uint16_t>(std::max<std::uint32_t>(delay, frame.DelayMs));
    frame.Disposal = static_cast<std::uint8_t>(packed >> 2 & 7);
  }
}

}  // namespace

TExtensionRun ReadExtensionRun(GifByteReader& reader, std::uint8_t& introducer, TLoopInfo& loop) {
  TExtensionRun run;
  while (introducer == kExtensionIntroducer) {
    // An introducer with nothing after it is an extension cut off before its
    // label, not one with an unknown label.
    if (reader.AtEnd()) {
      run.CutOff = true;
      break;
    }
    const std::uint8_t label = reader.ReadByteLenient();
    TExtension extension;
    bool complete = true;
    switch (label) {
      case 0xF9:
        extension.Kind = TExtensionKind::ExtGraphicControl;
        extension.Header = ReadHeader(reader, kGraphicControlHeaderSize);
        break;
      case 0x01:
        extension.Kind = TExtensionKind::ExtPlainText;
        extension.Header = ReadHeader(reader, kPlainTextHeaderSize);
        complete = ReadDataBlocks(reader, extension.DataBlocks);
        break;
      case 0xFF:
        extension.Kind = TExtensionKind::ExtApplication;
        extension.Header = ReadHeader(reader, kApplicationHeaderSize);
        complete = ReadDataBlocks(reader, extension.DataBlocks);
        break;
      case 0xFE:
        extension.Kind = TExtensionKind::ExtComment;
        complete = ReadDataBlocks(reader, extension.DataBlocks);
        break;
      default:
        throw EGIFError(UnknownExtensionMessage(label));
    }
    if (extension.Kind == TExtensionKind::ExtPlainText) run.Kept.clear();
    if (extension.Kind == TExtensionKind::ExtApplication && IsLoopExtension(extension)) {
      const std::string& first = extension.DataBlocks.front();
      loop.HasLoopExtension = true;
      loop.LoopCount = std::min(ReadU16(reinterpret_cast<const std::uint8_t*>(first.data()) + 1), kMaxLoopCount);
    }
    if (extension.Kind == TExtensionKind::ExtGraphicControl || extension.Kind == TExtensionKind::ExtComment)
      run.Kept.push_back(std::move(extension));
    if (!complete) {
      run.CutOff = true;
      break;
    }
    introducer = reader.AtEnd() ? kTrailer : reader.ReadByteLenient();
  }
  if (run.CutOff) introducer = kTrailer;
  return run;
}

void ReadImageBlock(GifByteReader& reader, const TGIFData& data, int logicalWidth, int logicalHeight,
                    TGIFFrame& frame) {
  TGIFItem& item = *frame.Item;
  try {
    std::uint8_t descriptor[9];
    reader.ReadExact(descriptor, sizeof descriptor);
    const std::uint8_t packed = descriptor[8];
    frame.Interlaced = (packed & 0x40) != 0;
    std::uint32_t width = ReadU16(descriptor + 4);
    std::uint32_t height = ReadU16(descriptor + 6);
    if (width == 0) width = static_cast<std::uint32_t>(logicalWidth);
    if (height == 0) height = static_cast<std::uint32_t>(logicalHeight);
    CheckPictureSize("frame", width, height, 1);

    if (packed & 0x80) {
      item.ColorBits = (packed & 7) + 1;
      frame.HasLocalColors = true;
      item.Colors.Count = 1 << item.ColorBits;
      reader.ReadExact(item.Colors.Entries.data(), static_cast<std::size_t>(item.Colors.Count) * 3);
    } else {
      frame.HasLocalColors = false;
      item.Colors.Clear();
    }

    const std::size_t start = reader.Position();
    reader.ReadByteExact();
    std::size_t end = reader.Position();
    while (!reader.AtEnd()) {
      const std::uint8_t length = reader.ReadByteLenient();
      if (length > reader.Remaining()) {
        frame.DataCorrupted = true;
        break;
      }
      reader.TakeExact(length);
      end = reader.Position();
      if (length == 0) break;
    }
    item.EncodedData = reader.Passed(start, end);

    frame.FrameLeft = ReadU16(descriptor);
    frame.FrameTop = ReadU16(descriptor + 2);
    item.Width = static_cast<std::int32_t>(width);
    item.Height = static_cast<std::int32_t>(height);
    item.DescriptorFlags = packed;
    if (!frame.HasLocalColors) item.Colors = data.GlobalColors;
    ApplyGraphicControls(frame);
  } catch (...) {
    item.EncodedData = {};
    throw;
  }
}

}  // namespace gif
