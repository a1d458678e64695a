// Any skin rectangles, points and sizes: composition and regions only ever
// read inside the picture and write inside their result. Coordinates come
// from skin data, which holds whatever its author typed.
#include <cstdint>

#include "skin/ByteReader.h"
#include "skin/SkinComposition.h"
#include "skin/SkinError.h"
#include "skin/SkinRegion.h"

namespace {

// Small numbers most of the time, so that pieces meet the picture; any
// number sometimes.
int Coordinate(skin::ByteReader& in) {
  const std::uint8_t kind = in.ReadByte();
  if (kind < 0xF0) return static_cast<int>(kind % 48) - 8;
  return in.ReadInt32();
}

skin::Rect ReadRect(skin::ByteReader& in) {
  return {Coordinate(in), Coordinate(in), Coordinate(in), Coordinate(in)};
}

skin::PieceGeometry ReadGeometry(skin::ByteReader& in) {
  return {{Coordinate(in), Coordinate(in)}, {Coordinate(in), Coordinate(in)},
          {Coordinate(in), Coordinate(in)}, {Coordinate(in), Coordinate(in)}, ReadRect(in)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  skin::ByteReader in(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    const int picture_width = in.ReadByte() % 40 + 1;
    const int picture_height = in.ReadByte() % 40 + 1;
    platform::Bitmap picture = platform::Bitmap::Argb(picture_width, picture_height);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = (i * 2654435761u) & 0xFFFFFFu;
    const skin::Rect source = ReadRect(in);
    const skin::PieceGeometry geometry = ReadGeometry(in);
    const int width = in.ReadByte() * 2;
    const int height = in.ReadByte() * 2;
    const int kind = skin::SizingKind(source, geometry);
    const skin::FittedGeometry fitted = skin::NewGeometry(kind, source, geometry, width, height);
    const std::uint8_t flags = in.ReadByte();
    skin::StretchFlags stretch{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0, (flags & 8) != 0};

    skin::ComposeSkinImage(picture, source, geometry, fitted.geometry, width, height, flags & 16);
    skin::ComposeStretchedSkinImage(picture, source, geometry, fitted.geometry, width, height, true, stretch);
    skin::ComposeHorizontalStrip(picture, source, Coordinate(in), Coordinate(in), width);
    skin::ComposeVerticalStrip(picture, source, Coordinate(in), Coordinate(in), height);
    skin::ControlRegion(picture, source, kind, geometry, fitted.geometry, fitted.width, fitted.height);
  } catch (const skin::SkinError&) {
    // The input ran out.
  }
  return 0;
}
