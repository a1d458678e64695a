#pragma once
#include "platform/Bitmap.h"
#include "skin/ByteReader.h"

namespace skin {

// Reads one BMP file image (file header, 40-byte information header, colour
// table, pixel bits) at the reader's position and consumes exactly the bytes
// its file header's size field gives. Takes 1, 4, 8, 16, 24 and 32 bits per
// pixel, uncompressed, with bit fields, RLE4 and RLE8. The result is a
// 32-bit bitmap with opaque pixels. Anything else, a truncated image or an
// absurd size throws SkinError "Bitmap image is not valid".
platform::Bitmap ReadBmpImage(ByteReader& reader);

}  // namespace skin
