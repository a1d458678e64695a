#pragma once

namespace skin {

// The versions this program writes in compressed skin files and skin
// streams; a file above kCompressedSkinFileVersion is not loaded, nor a
// stream at kFirstUnknownSkinStreamVersion or above.
inline constexpr int kCompressedSkinFileVersion = 3;
inline constexpr int kSkinStreamVersion = 3;
inline constexpr int kFirstUnknownSkinStreamVersion = 4;
// Streams of version 2 carry two more pictures after the mask, unused since.
inline constexpr int kSkinStreamVersionWithExtraPictures = 2;

// All pictures of one skin together, in pixels. Each picture is bounded by
// the BMP reader, but a run-length image of a few bytes may claim a large
// area; this keeps a stream of many such images from exhausting memory.
inline constexpr long long kMaxSkinPixels = 32LL << 20;

// The flag byte in front of each of the three pictures.
inline constexpr unsigned char kPictureFollows = 0;
inline constexpr unsigned char kNoPicture = 1;

}  // namespace skin
