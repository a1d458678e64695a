#pragma once
#include "platform/Bitmap.h"
#include "skin/ByteReader.h"

namespace skin {

// Reads one BMP file image (file header, information header of any version
// from 40 bytes up to version 5, colour table, pixel bits) at the reader's
// position and consumes exactly the bytes its file header's size field
// gives. Takes 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, with bit
// fields, RLE4 and RLE8. The result is a 32-bit bitmap with opaque pixels.
// Anything else, a truncated image or an absurd size throws SkinError
// "Bitmap image is not valid" with the reason nested in it.
platform::Bitmap ReadBmpImage(ByteReader& reader);

}  // namespace skin
